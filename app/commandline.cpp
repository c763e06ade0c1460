#include "app/commandline.h"

#include "install/passcode.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

namespace orvex {

namespace {

// The usage text; a function, so that it is read in the language loaded.
QString usage()
{
    return QCoreApplication::translate(
        "CommandLine",
        "Usage: orvex-installer [--uninstall] [--drive PATH]...\n"
        "       orvex-installer --unattended --drive PATH --password yes|no [--passcode DIGITS]\n"
        "                       [--eject]\n"
        "       orvex-installer --uninstall --unattended --drive PATH [--eject]\n"
        "\n"
        "Installs the Orvex Tessary web application on a PSP memory stick, or removes it.\n"
        "\n"
        "Options:\n"
        "  --drive PATH          Lists PATH in the drive list; a mounted volume already\n"
        "                        listed is listed once. Repeatable. The first --drive is\n"
        "                        chosen at start. Without one, a PSP memory stick (a volume\n"
        "                        holding a PSP folder) that is there at start or that\n"
        "                        appears while nothing is chosen becomes the choice. A chosen\n"
        "                        drive that goes leaves nothing chosen.\n"
        "  --unattended          Installs to the one --drive PATH without a window: the\n"
        "                        confirmation is taken as given, information is printed to\n"
        "                        standard output and failures to standard error. Exit status:\n"
        "                        0 installed, 1 failed, 2 wrong command line, 3 installed but\n"
        "                        not ejected (--eject).\n"
        "  --password yes|no     With --unattended: whether the bookmark opens the passcode\n"
        "                        page.\n"
        "  --passcode DIGITS     With --password yes: the passcode (4 to 8 digits) that opens\n"
        "                        Orvex Tessary on the PSP. Without it the passcode already on\n"
        "                        the stick is kept; if there is none, a random 4-digit one is\n"
        "                        made and printed.\n"
        "  --eject               With --unattended: once installed or removed, unmounts the\n"
        "                        stick through the system's disk service (UDisks2) and powers\n"
        "                        it off or ejects it, so that it is safe to remove, and says\n"
        "                        so. A drive the disk service does not manage is not ejected.\n"
        "  --uninstall           Removes PSP/COMMON/Orvex and the Orvex bookmark instead of\n"
        "                        installing, leaving everything else on the stick as it was.\n"
        "                        Exit status with --unattended: 0 removed or nothing there,\n"
        "                        1 failed, 2 wrong command line, 3 removed but not ejected.\n"
        "  -h, --help            Shows this help.\n"
        "  -v, --version         Shows the version.\n");
}

CommandLine wrong(const QString &error)
{
    CommandLine line;
    line.action = CommandLine::Action::Error;
    line.error = error;
    return line;
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, {});
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, {});
    const QCommandLineOption drive(QStringLiteral("drive"), {}, QStringLiteral("PATH"));
    const QCommandLineOption unattended(QStringLiteral("unattended"), {});
    const QCommandLineOption password(QStringLiteral("password"), {}, QStringLiteral("yes|no"));
    const QCommandLineOption passcodeOption(QStringLiteral("passcode"), {},
                                            QStringLiteral("DIGITS"));
    const QCommandLineOption uninstall(QStringLiteral("uninstall"), {});
    const QCommandLineOption eject(QStringLiteral("eject"), {});
    parser.addOptions(
        {help, version, drive, unattended, password, passcodeOption, uninstall, eject});
    if (!parser.parse(arguments))
        return wrong(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return wrong(QCoreApplication::translate("CommandLine", "Unexpected argument: %1")
                         .arg(parser.positionalArguments().first()));

    CommandLine line;
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::Help;
        line.helpText = usage();
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::Version;
        return line;
    }
    for (const QString &path : parser.values(drive)) {
        if (path.isEmpty())
            return wrong(QCoreApplication::translate("CommandLine", "--drive needs a path."));
        line.drives.append(QDir::cleanPath(QDir(path).absolutePath()));
    }
    line.uninstall = parser.isSet(uninstall);
    if (!parser.isSet(unattended)) {
        if (parser.isSet(password) || parser.isSet(passcodeOption))
            return wrong(QCoreApplication::translate(
                "CommandLine", "--password and --passcode are only for --unattended."));
        if (parser.isSet(eject))
            return wrong(
                QCoreApplication::translate("CommandLine", "--eject is only for --unattended."));
        return line;
    }
    line.eject = parser.isSet(eject);
    if (line.drives.size() != 1)
        return wrong(QCoreApplication::translate("CommandLine",
                                                 "--unattended needs exactly one --drive PATH."));
    line.action = CommandLine::Action::Unattended;
    if (line.uninstall) {
        if (parser.isSet(password) || parser.isSet(passcodeOption))
            return wrong(QCoreApplication::translate(
                "CommandLine", "--uninstall takes no --password or --passcode."));
        return line;
    }
    const QStringList answers = parser.values(password);
    if (answers.size() != 1 ||
        (answers.first() != QLatin1String("yes") && answers.first() != QLatin1String("no")))
        return wrong(QCoreApplication::translate(
            "CommandLine", "--unattended needs --password yes or --password no."));
    line.password = answers.first() == QLatin1String("yes");
    const QStringList passcodes = parser.values(passcodeOption);
    if (!passcodes.isEmpty() && !line.password)
        return wrong(
            QCoreApplication::translate("CommandLine", "--passcode goes with --password yes."));
    if (passcodes.size() > 1 || (passcodes.size() == 1 && !passcode::isValid(passcodes.first())))
        return wrong(QCoreApplication::translate(
            "CommandLine", "--passcode needs one passcode of 4 to 8 digits."));
    line.passcode = passcodes.value(0);
    return line;
}

} // namespace orvex
