// orvex-artgen: draws every bitmap of the project into a repository tree.

#include "artfiles.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <cstdio>

namespace {

void printError(const QString &text)
{
    std::fprintf(stderr, "orvex-artgen: %s\n", qPrintable(text));
}

} // namespace

int main(int argc, char *argv[])
{
    // The output must not depend on the display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("orvex-artgen"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the bitmaps of Orvex Tessary."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("root"),
                                 QStringLiteral("Repository root to write the files under."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        printError(QStringLiteral("expected one output root folder"));
        return 2;
    }

    const QString root = parser.positionalArguments().first();
    for (const orvex::artgen::ArtFile &file : orvex::artgen::projectArt()) {
        const QString error = orvex::artgen::writeArtFile(root, file);
        if (!error.isEmpty()) {
            printError(error);
            return 1;
        }
    }
    return 0;
}
