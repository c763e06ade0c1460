// The install's writes, flushes and renames in their order, and what a failed
// or cancelled step leaves, on a stick in memory that can fail any call.
#include "fakestick.h"
#include "installprocedure.h"
#include "recordingmessagepresenter.h"

#include <QtTest>
#include <cerrno>

using namespace orvex;
Q_DECLARE_METATYPE(StickProgress::Phase)

namespace {

// The calls that write or flush, with short names: O the installed Orvex
// folder, B the bookmarks file, D the drive.
QStringList writesAndFlushes(const QStringList &calls)
{
    QStringList shown;
    for (QString call : calls) {
        call.replace("/D/PSP/COMMON/Orvex", "O")
            .replace("/D/PSP/SYSTEM/BROWSER/bookmarks.html", "B")
            .replace("/D", "D");
        shown.append(call);
    }
    return shown;
}

int flushes(const QStringList &calls)
{
    return int(calls.filter(QRegularExpression("^(fsync|syncfs) ")).size());
}

} // namespace

class TransactionTest : public QObject
{
    Q_OBJECT

    FakeStick m_stick;

    InstallOutcome install(RecordingMessagePresenter &messages, const StickRunner &runner = {})
    {
        m_stick.calls.clear();
        return runInstall({"/A", "/D", messages, {}, runner, &m_stick});
    }

private slots:
    void init()
    {
        m_stick = FakeStick();
        m_stick.addFile("/A/nopass.html", "<DT>open\r\n");
        m_stick.addFile("/A/pass.html", "<DT>lock\r\n");
        m_stick.addFile("/A/Orvex/index.html", "index");
        m_stick.addFile("/A/Orvex/css/site.css", "css");
        m_stick.addFile("/D/PSP/SYSTEM/BROWSER/bookmarks.html", "<DL>\r\n");
    }

    void order_data()
    {
        QTest::addColumn<bool>("userSpace");
        QTest::addColumn<QStringList>("calls");
        const QStringList made = {"mkdir D/PSP/COMMON", "mkdir O", "mkdir O/css"};
        const QStringList bookmark = {"write B", "fsync B", "close B"};
        const auto written = [](const QString &file, bool flushed) {
            const QString part = file + ".orvex-part";
            return flushed ? QStringList{"create " + part, "write " + part, "fsync " + part,
                                         "close " + part}
                           : QStringList{"create " + part, "write " + part, "close " + part};
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
        m_stick.userSpace = userSpace;
        RecordingMessagePresenter messages({MessageAnswer::Yes, MessageAnswer::No});
        QCOMPARE(install(messages), InstallOutcome::Completed);
        QTEST(writesAndFlushes(m_stick.calls), "calls");
        QVERIFY(!m_stick.locked);
    }

    // On a kernel file system the flushes do not grow with the number of files.
    void flushesStayFewWithManyFiles()
    {
        for (int i = 0; i < 200; ++i)
            m_stick.addFile(QString("/A/Orvex/many/f%1.html").arg(i), "x");
        m_stick.nodes.remove("/D/PSP/SYSTEM/BROWSER/bookmarks.html");
        RecordingMessagePresenter messages({MessageAnswer::Yes, MessageAnswer::Yes});
        QCOMPARE(install(messages), InstallOutcome::Completed);
        // syncfs and the root twice, the new bookmarks file and its folder.
        QCOMPARE(flushes(m_stick.calls), 6);
    }

    // While another install holds the drive nothing is written, and its lock stays.
    void lockHeldByAnother()
    {
        m_stick.locked = true;
        RecordingMessagePresenter messages({MessageAnswer::Yes});
        QCOMPARE(install(messages), InstallOutcome::Failed);
        QCOMPARE(messages.requests().last().text,
                 "Installation failed.\r\nAnother installation onto this drive is running.\r\n"
                 "Nothing on the stick was changed.");
        QVERIFY(m_stick.calls.isEmpty() && m_stick.locked);
    }

    void failures_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("stickState");
        QTest::addColumn<bool>("unchanged"); // the drive's tree as before
        const QString nothing = "Nothing on the stick was changed.";
        QTest::newRow("making a folder")
            << "mkdir /D/PSP/COMMON/Orvex/css" << EACCES << nothing << true;
        QTest::newRow("writing a file")
            << "write /D/PSP/COMMON/Orvex/css/site.css.orvex-part" << ENOSPC << nothing << true;
        QTest::newRow("flushing before the renames") << "syncfs /D" << EIO << nothing << true;
        QTest::newRow("a rename") << "rename /D/PSP/COMMON/Orvex/css/site.css.orvex-part" << EIO
                                  << "1 of the 2 files were updated before the failure: index.html."
                                  << false;
        QTest::newRow("flushing the bookmark")
            << "fsync /D/PSP/SYSTEM/BROWSER/bookmarks.html" << EIO
            << "The Orvex folder on the stick was updated; no bookmark was added." << false;
    }

    // A failure before the renames leaves the drive as it was; later ones say what changed.
    // The bookmarks file keeps its bytes either way.
    void failures()
    {
        QFETCH(QString, failing);
        QFETCH(int, error);
        QFETCH(QString, stickState);
        QFETCH(bool, unchanged);
        m_stick.failing.insert(failing, error);
        const auto before = m_stick.tree("/D");
        RecordingMessagePresenter messages({MessageAnswer::Yes, MessageAnswer::No});

        QCOMPARE(install(messages), InstallOutcome::Failed);

        const QString told = messages.requests().last().text;
        QVERIFY2(told.startsWith("Installation failed.\r\n") &&
                     told.contains(failing.section(' ', 1) + ": " + systemText(error)) &&
                     told.endsWith("\r\n" + stickState),
                 qPrintable(told));
        const auto after = m_stick.tree("/D");
        QCOMPARE(after == before, unchanged);
        QCOMPARE(after.value("PSP/SYSTEM/BROWSER/bookmarks.html"), "<DL>\r\n");
        QVERIFY(!m_stick.locked);
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
        const auto before = m_stick.tree("/D");
        RecordingMessagePresenter messages({MessageAnswer::Yes, MessageAnswer::No});
        std::atomic<bool> cancel = false;
        const StickRunner cancelIn = [&](const StickJob &job) {
            return job([&](const StickProgress &progress) { cancel = progress.phase == phase; },
                       cancel);
        };

        QCOMPARE(install(messages, cancelIn), InstallOutcome::Cancelled);

        QTEST(messages.requests().last().text, "told");
        const auto after = m_stick.tree("/D");
        QCOMPARE(after == before, phase == StickProgress::Phase::Copying);
        QCOMPARE(after.contains("PSP/COMMON/Orvex/css/site.css"),
                 phase == StickProgress::Phase::Writing);
        QCOMPARE(after.value("PSP/SYSTEM/BROWSER/bookmarks.html"), "<DL>\r\n");
    }
};

QTEST_GUILESS_MAIN(TransactionTest)
#include "tst_transaction.moc"
