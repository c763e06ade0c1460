#include "applicationfolder.h"
#include "drivelist.h"
#include "frm_skinnedform.h"
#include "recordingmessagepresenter.h"
#include "skin.h"

#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windowHasItsDesign();
    void controlsHaveTheirGeometryAndTexts_data();
    void controlsHaveTheirGeometryAndTexts();
    void cancelLiesInFrontOfTheSkin();
    void loadHandlerConfiguresAndAttachesTheSkin();
    void cancelEndsTheProgram();
    void installRunsTheProcedureOnTheSelectedDrive();
    void extraDrivesComeLastAndTheFirstIsSelected();
    void driveListLeavesOutPseudoFileSystems_data();
    void driveListLeavesOutPseudoFileSystems();

private:
    QTemporaryDir m_settings;
};

void MainWindowTest::initTestCase()
{
    QVERIFY(m_settings.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
}

void MainWindowTest::windowHasItsDesign()
{
    Frm_SkinnedForm window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvex Tessary"));
    QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(window.size(), QSize(410, 210)); // 6150 x 3150 twips
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(window.windowIcon().availableSizes().value(0), QSize(64, 64));
}

void MainWindowTest::controlsHaveTheirGeometryAndTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::newRow("Picture2") << "Picture2"
                              << "Frm_SkinnedForm" << QRect(208, 136, 97, 49) << QString();
    QTest::newRow("Picture1") << "Picture1"
                              << "Skin1" << QRect(304, 136, 105, 49) << QString();
    QTest::newRow("Drive1") << "Drive1"
                            << "Skin1" << QRect(16, 96, 289, 24) << QString();
    QTest::newRow("Label5") << "Label5"
                            << "Skin1" << QRect(136, 192, 273, 17)
                            << "Orvex Tessary installer " ORVEX_VERSION;
    QTest::newRow("Label4") << "Label4"
                            << "Skin1" << QRect(16, 64, 289, 17)
                            << "3. Press Install to begin installation!";
    QTest::newRow("Label3") << "Label3"
                            << "Skin1" << QRect(16, 48, 297, 25)
                            << "2. Select the drive your PSP is connected to.";
    QTest::newRow("Label1") << "Label1"
                            << "Skin1" << QRect(16, 32, 241, 17) << "1. Connect PSP in USB Mode.";
}

void MainWindowTest::controlsHaveTheirGeometryAndTexts()
{
    QFETCH(QString, name);
    Frm_SkinnedForm window;
    auto *control = window.findChild<QWidget *>(name);
    QVERIFY(control);
    QTEST(control->parentWidget()->objectName(), "parent");
    QTEST(control->geometry(), "geometry");
    QFETCH(QString, text);
    if (!text.isEmpty())
        QCOMPARE(qobject_cast<QLabel *>(control)->text(), text);
}

void MainWindowTest::cancelLiesInFrontOfTheSkin()
{
    Frm_SkinnedForm window;
    auto *cancel = window.findChild<QWidget *>(QStringLiteral("Picture2"));
    QCOMPARE(window.childAt(cancel->geometry().center()), cancel);
    QVERIFY(!qobject_cast<QLabel *>(cancel)->pixmap().isNull());
    QCOMPARE(qobject_cast<QLabel *>(cancel)->pixmap().size(), QSize(100, 50));
}

void MainWindowTest::loadHandlerConfiguresAndAttachesTheSkin()
{
    Frm_SkinnedForm window;
    auto *skin1 = window.findChild<Skin *>(QStringLiteral("Skin1"));
    QVERIFY(skin1);
    QVERIFY(skin1->isAttached());
    QCOMPARE(skin1->host(), &window);
    QCOMPARE(skin1->geometry(), QRect(0, 0, 410, 210));
    QCOMPARE(skin1->caption(), QStringLiteral("Orvex Tessary"));
    QCOMPARE(skin1->buttonMax(), false);
    QCOMPARE(skin1->buttonMin(), true);
    QCOMPARE(skin1->rememberSkin(), true);
    QCOMPARE(skin1->menuVisible(), false);
    // No maximise button: the minimise button takes its place (W = 6150 twips).
    QVERIFY(!skin1->buttonSpans().maximise.present());
    QCOMPARE(skin1->buttonSpans().minimise, (orvex::framelayout::ButtonSpan{5640, 5820}));
    // The stored skin has square corners: no rounded window.
    QCOMPARE(skin1->skin().pixel(0, 14) & 0xffffff, 0xffffffu);
    QVERIFY(!skin1->isRounded());
    QVERIFY(window.mask().isEmpty());
    // A double-click on the caption does not maximise (ButtonMax off).
    auto *titleBar = skin1->findChild<QWidget *>(QStringLiteral("TitleBar"));
    QTest::mouseDClick(titleBar, Qt::LeftButton, {}, QPoint(200, 10));
    QVERIFY(!window.windowState().testFlag(Qt::WindowMaximized));
}

void MainWindowTest::cancelEndsTheProgram()
{
    Frm_SkinnedForm window;
    int ends = 0;
    window.setEndProgram([&ends] { ++ends; });
    RecordingMessagePresenter messages;
    window.setMessagePresenter(&messages);
    QTest::mouseClick(window.findChild<QWidget *>(QStringLiteral("Picture2")), Qt::LeftButton);
    QCOMPARE(ends, 1);
    QVERIFY(messages.requests().isEmpty());
}

void MainWindowTest::installRunsTheProcedureOnTheSelectedDrive()
{
    QTemporaryDir application;
    QTemporaryDir device;
    orvex::ApplicationFolder::setPath(application.path());
    Frm_SkinnedForm window({device.path()});
    int ends = 0;
    window.setEndProgram([&ends] { ++ends; });
    RecordingMessagePresenter messages({orvex::MessageAnswer::No});
    window.setMessagePresenter(&messages);
    QTest::mouseClick(window.findChild<QWidget *>(QStringLiteral("Picture1")), Qt::LeftButton);
    orvex::ApplicationFolder::reset();
    QCOMPARE(messages.requests().size(), 1);
    QCOMPARE(messages.requests().front().text,
             QStringLiteral("Are you sure you want to install Orvex Tessary?"));
    QCOMPARE(ends, 0);
    QVERIFY(!QFileInfo::exists(device.filePath(QStringLiteral("PSP"))));
}

void MainWindowTest::extraDrivesComeLastAndTheFirstIsSelected()
{
    const DriveList list({QStringLiteral("/"), QStringLiteral("/media/a")},
                         {QStringLiteral("/tmp/stick"), QStringLiteral("/tmp/other")});
    QCOMPARE(list.count(), 4);
    QCOMPARE(list.itemData(2).toString(), QStringLiteral("/tmp/stick"));
    QCOMPARE(list.currentDrive(), QStringLiteral("/tmp/stick"));

    const DriveList plain({QStringLiteral("/")}, {});
    QCOMPARE(plain.currentDrive(), QStringLiteral("/"));
}

void MainWindowTest::driveListLeavesOutPseudoFileSystems_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<bool>("listed");
    QTest::newRow("vfat") << QByteArray("vfat") << true;
    QTest::newRow("exfat") << QByteArray("exfat") << true;
    QTest::newRow("ext4") << QByteArray("ext4") << true;
    QTest::newRow("tmpfs") << QByteArray("tmpfs") << false;
    QTest::newRow("proc") << QByteArray("proc") << false;
    QTest::newRow("sysfs") << QByteArray("sysfs") << false;
    QTest::newRow("devtmpfs") << QByteArray("devtmpfs") << false;
    QTest::newRow("cgroup2") << QByteArray("cgroup2") << false;
    QTest::newRow("unknown") << QByteArray() << false;
}

void MainWindowTest::driveListLeavesOutPseudoFileSystems()
{
    QFETCH(QByteArray, type);
    QTEST(orvex::drives::isStorageFileSystem(type), "listed");
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
