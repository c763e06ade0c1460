// orvex-artgen: draws every bitmap of the project into a repository tree.

#include "artfiles.h"

#include <QCommandLineParser>
#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdio>

namespace {

const QString defaultFontFile =
    QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");

void printError(const QString &text)
{
    std::fprintf(stderr, "orvex-artgen: %s\n", qPrintable(text));
}

} // namespace

int main(int argc, char *argv[])
{
    // The output must not depend on the display or the desktop's fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("orvex-artgen"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the bitmaps of Orvex Tessary."));
    parser.addHelpOption();
    const QCommandLineOption fontOption(QStringLiteral("font"),
                                        QStringLiteral("Font file for the button words."),
                                        QStringLiteral("file"), defaultFontFile);
    parser.addOption(fontOption);
    parser.addPositionalArgument(QStringLiteral("root"),
                                 QStringLiteral("Repository root to write the files under."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        printError(QStringLiteral("expected one output root folder"));
        return 2;
    }

    const QString fontFile = parser.value(fontOption);
    const int fontId = QFontDatabase::addApplicationFont(fontFile);
    const QStringList families = QFontDatabase::applicationFontFamilies(fontId);
    if (fontId < 0 || families.isEmpty()) {
        printError(QStringLiteral("cannot load the font %1").arg(fontFile));
        return 1;
    }
    QFont buttonFont(families.first());
    buttonFont.setBold(true);
    buttonFont.setPixelSize(16);
    buttonFont.setHintingPreference(QFont::PreferNoHinting);

    const QString root = parser.positionalArguments().first();
    for (const orvex::artgen::ArtFile &file : orvex::artgen::projectArt(buttonFont)) {
        const QString error = orvex::artgen::writeArtFile(root, file);
        if (!error.isEmpty()) {
            printError(error);
            return 1;
        }
    }
    return 0;
}
