// The install's writes, flushes and renames in their order, and what a failed
// or cancelled step leaves, on a stick that can fail any call.
#include "fakestick.h"
#include "installprocedure.h"
#include "passcode.h"
#include "recordingmessagepresenter.h"
#include "removal.h"
#include "testfiles.h"

#include <QtTest>
#include <cerrno>

using namespace orvex;
Q_DECLARE_METATYPE(StickProgress::Phase)

class TransactionTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakeStick> m_stick;
    std::unique_ptr<RecordingMessagePresenter> m_messages;

    InstallOutcome install(QList<MessageAnswer> answers, const StickRunner &runner = {},
                           QList<std::optional<QString>> passcodes = {})
    {
        m_stick->calls.clear();
        m_messages = std::make_unique<RecordingMessagePresenter>(answers);
        InstallEnvironment environment{"/A", "/D", *m_messages, {}, runner, m_stick.get()};
        if (!passcodes.isEmpty())
            environment.choosePasscode = [&](const QString &) {
                return passcodes.takeFirst();
            };
        return runInstall(environment);
    }
    QString told() const { return m_messages->requests().last().text; }
    QMap<QString, QByteArray> drive() const { return testfiles::snapshot(m_stick->real("/D")); }
    bool add(const QString &path, const QByteArray &bytes)
    {
        return testfiles::write(m_stick->real(path), bytes);
    }
    // True when nothing holds the drive's lock.
    bool unlocked() const
    {
        auto root = stick::systemFileSystem().openRoot(m_stick->real("/D"));
        return root.ok() && root.value()->lock().ok();
    }

private slots:
    void init()
    {
        m_stick = std::make_unique<FakeStick>();
        QVERIFY(add("/A/nopass.html", "<DT>open\r\n") && add("/A/pass.html", "<DT>lock\r\n"));
        QVERIFY(add("/A/Orvex/index.html", "index") && add("/A/Orvex/css/site.css", "css"));
        QVERIFY(add("/D/PSP/SYSTEM/BROWSER/bookmarks.html", "<DL>\r\n"));
    }

    void order_data()
    {
        QTest::addColumn<bool>("userSpace");
        QTest::addColumn<QStringList>("calls"); // O the installed Orvex folder, B the bookmarks
        const QStringList made = {"mkdir D/PSP/COMMON", "mkdir O", "mkdir O/css"};
        const QStringList bookmark = {"write B", "fsync B", "close B"};
        const auto written = [](const QString &file, bool flushed) {
            const QString part = file + ".orvex-part";
            return QStringList{"create " + part, "write " + part} +
                   (flushed ? QStringList{"fsync " + part} : QStringList()) +
                   QStringList{"close " + part};
        };
        const QStringList renamed = {"rename O/index.html.orvex-part",
                                     "rename O/css/site.css.orvex-part"};
        QTest::newRow("kernel file system: the whole file system flushed, then the root")
            << false
            << made + written("O/index.html", false) + written("O/css/site.css", false) +
                   QStringList{"syncfs D", "fsync D"} + renamed +
                   QStringList{"syncfs D", "fsync D"} + bookmark;
        QTest::newRow("user-space file system: each file, then each folder changed")
            << true
            << made + written("O/index.html", true) + written("O/css/site.css", true) +
                   QStringList{"fsync D"} + renamed +
                   QStringList{"fsync O/css", "fsync O", "fsync D/PSP/COMMON", "fsync D/PSP",
                               "fsync D"} +
                   bookmark;
    }

    // Every file is on the device before any is renamed into place, and every rename
    // before the bookmark.
    void order()
    {
        QFETCH(bool, userSpace);
        m_stick->userSpace = userSpace;
        QCOMPARE(install({MessageAnswer::Yes, MessageAnswer::No}), InstallOutcome::Completed);
        QStringList calls = m_stick->calls;
        calls.replaceInStrings("/D/PSP/COMMON/Orvex", "O")
            .replaceInStrings("/D/PSP/SYSTEM/BROWSER/bookmarks.html", "B")
            .replaceInStrings("/D", "D");
        QTEST(calls, "calls");
        QVERIFY(unlocked());
    }

    // On a kernel file system the flushes do not grow with the number of files: syncfs
    // and the root twice, the new bookmarks file and its folder.
    void flushesStayFewWithManyFiles()
    {
        for (int i = 0; i < 200; ++i)
            QVERIFY(add(QString("/A/Orvex/many/f%1.html").arg(i), "x"));
        QVERIFY(QFile::remove(m_stick->real("/D/PSP/SYSTEM/BROWSER/bookmarks.html")));
        QCOMPARE(install({MessageAnswer::Yes, MessageAnswer::Yes}), InstallOutcome::Completed);
        QCOMPARE(m_stick->calls.filter(QRegularExpression("^(fsync|syncfs) ")).size(), 6);
    }

    // A cancelled passcode asks the question again, and so does an invalid one.
    void asksForThePasscodeUntilValid()
    {
        QCOMPARE(
            install(QList<MessageAnswer>(4, MessageAnswer::Yes), {}, {std::nullopt, "12", "2468"}),
            InstallOutcome::Completed);
        QCOMPARE(m_messages->described().filter("password protection").size(), 3);
        QCOMPARE(drive().value("PSP/COMMON/Orvex/passcode.js"), passcode::fileText("2468"));
    }

    // While another install holds the drive nothing is written.
    void lockHeldByAnother()
    {
        auto another = stick::systemFileSystem().openRoot(m_stick->real("/D"));
        QVERIFY(another.ok() && another.value()->lock().ok());
        QCOMPARE(install({MessageAnswer::Yes}), InstallOutcome::Failed);
        QCOMPARE(told(), "Installation failed.\r\nAnother installation onto this drive is running."
                         "\r\nNothing on the stick was changed.");
        QVERIFY(m_stick->calls.isEmpty());
    }

    void failures_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("moreFiles"); // in the payload, before index.html
        QTest::addColumn<QString>("stuck"); // a folder the undo can't remove
        QTest::addColumn<QString>("stickState");
        const QString nothing = "Nothing on the stick was changed.";
        const QString sitePart = "/D/PSP/COMMON/Orvex/css/site.css.orvex-part";
        const auto row = [](const char *name, const QString &failing, int error, int moreFiles,
                            const QString &stuck, const QString &stickState) {
            QTest::newRow(name) << failing << error << moreFiles << stuck << stickState;
        };
        row("making a folder", "mkdir /D/PSP/COMMON/Orvex/css", EACCES, 0, {}, nothing);
        row("writing a file", "write " + sitePart, ENOSPC, 0, {}, nothing);
        row("writing a file, then a folder left", "write " + sitePart, ENOSPC, 0,
            "/D/PSP/COMMON/Orvex/css",
            "Some files the installer wrote could not be removed: /D/PSP/COMMON/Orvex/css: " +
                systemText(ENOTEMPTY));
        row("flushing before the renames", "syncfs /D", EIO, 0, {}, nothing);
        row("a rename after ten files", "rename " + sitePart, EIO, 9, {},
            "10 of the 11 files were updated before the failure: f01, f02, f03, f04, f05, f06, "
            "f07, f08, f09, index.html.");
        row("a rename after more", "rename " + sitePart, EIO, 12, {},
            "13 of the 14 files were updated before the failure: f01, f02, f03, f04, f05, f06, "
            "f07, f08, f09, f10 and 3 more.");
        row("flushing the bookmark", "fsync /D/PSP/SYSTEM/BROWSER/bookmarks.html", EIO, 0, {},
            "The Orvex folder on the stick was updated; no bookmark was added.");
    }

    // A failure before the renames leaves the drive as it was; later ones say what changed.
    // The bookmarks file keeps its bytes either way.
    void failures()
    {
        QFETCH(QString, failing);
        QFETCH(int, error);
        QFETCH(int, moreFiles);
        QFETCH(QString, stuck);
        QFETCH(QString, stickState);
        for (int i = 1; i <= moreFiles; ++i)
            QVERIFY(add(QString("/A/Orvex/f%1").arg(i, 2, 10, QChar('0')), "x"));
        m_stick->failing.insert(failing, error);
        if (!stuck.isEmpty())
            m_stick->failing.insert("rmdir " + stuck, ENOTEMPTY);
        const auto before = drive();

        QCOMPARE(install({MessageAnswer::Yes, MessageAnswer::No}), InstallOutcome::Failed);

        QVERIFY2(told().startsWith("Installation failed.\r\n") &&
                     told().contains(failing.section(' ', 1) + ": " + systemText(error)) &&
                     told().endsWith("\r\n" + stickState),
                 qPrintable(told()));
        QCOMPARE(drive() == before, stickState == "Nothing on the stick was changed.");
        QCOMPARE(drive().value("PSP/SYSTEM/BROWSER/bookmarks.html"), "<DL>\r\n");
        QVERIFY(unlocked());
    }

    // A removal that fails once the bookmark is out says so.
    void removalFailingAfterTheBookmark()
    {
        QVERIFY(add("/D/PSP/COMMON/Orvex/index.html", "old"));
        QVERIFY(add("/D/PSP/SYSTEM/BROWSER/bookmarks.html", "<DL>\r\n<DT>open\r\n"));
        m_stick->failing.insert("unlink /D/PSP/COMMON/Orvex/index.html", EIO);
        m_messages = std::make_unique<RecordingMessagePresenter>(QList{MessageAnswer::Yes});
        QCOMPARE(runRemoval({"/A", "/D", *m_messages, {}, {}, m_stick.get()}),
                 InstallOutcome::Failed);
        QVERIFY2(told().startsWith("Removal failed.\r\nThe Orvex folder could not be removed") &&
                     told().endsWith("\r\nThe Orvex bookmark was taken out; PSP/COMMON/Orvex "
                                     "stays, in part or whole."),
                 qPrintable(told()));
    }

    void cancel_data()
    {
        QTest::addColumn<StickProgress::Phase>("phase");
        QTest::addColumn<QString>("told");
        QTest::newRow("while copying: everything taken back")
            << StickProgress::Phase::Copying
            << "Installation cancelled.\r\nNothing on the stick was changed.";
        QTest::newRow("while renaming: takes effect once every file is in place")
            << StickProgress::Phase::Writing
            << "Installation cancelled.\r\nThe Orvex folder on the stick was updated; no "
               "bookmark was added.";
    }

    // A cancel stops the copy between files; during the renames it waits for them.
    void cancel()
    {
        QFETCH(StickProgress::Phase, phase);
        const auto before = drive();
        std::atomic<bool> cancel = false;
        const StickRunner cancelIn = [&](const StickJob &job) {
            return job([&](const StickProgress &progress) { cancel = progress.phase == phase; },
                       cancel);
        };

        QCOMPARE(install({MessageAnswer::Yes, MessageAnswer::No}, cancelIn),
                 InstallOutcome::Cancelled);

        QTEST(told(), "told");
        const auto after = drive();
        QCOMPARE(after == before, phase == StickProgress::Phase::Copying);
        QCOMPARE(after.contains("PSP/COMMON/Orvex/css/site.css"),
                 phase == StickProgress::Phase::Writing);
        QCOMPARE(after.value("PSP/SYSTEM/BROWSER/bookmarks.html"), "<DL>\r\n");
    }
};

QTEST_GUILESS_MAIN(TransactionTest)
#include "tst_transaction.moc"
