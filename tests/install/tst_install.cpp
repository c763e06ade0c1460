// The install and the removal on a stick that records and can fail any call: the questions
// and messages, what ends on the stick, each refusal before the first write, the order of
// writes, flushes and renames, and what a refused, failed, cancelled or misread step leaves.
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

using namespace Qt::StringLiterals;

using namespace orvex;
using testfiles::snapshot;
using Tree = QMap<QString, QByteArray>;

namespace {

const QByteArray openEntry = "<DT><A HREF=\"file:/PSP/COMMON/Orvex/index.html\">Orvex Tessary</A>";
const QByteArray protectedEntry = "<DT><A HREF=\"file:/PSP/COMMON/Orvex/lock.html\">Orvex \xa9</A>";
const QString unchanged = u"Nothing on the stick was changed."_s;
const QByteArray list = "css/\r\nindex.html\r\ncss/site.css\r\n";

// The questions answered by `answers` ("Y"/"N" each), Yes the default; the confirmation's
// details say `onto`.
QStringList questionsFor(const QString &answers, const QString &onto = {})
{
    const QStringList questions = {u"Are you sure you want to install Orvex Tessary?"_s,
                                   u"Would you like to install with password protection?"_s};
    QStringList shown;
    for (int i = 0; i < answers.size(); ++i) {
        MessageRequest request(u"Orvex Tessary"_s, questions[std::min(i, 1)], MessageIcon::Warning,
                               MessageButtons::YesNo, MessageAnswer::Yes);
        request.setInformativeText(i == 0 ? onto : QString());
        shown.append(RecordingMessagePresenter::describe(request));
    }
    return shown;
}

QList<MessageAnswer> answersFrom(const QString &letters)
{
    QList<MessageAnswer> answers;
    for (const QChar letter : letters)
        answers.append(letter == u'Y' ? MessageAnswer::Yes : MessageAnswer::No);
    return answers;
}

} // namespace

class InstallTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakeStick> m_stick;
    std::unique_ptr<RecordingMessagePresenter> m_messages;

    bool add(const QString &path, const QByteArray &bytes)
    {
        return testfiles::write(m_stick->real(path), bytes);
    }
    Tree drive() const { return snapshot(m_stick->real(u"/D"_s)); }
    // The last box's text and the details below it, a line each.
    QString told() const
    {
        const MessageRequest &box = m_messages->requests().last().request;
        const QString details = box.informativeText();
        return details.isEmpty() ? box.text() : box.text() + u"\r\n"_s + details;
    }

    // Runs shell commands in the stick's folder, with $B the bookmarks file, $O the
    // installed Orvex folder and $P the payload.
    bool spoil(const QString &commands)
    {
        QProcess shell;
        shell.setWorkingDirectory(m_stick->real(u""_s));
        shell.setEnvironment({u"B=D/PSP/SYSTEM/BROWSER/bookmarks.html"_s, u"O=D/PSP/COMMON/Orvex"_s,
                              u"P=A/Orvex"_s, u"PATH=/usr/bin:/bin"_s});
        shell.start(u"sh"_s, {u"-ec"_s, commands});
        return shell.waitForFinished() && shell.exitCode() == 0;
    }

    InstallEnvironment environment(const QString &answers, const StickRunner &runner,
                                   const QString &drive = u"/D"_s)
    {
        m_stick->calls.clear();
        m_messages = std::make_unique<RecordingMessagePresenter>(answersFrom(answers));
        return {u"/A"_s, drive, *m_messages, runner, m_stick.get()};
    }

    bool unlocked() const
    {
        auto root = stick::systemFileSystem().openRoot(m_stick->real(u"/D"_s));
        return root.ok() && root.value()->lock().ok();
    }

private Q_SLOTS:
    // An application folder A with the payload and both bookmark pages; a PSP stick D with
    // bookmarks, an older install, a part file that a crash left behind and a folder and
    // files named almost like one; and a folder O outside the stick.
    void init()
    {
        m_stick = std::make_unique<FakeStick>();
        QVERIFY(add(u"/A/Orvex/index.html"_s, "new index") &&
                add(u"/A/Orvex/css/site.css"_s, "body {}"));
        QVERIFY(add(u"/A/nopass.html"_s, openEntry + "\r\n<!-- open -->\r\n"));
        QVERIFY(add(u"/A/pass.html"_s, protectedEntry + "\n<!-- lock -->\r\n"));
        QVERIFY(add(u"/D/PSP/SYSTEM/BROWSER/bookmarks.html"_s, "<DL>\r\n"));
        QVERIFY(add(u"/D/PSP/COMMON/Orvex/index.html"_s, QByteArray(5000, 'o')));
        QVERIFY(add(u"/D/PSP/COMMON/Orvex/css/site.css.orvex-part90"_s, "crash"));
        QVERIFY(QDir().mkpath(m_stick->real(u"/D/PSP/COMMON/Orvex/kept.orvex-part"_s)));
        QVERIFY(add(u"/D/PSP/COMMON/Orvex/.orvex-part1"_s, "mine"));
        QVERIFY(add(u"/D/PSP/COMMON/Orvex/kept.orvex-party"_s, "mine"));
        QVERIFY(add(u"/O/bookmarks.html"_s, "outside"));
    }

    void answers_data()
    {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QByteArray>("after"); // null: declined
        QTest::addColumn<QByteArray>("passcode");
        const QByteArray open = "<DL>\r\n" + openEntry + "\r\n";
        const QByteArray locked = "<DL>\r\n" + protectedEntry + "\r\n";
        QTest::newRow("No") << u"N"_s << QString() << QByteArray() << QByteArray();
        QTest::newRow("Yes, Yes over a crash's temporary passcode; asked again after a cancelled "
                      "and an invalid passcode")
            << u"YYYY"_s << u"echo 1357 > $O/passcode.js.orvex-part"_s << locked
            << passcode::fileText(u"2468"_s);
        QTest::newRow("Yes, Yes keeps the stick's passcode, spelt in capitals")
            << u"YY"_s << u"printf 'var orvexPasscode = \"97531\";' > $O/PASSCODE.JS"_s << locked
            << passcode::fileText(u"97531"_s);
        QTest::newRow("Yes, No removes what the earlier list named and the payload lacks")
            << u"YN"_s
            << u"mkdir $O/old; touch $O/old/a.html; printf 'old/\\r\\nold/a.html\\r\\n"
               "index.html\\r\\n' > $O/installed.txt"_s
            << open << QByteArray();
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
        QStringList progress; // "phase files/total bytes/total file", the phase as its number
        const std::atomic<bool> never = false;
        const ProgressCallback report = [&](const StickProgress &p) {
            progress << QString::asprintf("%d %d/%d %lld/%lld ", int(p.phase), p.filesDone,
                                          p.filesTotal, p.bytesDone, p.bytesTotal) +
                            p.currentFile;
        };
        const StickRunner runner = [&](const StickJob &job) {
            return job(report, never);
        };
        InstallEnvironment run = environment(answers, runner);
        QList<std::optional<QString>> chosen = {std::nullopt, u"12"_s, u"2468"_s};
        run.choosePasscode = [&](const QString &onStick) {
            return onStick.isEmpty() ? chosen.takeFirst() : onStick;
        };
        run.driveName = u"STICK"_s;
        run.driveFacts = u"PSP memory stick, 1.0 GiB free"_s;

        const InstallOutcome outcome = runInstall(run);

        const bool installed = !after.isNull();
        QCOMPARE(outcome, installed ? InstallOutcome::Completed : InstallOutcome::Declined);
        // The questions, then what was installed and how to reach it.
        const QStringList shown = m_messages->described();
        QCOMPARE(shown.size(), answers.size() + (installed ? 2 : 0));
        QCOMPARE(shown.first(answers.size()),
                 questionsFor(answers, u"Onto STICK (/D): PSP memory stick, 1.0 GiB free."_s));
        QVERIFY(!installed || shown[answers.size()].endsWith(
                                  u"Installed onto STICK. The Orvex Tessary bookmark opens it "_s +
                                  (passcode.isNull() ? u"without a passcode."_s
                                                     : u"with the passcode you chose."_s)));
        QCOMPARE(progress.join(u", "_s),
                 installed
                     ? u"1 0/2 0/16 index.html, 1 0/2 9/16 index.html, 1 1/2 9/16 css/site.css, "
                       "1 1/2 16/16 css/site.css, 1 2/2 16/16 , 2 2/2 0/16 , 2 2/2 9/16 , "
                       "2 2/2 16/16 , 3 2/2 16/16 "_s
                     : QString());
        if (installed) {
            expected.removeIf([](Tree::iterator gone) {
                return gone.key().contains(
                    QRegularExpression(u"part9|passcode.js.orvex-part|/old"_s));
            });
            expected.insert({{u"PSP/COMMON/Orvex/index.html"_s, "new index"},
                             {u"PSP/COMMON/Orvex/css/site.css"_s, "body {}"},
                             {u"PSP/COMMON/Orvex/installed.txt"_s, list}});
            expected[u"PSP/SYSTEM/BROWSER/bookmarks.html"_s] = after;
            if (!passcode.isNull())
                expected[u"PSP/COMMON/Orvex/passcode.js"_s] = passcode;
        }
        QCOMPARE(drive(), expected);
    }
    void refusedFailedOrCancelled_data()
    {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("drive");
        QTest::addColumn<QString>("steps");  // "locked": another install holds the drive
        QTest::addColumn<QString>("reason"); // parts of the message, "|" apart; <B>, <O> as $B, $O
        // After the checks: a call that fails, "read PATH" read back changed, or "cancel N"
        // at the first report of phase N (1 copying, 2 reading back).
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QString>("state"); // what the message says the stick holds
        const QString copy = u"The Orvex folder could not be copied to /D/PSP/COMMON/.\r\n"_s;
        const QString add =
            u"The bookmark could not be added to /D/PSP/SYSTEM/BROWSER/bookmarks.html.\r\n"_s;
        const QString part = u"<O>/css/site.css.orvex-part"_s;
        const QString notKept = "The stick did not keep what was written to %1: it may be failing "
                                u"or not as large as it says."_s;
        const QString cancelled = u"Installation cancelled.\r\n"_s + unchanged;
        const struct
        {
            const char *name, *answers, *drive, *steps;
            QString reason, failing = {}, state = unchanged;
        } rows[] = {
            {"no drive", "", "", "", u"No drive was chosen."_s},
            {"drive not there", "Y", "/D/no", "", u"The drive /D/no is not there"_s},
            {"no PSP folder", "Y", "/D", "rm -r D/PSP", u"The drive /D has no PSP folder"_s},
            {"another install or removal running", "Y", "/D", "locked",
             u"Installation failed.\r\nAnother installation or removal on this drive is "
             "running."_s},
            {"PSP is a link", "Y", "/D", "mv D/PSP E; ln -s $PWD/E D/PSP",
             copy + u"/D/PSP: is a link"_s},
            {"COMMON is a link", "Y", "/D", "rm -r D/PSP/COMMON; ln -s $PWD/O D/PSP/COMMON",
             copy + u"/D/PSP/COMMON: is a link"_s},
            {"a file in Orvex is a link", "Y", "/D", "ln -sf $PWD/O/bookmarks.html $O/index.html",
             copy + u"<O>/index.html: is a link"_s},
            {"a folder where a file goes", "Y", "/D", "rm $O/index.html; mkdir $O/index.html",
             copy + u"<O>/index.html: is not a regular file"_s},
            {"a link named as the passcode's temporary", "Y", "/D",
             "ln -s nowhere $O/passcode.js.orvex-part",
             copy + u"<O>/passcode.js.orvex-part: is a link with the name the installer gives "
                    "the temporary copy of passcode.js"_s},
            {"bookmarks a link to nothing", "Y", "/D", "ln -sf $PWD/O/new.html $B",
             add + u"<B>: is a link"_s},
            {"bookmarks a pipe", "Y", "/D", "rm $B; mkfifo $B",
             add + u"<B>: is not a regular file"_s},
            {"bookmarks linked to a file outside", "Y", "/D", "ln -f O/bookmarks.html $B",
             add + u"<B>: has 2 names (hard links)"_s},
            {"bookmarks in UTF-16", "Y", "/D", "printf '\\377\\376<\\0' > $B",
             add + u"<B>: is UTF-16 text"_s},
            {"payload entries the stick cannot take", "Y", "/D",
             "cd $P; ln -s $PWD/../../O more; ln -s /dev/null null; mkdir IMG; touch a:b.txt img "
             "dot. INSTALLED.TXT; truncate -s 4G big; truncate -s 4294967295 fits",
             u"Installation failed.\r\nThese entries of the Orvex folder cannot be installed:\r\n"
             "/A/Orvex/a:b.txt: holds \":\"|big: is 4 GiB or larger|dot.: ends with|more: links to "
             "folders are not copied|null: not a regular|IMG and /A/Orvex/img: the stick takes "
             "these names for one|/INSTALLED.TXT: the installer writes this file itself\r\n"_s},
            {"drive inside the payload", "Y", "/A/Orvex", "mkdir -p $P/PSP/SYSTEM/BROWSER",
             u"/A/Orvex/PSP/COMMON/: The destination lies inside the folder being copied."_s},
            {"making a folder", "Y", "/D", "rm -r $O/css", u"<O>/css: "_s + systemText(EACCES),
             u"mkdir /D/PSP/COMMON/Orvex/css"_s},
            {"writing a file, after a leftover was removed", "Y", "/D", "",
             part + u": "_s + systemText(ENOSPC), u"write "_s + part,
             u"Removed 1 file left by an interrupted installation."_s},
            {"writing a file, then a folder left", "Y", "/D", "rm -r $O; mkdir $O",
             part + u": "_s + systemText(ENOSPC), u"write "_s + part,
             u"Some files the installer wrote could not be removed: /D/PSP/COMMON/Orvex/css: "_s +
                 systemText(ENOTEMPTY)},
            {"the passcode the stick did not keep", "YY", "/D", "rm $O/css/*.orvex-part90",
             notKept.arg(u"<O>/passcode.js"_s), u"read <O>/passcode.js.orvex-part"_s},
            {"a new bookmarks file the stick did not keep", "YN", "/D",
             "rm $O/css/*.orvex-part90; cp A/pass.html $B", notKept.arg(u"<B>"_s),
             u"read <B>.orvex-part"_s},
            {"a rename after ten files", "YN", "/D",
             "rm $O/css/*.orvex-part90; for i in 1 2 3 4 5 6 7 8 9 10 11 12; do touch $P/f$i; done",
             part + u": "_s + systemText(EIO), u"rename "_s + part,
             u"13 of the 15 files were updated before the failure: f1, f10, f11, f12, f2, f3, f4, "
             "f5, f6, f7 and 3 more."_s},
            {"an appended bookmark the stick did not keep", "YN", "/D", "rm $O/css/*.orvex-part90",
             notKept.arg(u"<B>"_s), u"read <B>"_s,
             u"The Orvex folder on the stick was updated; no bookmark was added."_s},
            {"cancelled while copying", "Y", "/D", "rm $O/css/*.orvex-part90", cancelled,
             u"cancel 1"_s},
            {"cancelled while reading back", "YN", "/D", "rm $O/css/*.orvex-part90", cancelled,
             u"cancel 2"_s},
        };
        const auto paths = [](QString text) {
            return text.replace(u"<B>"_s, u"/D/PSP/SYSTEM/BROWSER/bookmarks.html"_s)
                .replace(u"<O>"_s, u"/D/PSP/COMMON/Orvex"_s);
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << row.answers << row.drive << row.steps << paths(row.reason)
                                    << paths(row.failing) << row.state;
    }

    // A refusal comes after the confirmation at most, before any call that changes the stick
    // (without a drive, it says how to connect one). A failure or a cancel after the first
    // write takes back what it can and says what the stick holds: as it was, but for the
    // leftovers removed, unless the renames had begun. Nothing outside the stick, nor the
    // bookmarks file, changes; the drive is unlocked.
    void refusedFailedOrCancelled()
    {
        QFETCH(QString, answers);
        QFETCH(QString, steps);
        QFETCH(QString, failing);
        QFETCH(QString, state);
        auto another = stick::systemFileSystem().openRoot(m_stick->real(u"/D"_s));
        QVERIFY(another.ok() &&
                (steps == u"locked"_s ? another.value()->lock().ok() : spoil(steps)));
        const bool cancelled = failing.startsWith(u"cancel "_s);
        const int cancelIn = cancelled ? failing.mid(7).toInt() : -1;
        if (failing.startsWith(u"read "_s))
            m_stick->forgetful << failing.mid(5);
        else if (!cancelled)
            m_stick->failing.insert(failing, failing.startsWith(u"mkdir"_s)   ? EACCES
                                             : failing.startsWith(u"write"_s) ? ENOSPC
                                                                              : EIO);
        if (steps.startsWith(u"rm -r $O;"_s))
            m_stick->failing.insert(u"rmdir /D/PSP/COMMON/Orvex/css"_s, ENOTEMPTY);
        const Tree outside = snapshot(m_stick->real(u"/O"_s));
        const Tree before = drive();
        std::atomic<bool> cancel = false;
        const StickRunner runner = [&](const StickJob &job) {
            return job([&](const StickProgress &p) { cancel = int(p.phase) == cancelIn; }, cancel);
        };

        QFETCH(QString, drive);
        QCOMPARE(runInstall(environment(answers, runner, drive)),
                 cancelled ? InstallOutcome::Cancelled : InstallOutcome::Failed);

        QCOMPARE(m_messages->described().size(), answers.size() + 1);
        QCOMPARE(m_messages->described().first(answers.size()), questionsFor(answers));
        QFETCH(QString, reason);
        const QString headline =
            cancelled ? u"Installation cancelled.\r\n"_s : u"Installation failed.\r\n"_s;
        const QStringList parts = reason.split(u'|');
        QVERIFY2(std::all_of(parts.cbegin(), parts.cend(),
                             [this](const QString &part) { return told().contains(part); }) &&
                     (answers.isEmpty() ||
                      (told().startsWith(headline) && told().endsWith(u"\r\n"_s + state))),
                 qPrintable(told()));
        QCOMPARE(snapshot(m_stick->real(u"/O"_s)), outside);
        QCOMPARE(this->drive() == before, state == unchanged);
        QCOMPARE(this->drive().value(u"PSP/SYSTEM/BROWSER/bookmarks.html"_s),
                 before.value(u"PSP/SYSTEM/BROWSER/bookmarks.html"_s));
        QCOMPARE(m_stick->calls.isEmpty(), failing.isEmpty());
        QVERIFY(steps == u"locked"_s || unlocked());
    }

    void order_data()
    {
        QTest::addColumn<stick::FileSystemKind>("kind");
        // O the installed Orvex folder, B the bookmarks, "~" a temporary's ".orvex-part"
        QTest::addColumn<QString>("calls");
        QTest::addColumn<QString>("removalFlushes");
        QTest::newRow("kernel file system: the whole file system flushed, then the root")
            << stick::FileSystemKind::Fat
            << u"mkdir D/PSP/COMMON, mkdir O, mkdir O/css, create O/index.html~, "
               "write O/index.html~, close O/index.html~, create O/css/site.css~, "
               "write O/css/site.css~, close O/css/site.css~, create O/installed.txt~, "
               "write O/installed.txt~, close O/installed.txt~, syncfs D, fsync D, "
               "rename O/index.html~, rename O/css/site.css~, rename O/installed.txt~, syncfs D, "
               "fsync D, write B, fsync B, close B"_s
            << u"syncfs D, fsync D, syncfs D, fsync D, syncfs D, fsync D"_s;
        QTest::newRow("user-space file system: each file, then each folder changed")
            << stick::FileSystemKind::UserSpace
            << u"mkdir D/PSP/COMMON, mkdir O, mkdir O/css, create O/index.html~, "
               "write O/index.html~, fsync O/index.html~, close O/index.html~, "
               "create O/css/site.css~, write O/css/site.css~, fsync O/css/site.css~, "
               "close O/css/site.css~, create O/installed.txt~, write O/installed.txt~, "
               "fsync O/installed.txt~, close O/installed.txt~, fsync D, rename O/index.html~, "
               "rename O/css/site.css~, rename O/installed.txt~, fsync O/css, fsync O, "
               "fsync D/PSP/COMMON, fsync D/PSP, fsync D, write B, fsync B, close B"_s
            << u"fsync B~, fsync D, fsync D/PSP/SYSTEM/BROWSER, fsync D, fsync D/PSP/COMMON, "
               "fsync D"_s;
    }

    // Every file is on the device and read back before any is renamed into place, and
    // every rename before the bookmark; the flushes do not grow with the files.
    void order()
    {
        QFETCH(stick::FileSystemKind, kind);
        m_stick->kind = kind;
        QVERIFY(spoil(u"rm -r D/PSP/COMMON"_s));
        const auto calls = [this](const QRegularExpression &kept) {
            return m_stick->calls.filter(kept)
                .join(u", "_s)
                .replace(u"/D/PSP/COMMON/Orvex"_s, u"O"_s)
                .replace(u"/D/PSP/SYSTEM/BROWSER/bookmarks.html"_s, u"B"_s)
                .replace(u"/D"_s, u"D"_s)
                .replace(u".orvex-part"_s, u"~"_s);
        };
        QCOMPARE(runInstall(environment(u"YN"_s, {})), InstallOutcome::Completed);
        QTEST(calls(QRegularExpression(u"."_s)), "calls");
        QVERIFY(unlocked());
        QCOMPARE(runRemoval(environment(u"Y"_s, {})), InstallOutcome::Completed);
        QTEST(calls(QRegularExpression(u"^(fsync|syncfs) "_s)), "removalFlushes");
    }

    // A new file and an addition to one that ends its lines are the install's (answers).
    void updatesTheBookmark_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("line"); // empty: take the Orvex lines out
        QTest::addColumn<QByteArray>("after");
        const auto row = [](const char *name, const QByteArray &before, const QByteArray &line,
                            const QByteArray &after) {
            QTest::newRow(name) << before << line << after;
        };
        const QByteArray bom = "\xEF\xBB\xBF";
        row("added after a last line without its end", "a", "L", "a\r\nL\r\n");
        row("there already", "L\nb", "L", "L\nb");
        row("the other taken out, the rest kept byte for byte", bom + "O\r\nb\nL\r<c>\r\n", "L",
            bom + "b\nL\r<c>\r\n");
        row("a second one taken out", "L\nO\nx\nL\n", "L", "L\nx\n");
        row("the other replaced", "a\r\nO", "L", "a\r\nL\r\n");
        row("both taken out, empty lines kept", "\r\nx\r\nL\r\n\r\nO\r\ny", "", "\r\nx\r\n\r\ny");
    }

    // After an update the chosen line is in the file once and the other nowhere; no other
    // byte changes.
    void updatesTheBookmark()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, line);
        QVERIFY(add(u"/B/bookmarks.html"_s, before));
        auto browser = stick::systemFileSystem().openRoot(m_stick->real(u"/B"_s));
        QVERIFY(browser.ok());
        auto file = BookmarksFile::open(*browser.value(), "bookmarks.html");
        QVERIFY(file.ok());

        const QList<QByteArray> others =
            line.isEmpty() ? QList<QByteArray>{"L", "O"} : QList<QByteArray>{"O"};
        const auto change = file->changeFor(line, others);
        QVERIFY(change.ok());
        using Change = BookmarksFile::Change;
        QByteArray after = before;
        if (change.value() == Change::Append) {
            QVERIFY(file->append(line).ok());
            after = testfiles::read(m_stick->real(u"/B/bookmarks.html"_s));
        } else if (change.value() != Change::None) {
            after.clear();
            const auto collect = [&](QByteArrayView bytes) {
                after += bytes;
                return Status();
            };
            QVERIFY(file->changed(line, others)(collect).ok());
        }

        QTEST(after, "after");
        // An addition alone is appended; any other change rewrites the file.
        QCOMPARE(change.value(), after == before            ? Change::None
                                 : after.startsWith(before) ? Change::Append
                                                            : Change::Rewrite);
    }

    void removal_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("failing");  // a call that fails, or "cancel" after a file
        QTest::addColumn<QString>("told");     // the last message
        QTest::addColumn<QStringList>("kept"); // what stays of PSP/COMMON/Orvex
        const QString removed = u"Orvex Tessary was removed from the PSP.\r\nRemoved %1."_s;
        const QString bookmark = u" and the Orvex bookmark"_s;
        const QStringList almost = {u".orvex-part1"_s, u"kept.orvex-part/"_s,
                                    u"kept.orvex-party"_s};
        const QString mine = u"rm -r $O/kept.orvex-part $O/.orvex-part1 $O/kept.orvex-party"_s;
        const QString failed =
            u"Removal failed.\r\nThe Orvex folder could not be removed from /D/PSP/COMMON.\r\n"_s;
        const auto row = [](const char *name, const QString &steps, const QString &failing,
                            const QString &told, const QStringList &kept) {
            QTest::newRow(name) << steps << failing << told << kept;
        };
        row("without a list: the payload's names, the user's files stay", u"touch $O/u"_s, u""_s,
            removed.arg(u"2 files from PSP/COMMON/Orvex"_s + bookmark) +
                "\r\nPSP/COMMON/Orvex stays: it holds 3 files and 1 folder that Orvex Tessary "
                u"did not install (.orvex-part1, kept.orvex-party, u, kept.orvex-part/)."_s,
            almost + QStringList{u"u"_s});
        row("with a list: what it names, never outside",
            mine + "; printf 'css/\\nindex.html\\nold/\\nold/a.html\\n../Other/keep.txt\\n/x\\n' > "
                   u"$O/installed.txt; mkdir $O/old; touch $O/old/a.html"_s,
            u""_s, removed.arg(u"PSP/COMMON/Orvex (4 files)"_s + bookmark), {});
        row("the bookmark only", u"rm -r $O"_s, u""_s, removed.arg(u"the Orvex bookmark"_s), {});
        row("nothing there", u"rm -r $O; echo '<DL>' > $B"_s, u""_s,
            u"Orvex Tessary is not on this stick: there was nothing to remove."_s, {});
        row("Orvex is a link", u"rm -r $O; ln -s $PWD/O $O"_s, u""_s,
            failed +
                u"/D/PSP/COMMON/Orvex: is a link; the installer does not follow links on "
                "the drive\r\n"_s +
                unchanged,
            {});
        row("a failure once the bookmark is out", mine, u"unlink /D/PSP/COMMON/Orvex/index.html"_s,
            failed + u"/D/PSP/COMMON/Orvex/index.html: "_s + systemText(EIO) +
                u"\r\nThe stick did not read or write as asked: check that it is still "
                "connected, then try again.\r\nThe Orvex bookmark was taken out; "
                "PSP/COMMON/Orvex stays as it was."_s,
            {u"css/"_s, u"css/site.css.orvex-part90"_s, u"index.html"_s});
        row("cancelled after a file", mine, u"cancel"_s,
            u"Removal cancelled.\r\nThe Orvex bookmark was taken out, and 1 of the 2 files of "
            "PSP/COMMON/Orvex were removed; the others stay."_s,
            {u"css/"_s, u"css/site.css.orvex-part90"_s});
    }

    // A removal takes the installer's files out of PSP/COMMON/Orvex, the folders this
    // empties and the Orvex lines, and leaves everything else.
    void removal()
    {
        QFETCH(QString, steps);
        QFETCH(QString, failing);
        QFETCH(QString, told);
        QFETCH(QStringList, kept);
        QVERIFY(add(u"/D/PSP/COMMON/Other/keep.txt"_s, "keep"));
        QVERIFY(add(u"/D/PSP/SYSTEM/BROWSER/bookmarks.html"_s,
                    "<DL>\r\n" + openEntry + "\r\n<DT>mine\r\n" + protectedEntry));
        QVERIFY(spoil(steps));
        if (failing.startsWith(u"unlink"_s))
            m_stick->failing.insert(failing, EIO);
        Tree expected = drive();
        std::atomic<bool> cancel = false;
        const StickRunner cancelAfterOne = [&](const StickJob &job) {
            return job(
                [&](const StickProgress &p) { cancel = failing == u"cancel"_s && p.filesDone; },
                cancel);
        };

        const InstallOutcome outcome = runRemoval(environment(u"Y"_s, cancelAfterOne));

        QCOMPARE(outcome, told.startsWith(u"Removal failed."_s)      ? InstallOutcome::Failed
                          : told.startsWith(u"Removal cancelled."_s) ? InstallOutcome::Cancelled
                          : told.contains(u"nothing to remove"_s)    ? InstallOutcome::NothingThere
                                                                     : InstallOutcome::Completed);
        QCOMPARE(m_messages->requests().first().defaultAnswer, MessageAnswer::No);
        QCOMPARE(this->told(), told);

        if (!told.contains(u"nothing"_s) && !told.contains(u"a link"_s)) {
            for (const QString &key : expected.keys()) {
                const QString below = key.mid(QString(u"PSP/COMMON/Orvex/"_s).size());
                if (key.startsWith(u"PSP/COMMON/Orvex/"_s) && !kept.contains(below) &&
                    !(below.isEmpty() && !kept.isEmpty()))
                    expected.remove(key);
            }
            expected[u"PSP/SYSTEM/BROWSER/bookmarks.html"_s].replace(openEntry + "\r\n", "");
            expected[u"PSP/SYSTEM/BROWSER/bookmarks.html"_s].replace("\r\n" + protectedEntry,
                                                                     "\r\n");
        }
        QCOMPARE(drive(), expected);
    }
};

QTEST_GUILESS_MAIN(InstallTest)
#include "tst_install.moc"
