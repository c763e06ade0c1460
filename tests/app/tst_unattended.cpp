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
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// What a command line asks for, in words: the action, then what else it sets.
QString asked(const orvex::CommandLine &line)
{
    static const char *const actions[] = {"window", "unattended", "help", "version", "error"};
    QStringList words{QString::fromLatin1(actions[int(line.action)]),
                      line.password ? u"password"_s : QString(),
                      line.passcode,
                      line.uninstall ? u"uninstall"_s : QString(),
                      line.error.isEmpty() ? QString() : u"why"_s,
                      line.helpText.contains(u"--unattended"_s) ? u"usage"_s : QString()};
    words.removeAll(QString());
    return words.join(u' ');
}

// A payload in A and a stick D, reached through the link LINK; the console's job onto it.
struct Console
{
    QTemporaryDir folder;
    const QString stick = QDir(folder.path()).canonicalPath() + u"/D"_s;
    const QString link = folder.filePath(u"LINK"_s);
    QString out, errors;

    bool lay(const QString &stickFolder)
    {
        return testfiles::write(folder.filePath(u"A/Orvex/index.html"_s), "index") &&
               testfiles::write(folder.filePath(u"A/pass.html"_s), "<DT>locked\r\n") &&
               testfiles::write(folder.filePath(u"A/nopass.html"_s), "<DT>open\r\n") &&
               QDir().mkpath(stick + stickFolder) && QFile::link(stick, link);
    }
    int run(const QStringList &arguments, orvex::drives::DiskService *disks = nullptr)
    {
        out.clear();
        errors.clear();
        QTextStream outStream(&out), errorStream(&errors);
        const QStringList line{u"orvex-installer"_s, u"--unattended"_s, u"--drive"_s, link};
        return orvex::runUnattended(folder.filePath(u"A"_s),
                                    orvex::parseCommandLine(line + arguments), outStream,
                                    errorStream, disks);
    }
};

} // namespace

class UnattendedTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parsesTheCommandLine_data()
    {
        QTest::addColumn<QString>("arguments"); // "@" stands for "--unattended --drive /a"
        QTest::addColumn<QString>("asked");
        const auto row = [](const char *name, const char *arguments, const char *asked) {
            QTest::newRow(name) << QString::fromLatin1(arguments) << QString::fromLatin1(asked);
        };
        const char *const error = "error why";
        row("window", "", "window");
        row("a passcode", "@ --password yes --passcode 01234567", "unattended password 01234567");
        row("a passcode too short", "@ --password yes --passcode 123", error);
        row("two passcodes", "@ --password yes --passcode 1234 --passcode 5678", error);
        row("a passcode without protection", "@ --password no --passcode 1234", error);
        row("no password answer", "@", error);
        row("a wrong answer", "@ --password maybe", error);
        row("no drive", "--unattended --password yes", error);
        row("an empty drive", "--drive=", error);
        row("password without unattended", "--password yes", error);
        row("removal in the window", "--uninstall", "window uninstall");
        row("removal with a password", "@ --password no --uninstall", error);
        row("an eject in the window", "--eject --drive /a", error);
        row("unknown option", "--bogus", error);
        row("stray argument", "stray", error);
        row("help", "-h", "help usage");
        row("version", "--version", "version");
    }
    void parsesTheCommandLine()
    {
        QFETCH(QString, arguments);
        arguments.replace(u'@', u"--unattended --drive /a"_s);
        QTEST(asked(orvex::parseCommandLine(QStringList{u"orvex-installer"_s} +
                                            arguments.split(u' ', Qt::SkipEmptyParts))),
              "asked");
    }

    // Questions and information go to standard output, failures to standard error as the
    // program's own; the passcode already on the stick is kept, and said so; without one,
    // the one made is printed.
    void printsInformationAndFailuresApart()
    {
        Console console;
        QVERIFY(console.lay({}));
        const QStringList yes{u"--password"_s, u"yes"_s};
        QCOMPARE(console.run(yes), 1);
        QCOMPARE(console.out,
                 u"Installing onto "_s + console.link +
                     u".\n\nAre you sure you want to install Orvex Tessary? Yes\n\n"_s);
        QVERIFY2(console.errors.startsWith(u"orvex-installer: "_s) &&
                     console.errors.endsWith(u".\nNothing on the stick was changed.\n\n"_s),
                 qPrintable(console.errors));

        const QString passcodeFile = console.stick + u"/PSP/COMMON/Orvex/passcode.js"_s;
        QVERIFY(testfiles::write(passcodeFile, orvex::passcode::fileText(u"13579"_s)));
        QCOMPARE(console.run(yes), 0);
        QVERIFY2(console.out.contains(u"13579"_s) && !console.out.contains(u"passcode is"_s),
                 qPrintable(console.out));
        QCOMPARE(testfiles::read(passcodeFile), orvex::passcode::fileText(u"13579"_s));
        QCOMPARE(console.errors, QString());

        QVERIFY(QFile::remove(passcodeFile));
        QCOMPARE(console.run(yes), 0);
        const QRegularExpression told(u"^The passcode is (\\d{4})\\.$"_s,
                                      QRegularExpression::MultilineOption);
        QCOMPARE(testfiles::read(passcodeFile),
                 orvex::passcode::fileText(told.match(console.out).captured(1)));
    }

    // With --eject, once the job is done, the stick (given through a link) is ejected, and the
    // outcome is the last line: on standard error unless ejected. A failed job, or no
    // --eject, asks the service nothing. (The UDisks2 test sees that the job's lock and
    // descriptors on the stick are gone by then: the stick would be busy.)
    void ejectsOnceTheJobIsDone_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("stickFolder");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said"); // empty: not the eject's
        const QStringList install = {u"--password"_s, u"no"_s, u"--eject"_s};
        const QStringList removal = {u"--uninstall"_s, u"--eject"_s};
        QTest::newRow("removed, ejected")
            << removal << u"/PSP"_s << QString() << 0 << orvex::drives::ejectedText();
        QTest::newRow("installed, busy")
            << install << u"/PSP"_s << u"Unmount"_s << 3
            << orvex::drives::notEjectedText(RecordingDiskService().reason);
        QTest::newRow("no --eject")
            << install.mid(0, 2) << u"/PSP"_s << QString() << 0 << QString();
        QTest::newRow("a failed install") << install << QString() << QString() << 1 << QString();
    }
    void ejectsOnceTheJobIsDone()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, stickFolder);
        QFETCH(int, status);
        QFETCH(QString, said);
        Console console;
        QVERIFY(console.lay(stickFolder));
        RecordingDiskService disks;
        QFETCH(QString, failing);
        disks.failing = failing;
        disks.managed = {{u"/b/sdb1"_s, {console.stick}, false, false, u"/d/s"_s}};
        QCOMPARE(console.run(arguments, &disks), status);
        if (!said.isEmpty())
            QCOMPARE((status == 0 ? console.out : console.errors).trimmed().section(u'\n', -1),
                     said);
        const bool asked = arguments.contains(u"--eject"_s) && status != 1;
        QCOMPARE(disks.taken, asked ? QStringList{u"Unmount /b/sdb1"_s} : QStringList());
        QCOMPARE(QFileInfo::exists(console.stick + u"/PSP/COMMON/Orvex"_s),
                 status != 1 && !arguments.contains(u"--uninstall"_s));
    }

    // While a SignalCancel lives, each signal sets its flag; then the handler before it is back.
    void signalsCancel()
    {
        static std::atomic<int> handledBefore;
        for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
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
    }

    // A second signal ends the program (the devices test sees it end a hung install) unless
    // the files are being put in place. In a child process, which the signal would end.
    void secondSignalWhilePuttingInPlaceGoesOn()
    {
        const pid_t child = ::fork();
        if (child == 0) {
            std::atomic<bool> cancel = false, finishing = true;
            const orvex::SignalCancel cancelling(cancel, finishing);
            std::raise(SIGTERM);
            std::raise(SIGTERM);
            ::_exit(cancel ? 0 : 3);
        }
        int status = -1;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QCOMPARE(status, 0);
    }
};

QTEST_GUILESS_MAIN(UnattendedTest)
#include "tst_unattended.moc"
