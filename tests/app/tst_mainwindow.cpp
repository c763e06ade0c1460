// The window's wiring only, against volumes, an install and a clock of the test's own;
// the rules are tested on the install library, and nothing here reads the machine's mounts.
#include "app/drivelist.h"
#include "app/frm_skinnedform.h"
#include "app/passcodedialog.h"
#include "app/stickjobdialog.h"
#include "app/stickjobrunner.h"
#include "recordingdiskservice.h"
#include "skinhost.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <thread>

using namespace Qt::StringLiterals;

using orvex::DriveList;
using orvex::Frm_SkinnedForm;
using orvex::MessageAnswer;
using orvex::PasscodeDialog;
using orvex::StickJobDialog;
using orvex::StickJobRunner;
using namespace orvex::drives;

namespace {

// Mounts and facts the test sets, and the window's call for a change of the mounts.
struct FakeVolumes
{
    QList<Mount> mounts;
    QHash<QString, VolumeFacts> facts;
    std::function<void()> changed;
};

VolumeSource sourceOf(const std::shared_ptr<FakeVolumes> &fake)
{
    return {[fake] { return fake->mounts; },
            [fake](const QString &path) { return fake->facts.value(path); },
            [fake](QObject *, std::function<void()> changed) {
                fake->changed = changed;
            }};
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    RecordingMessagePresenter m_messages;
    std::shared_ptr<FakeVolumes> m_volumes;
    QList<QStringList> m_installs; // the application folder, drive, its name and facts of each
    std::thread::id m_jobThread;
    int m_endings = 0;
    RecordingDiskService m_disks;

    static void click(QWidget *window, const QString &button)
    {
        QTest::mouseClick(window->findChild<QWidget *>(button), Qt::LeftButton);
    }
    // A window whose end is counted and whose Install is recorded, runs a job and ends.
    std::unique_ptr<Frm_SkinnedForm> makeWindow(const QStringList &drives = {})
    {
        auto window = std::make_unique<Frm_SkinnedForm>(drives, sourceOf(m_volumes));
        window->setApplicationFolder(m_folder.filePath(u"A"_s));
        window->setMessagePresenter(&m_messages);
        window->setEndProgram([this] { ++m_endings; });
        window->setDiskService(&m_disks);
        window->setInstallRunner([this](const orvex::InstallEnvironment &environment) {
            m_installs.append({environment.applicationFolder, environment.drive,
                               environment.driveName, environment.driveFacts});
            const orvex::Status status = environment.runOnStick([this](auto &, auto &) {
                m_jobThread = std::this_thread::get_id();
                return orvex::Status();
            });
            return status.ok() ? orvex::InstallOutcome::Completed : orvex::InstallOutcome::Failed;
        });
        return window;
    }

private Q_SLOTS:
    void init()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.path());
        m_volumes = std::make_shared<FakeVolumes>();
        m_installs.clear();
        m_jobThread = {};
        m_endings = 0;
        m_disks = RecordingDiskService();
    }

    // The removal window says Remove; Install and Remove hand the passcode question to the
    // dialog, which offers the stick's passcode; its Cancel gives none.
    void removalModeAndPasscode()
    {
        Frm_SkinnedForm window({}, sourceOf(m_volumes), Frm_SkinnedForm::Task::Remove);
        QCOMPARE(window.findChild<QAbstractButton *>(u"Picture1"_s)->text(), u"Remove"_s);
        QList<std::optional<QString>> chosen;
        window.setInstallRunner([&](const orvex::InstallEnvironment &environment) {
            for (const bool accept : {true, false}) {
                QTimer::singleShot(0, [accept] {
                    auto *box = qobject_cast<PasscodeDialog *>(QApplication::activeModalWidget());
                    QVERIFY(box);
                    accept ? box->accept() : box->reject();
                });
                chosen.append(environment.choosePasscode(u"4321"_s));
            }
            return orvex::InstallOutcome::Declined;
        });
        click(&window, u"Picture1"_s);
        QCOMPARE(chosen, (QList<std::optional<QString>>{u"4321"_s, std::nullopt}));
    }

    // The list shows the source's volumes and follows its changes, down to the placeholder;
    // Install hands the choice, the program end and a runner of jobs off the window's thread on.
    void installsThroughTheSeams()
    {
        m_volumes->mounts = {{u"/media/B"_s, "vfat"}};
        // A PSP stick, half free.
        m_volumes->facts[u"/media/B"_s] = {true, true,    u"/media/B"_s, {},    "vfat",
                                           4096, 1 << 30, 1 << 29,       false, true};
        const auto window = makeWindow();
        auto *drive1 = window->findChild<DriveList *>(u"Drive1"_s);
        QTRY_COMPARE(drive1->currentDrive(), u"/media/B"_s);
        click(window.get(), u"Picture1"_s);
        QCOMPARE(m_installs, QList<QStringList>({{m_folder.filePath(u"A"_s), u"/media/B"_s, u"B"_s,
                                                  u"PSP memory stick, 512.0 MiB free"_s}}));
        QVERIFY(m_jobThread != std::thread::id() && m_jobThread != std::this_thread::get_id());
        QCOMPARE(m_endings, 1);

        m_volumes->mounts.clear();
        m_volumes->changed();
        QTRY_COMPARE(drive1->itemText(0), u"Connect the PSP in USB mode"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(drive1)->text(QAccessible::Value),
                 u"Connect the PSP in USB mode"_s);
        QVERIFY(!qobject_cast<QStandardItemModel *>(drive1->model())->item(0)->isEnabled());
        click(window.get(), u"Picture1"_s);
        QCOMPARE(m_installs.last().at(1), QString());
        click(window.get(), u"Picture2"_s);
        QCOMPARE(m_endings, 3);
    }

    void offersToEjectOnceDone_data()
    {
        QTest::addColumn<bool>("managed");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("told"); // the last box, "" for none
        const QString question = u"Eject the stick now? Then leave USB mode on the PSP."_s;
        QTest::newRow("not the disk service's: no box")
            << false << MessageAnswer::Yes << QStringList() << QString();
        QTest::newRow("Not now") << true << MessageAnswer::No << QStringList() << question;
        QTest::newRow("Eject") << true << MessageAnswer::Yes << QStringList{u"Unmount /b/B"_s}
                               << orvex::drives::ejectedText();
    }

    // Once a job is done, the window offers to eject a stick the disk service manages,
    // then ends the program.
    void offersToEjectOnceDone()
    {
        QFETCH(bool, managed);
        QFETCH(MessageAnswer, answer);
        if (managed)
            m_disks.managed = {{u"/b/B"_s, {u"/media/B"_s}, false, true, {}, false, false}};
        RecordingMessagePresenter messages({answer});
        const auto window = makeWindow({u"/media/B"_s});
        window->setMessagePresenter(&messages);
        click(window.get(), u"Picture1"_s);
        QTEST(m_disks.taken, "taken");
        QTEST(messages.requests().isEmpty() ? QString() : messages.requests().last().text, "told");
        QCOMPARE(m_endings, 1);
    }

    // Escape closes the open list and nothing else; with nothing open it does
    // what Cancel does. (The devices test installs from the real window with Tab, then Return.)
    void keysWorkTheWindow()
    {
        const auto window = makeWindow({u"/media/B"_s});
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *drive1 = window->findChild<DriveList *>(u"Drive1"_s);
        QCOMPARE(QApplication::focusWidget(), drive1);
        drive1->showPopup();
        QTRY_VERIFY(drive1->view()->isVisible());
        QTest::keyClick(drive1->view(), Qt::Key_Escape);
        QTRY_VERIFY(!drive1->view()->isVisible());
        QCOMPARE(m_endings, 0);
        QTest::keyClick(drive1, Qt::Key_Escape);
        QCOMPARE(m_endings, 1);
    }

    // A job that lasts shows the dialog: Cancel and "Close anyway" while it hangs, Escape
    // and a cancel that cannot stop it; the rules are the progress display's.
    void runsJobsBehindTheDialog()
    {
        using Phase = orvex::StickProgress::Phase;
        QWidget parent;
        orvex::ProgressClock::time_point now;
        StickJobRunner runner(
            &parent, [this] { ++m_endings; }, [&] { return now; });
        std::atomic<bool> release = true;
        // Runs a job that shows `shown` and lasts until `look` has looked at its dialog.
        const auto run = [&](const orvex::StickProgress &shown,
                             std::function<void(QDialog *, QProgressBar *)> look = {}) {
            if (look) {
                release = false;
                QTimer::singleShot(0, [&, look] {
                    const auto releaseAtEnd = qScopeGuard([&] { release = true; });
                    QDialog *dialog = nullptr;
                    QTRY_VERIFY((dialog = parent.findChild<StickJobDialog *>()) &&
                                dialog->isVisible());
                    look(dialog, dialog->findChild<QProgressBar *>());
                });
            }
            return runner.run(
                [&, shown](const orvex::ProgressCallback &report, const std::atomic<bool> &cancel) {
                    report(shown);
                    while (!release)
                        std::this_thread::sleep_for(std::chrono::milliseconds(5));
                    return cancel && shown.phase != Phase::Checking ? orvex::Status::cancelled()
                                                                    : orvex::Status();
                });
        };
        const auto copying = [&](QDialog *dialog, QProgressBar *bar) {
            auto *action = dialog->findChild<QLabel *>(u"Action"_s);
            QCOMPARE(action->text(), u"Copying Orvex/big.bin"_s);
            QVERIFY(dialog->findChild<QLabel *>(u"Figures"_s)->text().startsWith(u"12 of 40 "_s));
            QCOMPARE(bar->value(), 250);
            QCOMPARE(bar->accessibleName() + bar->accessibleDescription(), action->text());
            auto *button = dialog->findChild<QPushButton *>();
            QTest::mouseClick(button, Qt::LeftButton);
            QTRY_COMPARE(action->text(), u"Stopping…"_s);
            QVERIFY(button->isHidden());
            now += orvex::closeAnywayAfter;
            QTRY_VERIFY(button->isVisible());
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(m_endings, 1);
        };
        QVERIFY(run({Phase::Copying, 12, 40, 250, 1000, u"big.bin"_s}, copying).isCancelled());
        QVERIFY(run({Phase::Writing, 0, 0, 0, 0, {}}, [&](QDialog *dialog, QProgressBar *bar) {
                    QCOMPARE(bar->accessibleDescription(), u"Busy"_s);
                    QTest::keyClick(dialog, Qt::Key_Escape);
                    runner.cancel();
                }).ok());
        QVERIFY(run({}, [&](QDialog *, QProgressBar *) { runner.cancel(); }).ok());
        QVERIFY(run({Phase::Copying, 0, 1, 0, 1, {}}).isCancelled());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
