#include "app/commandline.h"
#include "app/frm_skinnedform.h"
#include "app/machineaccess.h"
#include "app/payloadfolder.h"
#include "app/translations.h"
#include "app/unattendedinstall.h"

#include <QApplication>
#include <QTextStream>
#include <QTimer>
#include <csignal>

namespace {

// Names the application and loads its texts in the user's language.
void prepareApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("orvex-installer"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVEX_VERSION));
    orvex::loadTranslations();
}

// Everything that needs no window: help, version, a wrong command line and the
// unattended install. A console application, so no display is needed.
int runWithoutWindow(int argc, char *argv[], const QStringList &arguments)
{
    QCoreApplication app(argc, argv);
    prepareApplication();
    const orvex::CommandLine line = orvex::parseCommandLine(arguments);
    // A closed or broken output stops nothing: its writes just fail.
    std::signal(SIGPIPE, SIG_IGN);
    QTextStream out(stdout);
    QTextStream errors(stderr);
    switch (line.action) {
    case orvex::CommandLine::Action::Help:
        out << line.helpText;
        return 0;
    case orvex::CommandLine::Action::Version:
        out << "orvex-installer " << ORVEX_VERSION << '\n';
        return 0;
    case orvex::CommandLine::Action::Unattended:
        orvex::armMachineAccess(); // the disk service, for --eject
        return orvex::runUnattended(orvex::payloadFolder(QCoreApplication::applicationDirPath()),
                                    line, out, errors);
    default:
        errors << "orvex-installer: " << line.error << '\n'
               << QCoreApplication::translate("CommandLine", "Try '%1 --help'.")
                      .arg(QStringLiteral("orvex-installer"))
               << '\n';
        return 2;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // Read once to choose the kind of application, again in the user's language.
    if (orvex::parseCommandLine(arguments).action != orvex::CommandLine::Action::ShowWindow)
        return runWithoutWindow(argc, argv, arguments);

    QApplication app(argc, argv);
    prepareApplication();
    const orvex::CommandLine line = orvex::parseCommandLine(arguments);
    orvex::armMachineAccess();
    QApplication::setApplicationDisplayName(QStringLiteral("Orvex Tessary"));
    orvex::Frm_SkinnedForm window(line.drives, line.uninstall
                                                   ? orvex::Frm_SkinnedForm::Task::Remove
                                                   : orvex::Frm_SkinnedForm::Task::Install);
    window.setApplicationFolder(orvex::payloadFolder(QCoreApplication::applicationDirPath()));
    window.show();
    // The start-up benchmark measures until the window is shown.
    if (qEnvironmentVariableIsSet("ORVEX_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
