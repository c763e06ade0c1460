// The install and the removal on a stick that records and can fail any call:
// the questions and messages, what ends on the stick, each refusal before the
// first write, the order of writes, flushes and renames, and what a failed,
// cancelled or misread step leaves.
#include "fakestick.h"
#include "install/bookmarks.h"
#include "install/installprocedure.h"
#include "install/passcode.h"
#include "install/removal.h"
#include "recordingmessagepresenter.h"
#include "testfiles.h"

#include <QProcess>
#include <QtTest>
#include <cerrno>

using namespace orvex;
using testfiles::snapshot;
using Tree = QMap<QString, QByteArray>;
Q_DECLARE_METATYPE(StickProgress::Phase)

namespace {

const QByteArray openEntry = "<DT><A HREF=\"file:/PSP/COMMON/Orvex/index.html\">Orvex Tessary</A>";
const QByteArray protectedEntry = "<DT><A HREF=\"file:/PSP/COMMON/Orvex/lock.html\">Orvex \xa9</A>";
const QString unchanged = "Nothing on the stick was changed.";
const QString leftoverRemoved = "Removed 1 file left by an interrupted installation.";
const QByteArray list = "css/\r\nindex.html\r\ncss/site.css\r\n";

QString box(const QString &text, MessageIcon icon, MessageButtons buttons = MessageButtons::Ok)
{
    const auto preset = buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
    return RecordingMessagePresenter::describe({"Orvex Tessary", text, icon, buttons, preset});
}

// The questions answered by `answers` ("Y"/"N" each).
QStringList questionsFor(const QString &answers)
{
    const QStringList questions = {"Are you sure you want to install Orvex Tessary?",
                                   "Would you like to install with password protection?"};
    QStringList shown;
    for (qsizetype i = 0; i < answers.size(); ++i)
        shown.append(box(questions[i], MessageIcon::Warning, MessageButtons::YesNo));
    return shown;
}

QList<MessageAnswer> answersFrom(const QString &letters)
{
    QList<MessageAnswer> answers;
    for (const QChar letter : letters)
        answers.append(letter == 'Y' ? MessageAnswer::Yes : MessageAnswer::No);
    return answers;
}

// A progress report as "phase files/total bytes/total file", the phase as its number.
QString described(const StickProgress &p)
{
    return QString::asprintf("%d %d/%d %lld/%lld ", int(p.phase), p.filesDone, p.filesTotal,
                             p.bytesDone, p.bytesTotal) +
           p.currentFile;
}

} // namespace

class InstallTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakeStick> m_stick;
    std::unique_ptr<RecordingMessagePresenter> m_messages;
    int m_endings = 0;

    bool add(const QString &path, const QByteArray &bytes)
    {
        return testfiles::write(m_stick->real(path), bytes);
    }
    Tree drive() const { return snapshot(m_stick->real("/D")); }
    QString told() const { return m_messages->requests().last().text; }

    // Runs shell commands in the stick's folder, with $B the bookmarks file, $O the
    // installed Orvex folder and $P the payload.
    bool spoil(const QString &commands)
    {
        QProcess shell;
        shell.setWorkingDirectory(m_stick->real(""));
        shell.setEnvironment({"B=D/PSP/SYSTEM/BROWSER/bookmarks.html", "O=D/PSP/COMMON/Orvex",
                              "P=A/Orvex", "PATH=/usr/bin:/bin"});
        shell.start("sh", {"-ec", commands});
        return shell.waitForFinished() && shell.exitCode() == 0;
    }

    InstallEnvironment environment(const QString &answers, const StickRunner &runner,
                                   const QString &drive = "/D")
    {
        m_stick->calls.clear();
        m_messages = std::make_unique<RecordingMessagePresenter>(answersFrom(answers));
        return {"/A", drive, *m_messages, [this] { ++m_endings; }, runner, m_stick.get()};
    }
    InstallOutcome install(const QString &answers, const StickRunner &runner = {},
                           QList<std::optional<QString>> passcodes = {})
    {
        InstallEnvironment run = environment(answers, runner);
        if (!passcodes.isEmpty())
            run.choosePasscode = [&](const QString &) {
                return passcodes.takeFirst();
            };
        return runInstall(run);
    }

    // True when nothing holds the drive's lock.
    bool unlocked() const
    {
        auto root = stick::systemFileSystem().openRoot(m_stick->real("/D"));
        return root.ok() && root.value()->lock().ok();
    }

private Q_SLOTS:
    // An application folder A with the payload and both bookmark pages; a PSP stick D with
    // bookmarks, an older install, a part file that a crash left behind and a folder and
    // files named almost like one; and a folder O outside the stick.
    void init()
    {
        m_stick = std::make_unique<FakeStick>();
        m_endings = 0;
        QVERIFY(add("/A/Orvex/index.html", "new index") && add("/A/Orvex/css/site.css", "body {}"));
        QVERIFY(add("/A/nopass.html", openEntry + "\r\n<!-- open -->\r\n"));
        QVERIFY(add("/A/pass.html", protectedEntry + "\n<!-- lock -->\r\n"));
        QVERIFY(add("/D/PSP/SYSTEM/BROWSER/bookmarks.html", "<DL>\r\n"));
        QVERIFY(add("/D/PSP/COMMON/Orvex/index.html", QByteArray(5000, 'o')));
        QVERIFY(add("/D/PSP/COMMON/Orvex/css/site.css.orvex-part90", "crash"));
        QVERIFY(QDir().mkpath(m_stick->real("/D/PSP/COMMON/Orvex/kept.orvex-part")));
        QVERIFY(add("/D/PSP/COMMON/Orvex/.orvex-part1", "mine"));
        QVERIFY(add("/D/PSP/COMMON/Orvex/kept.orvex-party", "mine"));
        QVERIFY(add("/O/bookmarks.html", "outside"));
    }

    void answers_data()
    {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QByteArray>("after"); // null: declined
        QTest::addColumn<QByteArray>("passcode");
        const QByteArray chosen = passcode::fileText("2468");
        QTest::newRow("No") << "N"
                            << "" << QByteArray() << QByteArray();
        QTest::newRow("Yes, Yes") << "YY"
                                  << ""
                                  << "<DL>\r\n" + protectedEntry + "\r\n"
                                  << chosen;
        QTest::newRow("Yes, No") << "YN"
                                 << ""
                                 << "<DL>\r\n" + openEntry + "\r\n"
                                 << QByteArray();
        QTest::newRow("Yes, No onto a fresh stick: the browser's folder made")
            << "YN"
            << "rm -r D/PSP/SYSTEM D/PSP/COMMON" << openEntry + "\r\n"
            << QByteArray();
        QTest::newRow("Yes, Yes over a crash's temporary passcode")
            << "YY"
            << "echo 1357 > $O/passcode.js.orvex-part"
            << "<DL>\r\n" + protectedEntry + "\r\n"
            << chosen;
        QTest::newRow("Yes, Yes keeps the stick's passcode, spelt in capitals")
            << "YY"
            << "printf 'var orvexPasscode = \"97531\";' > $O/PASSCODE.JS"
            << "<DL>\r\n" + protectedEntry + "\r\n"
            << passcode::fileText("97531");
        QTest::newRow("Yes, No removes what the earlier list named and the payload lacks")
            << "YN"
            << "printf 'old/\\r\\nold/a.html\\r\\nindex.html\\r\\n' > $O/installed.txt; "
               "mkdir $O/old; touch $O/old/a.html"
            << "<DL>\r\n" + openEntry + "\r\n"
            << QByteArray();
    }

    // A completed install replaces the older files, leaves what is not its own, adds the
    // chosen line and reports its progress; leftovers of a crash are gone. The line rules
    // are updatesTheBookmark's.
    void answers()
    {
        QFETCH(QString, answers);
        QFETCH(QByteArray, after);
        QFETCH(QByteArray, passcode);
        QFETCH(QString, steps);
        QVERIFY(spoil(steps));
        Tree expected = drive();
        QStringList progress;
        const StickRunner runner = [&](const StickJob &job) {
            const std::atomic<bool> never = false;
            return job([&](const StickProgress &p) { progress << described(p); }, never);
        };
        InstallEnvironment run = environment(answers, runner);
        run.choosePasscode = [](const QString &onStick) {
            return onStick.isEmpty() ? "2468" : onStick;
        };

        const InstallOutcome outcome = runInstall(run);

        const bool installed = !after.isNull();
        QCOMPARE(outcome, installed ? InstallOutcome::Completed : InstallOutcome::Declined);
        QStringList shown = questionsFor(answers);
        if (installed)
            shown << box("Installation complete!\r\nThank you for using Orvex.",
                         MessageIcon::Information)
                  << box("To access Orvex, simply choose the Orvex Tessary bookmark in your "
                         "PSP browser's bookmark section.",
                         MessageIcon::Information);
        QCOMPARE(m_messages->described(), shown);
        QCOMPARE(m_endings, installed ? 1 : 0);
        QCOMPARE(progress, installed
                               ? QStringList({"1 0/2 0/16 index.html", "1 1/2 9/16 css/site.css",
                                              "1 2/2 16/16 ", "2 2/2 16/16 ", "3 2/2 16/16 "})
                               : QStringList());
        if (installed) {
            for (const QString &gone : expected.keys()) {
                if (gone.contains(".orvex-part9") || gone.endsWith("passcode.js.orvex-part") ||
                    gone.contains("/old"))
                    expected.remove(gone);
            }
            expected.insert(
                testfiles::placedUnder("PSP/COMMON/Orvex", snapshot(m_stick->real("/A/Orvex"))));
            expected.insert({{"PSP/SYSTEM/", {}},
                             {"PSP/SYSTEM/BROWSER/", {}},
                             {"PSP/COMMON/", {}},
                             {"PSP/COMMON/Orvex/installed.txt", list}});
            expected["PSP/SYSTEM/BROWSER/bookmarks.html"] = after;
            if (!passcode.isNull())
                expected["PSP/COMMON/Orvex/passcode.js"] = passcode;
        }
        QCOMPARE(drive(), expected);
    }
    void refusals_data()
    {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("drive");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("reason"); // <B>, <O> as $B, $O
        const QString copy = "The Orvex folder could not be copied to /D/PSP/COMMON/.\r\n";
        const QString add =
            "The bookmark could not be added to /D/PSP/SYSTEM/BROWSER/bookmarks.html.\r\n";
        const QString page = "The bookmark page /A/%1 is missing or empty.\r\nThe installer's "
                             "own files are incomplete: install the installer again.";
        const QString link = ": is a link; the installer does not follow links on the drive";
        const QString utf16 = add + "<B>: is UTF-16 text; the installer adds its bookmark only "
                                    "to single-byte text.\r\nSave it as single-byte text (ASCII "
                                    "or UTF-8), then install again.";
        const QString temporary = " with the name the installer gives the temporary copy of ";
        const QString caseless = " (the stick does not tell names apart by case); rename or "
                                 "remove it";
        const struct
        {
            const char *name, *answers, *drive, *spoil;
            QString reason;
        } rows[] = {
            {"no drive", "", "", "",
             "No drive was chosen. Connect the PSP in USB mode and choose its drive."},
            {"drive not a folder", "Y", "/D/no", "",
             QString(copy).replace("/D", "/D/no") + "/D/no: " + systemText(ENOENT)},
            {"no PSP folder", "Y", "/D", "rm -r D/PSP",
             "The drive /D has no PSP folder, so it is not a PSP memory stick.\r\nOn the PSP, "
             "choose Settings, then USB Connection, and choose the drive that appears."},
            {"PSP is a link", "Y", "/D", "mv D/PSP E; ln -s $PWD/E D/PSP", copy + "/D/PSP" + link},
            {"COMMON is a link", "Y", "/D", "rm -r D/PSP/COMMON; ln -s $PWD/O D/PSP/COMMON",
             copy + "/D/PSP/COMMON" + link},
            {"a file in Orvex is a link", "Y", "/D", "ln -sf $PWD/O/bookmarks.html $O/index.html",
             copy + "<O>/index.html" + link},
            {"a folder where a file goes", "Y", "/D", "rm $O/index.html; mkdir $O/index.html",
             copy + "<O>/index.html: is not a regular file"},
            {"a folder where a file goes, spelt otherwise", "Y", "/D",
             "rm $O/index.html; mkdir $O/INDEX.HTML",
             copy + "<O>/INDEX.HTML: is a folder, where the installer puts the file index.html" +
                 caseless},
            {"a file where a folder goes, spelt otherwise", "Y", "/D", "rm -r $O/css; touch $O/CSS",
             copy + "<O>/CSS: is a file, where the installer puts the folder css" + caseless},
            {"a folder named as a file's temporary", "Y", "/D", "mkdir $O/index.html.orvex-part",
             copy + "<O>/index.html.orvex-part: is a folder" + temporary +
                 "index.html; rename or remove it"},
            {"a link named as the passcode's temporary", "Y", "/D",
             "ln -s nowhere $O/passcode.js.orvex-part",
             copy + "<O>/passcode.js.orvex-part: is a link" + temporary +
                 "passcode.js; rename or remove it"},
            {"a folder named as the bookmarks file's temporary", "Y", "/D", "mkdir $B.orvex-part",
             add + "<B>.orvex-part: is a folder" + temporary +
                 "bookmarks.html; rename or remove it"},
            {"bookmarks a link to nothing", "Y", "/D", "ln -sf $PWD/O/new.html $B",
             add + "<B>" + link},
            {"bookmarks a pipe", "Y", "/D", "rm $B; mkfifo $B", add + "<B>: is not a regular file"},
            {"bookmarks linked to a file outside", "Y", "/D", "ln -f O/bookmarks.html $B",
             add + "<B>: has 2 names (hard links); the installer changes only a file with one "
                   "name.\r\nMake it a file of its own (put a copy in its place), then install "
                   "again."},
            {"bookmarks in UTF-16", "Y", "/D", "printf '\\377\\376<\\0' > $B", utf16},
            {"bookmarks in UTF-16, big-endian", "Y", "/D", "printf '\\376\\377\\0<' > $B", utf16},
            {"payload entries the stick cannot take", "Y", "/D",
             "cd $P; ln -s $PWD/../../O more; ln -s /dev/null null; mkdir IMG; touch a:b.txt img "
             "dot. INSTALLED.TXT; truncate -s 4G big; truncate -s 4294967295 fits",
             "These entries of the Orvex folder cannot be installed:\r\n"
             "/A/Orvex/a:b.txt: holds \":\", which the stick cannot store\r\n"
             "/A/Orvex/big: is 4 GiB or larger; the stick holds files of up to 4 GiB less one "
             "byte\r\n"
             "/A/Orvex/dot.: ends with a dot or a space, which the stick drops\r\n"
             "/A/Orvex/more: links to folders are not copied\r\n"
             "/A/Orvex/null: not a regular file or folder\r\n"
             "/A/Orvex/IMG and /A/Orvex/img: the stick takes these names for one, since it "
             "ignores case\r\n"
             "/A/Orvex/INSTALLED.TXT: the installer writes this file itself\r\n"
             "Rename or remove them in /A/Orvex, then install again."},
            {"drive inside the payload", "Y", "/A/Orvex", "mkdir -p $P/PSP/SYSTEM/BROWSER",
             "The Orvex folder could not be copied to /A/Orvex/PSP/COMMON/.\r\n/A/Orvex/PSP/"
             "COMMON/: The destination lies inside the folder being copied."},
            {"a page begins with an empty line", "Y", "/D", "printf '\\r\\nx' > A/pass.html",
             page.arg("pass.html")},
            {"a page's first line longer than 64 KiB", "Y", "/D",
             "printf %065537d 0 > A/nopass.html", page.arg("nopass.html")},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << row.answers << row.drive << row.spoil << row.reason;
    }

    // Each refusal comes after the confirmation at most, before anything is written: it is
    // reported in a critical box, leaves the program running and changes nothing on the
    // stick nor outside it.
    void refusals()
    {
        QFETCH(QString, answers);
        QFETCH(QString, drive);
        QFETCH(QString, steps);
        QFETCH(QString, reason);
        QVERIFY(spoil(steps));
        const Tree outside = snapshot(m_stick->real("/O"));
        const Tree stick = this->drive();

        QCOMPARE(runInstall(environment(answers, {}, drive)), InstallOutcome::Failed);

        QCOMPARE(m_endings, 0);
        reason.replace("<B>", "/D/PSP/SYSTEM/BROWSER/bookmarks.html")
            .replace("<O>", "/D/PSP/COMMON/Orvex");
        const QString heading = answers.isEmpty() ? "" : "Installation failed.\r\n";
        const QString footer = answers.isEmpty() ? "" : "\r\n" + unchanged;
        QCOMPARE(m_messages->described(),
                 questionsFor(answers) << box(heading + reason + footer, MessageIcon::Critical));
        QCOMPARE(snapshot(m_stick->real("/O")), outside);
        QCOMPARE(this->drive(), stick);
        QVERIFY(m_stick->calls.isEmpty());
    }

    // While another install or removal holds the drive nothing is written.
    void lockHeldByAnother()
    {
        auto another = stick::systemFileSystem().openRoot(m_stick->real("/D"));
        QVERIFY(another.ok() && another.value()->lock().ok());
        QCOMPARE(install("Y"), InstallOutcome::Failed);
        QCOMPARE(told(), "Installation failed.\r\nAnother installation or removal on this drive "
                         "is running.\r\n" +
                             unchanged);
        QVERIFY(m_stick->calls.isEmpty());
    }

    void order_data()
    {
        QTest::addColumn<stick::FileSystemKind>("kind");
        QTest::addColumn<QStringList>("calls"); // O the installed Orvex folder, B the bookmarks
        const QStringList made = {"mkdir D/PSP/COMMON", "mkdir O", "mkdir O/css"};
        const QStringList bookmark = {"write B", "fsync B", "close B"};
        const auto written = [](bool flushed) {
            QStringList calls;
            for (const QString file : {"O/index.html", "O/css/site.css", "O/installed.txt"}) {
                const QString part = file + ".orvex-part";
                calls << "create " + part << "write " + part;
                if (flushed)
                    calls << "fsync " + part;
                calls << "close " + part;
            }
            return calls;
        };
        const QStringList renamed = {"rename O/index.html.orvex-part",
                                     "rename O/css/site.css.orvex-part",
                                     "rename O/installed.txt.orvex-part"};
        QTest::newRow("kernel file system: the whole file system flushed, then the root")
            << stick::FileSystemKind::Fat
            << made + written(false) + QStringList{"syncfs D", "fsync D"} + renamed +
                   QStringList{"syncfs D", "fsync D"} + bookmark;
        QTest::newRow("user-space file system: each file, then each folder changed")
            << stick::FileSystemKind::UserSpace
            << made + written(true) + QStringList{"fsync D"} + renamed +
                   QStringList{"fsync O/css", "fsync O", "fsync D/PSP/COMMON", "fsync D/PSP",
                               "fsync D"} +
                   bookmark;
    }

    // Every file is on the device and read back before any is renamed into place, and
    // every rename before the bookmark; the flushes do not grow with the files.
    void order()
    {
        QFETCH(stick::FileSystemKind, kind);
        m_stick->kind = kind;
        QVERIFY(spoil("rm -r D/PSP/COMMON"));
        QCOMPARE(install("YN"), InstallOutcome::Completed);
        QStringList calls = m_stick->calls;
        calls.replaceInStrings("/D/PSP/COMMON/Orvex", "O")
            .replaceInStrings("/D/PSP/SYSTEM/BROWSER/bookmarks.html", "B")
            .replaceInStrings("/D", "D");
        QTEST(calls, "calls");
        QVERIFY(unlocked());
    }

    // A cancelled passcode asks the question again, and so does an invalid one.
    void asksForThePasscodeUntilValid()
    {
        QCOMPARE(install("YYYY", {}, {std::nullopt, "12", "2468"}), InstallOutcome::Completed);
        QCOMPARE(m_messages->described().filter("password protection").size(), 3);
        QCOMPARE(drive().value("PSP/COMMON/Orvex/passcode.js"), passcode::fileText("2468"));
    }

    void failures_data()
    {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("failing"); // a call, or "read PATH" read back changed
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("stickState");
        const QString part = "/D/PSP/COMMON/Orvex/css/site.css.orvex-part";
        const QString notKept = "The stick did not keep what was written to %1: it may be failing "
                                "or not as large as it says.";
        const QString noBookmark = "The Orvex folder on the stick was updated; no bookmark was "
                                   "added.";
        const QString crash = "rm $O/css/*.orvex-part90";
        const QString many = crash + "; for i in 1 2 3 4 5 6 7 8 9 10 11 12; do touch $P/f$i; done";
        const auto row = [](const char *name, const QString &answers, const QString &steps,
                            const QString &failing, const QString &reason, const QString &state) {
            QTest::newRow(name) << answers << steps << failing << reason << state;
        };
        row("making a folder", "YN", "rm -r $O/css", "mkdir /D/PSP/COMMON/Orvex/css",
            "/D/PSP/COMMON/Orvex/css: " + systemText(EACCES), unchanged);
        row("writing a file, after a leftover was removed", "YN", "", "write " + part,
            part + ": " + systemText(ENOSPC), leftoverRemoved);
        row("writing a file, then a folder left", "YN", "rm -r $O; mkdir $O", "write " + part,
            part + ": " + systemText(ENOSPC),
            "Some files the installer wrote could not be removed: /D/PSP/COMMON/Orvex/css: " +
                systemText(ENOTEMPTY));
        row("flushing before the renames", "YN", crash, "syncfs /D", "/D: " + systemText(EIO),
            unchanged);
        row("a payload file the stick did not keep", "YN", crash, "read " + part,
            notKept.arg("/D/PSP/COMMON/Orvex/css/site.css"), unchanged);
        row("the passcode the stick did not keep", "YY", crash,
            "read /D/PSP/COMMON/Orvex/passcode.js.orvex-part",
            notKept.arg("/D/PSP/COMMON/Orvex/passcode.js"), unchanged);
        row("a new bookmarks file the stick did not keep", "YN", crash + "; cp A/pass.html $B",
            "read /D/PSP/SYSTEM/BROWSER/bookmarks.html.orvex-part",
            notKept.arg("/D/PSP/SYSTEM/BROWSER/bookmarks.html"), unchanged);
        row("a rename after ten files", "YN", many, "rename " + part, part + ": " + systemText(EIO),
            "13 of the 15 files were updated before the failure: f1, f10, f11, f12, f2, f3, f4, "
            "f5, f6, f7 and 3 more.");
        row("an appended bookmark the stick did not keep", "YN", crash,
            "read /D/PSP/SYSTEM/BROWSER/bookmarks.html",
            notKept.arg("/D/PSP/SYSTEM/BROWSER/bookmarks.html"), noBookmark);
        row("writing the bookmark", "YN", crash, "write /D/PSP/SYSTEM/BROWSER/bookmarks.html",
            "/D/PSP/SYSTEM/BROWSER/bookmarks.html: " + systemText(ENOSPC), noBookmark);
    }

    // A failure before the renames leaves the drive as it was (but for the leftovers
    // removed); later ones say what changed. The bookmarks file keeps its bytes either way.
    void failures()
    {
        QFETCH(QString, answers);
        QFETCH(QString, steps);
        QFETCH(QString, failing);
        QFETCH(QString, stickState);
        QVERIFY(spoil(steps));
        if (failing.startsWith("read "))
            m_stick->forgetful << failing.mid(5);
        else
            m_stick->failing.insert(failing, failing.startsWith("mkdir")   ? EACCES
                                             : failing.startsWith("write") ? ENOSPC
                                                                           : EIO);
        if (steps.startsWith("rm -r $O;"))
            m_stick->failing.insert("rmdir /D/PSP/COMMON/Orvex/css", ENOTEMPTY);
        const Tree before = drive();

        QCOMPARE(install(answers), InstallOutcome::Failed);

        QFETCH(QString, reason);
        QVERIFY2(told().startsWith("Installation failed.\r\n") &&
                     told().contains("\r\n" + reason + "\r\n") &&
                     told().endsWith("\r\n" + stickState),
                 qPrintable(told()));
        QCOMPARE(drive() == before, stickState == unchanged);
        QCOMPARE(drive().value("PSP/SYSTEM/BROWSER/bookmarks.html"),
                 before.value("PSP/SYSTEM/BROWSER/bookmarks.html"));
        QVERIFY(unlocked());
    }

    void cancel_data()
    {
        QTest::addColumn<StickProgress::Phase>("phase");
        QTest::addColumn<InstallOutcome>("outcome");
        QTest::newRow("while copying: everything taken back")
            << StickProgress::Phase::Copying << InstallOutcome::Cancelled;
        QTest::newRow("while reading back: everything taken back")
            << StickProgress::Phase::Verifying << InstallOutcome::Cancelled;
        QTest::newRow("while putting in place: too late, the install completes")
            << StickProgress::Phase::Writing << InstallOutcome::Completed;
    }

    void cancel()
    {
        QFETCH(StickProgress::Phase, phase);
        QFETCH(InstallOutcome, outcome);
        QVERIFY(spoil("rm $O/css/*.orvex-part90"));
        const Tree before = drive();
        std::atomic<bool> cancel = false;
        const StickRunner cancelIn = [&](const StickJob &job) {
            return job([&](const StickProgress &progress) { cancel = progress.phase == phase; },
                       cancel);
        };

        QCOMPARE(install("YN", cancelIn), outcome);

        const bool cancelled = outcome == InstallOutcome::Cancelled;
        if (cancelled)
            QCOMPARE(told(), "Installation cancelled.\r\n" + unchanged);
        QCOMPARE(drive() == before, cancelled);
    }

    void updatesTheBookmark_data()
    {
        QTest::addColumn<QByteArray>("before"); // null: no file
        QTest::addColumn<QByteArray>("line");   // empty: take the Orvex lines out
        QTest::addColumn<QByteArray>("after");
        const auto row = [](const char *name, const QByteArray &before, const QByteArray &line,
                            const QByteArray &after) {
            QTest::newRow(name) << before << line << after;
        };
        row("created", QByteArray(), "L", "L\r\n");
        row("added", "a\r\n", "L", "a\r\nL\r\n");
        row("added after a last line without its end", "a", "L", "a\r\nL\r\n");
        row("there already", "L\nb", "L", "L\nb");
        row("the other taken out, the rest kept byte for byte", "\xEF\xBB\xBFO\r\nb\nL\r<c>\r\n",
            "L",
            "\xEF\xBB\xBF"
            "b\nL\r<c>\r\n");
        row("a second one taken out", "L\nO\nx\nL\n", "L", "L\nx\n");
        row("the other replaced", "a\r\nO", "L", "a\r\nL\r\n");
        row("both taken out, empty lines kept", "\r\nx\r\nL\r\n\r\nO\r\ny", "", "\r\nx\r\n\r\ny");
        row("nothing to take out", "x\r\n", "", "x\r\n");
    }

    // After an update the chosen line is in the file once and the other nowhere; no other
    // byte changes.
    void updatesTheBookmark()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, line);
        QVERIFY(before.isNull() || add("/B/bookmarks.html", before));
        QVERIFY(QDir().mkpath(m_stick->real("/B")));
        auto browser = stick::systemFileSystem().openRoot(m_stick->real("/B"));
        QVERIFY(browser.ok());
        auto file = BookmarksFile::open(*browser.value(), "bookmarks.html");
        QVERIFY(file.ok());

        const QList<QByteArray> others =
            line.isEmpty() ? QList<QByteArray>{"L", "O"} : QList<QByteArray>{"O"};
        const auto change = file->changeFor(line, others);
        QVERIFY(change.ok());
        QByteArray after = before;
        if (change.value() == BookmarksFile::Change::Append) {
            QVERIFY(file->append(line).ok());
            after = testfiles::read(m_stick->real("/B/bookmarks.html"));
        } else if (change.value() != BookmarksFile::Change::None) {
            after.clear();
            QVERIFY(file->changed(line, others)([&](QByteArrayView bytes) {
                            after += bytes;
                            return Status();
                        })
                        .ok());
        }

        QTEST(after, "after");
    }

    void removal_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("failing");  // a call that fails, or "cancel" after a file
        QTest::addColumn<QString>("told");     // the last message
        QTest::addColumn<QStringList>("kept"); // what stays of PSP/COMMON/Orvex
        const QString removed = "Orvex Tessary was removed from the PSP.\r\nRemoved %1.";
        const QString bookmark = " and the Orvex bookmark";
        const QStringList almost = {".orvex-part1", "kept.orvex-part/", "kept.orvex-party"};
        const QString mine = "rm -r $O/kept.orvex-part $O/.orvex-part1 $O/kept.orvex-party";
        const auto row = [](const char *name, const QString &steps, const QString &failing,
                            const QString &told, const QStringList &kept) {
            QTest::newRow(name) << steps << failing << told << kept;
        };
        row("without a list: the payload's names, the user's files stay", "", "",
            removed.arg("2 files from PSP/COMMON/Orvex" + bookmark) +
                "\r\nPSP/COMMON/Orvex stays: it holds 2 files and 1 folder that Orvex Tessary "
                "did not install (.orvex-part1, kept.orvex-party, kept.orvex-part/).",
            almost);
        row("with a list: what it names, never outside",
            mine + "; printf 'css/\\nindex.html\\nold/\\nold/a.html\\n../Other/keep.txt\\n/x\\n' > "
                   "$O/installed.txt; mkdir $O/old; touch $O/old/a.html",
            "", removed.arg("PSP/COMMON/Orvex (4 files)" + bookmark), {});
        row("the folder only, of one file", "echo '<DL>' > $B; rm -r $O/css; " + mine, "",
            removed.arg("PSP/COMMON/Orvex (1 file)"), {});
        row("the bookmark only", "rm -r $O", "", removed.arg("the Orvex bookmark"), {});
        row("nothing there", "rm -r $O; echo '<DL>' > $B", "",
            "Orvex Tessary is not on this stick: there was nothing to remove.", {});
        row("Orvex is a link", "rm -r $O; ln -s $PWD/O $O", "",
            "Removal failed.\r\nThe Orvex folder could not be removed from /D/PSP/COMMON.\r\n"
            "/D/PSP/COMMON/Orvex: is a link; the installer does not follow links on the drive"
            "\r\n" +
                unchanged,
            {});
        row("a failure once the bookmark is out", mine, "unlink /D/PSP/COMMON/Orvex/index.html",
            "Removal failed.\r\nThe Orvex folder could not be removed from /D/PSP/COMMON.\r\n"
            "/D/PSP/COMMON/Orvex/index.html: " +
                systemText(EIO) +
                "\r\nThe stick did not read or "
                "write as asked: check that it is still connected, then try again.\r\nThe Orvex "
                "bookmark was taken out; PSP/COMMON/Orvex stays as it was.",
            {"css/", "css/site.css.orvex-part90", "index.html"});
        row("cancelled after a file", mine, "cancel",
            "Removal cancelled.\r\nThe Orvex bookmark was taken out, and 1 of the 2 files of "
            "PSP/COMMON/Orvex were removed; the others stay.",
            {"css/", "css/site.css.orvex-part90"});
    }

    // A removal takes the installer's files out of PSP/COMMON/Orvex, the folders this
    // empties and the Orvex lines, and leaves everything else.
    void removal()
    {
        QFETCH(QString, steps);
        QFETCH(QString, failing);
        QFETCH(QString, told);
        QFETCH(QStringList, kept);
        QVERIFY(add("/D/PSP/COMMON/Other/keep.txt", "keep"));
        QVERIFY(add("/D/PSP/SYSTEM/BROWSER/bookmarks.html",
                    "<DL>\r\n" + openEntry + "\r\n<DT>mine\r\n" + protectedEntry));
        QVERIFY(spoil(steps));
        if (failing.startsWith("unlink"))
            m_stick->failing.insert(failing, EIO);
        Tree expected = drive();
        std::atomic<bool> cancel = false;
        const StickRunner cancelAfterOne = [&](const StickJob &job) {
            return job([&](const StickProgress &p) { cancel = failing == "cancel" && p.filesDone; },
                       cancel);
        };

        const InstallOutcome outcome = runRemoval(environment("Y", cancelAfterOne));

        QCOMPARE(outcome, told.startsWith("Removal failed.")      ? InstallOutcome::Failed
                          : told.startsWith("Removal cancelled.") ? InstallOutcome::Cancelled
                                                                  : InstallOutcome::Completed);
        QCOMPARE(m_messages->requests().first().defaultAnswer, MessageAnswer::No);
        QCOMPARE(this->told(), told);
        QCOMPARE(m_endings, outcome == InstallOutcome::Completed && !told.contains("nothing"));
        if (!told.contains("nothing") && !told.contains("a link")) {
            for (const QString &key : expected.keys()) {
                const QString below = key.mid(QString("PSP/COMMON/Orvex/").size());
                if (key.startsWith("PSP/COMMON/Orvex/") && !kept.contains(below) &&
                    !(below.isEmpty() && !kept.isEmpty()))
                    expected.remove(key);
            }
            expected["PSP/SYSTEM/BROWSER/bookmarks.html"].replace(openEntry + "\r\n", "");
            expected["PSP/SYSTEM/BROWSER/bookmarks.html"].replace("\r\n" + protectedEntry, "\r\n");
        }
        QCOMPARE(drive(), expected);
    }
};

QTEST_GUILESS_MAIN(InstallTest)
#include "tst_install.moc"
