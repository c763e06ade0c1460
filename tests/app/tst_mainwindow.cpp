#include "drivelist.h"
#include "frm_skinnedform.h"
#include "skinhost.h"
#include "stickjobrunner.h"
#include "testfiles.h"

#include <OrvexSkin/skin.h>
#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <thread>

// The window's wiring only; the install rules are tested on the core library.
class MainWindowTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    RecordingMessagePresenter m_messages; // answers Yes, then No
    int m_endings = 0;

    // Clicks a picture of a window over a temporary application folder A and drive D.
    void click(const char *picture)
    {
        Frm_SkinnedForm window({m_folder.filePath("D")});
        window.setApplicationFolder(m_folder.filePath("A"));
        window.setMessagePresenter(&m_messages);
        window.setEndProgram([this] { ++m_endings; });
        QTest::mouseClick(window.findChild<QWidget *>(picture), Qt::LeftButton);
    }

private slots:
    void init()
    {
        skinhost::isolateSettings(m_folder.filePath("settings"));
        m_messages =
            RecordingMessagePresenter({orvex::MessageAnswer::Yes, orvex::MessageAnswer::No});
        m_endings = 0;
    }

    void installRunsTheProcedureOnTheChosenDrive()
    {
        QVERIFY(testfiles::write(m_folder.filePath("A/Orvex/index.html"), "index"));
        QVERIFY(testfiles::write(m_folder.filePath("A/nopass.html"), "<DT>open\r\n"));
        QVERIFY(testfiles::write(m_folder.filePath("A/pass.html"), "<DT>lock\r\n"));
        QVERIFY(QDir().mkpath(m_folder.filePath("D/PSP/SYSTEM/BROWSER")));
        click("Picture1");
        QCOMPARE(m_endings, 1);
        QCOMPARE(testfiles::read(m_folder.filePath("D/PSP/SYSTEM/BROWSER/bookmarks.html")),
                 "<DT>open\r\n");
    }

    void cancelEndsAtOnce()
    {
        click("Picture2");
        QCOMPARE(m_endings, 1);
        QVERIFY(m_messages.requests().isEmpty());
    }

    void attachesSkin1WithoutMaximise()
    {
        Frm_SkinnedForm window;
        auto *skin1 = window.findChild<Skin *>("Skin1");
        QVERIFY(skin1->isAttached());
        QTest::mouseDClick(skin1->findChild<QWidget *>("TitleBar"), Qt::LeftButton, {}, {200, 10});
        QVERIFY(!window.windowState().testFlag(Qt::WindowMaximized));
    }

    // Tab reaches the drive list, Install and Cancel in turn; Enter on Install installs and
    // Escape does what Cancel does.
    void keyboardDrivesThePictures()
    {
        QVERIFY(testfiles::write(m_folder.filePath("A/Orvex/index.html"), "index"));
        QVERIFY(testfiles::write(m_folder.filePath("A/nopass.html"), "<DT>open\r\n"));
        QVERIFY(testfiles::write(m_folder.filePath("A/pass.html"), "<DT>lock\r\n"));
        QVERIFY(QDir().mkpath(m_folder.filePath("D/PSP/SYSTEM/BROWSER")));
        Frm_SkinnedForm window({m_folder.filePath("D")});
        window.setApplicationFolder(m_folder.filePath("A"));
        window.setMessagePresenter(&m_messages);
        window.setEndProgram([this] { ++m_endings; });
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QStringList order = {QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"Drive1", "Picture1", "Picture2", "Drive1"}));
        QTest::keyClick(window.findChild<QWidget *>("Picture1"), Qt::Key_Return);
        QCOMPARE(m_endings, 1);
        QCOMPARE(testfiles::read(m_folder.filePath("D/PSP/SYSTEM/BROWSER/bookmarks.html")),
                 "<DT>open\r\n");
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(m_endings, 2);
    }

    // A copy that lasts shows its progress after half a second; Cancel stops it.
    void progressDialogShowsAndCancels()
    {
        QWidget window;
        const orvex::StickJob job = [](const orvex::ProgressCallback &progress,
                                       const std::atomic<bool> &cancel) {
            progress({orvex::StickProgress::Phase::Copying, 1, 4, 250, 1000, "big.bin"});
            while (!cancel.load())
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            return orvex::Status::cancelled();
        };
        QProgressDialog *seen = nullptr;
        QTimer::singleShot(900, [&] {
            seen = window.findChild<QProgressDialog *>("CopyProgress");
            QVERIFY(seen && seen->isVisible());
            QCOMPARE(seen->windowTitle(), "Orvex Tessary");
            QCOMPARE(seen->labelText(), "Copying Orvex/big.bin");
            QCOMPARE(seen->value(), 250);
            QTest::mouseClick(seen->findChild<QPushButton *>(), Qt::LeftButton);
        });

        const orvex::Status result = orvex::runStickJob(&window, job);

        QVERIFY(result.isCancelled());
    }

    // The list follows the volumes it is given, keeping the user's choice.
    void driveListFollowsVolumes()
    {
        QList<orvex::drives::Volume> volumes = {{"/media/u/CARD", "vfat", "CARD", 1 << 30, false}};
        DriveList list([&] { return volumes; }, {"/tmp/d"});
        QCOMPARE(list.currentDrive(), "/tmp/d");
        list.setCurrentIndex(0);
        emit list.activated(0);
        volumes.prepend({"/media/u/PSP", "vfat", "", 1 << 30, true});
        list.refresh();
        QCOMPARE(list.count(), 3);
        QCOMPARE(list.currentDrive(), "/media/u/CARD");
        QCOMPARE(list.currentText(), list.itemText(1));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
