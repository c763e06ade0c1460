// The command line and the unattended install's console: what each command
// line asks for, which stream each message goes to, and the signals that cancel.
#include "app/commandline.h"
#include "app/signalcancel.h"
#include "app/unattendedinstall.h"
#include "install/passcode.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <sys/wait.h>
#include <unistd.h>

using orvex::CommandLine;
Q_DECLARE_METATYPE(CommandLine::Action)

class UnattendedTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parsesTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine::Action>("action");
        QTest::addColumn<bool>("password");
        QTest::addColumn<QString>("passcode");
        QTest::addColumn<bool>("uninstall");
        using A = CommandLine::Action;
        const auto row = [](const char *name, QStringList arguments, A action,
                            bool password = false, const QString &passcode = {},
                            bool uninstall = false) {
            QTest::newRow(name) << arguments << action << password << passcode << uninstall;
        };
        const QStringList install = {"--unattended", "--drive", "/a", "--password"};
        row("window", {}, A::ShowWindow);
        row("unattended, password", install + QStringList{"yes"}, A::Unattended, true);
        row("unattended, no password", {"--password", "no", "--unattended", "--drive", "/a"},
            A::Unattended);
        row("a passcode", install + QStringList{"yes", "--passcode", "01234567"}, A::Unattended,
            true, "01234567");
        row("a passcode too short", install + QStringList{"yes", "--passcode", "123"}, A::Error);
        row("two passcodes",
            install + QStringList{"yes", "--passcode", "1234", "--passcode", "5678"}, A::Error);
        row("a passcode without protection", install + QStringList{"no", "--passcode", "1234"},
            A::Error);
        row("no password answer", {"--unattended", "--drive", "/a"}, A::Error);
        row("a wrong answer", install + QStringList{"maybe"}, A::Error);
        row("no drive", {"--unattended", "--password", "yes"}, A::Error);
        row("an empty drive", {"--drive", ""}, A::Error);
        row("password without unattended", {"--password", "yes"}, A::Error);
        row("removal", {"--uninstall", "--unattended", "--drive", "/a"}, A::Unattended, false, {},
            true);
        row("removal in the window", {"--uninstall"}, A::ShowWindow, false, {}, true);
        row("removal with a password", install + QStringList{"no", "--uninstall"}, A::Error);
        row("unknown option", {"--bogus"}, A::Error);
        row("stray argument", {"stray"}, A::Error);
        row("help alone", {"-h"}, A::Help);
        row("version", {"--version"}, A::Version);
    }
    void parsesTheCommandLine()
    {
        QFETCH(QStringList, arguments);
        const CommandLine line =
            orvex::parseCommandLine(QStringList{"orvex-installer"} + arguments);
        QTEST(line.action, "action");
        QTEST(line.password, "password");
        QTEST(line.passcode, "passcode");
        QTEST(line.uninstall && line.action != CommandLine::Action::Error, "uninstall");
        QCOMPARE(line.error.isEmpty(), line.action != CommandLine::Action::Error);
        QCOMPARE(line.helpText.contains("--unattended"),
                 line.action == CommandLine::Action::Error ||
                     line.action == CommandLine::Action::Help);
    }

    // Questions and information go to standard output, failures to standard error, a
    // paragraph each; the passcode already on the stick is kept, and not printed.
    void printsInformationAndFailuresApart()
    {
        QTemporaryDir folder;
        QVERIFY(testfiles::write(folder.filePath("A/Orvex/index.html"), "index"));
        QVERIFY(testfiles::write(folder.filePath("A/pass.html"), "<DT>locked\r\n"));
        QVERIFY(testfiles::write(folder.filePath("A/nopass.html"), "<DT>open\r\n"));
        const QString passcodeFile = folder.filePath("D/PSP/COMMON/Orvex/passcode.js");
        QVERIFY(testfiles::write(passcodeFile, orvex::passcode::fileText("13579")));
        QString out, errors;
        QTextStream outStream(&out), errorStream(&errors);
        const auto install = [&](const QString &drive = "D") {
            return orvex::runUnattended(
                folder.filePath("A"),
                orvex::parseCommandLine({"orvex-installer", "--unattended", "--drive",
                                         folder.filePath(drive), "--password", "yes"}),
                outStream, errorStream);
        };
        const QString asked = "Are you sure you want to install Orvex Tessary? Yes\n\n";

        QVERIFY(QDir().mkpath(folder.filePath("E")));
        QCOMPARE(install("E"), 1);
        QCOMPARE(out, asked);
        QVERIFY2(errors.startsWith("Installation failed.\nThe drive ") &&
                     errors.endsWith("with --drive.\nNothing on the stick was changed.\n\n"),
                 qPrintable(errors));

        out.clear();
        errors.clear();
        QCOMPARE(install(), 0);
        QVERIFY2(out.startsWith(asked + "Would you like to install with password protection? "
                                        "Yes\n\nInstallation complete!\n") &&
                     !out.contains("passcode is"),
                 qPrintable(out));
        QCOMPARE(testfiles::read(passcodeFile), orvex::passcode::fileText("13579"));
        QCOMPARE(errors, QString());
    }

    void signalsCancel_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    // While a SignalCancel lives, the signal sets its flag; then the handler before it is back.
    void signalsCancel()
    {
        QFETCH(int, signal);
        static std::atomic<int> handledBefore;
        handledBefore = 0;
        std::signal(signal, [](int) { ++handledBefore; });
        std::atomic<bool> cancel = false;
        {
            const orvex::SignalCancel cancelling(cancel);
            QCOMPARE(std::raise(signal), 0);
            QVERIFY(cancel);
        }
        QCOMPARE(std::raise(signal), 0);
        QCOMPARE(handledBefore.load(), 1);
        std::signal(signal, SIG_DFL);
    }

    void secondSignalLeaves_data()
    {
        QTest::addColumn<bool>("mustFinish");
        QTest::newRow("while copying: the program ends") << false;
        QTest::newRow("while the files are put in place: it goes on") << true;
    }

    // Without a window a second signal ends the program, after one line, unless the files
    // are being put in place. In a child process, which the signal may end.
    void secondSignalLeaves()
    {
        QFETCH(bool, mustFinish);
        int errors[2];
        QCOMPARE(::pipe(errors), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::dup2(errors[1], STDERR_FILENO);
            std::atomic<bool> cancel = false, finishing = mustFinish;
            const orvex::SignalCancel cancelling(cancel, finishing);
            std::raise(SIGTERM);
            std::raise(SIGTERM);
            ::_exit(cancel ? 0 : 3);
        }
        ::close(errors[1]);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QFile told;
        QVERIFY(told.open(errors[0], QIODevice::ReadOnly, QFile::AutoCloseHandle));
        QCOMPARE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM, !mustFinish);
        QCOMPARE(WIFEXITED(status) && WEXITSTATUS(status) == 0, mustFinish);
        QCOMPARE(told.readAll(), mustFinish ? QByteArray()
                                            : "Stopped while the stick was not answering; the next "
                                              "installation or removal cleans up what was left.\n");
    }
};

QTEST_GUILESS_MAIN(UnattendedTest)
#include "tst_unattended.moc"
