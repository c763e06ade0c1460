// The command line and the unattended install's console: what each command
// line asks for, which stream each message goes to, the eject once the job is
// done, and the signals that cancel.
#include "app/commandline.h"
#include "app/signalcancel.h"
#include "app/unattendedinstall.h"
#include "install/passcode.h"
#include "recordingdiskservice.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

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
        QTest::addColumn<bool>("eject");
        using A = CommandLine::Action;
        const auto row = [](const char *name, QStringList arguments, A action,
                            bool password = false, const QString &passcode = {},
                            bool uninstall = false, bool eject = false) {
            QTest::newRow(name) << arguments << action << password << passcode << uninstall
                                << eject;
        };
        const QStringList install = {u"--unattended"_s, u"--drive"_s, u"/a"_s, u"--password"_s};
        row("window", {}, A::ShowWindow);
        row("unattended, password", install + QStringList{u"yes"_s}, A::Unattended, true);
        row("unattended, no password",
            {u"--password"_s, u"no"_s, u"--unattended"_s, u"--drive"_s, u"/a"_s}, A::Unattended);
        row("a passcode", install + QStringList{u"yes"_s, u"--passcode"_s, u"01234567"_s},
            A::Unattended, true, u"01234567"_s);
        row("a passcode too short", install + QStringList{u"yes"_s, u"--passcode"_s, u"123"_s},
            A::Error);
        row("two passcodes",
            install + QStringList{u"yes"_s, u"--passcode"_s, u"1234"_s, u"--passcode"_s, u"5678"_s},
            A::Error);
        row("a passcode without protection",
            install + QStringList{u"no"_s, u"--passcode"_s, u"1234"_s}, A::Error);
        row("no password answer", {u"--unattended"_s, u"--drive"_s, u"/a"_s}, A::Error);
        row("a wrong answer", install + QStringList{u"maybe"_s}, A::Error);
        row("no drive", {u"--unattended"_s, u"--password"_s, u"yes"_s}, A::Error);
        row("an empty drive", {u"--drive"_s, u""_s}, A::Error);
        row("password without unattended", {u"--password"_s, u"yes"_s}, A::Error);
        row("removal", {u"--uninstall"_s, u"--unattended"_s, u"--drive"_s, u"/a"_s}, A::Unattended,
            false, {}, true);
        row("removal in the window", {u"--uninstall"_s}, A::ShowWindow, false, {}, true);
        row("removal with a password", install + QStringList{u"no"_s, u"--uninstall"_s}, A::Error);
        row("an eject after an install", install + QStringList{u"no"_s, u"--eject"_s},
            A::Unattended, false, {}, false, true);
        row("an eject after a removal",
            {u"--eject"_s, u"--uninstall"_s, u"--unattended"_s, u"--drive"_s, u"/a"_s},
            A::Unattended, false, {}, true, true);
        row("an eject in the window", {u"--eject"_s, u"--drive"_s, u"/a"_s}, A::Error);
        row("unknown option", {u"--bogus"_s}, A::Error);
        row("stray argument", {u"stray"_s}, A::Error);
        row("help alone", {u"-h"_s}, A::Help);
        row("version", {u"--version"_s}, A::Version);
    }
    void parsesTheCommandLine()
    {
        QFETCH(QStringList, arguments);
        const CommandLine line =
            orvex::parseCommandLine(QStringList{u"orvex-installer"_s} + arguments);
        QTEST(line.action, "action");
        QTEST(line.password, "password");
        QTEST(line.passcode, "passcode");
        QTEST(line.uninstall && line.action != CommandLine::Action::Error, "uninstall");
        QTEST(line.eject && line.action != CommandLine::Action::Error, "eject");
        QCOMPARE(line.error.isEmpty(), line.action != CommandLine::Action::Error);
        QCOMPARE(line.helpText.contains(u"--unattended"_s),
                 line.action == CommandLine::Action::Help);
    }

    // Questions and information go to standard output, failures to standard error, a
    // paragraph each, the drive named first and last; the passcode already on the stick
    // is kept, and said so.
    void printsInformationAndFailuresApart()
    {
        QTemporaryDir folder;
        QVERIFY(testfiles::write(folder.filePath(u"A/Orvex/index.html"_s), "index"));
        QVERIFY(testfiles::write(folder.filePath(u"A/pass.html"_s), "<DT>locked\r\n"));
        QVERIFY(testfiles::write(folder.filePath(u"A/nopass.html"_s), "<DT>open\r\n"));
        const QString passcodeFile = folder.filePath(u"D/PSP/COMMON/Orvex/passcode.js"_s);
        QVERIFY(testfiles::write(passcodeFile, orvex::passcode::fileText(u"13579"_s)));
        QString out, errors;
        QTextStream outStream(&out), errorStream(&errors);
        const auto install = [&](const QString &drive = u"D"_s) {
            return orvex::runUnattended(
                folder.filePath(u"A"_s),
                orvex::parseCommandLine({u"orvex-installer"_s, u"--unattended"_s, u"--drive"_s,
                                         folder.filePath(drive), u"--password"_s, u"yes"_s}),
                outStream, errorStream);
        };
        const QString asked = u"Are you sure you want to install Orvex Tessary? Yes\n\n"_s;
        const auto onto = [&](const QString &drive) {
            return u"Installing onto "_s + folder.filePath(drive) + u".\n\n"_s + asked;
        };

        QVERIFY(QDir().mkpath(folder.filePath(u"E"_s)));
        QCOMPARE(install(u"E"_s), 1);
        QCOMPARE(out, onto(u"E"_s));
        QVERIFY2(errors.startsWith(u"orvex-installer: Installation failed.\nThe drive "_s) &&
                     errors.endsWith(u"with --drive.\nNothing on the stick was changed.\n\n"_s),
                 qPrintable(errors));

        out.clear();
        errors.clear();
        QCOMPARE(install(), 0);
        QVERIFY2(out.startsWith(onto(u"D"_s) + u"Would you like to install with password "
                                               "protection? Yes\n\nInstallation complete!\n"_s) &&
                     out.endsWith(u"Installed onto "_s + folder.filePath(u"D"_s) +
                                  u".\nThe passcode already on the stick is kept: 13579.\n\n"_s) &&
                     !out.contains(u"passcode is"_s),
                 qPrintable(out));
        QCOMPARE(testfiles::read(passcodeFile), orvex::passcode::fileText(u"13579"_s));
        QCOMPARE(errors, QString());
    }

    // With --eject, once the job is done and its lock and descriptors on the stick are gone,
    // the stick (given through a link) is ejected, and the outcome is the last line: on
    // standard error unless ejected. A failed job, or no --eject, asks the service nothing.
    void ejectsOnceTheJobIsDone_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("pspStick");
        QTest::addColumn<bool>("managed");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said"); // empty: not the eject's
        namespace d = orvex::drives;
        const QStringList install = {u"--password"_s, u"no"_s, u"--eject"_s};
        const QStringList removal = {u"--uninstall"_s, u"--eject"_s};
        QTest::newRow("installed, ejected")
            << install << true << true << QString() << 0 << d::ejectedText();
        QTest::newRow("removed, ejected")
            << removal << true << true << QString() << 0 << d::ejectedText();
        QTest::newRow("installed, busy") << install << true << true << u"Unmount"_s << 3
                                         << d::notEjectedText(RecordingDiskService().reason);
        QTest::newRow("removed, not managed")
            << removal << true << false << QString() << 3 << d::notManagedText(u"LINK"_s);
        QTest::newRow("no --eject")
            << install.mid(0, 2) << true << true << QString() << 0 << QString();
        QTest::newRow("a failed install")
            << install << false << true << QString() << 1 << QString();
    }
    void ejectsOnceTheJobIsDone()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, managed);
        QFETCH(int, status);
        QFETCH(QString, said);
        QTemporaryDir folder;
        QVERIFY(testfiles::write(folder.filePath(u"A/Orvex/index.html"_s), "index"));
        QVERIFY(testfiles::write(folder.filePath(u"A/pass.html"_s), "<DT>locked\r\n"));
        QVERIFY(testfiles::write(folder.filePath(u"A/nopass.html"_s), "<DT>open\r\n"));
        const QString stick = QDir(folder.path()).canonicalPath() + u"/D"_s;
        const QString link = folder.filePath(u"LINK"_s);
        QFETCH(bool, pspStick);
        QVERIFY(QDir().mkpath(stick + (pspStick ? u"/PSP"_s : QString())));
        QVERIFY(QFile::link(stick, link));

        RecordingDiskService disks;
        QFETCH(QString, failing);
        disks.failing = failing;
        if (managed)
            disks.managed = {{u"/b/sdb1"_s, {stick}, false, false, u"/d/s"_s}};
        QStringList held; // what this process still holds on the stick at a step
        disks.beforeStep = [&] {
            const auto fds =
                QDir(u"/proc/self/fd"_s).entryInfoList(QDir::AllEntries | QDir::System);
            for (const QFileInfo &fd : fds) {
                if ((fd.symLinkTarget() + u"/"_s).startsWith(stick + u"/"_s))
                    held.append(fd.symLinkTarget());
            }
            const int root = ::open(QFile::encodeName(stick).constData(), O_RDONLY | O_DIRECTORY);
            if (::flock(root, LOCK_EX | LOCK_NB) != 0)
                held.append(u"the lock"_s);
            ::close(root);
        };
        QString out, errors;
        QTextStream outStream(&out), errorStream(&errors);
        const QStringList line = {u"orvex-installer"_s, u"--unattended"_s, u"--drive"_s, link};
        QCOMPARE(orvex::runUnattended(folder.filePath(u"A"_s),
                                      orvex::parseCommandLine(line + arguments), outStream,
                                      errorStream, &disks),
                 status);
        if (!said.isEmpty())
            QCOMPARE(
                (status == 0 ? out : errors).trimmed().section(u'\n', -1).replace(link, u"LINK"_s),
                said);
        const bool asked = arguments.contains(u"--eject"_s) && pspStick && managed;
        QCOMPARE(disks.taken, asked ? QStringList{u"Unmount /b/sdb1"_s} : QStringList());
        QCOMPARE(held, QStringList());
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
