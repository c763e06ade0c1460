#include "frm_skinnedform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvex-installer"));
    QApplication::setApplicationDisplayName(QStringLiteral("Orvex Tessary"));
    QApplication::setApplicationVersion(QStringLiteral(ORVEX_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Installs the Orvex Tessary web application on a PSP memory stick."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption driveOption(
        QStringLiteral("drive"),
        QStringLiteral("Adds PATH to the drive list and selects the first one given. Repeatable."),
        QStringLiteral("PATH"));
    parser.addOption(driveOption);
    parser.process(app);

    QStringList drives;
    for (const QString &drive : parser.values(driveOption))
        drives.append(QDir::cleanPath(QDir(drive).absolutePath()));

    Frm_SkinnedForm window(drives);
    window.show();
    return QApplication::exec();
}
