// The command line and the unattended install's console: what each command
// line asks for, and which stream each message goes to.
#include "commandline.h"
#include "testfiles.h"
#include "unattendedinstall.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using orvex::CommandLine;
Q_DECLARE_METATYPE(CommandLine::Action)

class UnattendedTest : public QObject
{
    Q_OBJECT

private slots:
    void parsesTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine::Action>("action");
        QTest::addColumn<bool>("password");
        using A = CommandLine::Action;
        const auto row = [](const char *name, QStringList arguments, A action,
                            bool password = false) {
            QTest::newRow(name) << arguments << action << password;
        };
        row("window", {}, A::ShowWindow);
        row("unattended, password", {"--unattended", "--drive", "/a", "--password", "yes"},
            A::Unattended, true);
        row("unattended, no password", {"--password", "no", "--unattended", "--drive", "/a"},
            A::Unattended);
        row("no password answer", {"--unattended", "--drive", "/a"}, A::Error);
        row("a wrong answer", {"--unattended", "--drive", "/a", "--password", "maybe"}, A::Error);
        row("no drive", {"--unattended", "--password", "yes"}, A::Error);
        row("two drives", {"--unattended", "--drive", "/a", "--drive", "/b", "--password", "no"},
            A::Error);
        row("an empty drive", {"--drive", ""}, A::Error);
        row("password without unattended", {"--password", "yes"}, A::Error);
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
        QCOMPARE(line.error.isEmpty(), line.action != CommandLine::Action::Error);
        QCOMPARE(line.helpText.contains("--unattended"),
                 line.action == CommandLine::Action::Error ||
                     line.action == CommandLine::Action::Help);
    }

    // Questions and information go to standard output, failures to standard error.
    void printsInformationAndFailuresApart()
    {
        QTemporaryDir folder;
        QVERIFY(testfiles::write(folder.filePath("A/Orvex/index.html"), "index"));
        QVERIFY(testfiles::write(folder.filePath("A/pass.html"), "<DT>locked\r\n"));
        QVERIFY(testfiles::write(folder.filePath("A/nopass.html"), "<DT>open\r\n"));
        QVERIFY(QDir().mkpath(folder.filePath("D/PSP")));
        QString out, errors;
        QTextStream outStream(&out), errorStream(&errors);
        const auto install = [&] {
            out.clear();
            return orvex::runUnattendedInstall(folder.filePath("A"), folder.filePath("D"), true,
                                               outStream, errorStream);
        };
        const QString asked = "Are you sure you want to install Orvex Tessary? Yes\n\n";

        QCOMPARE(install(), 1);
        QCOMPARE(out, asked);
        QVERIFY(errors.startsWith("Installation failed.\nThe drive ") && errors.endsWith(".\n\n"));

        errors.clear();
        QVERIFY(QDir().mkpath(folder.filePath("D/PSP/SYSTEM/BROWSER")));
        QCOMPARE(install(), 0);
        QCOMPARE(out, asked + "Would you like to install with password protection? Yes\n\n"
                              "Installation complete!\nThank you for using Orvex.\n\n"
                              "To access Orvex, simply choose the Orvex Tessary bookmark in your "
                              "PSP browser's bookmark section.\n\n");
        QCOMPARE(errors, QString());
    }
};

QTEST_GUILESS_MAIN(UnattendedTest)
#include "tst_unattended.moc"
