#include "install/bookmarkfile.h"
#include "install/foldercopy.h"
#include "install/installprocedure.h"
#include "recordingmessagepresenter.h"
#include "sizelimiteddevice.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace orvex;
using testfiles::snapshot;
using testfiles::systemText;
using Tree = QMap<QString, QByteArray>;

namespace {

const QByteArray openEntry = "<DT><A HREF=\"file:/PSP/COMMON/Orvex/index.html\">Orvex Tessary</A>";
const QByteArray protectedEntry = "<DT><A HREF=\"file:/PSP/COMMON/Orvex/lock.html\">Orvex \xa9</A>";

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

} // namespace

class InstallTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_root;
    QString path(const QString &relative) const { return m_root->filePath(relative); }

    // Steps that spoil the fixture, "; "-separated: "rm P", "write P BYTES", "mkdir P", and
    // "link P TARGET" or "fifo P" in place of what is at P. Paths are below the temporary
    // folder ($B the bookmarks file, $O the installed Orvex folder) or absolute.
    bool spoil(QString steps)
    {
        steps.replace("$B", "D/PSP/SYSTEM/BROWSER/bookmarks.html")
            .replace("$O", "D/PSP/COMMON/Orvex");
        for (const QString &step : steps.split("; ", Qt::SkipEmptyParts)) {
            const QStringList word = step.split(' ');
            const QString at = path(word[1]);
            const QString target =
                word.value(2).startsWith('/') ? word.value(2) : path(word.value(2));
            const QFileInfo old(at);
            if ((word[0] == "rm" || word[0] == "link" || word[0] == "fifo") &&
                (old.exists() || old.isSymLink()) &&
                (old.isSymLink() || !old.isDir() ? !QFile::remove(at)
                                                 : !QDir(at).removeRecursively()))
                return false;
            const bool done = word[0] == "rm"      ? true
                              : word[0] == "write" ? testfiles::write(at, word.value(2).toLatin1())
                              : word[0] == "mkdir" ? QDir().mkpath(at)
                              : word[0] == "link"  ? QFile::link(target, at)
                                                   : ::mkfifo(QFile::encodeName(at), 0644) == 0;
            if (!done)
                return false;
        }
        return true;
    }

private slots:
    // An application folder A with the payload and both bookmark pages; a PSP stick D with
    // bookmarks, an older install and a part file that a crash left behind; and a folder O
    // outside the stick.
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(testfiles::write(path("A/Orvex/index.html"), "new index"));
        QVERIFY(testfiles::write(path("A/Orvex/css/site.css"), "body {}"));
        QVERIFY(testfiles::write(path("A/nopass.html"), openEntry + "\r\n<!-- open -->\r\n"));
        QVERIFY(testfiles::write(path("A/pass.html"), protectedEntry + "\r\n<!-- lock -->\r\n"));
        QVERIFY(testfiles::write(path("D/PSP/SYSTEM/BROWSER/bookmarks.html"), "<DL>\r\n"));
        QVERIFY(testfiles::write(path("D/PSP/COMMON/Orvex/index.html"), QByteArray(5000, 'o')));
        QVERIFY(testfiles::write(path("D/PSP/COMMON/Orvex/css/site.css.orvex-part90"), "crash"));
        QVERIFY(QDir().mkpath(path("D/PSP/COMMON/Orvex/kept.orvex-part")));
        QVERIFY(testfiles::write(path("O/bookmarks.html"), "outside"));
    }

    void answers_data()
    {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QByteArray>("bookmarks"); // before the install; empty: as laid
        QTest::addColumn<QByteArray>("appended");  // null: declined
        QTest::newRow("No") << "N" << QByteArray() << QByteArray();
        QTest::newRow("Yes, Yes") << "YY" << QByteArray() << protectedEntry + "\r\n";
        QTest::newRow("Yes, No") << "YN" << QByteArray() << openEntry + "\r\n";
        QTest::newRow("the line is there") << "YN"
                                           << "x\n" + openEntry + "\n"
                                           << QByteArray("");
        QTest::newRow("a longer line is there") << "YN" << openEntry + "x\r\n"
                                                << openEntry + "\r\n";
    }

    void answers()
    {
        QFETCH(QString, answers);
        QFETCH(QByteArray, bookmarks);
        QFETCH(QByteArray, appended);
        QVERIFY(bookmarks.isEmpty() ||
                testfiles::write(path("D/PSP/SYSTEM/BROWSER/bookmarks.html"), bookmarks));
        Tree expected = snapshot(path("D"));
        RecordingMessagePresenter messages(answersFrom(answers));
        int endings = 0;
        QStringList progress;
        const CopyRunner runner = [&](const CopyJob &job, qint64 total) {
            return job(
                [&](const CopyProgress &p) {
                    progress << QString("%1/%2/%3 %4")
                                    .arg(p.bytesDone)
                                    .arg(p.bytesTotal)
                                    .arg(total)
                                    .arg(p.currentFile);
                },
                nullptr);
        };

        const InstallOutcome outcome =
            runInstall({path("A"), path("D"), messages, [&] { ++endings; }, runner});

        const bool installed = !appended.isNull();
        QCOMPARE(outcome, installed ? InstallOutcome::Completed : InstallOutcome::Declined);
        const QString thanks = "Installation complete!\r\nThank you for using Orvex.";
        const QString access = "To access Orvex, simply choose the Orvex Tessary bookmark in your "
                               "PSP browser's bookmark section.";
        QStringList shown = questionsFor(answers);
        if (installed)
            shown << box(thanks, MessageIcon::Information) << box(access, MessageIcon::Information);
        QCOMPARE(messages.described(), shown);
        QCOMPARE(endings, installed ? 1 : 0);
        QCOMPARE(progress, installed ? QStringList({"0/16/16 css/site.css", "7/16/16 index.html",
                                                    "16/16/16 "})
                                     : QStringList());
        if (installed) {
            expected.remove("PSP/COMMON/Orvex/css/site.css.orvex-part90");
            expected.insert(testfiles::placedUnder("PSP/COMMON/Orvex", snapshot(path("A/Orvex"))));
            expected["PSP/SYSTEM/BROWSER/bookmarks.html"] += appended;
        }
        QCOMPARE(snapshot(path("D")), expected);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("drive");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("reason"); // <A>, <D>: the two folders; <B>, <O> as $B, $O
        const QString noFile = systemText(ENOENT);
        const QString copy = "The Orvex folder could not be copied to <D>/PSP/COMMON/.\r\n";
        const QString add =
            "The bookmark could not be added to <D>/PSP/SYSTEM/BROWSER/bookmarks.html.\r\n";
        const QString page = "The bookmark page <A>/%1 is missing or empty.";
        const QString link = ": is a link; the installer does not follow links on the drive";
        const QString notPsp = "The drive <D> does not look like a PSP memory stick: it has no "
                               "PSP/SYSTEM/BROWSER folder (%1 is missing).";
        const struct
        {
            const char *name, *answers, *drive, *spoil;
            QString reason;
        } rows[] = {
            {"no drive", "Y", "", "", "No drive was chosen."},
            {"drive not a folder", "Y", "<D>/no", "",
             QString(copy).replace("<D>", "<D>/no") + "<D>/no: " + noFile},
            {"no browser folder", "Y", "<D>", "rm D/PSP/SYSTEM/BROWSER",
             notPsp.arg("<D>/PSP/SYSTEM/BROWSER")},
            {"PSP is a link", "Y", "<D>", "link D/PSP E; mkdir E/SYSTEM/BROWSER",
             copy + "<D>/PSP" + link},
            {"COMMON is a link", "Y", "<D>", "link D/PSP/COMMON O", copy + "<D>/PSP/COMMON" + link},
            {"Orvex is a link", "Y", "<D>", "link $O O", copy + "<O>" + link},
            {"a file in Orvex is a link", "Y", "<D>", "link $O/index.html O/bookmarks.html",
             copy + "<O>/index.html" + link},
            {"a folder where a file goes", "Y", "<D>", "rm $O/index.html; mkdir $O/index.html",
             copy + "<O>/index.html: is not a regular file"},
            {"bookmarks a link", "Y", "<D>", "link $B O/bookmarks.html", add + "<B>" + link},
            {"bookmarks a pipe", "Y", "<D>", "fifo $B", add + "<B>: is not a regular file"},
            {"payload missing", "Y", "<D>", "rm A/Orvex", copy + "<A>/Orvex: " + noFile},
            {"payload holds a link to a folder", "Y", "<D>", "link A/Orvex/more O",
             copy + "<A>/Orvex/more: links to folders are not copied"},
            {"payload holds a special file", "Y", "<D>", "link A/Orvex/null /dev/null",
             copy + "<A>/Orvex/null: not a regular file or folder"},
            {"drive inside the payload", "Y", "<A>/Orvex", "mkdir A/Orvex/PSP/SYSTEM/BROWSER",
             "The Orvex folder could not be copied to "
             "<A>/Orvex/PSP/COMMON/.\r\n<A>/Orvex/PSP/COMMON/: The destination lies inside the "
             "folder being copied."},
            {"chosen page begins with an empty line", "YY", "<D>", "write A/pass.html \r\nx",
             page.arg("pass.html")},
            {"chosen page missing", "YN", "<D>", "rm A/nopass.html", page.arg("nopass.html")},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << row.answers << row.drive << row.spoil << row.reason;
    }

    // Each refusal is reported in a critical box before the bookmark is touched and leaves
    // the program running; nothing outside the drive changes, and before the second question
    // nothing on the drive changes either.
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
        QCOMPARE(presenter.described(),
                 questionsFor(answers)
                     << box("Installation failed.\r\n" + reason, MessageIcon::Critical));
        QCOMPARE(snapshot(path("O")), outside);
        if (answers.size() == 1)
            QCOMPARE(snapshot(path("D")), stick);
    }

    // A cancelled copy keeps what was there, adds no bookmark and asks nothing more.
    void cancelStopsBetweenFiles()
    {
        const QByteArray bookmarks = testfiles::read(path("D/PSP/SYSTEM/BROWSER/bookmarks.html"));
        RecordingMessagePresenter messages(answersFrom("Y"));
        int endings = 0;
        const CopyRunner cancelAtOnce = [](const CopyJob &job, qint64) {
            const std::atomic<bool> cancel = true;
            return job({}, &cancel);
        };

        const InstallOutcome outcome =
            runInstall({path("A"), path("D"), messages, [&] { ++endings; }, cancelAtOnce});

        QCOMPARE(outcome, InstallOutcome::Cancelled);
        QCOMPARE(endings, 0);
        QCOMPARE(messages.described(),
                 questionsFor("Y") << box("Installation cancelled.\r\nNo bookmark was added; the "
                                          "files copied so far stay in " +
                                              path("D") + "/PSP/COMMON/Orvex.",
                                          MessageIcon::Warning));
        QCOMPARE(testfiles::read(path("D/PSP/COMMON/Orvex/index.html")), QByteArray(5000, 'o'));
        QCOMPARE(testfiles::read(path("D/PSP/SYSTEM/BROWSER/bookmarks.html")), bookmarks);
    }

    void addsBookmarkLine_data()
    {
        QTest::addColumn<QByteArray>("before"); // null: no file
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("alreadyPresent");
        QTest::newRow("missing file") << QByteArray() << QByteArray("<DT>new\r\n") << false;
        QTest::newRow("ends with a lone LF")
            << QByteArray("a\n") << QByteArray("a\n<DT>new\r\n") << false;
        QTest::newRow("ends with a lone CR")
            << QByteArray("a\r") << QByteArray("a\r<DT>new\r\n") << false;
        QTest::newRow("no final line end")
            << QByteArray("a") << QByteArray("a\r\n<DT>new\r\n") << false;
        QTest::newRow("last line, no line end")
            << QByteArray("a\r\n<DT>new") << QByteArray("a\r\n<DT>new") << true;
        QTest::newRow("a lone CR after it")
            << QByteArray("<DT>new\ra") << QByteArray("<DT>new\ra") << true;
    }

    void addsBookmarkLine()
    {
        QFETCH(QByteArray, before);
        QVERIFY(before.isNull() || testfiles::write(path("B/bookmarks.html"), before));
        QVERIFY(QDir().mkpath(path("B")));
        FileResult opened;
        const stick::Folder browser = stick::Folder::openRoot(path("B"), opened);
        bool alreadyPresent = false;

        const FileResult result =
            addBookmarkLine(browser, "bookmarks.html", "<DT>new", alreadyPresent);

        QVERIFY2(result.ok, qPrintable(result.reason));
        QTEST(testfiles::read(path("B/bookmarks.html")), "after");
        QTEST(alreadyPresent, "alreadyPresent");
    }

    // A reinstall that fills the drive leaves the old file, never a part of the new one.
    void copyOnAFullDeviceKeepsTheOldFile()
    {
        SizeLimitedDevice device(64 * 1024);
        if (!device.isMounted())
            QSKIP(qPrintable(device.whyNot()));
        QVERIFY(testfiles::write(path("Big/big.bin"), QByteArray(256 * 1024, 'b')));
        QVERIFY(testfiles::write(device.path() + "/Orvex/big.bin", "old"));
        CopyPlan plan;
        QVERIFY(planCopy(path("Big"), plan).ok);
        FileResult opened;
        const stick::Folder drive = stick::Folder::openRoot(device.path(), opened);

        const FileResult result = copyTree(plan, drive, "Orvex", {});

        QCOMPARE(result.reason, device.path() + "/Orvex/big.bin: " + systemText(ENOSPC));
        QCOMPARE(snapshot(device.path()), (Tree{{"Orvex/", {}}, {"Orvex/big.bin", "old"}}));
    }

    void addRefusedPartWayRestoresTheFile_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("existing file is cut back") << QByteArray("<DT>one\r\n<DT>two");
        QTest::newRow("created file is removed") << QByteArray();
    }

    // A file size limit lets part of the line in, then the system refuses (no root needed):
    // the file is restored and the system's own reason reported.
    void addRefusedPartWayRestoresTheFile()
    {
        QFETCH(QByteArray, before);
        QVERIFY(QDir().mkpath(path("B")));
        QVERIFY(before.isNull() || testfiles::write(path("B/bookmarks.html"), before));
        FileResult opened;
        const stick::Folder browser = stick::Folder::openRoot(path("B"), opened);
        bool alreadyPresent = false;
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
        const rlimit limit{rlim_t(before.size() + 4), old.rlim_max};
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);

        const FileResult result =
            addBookmarkLine(browser, "bookmarks.html", "<DT>new", alreadyPresent);

        ::setrlimit(RLIMIT_FSIZE, &old);
        QCOMPARE(result.reason, path("B/bookmarks.html") + ": " + systemText(EFBIG));
        QCOMPARE(QFile::exists(path("B/bookmarks.html")), !before.isNull());
        QCOMPARE(testfiles::read(path("B/bookmarks.html")),
                 before.isNull() ? QByteArray() : before);
    }
};

QTEST_GUILESS_MAIN(InstallTest)
#include "tst_install.moc"
