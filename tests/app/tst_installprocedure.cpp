#include "installprocedure.h"
#include "recordingmessagepresenter.h"
#include "testfiles.h"
#include "tmpfsdevice.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace orvex;
using testfiles::systemText;
using Tree = QMap<QString, QByteArray>;

namespace {

constexpr auto Yes = MessageAnswer::Yes;
constexpr auto No = MessageAnswer::No;

const QByteArray missing = "<missing>";
const QByteArray openEntry = "<DT><A HREF=\"file:/PSP/COMMON/Orvex/index.html\">Orvex Tessary</A>";
const QByteArray protectedEntry =
    "<DT><A HREF=\"file:/PSP/COMMON/Orvex/login.html\">Orvex Tessary \xa9</A>";
const QByteArray oldBookmarks = "<HTML><DL>\r\n<DT><A HREF=\"http://example.org/\">Example</A>\r\n";
const QString bookmarksPath = "PSP/SYSTEM/BROWSER/bookmarks.html";

const Tree payload = {
    {"index.html", "<html><body>Orvex\r\n</body></html>"},
    {"login.html", "<html><form></form></html>"},
    {"css/site.css", "body { margin: 0 }"},
    {"img/logo.gif", QByteArray::fromHex("47494638396101000100800000ffffff")},
};

// How the application folder and the device look before the install.
struct Scenario
{
    QList<MessageAnswer> answers = {};
    QByteArray openPage = openEntry + "\r\n<HTML><BODY>open</BODY></HTML>\r\n";
    QByteArray protectedPage = protectedEntry + "\r\n<HTML><BODY>protected</BODY></HTML>\r\n";
    bool payload = true;
    bool bareDevice = false;             // no PSP folder at all
    QByteArray bookmarks = oldBookmarks; // on a device with the browser folder
    QString drive = "<D>";
};

enum class Reach
{
    Nothing,
    Folders,
    Payload
};

// What the user sees and what the device holds afterwards; "<A>" and "<D>" in message
// texts stand for the application folder and the drive.
struct Expectation
{
    QList<MessageRequest> messages;
    InstallOutcome outcome;
    Reach reach;
    QByteArray bookmarks;
};

MessageRequest question(const QString &text)
{
    return {"Orvex Tessary", text, MessageIcon::Warning, MessageButtons::YesNo, MessageAnswer::Yes};
}

MessageRequest information(const QString &text)
{
    return {"Orvex Tessary", text, MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok};
}

MessageRequest failure(const QString &text)
{
    return {"Orvex Tessary", "Installation failed.\r\n" + text, MessageIcon::Critical,
            MessageButtons::Ok, MessageAnswer::Ok};
}

const MessageRequest confirm = question("Are you sure you want to install Orvex Tessary?");
const MessageRequest password = question("Would you like to install with password protection?");
const MessageRequest complete = information("Installation complete!\r\nThank you for using Orvex.");
const MessageRequest access =
    information("To access Orvex, simply choose the Orvex Tessary bookmark in your PSP browser's "
                "bookmark section.");

MessageRequest copyFailed(const QString &drive, const QString &reason)
{
    return failure("The Orvex folder could not be copied to " + drive + "/PSP/COMMON/.\r\n" +
                   reason);
}

MessageRequest bookmarkFailed(const QString &reason)
{
    return failure("The bookmark could not be added to <D>/PSP/SYSTEM/BROWSER/bookmarks.html.\r\n" +
                   reason);
}

MessageRequest pageMissing(const QString &page)
{
    return failure("The bookmark page <A>/" + page + " is missing or empty.");
}

const QList<MessageRequest> success = {confirm, password, complete, access};

} // namespace

Q_DECLARE_METATYPE(Scenario)
Q_DECLARE_METATYPE(Expectation)

class InstallProcedureTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void install_data();
    void install();
    void reinstallReplacesFilesAndAppendsTheEntryAgain();
    void passesCopyProgressOn();
    void reportsAFullDevice_data();
    void reportsAFullDevice();

private:
    void prepare(const Scenario &scenario, const QString &device);
    InstallOutcome run(const QList<MessageAnswer> &answers, const QString &drive,
                       const std::function<void(const CopyProgress &)> &progress = {});
    QStringList expectedMessages(const QList<MessageRequest> &messages, const QString &drive) const;

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_app;
    QString m_device;
    std::unique_ptr<RecordingMessagePresenter> m_messages;
    int m_endings = 0;
};

void InstallProcedureTest::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_app = m_root->filePath("app");
    m_device = m_root->filePath("device");
    m_endings = 0;
}

void InstallProcedureTest::prepare(const Scenario &scenario, const QString &device)
{
    for (auto it = payload.cbegin(); scenario.payload && it != payload.cend(); ++it)
        QVERIFY(testfiles::write(m_app + "/Orvex/" + it.key(), it.value()));
    if (scenario.openPage != missing)
        QVERIFY(testfiles::write(m_app + "/nopass.html", scenario.openPage));
    if (scenario.protectedPage != missing)
        QVERIFY(testfiles::write(m_app + "/pass.html", scenario.protectedPage));
    QVERIFY(QDir().mkpath(device));
    if (scenario.bareDevice)
        return;
    QVERIFY(QDir().mkpath(device + "/PSP/SYSTEM/BROWSER"));
    QVERIFY(testfiles::write(device + "/PSP/COMMON/Other/readme.txt", "another application"));
    if (scenario.bookmarks != missing)
        QVERIFY(testfiles::write(device + '/' + bookmarksPath, scenario.bookmarks));
}

InstallOutcome InstallProcedureTest::run(const QList<MessageAnswer> &answers, const QString &drive,
                                         const std::function<void(const CopyProgress &)> &progress)
{
    m_messages = std::make_unique<RecordingMessagePresenter>(answers);
    return runInstall({m_app, drive, *m_messages, [this] { ++m_endings; }, progress});
}

QStringList InstallProcedureTest::expectedMessages(const QList<MessageRequest> &messages,
                                                   const QString &drive) const
{
    QStringList lines;
    for (MessageRequest message : messages) {
        message.text.replace("<A>", m_app).replace("<D>", drive);
        lines.append(RecordingMessagePresenter::describe(message));
    }
    return lines;
}

void InstallProcedureTest::install_data()
{
    QTest::addColumn<Scenario>("scenario");
    QTest::addColumn<Expectation>("expected");
    using enum InstallOutcome;
    const QByteArray withOpen = oldBookmarks + openEntry + "\r\n";
    const QByteArray withProtected = oldBookmarks + protectedEntry + "\r\n";
    const QString noSuchFile = systemText(ENOENT);

    QTest::newRow("No") << Scenario{.answers = {No}}
                        << Expectation{{confirm}, Declined, Reach::Nothing, oldBookmarks};
    QTest::newRow("Yes then Yes") << Scenario{.answers = {Yes, Yes}}
                                  << Expectation{success, Completed, Reach::Payload, withProtected};
    QTest::newRow("Yes then No") << Scenario{.answers = {Yes, No}}
                                 << Expectation{success, Completed, Reach::Payload, withOpen};
    QTest::newRow("page with lone LF line ends")
        << Scenario{.answers = {Yes, Yes}, .protectedPage = protectedEntry + "\nsecond\n"}
        << Expectation{success, Completed, Reach::Payload, withProtected};
    QTest::newRow("page with lone CR line ends")
        << Scenario{.answers = {Yes, Yes}, .protectedPage = protectedEntry + "\rsecond\r"}
        << Expectation{success, Completed, Reach::Payload, withProtected};
    QTest::newRow("page of one line without its end")
        << Scenario{.answers = {Yes, No}, .openPage = openEntry}
        << Expectation{success, Completed, Reach::Payload, withOpen};
    QTest::newRow("bookmarks without a final line end")
        << Scenario{.answers = {Yes, No}, .bookmarks = "<DT>last entry"}
        << Expectation{success, Completed, Reach::Payload,
                       "<DT>last entry\r\n" + openEntry + "\r\n"};
    QTest::newRow("no bookmarks file yet")
        << Scenario{.answers = {Yes, Yes}, .bookmarks = missing}
        << Expectation{success, Completed, Reach::Payload, protectedEntry + "\r\n"};
    QTest::newRow("device without the browser folder")
        << Scenario{.answers = {Yes, Yes}, .bareDevice = true}
        << Expectation{
               {confirm, password, bookmarkFailed(noSuchFile)}, Failed, Reach::Payload, missing};
    QTest::newRow("missing payload folder")
        << Scenario{.answers = {Yes, Yes}, .payload = false}
        << Expectation{{confirm, copyFailed("<D>", "<A>/Orvex: " + noSuchFile)},
                       Failed,
                       Reach::Nothing,
                       oldBookmarks};
    QTest::newRow("missing payload folder on a bare device")
        << Scenario{.answers = {Yes, Yes}, .payload = false, .bareDevice = true}
        << Expectation{{confirm, copyFailed("<D>", "<A>/Orvex: " + noSuchFile)},
                       Failed,
                       Reach::Folders,
                       missing};
    QTest::newRow("chosen page missing")
        << Scenario{.answers = {Yes, Yes}, .protectedPage = missing}
        << Expectation{
               {confirm, password, pageMissing("pass.html")}, Failed, Reach::Payload, oldBookmarks};
    QTest::newRow("chosen page empty")
        << Scenario{.answers = {Yes, No}, .openPage = ""}
        << Expectation{{confirm, password, pageMissing("nopass.html")},
                       Failed,
                       Reach::Payload,
                       oldBookmarks};
    QTest::newRow("chosen page with an empty first line")
        << Scenario{.answers = {Yes, Yes}, .protectedPage = "\r\n" + protectedEntry}
        << Expectation{
               {confirm, password, pageMissing("pass.html")}, Failed, Reach::Payload, oldBookmarks};
    QTest::newRow("missing page not chosen")
        << Scenario{.answers = {Yes, No}, .protectedPage = missing}
        << Expectation{success, Completed, Reach::Payload, withOpen};
    QTest::newRow("No with both pages missing")
        << Scenario{.answers = {No}, .openPage = missing, .protectedPage = missing}
        << Expectation{{confirm}, Declined, Reach::Nothing, oldBookmarks};
    QTest::newRow("drive that is no folder")
        << Scenario{.answers = {Yes, Yes}, .drive = "<D>/nowhere"}
        << Expectation{{confirm, copyFailed("<D>/nowhere", "<D>/nowhere/PSP: " + noSuchFile)},
                       Failed,
                       Reach::Nothing,
                       oldBookmarks};
    QTest::newRow("no drive") << Scenario{.answers = {Yes, Yes}, .drive = ""}
                              << Expectation{{confirm, copyFailed("", "No drive was chosen.")},
                                             Failed,
                                             Reach::Nothing,
                                             oldBookmarks};
}

void InstallProcedureTest::install()
{
    QFETCH(Scenario, scenario);
    QFETCH(Expectation, expected);
    prepare(scenario, m_device);
    Tree device = testfiles::snapshot(m_device);
    const QString drive = QString(scenario.drive).replace("<D>", m_device);

    QCOMPARE(run(scenario.answers, drive), expected.outcome);

    QCOMPARE(m_messages->described(), expectedMessages(expected.messages, m_device));
    QCOMPARE(m_endings, expected.outcome == InstallOutcome::Completed ? 1 : 0);
    if (expected.reach != Reach::Nothing)
        device.insert(Tree{{"PSP/", {}}, {"PSP/COMMON/", {}}});
    if (expected.reach == Reach::Payload)
        device.insert(
            testfiles::placedUnder("PSP/COMMON/Orvex", testfiles::snapshot(m_app + "/Orvex")));
    device.remove(bookmarksPath);
    if (expected.bookmarks != missing)
        device.insert(bookmarksPath, expected.bookmarks);
    QCOMPARE(testfiles::snapshot(m_device), device);
}

void InstallProcedureTest::reinstallReplacesFilesAndAppendsTheEntryAgain()
{
    prepare(Scenario{}, m_device);
    QCOMPARE(run({Yes, Yes}, m_device), InstallOutcome::Completed);

    QVERIFY(testfiles::write(m_app + "/Orvex/index.html", "new"));
    QVERIFY(testfiles::write(m_app + "/Orvex/img/new.gif", "GIF89a"));
    QCOMPARE(run({Yes, No}, m_device), InstallOutcome::Completed);

    QCOMPARE(m_messages->described(), expectedMessages(success, m_device));
    QCOMPARE(m_endings, 2);
    QCOMPARE(testfiles::snapshot(m_device + "/PSP/COMMON/Orvex"),
             testfiles::snapshot(m_app + "/Orvex"));
    QCOMPARE(testfiles::read(m_device + '/' + bookmarksPath),
             oldBookmarks + protectedEntry + "\r\n" + openEntry + "\r\n");
}

void InstallProcedureTest::passesCopyProgressOn()
{
    prepare(Scenario{}, m_device);
    QStringList reports;
    run({Yes, Yes}, m_device, [&](const CopyProgress &p) {
        reports.append(
            QStringLiteral("%1/%2 %3").arg(p.filesDone).arg(p.filesTotal).arg(p.currentFile));
    });
    QCOMPARE(reports, QStringList({"0/4 css/site.css", "1/4 img/logo.gif", "2/4 index.html",
                                   "3/4 login.html", "4/4 "}));
}

void InstallProcedureTest::reportsAFullDevice_data()
{
    QTest::addColumn<bool>("fullWhileCopying");
    QTest::newRow("device fills up during the copy") << true;
    QTest::newRow("device fills up before the bookmark") << false;
}

void InstallProcedureTest::reportsAFullDevice()
{
    QFETCH(bool, fullWhileCopying);
    TmpfsDevice stick(96 * 1024);
    if (!stick.isMounted())
        QSKIP(qPrintable("no size-limited device to fill: " + stick.whyNot()));
    const QString device = stick.path();
    const QString longEntry = "<DT>" + QString(10'000, 'x');
    prepare(Scenario{.protectedPage = longEntry.toLatin1()}, device);
    if (fullWhileCopying)
        QVERIFY(testfiles::write(m_app + "/Orvex/big.bin", QByteArray(256 * 1024, 'b')));
    Tree expected = testfiles::snapshot(device);
    bool filled = false;
    const auto fillAtTheEnd = [&](const CopyProgress &p) {
        if (!fullWhileCopying && p.filesDone == p.filesTotal)
            filled = TmpfsDevice::fill(device + "/filler");
    };

    QCOMPARE(run({Yes, Yes}, device, fillAtTheEnd), InstallOutcome::Failed);

    const QString full = systemText(ENOSPC);
    Tree after = testfiles::snapshot(device);
    if (fullWhileCopying) {
        QCOMPARE(
            m_messages->described(),
            expectedMessages({confirm, copyFailed("<D>", "<D>/PSP/COMMON/Orvex/big.bin: " + full)},
                             device));
        expected.insert(Tree{{"PSP/COMMON/Orvex/", {}},
                             {"PSP/COMMON/Orvex/css/", {}},
                             {"PSP/COMMON/Orvex/img/", {}}});
    } else {
        QVERIFY(filled);
        QCOMPARE(m_messages->described(),
                 expectedMessages({confirm, password, bookmarkFailed(full)}, device));
        QVERIFY(after.remove("filler"));
        expected.insert(
            testfiles::placedUnder("PSP/COMMON/Orvex", testfiles::snapshot(m_app + "/Orvex")));
    }
    QCOMPARE(m_endings, 0);
    QCOMPARE(after, expected);
}

QTEST_GUILESS_MAIN(InstallProcedureTest)
#include "tst_installprocedure.moc"
