// The install procedure on real folders: the questions and messages, what ends
// on the stick, and each refusal before the first write.
#include "bookmarks.h"
#include "installprocedure.h"
#include "passcode.h"
#include "recordingmessagepresenter.h"
#include "removal.h"
#include "testfiles.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace orvex;
using testfiles::snapshot;
using Tree = QMap<QString, QByteArray>;

namespace {

const QByteArray openEntry = "<DT><A HREF=\"file:/PSP/COMMON/Orvex/index.html\">Orvex Tessary</A>";
const QByteArray protectedEntry = "<DT><A HREF=\"file:/PSP/COMMON/Orvex/lock.html\">Orvex \xa9</A>";
const QString unchanged = "Nothing on the stick was changed.";

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

    std::unique_ptr<QTemporaryDir> m_root;
    QString path(const QString &relative) const { return m_root->filePath(relative); }

    // Runs shell commands in the temporary folder, with $B the bookmarks file, $O the
    // installed Orvex folder and $P the payload.
    bool spoil(const QString &commands)
    {
        QProcess shell;
        shell.setWorkingDirectory(m_root->path());
        shell.setEnvironment({"B=D/PSP/SYSTEM/BROWSER/bookmarks.html", "O=D/PSP/COMMON/Orvex",
                              "P=A/Orvex", "PATH=/usr/bin:/bin"});
        shell.start("sh", {"-ec", commands});
        return shell.waitForFinished() && shell.exitCode() == 0;
    }

private slots:
    // An application folder A with the payload and both bookmark pages; a PSP stick D with
    // bookmarks, an older install, a part file that a crash left behind and a folder and
    // files named like one; and a folder O outside the stick.
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(testfiles::write(path("A/Orvex/index.html"), "new index"));
        QVERIFY(testfiles::write(path("A/Orvex/css/site.css"), "body {}"));
        QVERIFY(testfiles::write(path("A/nopass.html"), openEntry + "\r\n<!-- open -->\r\n"));
        QVERIFY(testfiles::write(path("A/pass.html"), protectedEntry + "\n<!-- lock -->\r\n"));
        QVERIFY(testfiles::write(path("D/PSP/SYSTEM/BROWSER/bookmarks.html"), "<DL>\r\n"));
        QVERIFY(testfiles::write(path("D/PSP/COMMON/Orvex/index.html"), QByteArray(5000, 'o')));
        QVERIFY(testfiles::write(path("D/PSP/COMMON/Orvex/css/site.css.orvex-part90"), "crash"));
        QVERIFY(QDir().mkpath(path("D/PSP/COMMON/Orvex/kept.orvex-part")));
        QVERIFY(testfiles::write(path("D/PSP/COMMON/Orvex/.orvex-part1"), "mine"));
        QVERIFY(testfiles::write(path("D/PSP/COMMON/Orvex/kept.orvex-party"), "mine"));
        QVERIFY(testfiles::write(path("O/bookmarks.html"), "outside"));
    }

    void answers_data()
    {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QByteArray>("after"); // null: declined
        QTest::newRow("No") << "N" << QByteArray();
        QTest::newRow("Yes, Yes") << "YY"
                                  << "<DL>\r\n" + protectedEntry + "\r\n";
        QTest::newRow("Yes, No") << "YN"
                                 << "<DL>\r\n" + openEntry + "\r\n";
    }

    // A completed install replaces the older files, leaves what is not its own, adds the
    // chosen line and reports its progress; leftovers of a crash are gone. The line rules
    // are updatesTheBookmark's.
    void answers()
    {
        QFETCH(QString, answers);
        QFETCH(QByteArray, after);
        Tree expected = snapshot(path("D"));
        RecordingMessagePresenter messages(answersFrom(answers));
        int endings = 0;
        QStringList progress;
        const StickRunner runner = [&](const StickJob &job) {
            const std::atomic<bool> never = false;
            return job([&](const StickProgress &p) { progress << described(p); }, never);
        };

        InstallEnvironment environment{path("A"), path("D"), messages, [&] { ++endings; }, runner};
        environment.choosePasscode = [](const QString &) {
            return "2468";
        };
        const InstallOutcome outcome = runInstall(environment);

        const bool installed = !after.isNull();
        QCOMPARE(outcome, installed ? InstallOutcome::Completed : InstallOutcome::Declined);
        QStringList shown = questionsFor(answers);
        if (installed)
            shown << box("Installation complete!\r\nThank you for using Orvex.",
                         MessageIcon::Information)
                  << box("To access Orvex, simply choose the Orvex Tessary bookmark in your "
                         "PSP browser's bookmark section.",
                         MessageIcon::Information);
        QCOMPARE(messages.described(), shown);
        QCOMPARE(endings, installed ? 1 : 0);
        QCOMPARE(progress, installed
                               ? QStringList({"1 0/2 0/16 index.html", "1 1/2 9/16 css/site.css",
                                              "1 2/2 16/16 ", "2 2/2 16/16 "})
                               : QStringList());
        if (installed) {
            expected.remove("PSP/COMMON/Orvex/css/site.css.orvex-part90");
            expected.insert(testfiles::placedUnder("PSP/COMMON/Orvex", snapshot(path("A/Orvex"))));
            expected["PSP/SYSTEM/BROWSER/bookmarks.html"] = after;
            if (answers == "YY")
                expected["PSP/COMMON/Orvex/passcode.js"] = passcode::fileText("2468");
        }
        QCOMPARE(snapshot(path("D")), expected);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("drive");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("reason"); // <A>, <D>: the two folders; <B>, <O> as $B, $O
        const QString copy = "The Orvex folder could not be copied to <D>/PSP/COMMON/.\r\n";
        const QString add =
            "The bookmark could not be added to <D>/PSP/SYSTEM/BROWSER/bookmarks.html.\r\n";
        const QString page = "The bookmark page <A>/%1 is missing or empty.\r\nThe installer's "
                             "own files are incomplete: install the installer again.";
        const QString link = ": is a link; the installer does not follow links on the drive";
        const QString utf16 = add + "<B>: is UTF-16 text; the installer adds its bookmark only "
                                    "to single-byte text.\r\nSave it as single-byte text (ASCII "
                                    "or UTF-8), then install again.";
        const struct
        {
            const char *name, *answers, *drive, *spoil;
            QString reason;
        } rows[] = {
            {"no drive", "", "", "",
             "No drive was chosen. Connect the PSP in USB mode and choose its drive."},
            {"drive not a folder", "Y", "<D>/no", "",
             QString(copy).replace("<D>", "<D>/no") + "<D>/no: " + systemText(ENOENT)},
            {"no browser folder", "Y", "<D>", "rm -r D/PSP/SYSTEM/BROWSER",
             "The drive <D> does not look like a PSP memory stick: it has no PSP/SYSTEM/BROWSER "
             "folder (<D>/PSP/SYSTEM/BROWSER is missing).\r\nConnect the PSP in USB mode and "
             "choose its drive."},
            {"PSP is a link", "Y", "<D>", "mv D/PSP E; ln -s $PWD/E D/PSP",
             copy + "<D>/PSP" + link},
            {"COMMON is a link", "Y", "<D>", "rm -r D/PSP/COMMON; ln -s $PWD/O D/PSP/COMMON",
             copy + "<D>/PSP/COMMON" + link},
            {"a file in Orvex is a link", "Y", "<D>", "ln -sf $PWD/O/bookmarks.html $O/index.html",
             copy + "<O>/index.html" + link},
            {"a folder where a file goes", "Y", "<D>", "rm $O/index.html; mkdir $O/index.html",
             copy + "<O>/index.html: is not a regular file"},
            {"a folder named as a file's temporary", "Y", "<D>", "mkdir $O/index.html.orvex-part",
             copy + "<O>/index.html.orvex-part: is a folder with the name the installer gives "
                    "the temporary copy of index.html; rename or remove it"},
            {"bookmarks a link to nothing", "Y", "<D>", "ln -sf $PWD/O/new.html $B",
             add + "<B>" + link},
            {"bookmarks a pipe", "Y", "<D>", "rm $B; mkfifo $B",
             add + "<B>: is not a regular file"},
            {"bookmarks linked to a file outside", "Y", "<D>", "ln -f O/bookmarks.html $B",
             add + "<B>: has 2 names (hard links); the installer changes only a file with one "
                   "name.\r\nMake it a file of its own (put a copy in its place), then install "
                   "again."},
            {"bookmarks in UTF-16", "Y", "<D>", "printf '\\377\\376<\\0' > $B", utf16},
            {"bookmarks in UTF-16, big-endian", "Y", "<D>", "printf '\\376\\377\\0<' > $B", utf16},
            {"payload entries the stick cannot take", "Y", "<D>",
             "cd $P; ln -s $PWD/../../O more; ln -s /dev/null null; mkdir IMG; touch a:b.txt img "
             "dot.; truncate -s 4G big; truncate -s 4294967295 fits",
             "These entries of the Orvex folder cannot be installed:\r\n"
             "<A>/Orvex/a:b.txt: holds \":\", which the stick cannot store\r\n"
             "<A>/Orvex/big: is 4 GiB or larger; the stick holds files of up to 4 GiB less one "
             "byte\r\n"
             "<A>/Orvex/dot.: ends with a dot or a space, which the stick drops\r\n"
             "<A>/Orvex/more: links to folders are not copied\r\n"
             "<A>/Orvex/null: not a regular file or folder\r\n"
             "<A>/Orvex/IMG and <A>/Orvex/img: the stick takes these names for one, since it "
             "ignores case\r\n"
             "Rename or remove them in <A>/Orvex, then install again."},
            {"drive inside the payload", "Y", "<A>/Orvex", "mkdir -p $P/PSP/SYSTEM/BROWSER",
             "The Orvex folder could not be copied to <A>/Orvex/PSP/COMMON/.\r\n<A>/Orvex/PSP/"
             "COMMON/: The destination lies inside the folder being copied."},
            {"a page begins with an empty line", "Y", "<D>", "printf '\\r\\nx' > A/pass.html",
             page.arg("pass.html")},
            {"a page's first line longer than 64 KiB", "Y", "<D>",
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
        const Tree outside = snapshot(path("O"));
        const Tree stick = snapshot(path("D"));
        RecordingMessagePresenter presenter(answersFrom(answers));
        int endings = 0;
        drive.replace("<D>", path("D")).replace("<A>", path("A"));

        const InstallOutcome outcome = runInstall({path("A"), drive, presenter, [&] {
                                                       ++endings;
                                                   }});

        QCOMPARE(outcome, InstallOutcome::Failed);
        QCOMPARE(endings, 0);
        reason.replace("<B>", "<D>/PSP/SYSTEM/BROWSER/bookmarks.html")
            .replace("<O>", "<D>/PSP/COMMON/Orvex");
        reason.replace("<A>", path("A")).replace("<D>", path("D"));
        const QString heading = answers.isEmpty() ? "" : "Installation failed.\r\n";
        const QString footer = answers.isEmpty() ? "" : "\r\n" + unchanged;
        QCOMPARE(presenter.described(),
                 questionsFor(answers) << box(heading + reason + footer, MessageIcon::Critical));
        QCOMPARE(snapshot(path("O")), outside);
        QCOMPARE(snapshot(path("D")), stick);
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
        QVERIFY(QDir().mkpath(path("B")));
        QVERIFY(before.isNull() || testfiles::write(path("B/bookmarks.html"), before));
        auto browser = stick::systemFileSystem().openRoot(path("B"));
        QVERIFY(browser.ok());
        auto file = BookmarksFile::open(*browser.value(), "bookmarks.html");
        QVERIFY(file.ok());
        BookmarksFile::Change change;

        const QList<QByteArray> others =
            line.isEmpty() ? QList<QByteArray>{"L", "O"} : QList<QByteArray>{"O"};
        const Status updated = file->update(line, others, change);

        QVERIFY(updated.ok());
        QTEST(testfiles::read(path("B/bookmarks.html")), "after");
        QCOMPARE(QDir(path("B")).entryList(QDir::Files), QStringList{"bookmarks.html"});
    }

    void removal_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("told"); // the last message
        QTest::addColumn<bool>("changed");
        const QString removed = "Orvex Tessary was removed from the PSP.\r\nRemoved %1.";
        const QString folder = "PSP/COMMON/Orvex (4 files)", bookmark = "the Orvex bookmark";
        QTest::newRow("folder and bookmark")
            << "" << removed.arg(folder + " and " + bookmark) << true;
        QTest::newRow("the folder only, of one file")
            << "echo '<DL>' > $B; rm $O/index.html $O/.orvex-part1 $O/kept.orvex-party"
            << removed.arg("PSP/COMMON/Orvex (1 file)") << true;
        QTest::newRow("the bookmark only") << "rm -r $O" << removed.arg(bookmark) << true;
        QTest::newRow("nothing there")
            << "rm -r $O; echo '<DL>' > $B"
            << "Orvex Tessary is not on this stick: there was nothing to remove." << false;
        QTest::newRow("Orvex is a link")
            << "rm -r $O; ln -s $PWD/O $O"
            << "Removal failed.\r\nThe Orvex folder could not be removed from <D>/PSP/COMMON."
               "\r\n<D>/PSP/COMMON/Orvex: is a link; the installer does not follow links on the "
               "drive\r\nNothing on the stick was changed."
            << false;
    }

    // A removal takes PSP/COMMON/Orvex and the Orvex lines out and leaves everything else.
    void removal()
    {
        QFETCH(QString, steps);
        QFETCH(QString, told);
        QFETCH(bool, changed);
        QVERIFY(testfiles::write(path("D/PSP/COMMON/Other/keep.txt"), "keep"));
        QVERIFY(testfiles::write(path("D/PSP/SYSTEM/BROWSER/bookmarks.html"),
                                 "<DL>\r\n" + openEntry + "\r\n<DT>mine\r\n" + protectedEntry));
        QVERIFY(spoil(steps));
        Tree expected = snapshot(path("D"));
        RecordingMessagePresenter messages(answersFrom("Y"));
        int endings = 0;

        const InstallOutcome outcome = runRemoval({path("A"), path("D"), messages, [&] {
                                                       ++endings;
                                                   }});

        QCOMPARE(outcome, told.startsWith("Removal failed.") ? InstallOutcome::Failed
                                                             : InstallOutcome::Completed);
        QCOMPARE(messages.requests().first().defaultAnswer, MessageAnswer::No);
        QCOMPARE(messages.requests().last().text, QString(told).replace("<D>", path("D")));
        QCOMPARE(endings, changed ? 1 : 0);
        if (changed) {
            for (const QString &key : expected.keys()) {
                if (key.startsWith("PSP/COMMON/Orvex/"))
                    expected.remove(key);
            }
            expected["PSP/SYSTEM/BROWSER/bookmarks.html"].replace(openEntry + "\r\n", "");
            expected["PSP/SYSTEM/BROWSER/bookmarks.html"].replace("\r\n" + protectedEntry, "\r\n");
        }
        QCOMPARE(snapshot(path("D")), expected);
    }
};

QTEST_GUILESS_MAIN(InstallTest)
#include "tst_install.moc"
