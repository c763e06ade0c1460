// The window's wiring only, against volumes, an install and a clock of the test's own;
// the rules are tested on the install library, and nothing here reads the machine's mounts.
#include "app/drivelist.h"
#include "app/frm_skinnedform.h"
#include "app/passcodedialog.h"
#include "app/stickjobdialog.h"
#include "app/stickjobrunner.h"
#include "skinhost.h"

#include <QAbstractItemView>
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
#include <condition_variable>
#include <mutex>
#include <thread>

using orvex::DriveList;
using orvex::Frm_SkinnedForm;
using orvex::PasscodeDialog;
using orvex::StickJobDialog;
using orvex::StickJobRunner;
using namespace orvex::drives;

namespace {

// Mounts and facts the test sets; looks at paths in `hung` block until released.
struct FakeVolumes
{
    std::mutex mutex;
    std::condition_variable released;
    QList<Mount> mounts;
    QHash<QString, VolumeFacts> facts;
    QSet<QString> hung;
    QStringList looked;
    std::function<void()> changed;

    void release()
    {
        const std::lock_guard lock(mutex);
        hung.clear();
        released.notify_all();
    }
};

VolumeSource sourceOf(const std::shared_ptr<FakeVolumes> &fake)
{
    return {[fake] {
                const std::lock_guard lock(fake->mutex);
                return fake->mounts;
            },
            [fake](const QString &path) {
                std::unique_lock lock(fake->mutex);
                fake->looked.append(path);
                fake->released.wait(lock, [&] { return !fake->hung.contains(path); });
                return fake->facts.value(path);
            },
            [fake](QObject *, std::function<void()> changed) {
                fake->changed = std::move(changed);
            }};
}

VolumeFacts stick(const QString &root, bool psp)
{
    return {true, root, {}, 1 << 30, 1 << 29, psp};
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    RecordingMessagePresenter m_messages;
    std::shared_ptr<FakeVolumes> m_volumes;
    QList<QStringList> m_installs; // the application folder and drive of each
    std::thread::id m_jobThread;
    int m_endings = 0;

    // A window whose end is counted and whose Install is recorded, runs a job and ends.
    std::unique_ptr<Frm_SkinnedForm> makeWindow(const QStringList &drives = {})
    {
        auto window = std::make_unique<Frm_SkinnedForm>(drives, sourceOf(m_volumes));
        window->setApplicationFolder(m_folder.filePath("A"));
        window->setMessagePresenter(&m_messages);
        window->setEndProgram([this] { ++m_endings; });
        window->setInstallRunner([this](const orvex::InstallEnvironment &environment) {
            m_installs.append({environment.applicationFolder, environment.drive});
            const orvex::Status status = environment.runOnStick([this](auto &, auto &) {
                m_jobThread = std::this_thread::get_id();
                return orvex::Status();
            });
            environment.endProgram();
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
    }
    void cleanup() { m_volumes->release(); }

    // The removal window says Remove; Install and Remove hand the passcode dialog on,
    // offering the stick's passcode.
    void removalModeAndPasscode()
    {
        Frm_SkinnedForm window({}, sourceOf(m_volumes), Frm_SkinnedForm::Task::Remove);
        QCOMPARE(window.findChild<QLabel *>("Label4")->text(),
                 "3. Press Remove to remove Orvex Tessary!");
        QCOMPARE(window.findChild<QWidget *>("Picture1")->accessibleName(), "Remove");
        std::optional<QString> chosen;
        window.setInstallRunner([&](const orvex::InstallEnvironment &environment) {
            QTimer::singleShot(0, [] {
                auto *dialog = qobject_cast<PasscodeDialog *>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                dialog->accept();
            });
            chosen = environment.choosePasscode("4321");
            return orvex::InstallOutcome::Declined;
        });
        QTest::mouseClick(window.findChild<QWidget *>("Picture1"), Qt::LeftButton);
        QCOMPARE(chosen, "4321");
    }

    // The list shows the source's volumes and follows its changes, down to the placeholder;
    // Install hands the choice, the program end and a runner of jobs off the window's thread on.
    void installsThroughTheSeams()
    {
        m_volumes->mounts = {{"/media/A", "vfat"}, {"/media/B", "vfat"}};
        m_volumes->facts = {{"/media/A", stick("/media/A", false)},
                            {"/media/B", stick("/media/B", true)}};
        const auto window = makeWindow();
        auto *drive1 = window->findChild<DriveList *>("Drive1");
        QTRY_COMPARE(drive1->currentDrive(), "/media/B");
        QCOMPARE(drive1->currentText(), "B, PSP memory stick, 512.0 MiB free of 1.0 GiB");
        QTest::mouseClick(window->findChild<QWidget *>("Picture1"), Qt::LeftButton);
        QCOMPARE(m_installs, QList<QStringList>({{m_folder.filePath("A"), "/media/B"}}));
        QVERIFY(m_jobThread != std::thread::id() && m_jobThread != std::this_thread::get_id());
        QCOMPARE(m_endings, 1);

        m_volumes->mounts.clear();
        m_volumes->changed();
        QTRY_COMPARE(drive1->itemText(0), "Connect the PSP in USB mode");
        QVERIFY(!qobject_cast<QStandardItemModel *>(drive1->model())->item(0)->isEnabled());
        const QImage shown = drive1->grab().toImage();
        drive1->setPlaceholderText({});
        QVERIFY(drive1->grab().toImage() != shown); // the closed box shows it too
        QTest::mouseClick(window->findChild<QWidget *>("Picture1"), Qt::LeftButton);
        QCOMPARE(m_installs.last().last(), QString());
        QTest::mouseClick(window->findChild<QWidget *>("Picture2"), Qt::LeftButton);
        QCOMPARE(m_endings, 3);
    }

    // A look that hangs holds neither the window nor the looks at other places.
    void aHungVolumeLeavesTheWindowAnswering()
    {
        m_volumes->mounts = {{"/media/HUNG", "vfat"}};
        m_volumes->hung = {"/media/HUNG"};
        m_volumes->facts["/media/B"] = stick("/media", false);
        const auto window = makeWindow({"/media/B"});
        auto *drive1 = window->findChild<DriveList *>("Drive1");
        QTRY_COMPARE(m_volumes->looked.size(), 2);
        {
            const std::lock_guard lock(m_volumes->mutex);
            m_volumes->mounts.append(Mount{"/media/C", "vfat"});
            m_volumes->facts["/media/C"] = stick("/media/C", true);
        }
        m_volumes->changed();
        QTRY_COMPARE(drive1->itemText(1), "C, PSP memory stick, 512.0 MiB free of 1.0 GiB");
        QCOMPARE(drive1->itemText(0), "HUNG (checking…)");
        QCOMPARE(drive1->currentDrive(), "/media/B");
    }

    // Escape closes the open list and nothing else; with nothing open it does
    // what Cancel does. The drive list shows its focus ring from the start.
    void keysWorkTheWindow()
    {
        const auto window = makeWindow({"/media/B"});
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *drive1 = window->findChild<DriveList *>("Drive1");
        QCOMPARE(QApplication::focusWidget(), drive1);
        const QImage ringed = drive1->grab().toImage();
        window->setAttribute(Qt::WA_KeyboardFocusChange, false);
        QVERIFY(drive1->grab().toImage() != ringed);

        QStringList order;
        for (int i = 0; i < 4; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab))
            order << QApplication::focusWidget()->objectName();
        QCOMPARE(order, QStringList({"Drive1", "Picture1", "Picture2", "Drive1"}));
        QTest::keyClick(window->findChild<QWidget *>("Picture1"), Qt::Key_Return);
        QCOMPARE(m_endings, 1); // installed, then ended

        drive1->showPopup();
        QTRY_VERIFY(drive1->view()->isVisible());
        QTest::keyClick(drive1->view(), Qt::Key_Escape);
        QTRY_VERIFY(!drive1->view()->isVisible());
        QCOMPARE(m_endings, 1);
        QTest::keyClick(drive1, Qt::Key_Escape);
        QCOMPARE(m_endings, 2);
    }

    // A job that lasts shows the dialog: Cancel and "Close anyway" while it hangs, Escape
    // and a cancel that cannot stop it; the rules are the progress display's.
    void runsJobsBehindTheDialog()
    {
        using Phase = orvex::StickProgress::Phase;
        QWidget parent;
        orvex::ProgressClock::time_point now;
        orvex::StickJobRunner runner(
            &parent, [this] { ++m_endings; }, [&] { return now; });
        std::atomic<bool> release = true;
        // Runs a job that shows `shown` and lasts until `look` has looked at its dialog.
        const auto run = [&](const orvex::StickProgress &shown,
                             std::function<void(QDialog *)> look = {}) {
            if (look) {
                release = false;
                QTimer::singleShot(0, [&, look] {
                    const auto releaseAtEnd = qScopeGuard([&] { release = true; });
                    QDialog *dialog = nullptr;
                    QTRY_VERIFY((dialog = parent.findChild<StickJobDialog *>()) &&
                                dialog->isVisible());
                    look(dialog);
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
        QVERIFY(run({Phase::Copying, 12, 40, 250, 1000, "big.bin"}, [&](QDialog *dialog) {
                    auto *action = dialog->findChild<QLabel *>("Action");
                    QCOMPARE(action->text(), "Copying Orvex/big.bin");
                    QVERIFY(dialog->findChild<QLabel *>("Figures")->text().startsWith("12 of 40 "));
                    QCOMPARE(dialog->findChild<QProgressBar *>()->value(), 250);
                    auto *button = dialog->findChild<QPushButton *>();
                    QTest::mouseClick(button, Qt::LeftButton);
                    QTRY_COMPARE(action->text(), "Stopping…");
                    QVERIFY(button->isHidden());
                    now += orvex::closeAnywayAfter;
                    QTRY_VERIFY(button->isVisible());
                    QCOMPARE(button->text(), "Close anyway");
                    QTest::mouseClick(button, Qt::LeftButton);
                    QCOMPARE(m_endings, 1);
                }).isCancelled());
        QVERIFY(run({Phase::Writing, 0, 0, 0, 0, {}}, [&](QDialog *dialog) {
                    QTest::keyClick(dialog, Qt::Key_Escape);
                    runner.cancel();
                }).ok());
        QVERIFY(run({}, [&](QDialog *) { runner.cancel(); }).ok());
        QVERIFY(run({Phase::Copying, 0, 1, 0, 1, {}}).isCancelled());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
