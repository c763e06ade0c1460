#include "stickjobrunner.h"

#include "signalcancel.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <future>
#include <mutex>

namespace orvex {

namespace {

constexpr int barSteps = 1000; // the bar counts thousandths: byte counts overflow an int
constexpr int refreshMilliseconds = 50;

// The latest progress, written by the job and read by the window.
class SharedProgress
{
public:
    void set(const StickProgress &progress)
    {
        const std::lock_guard lock(m_mutex);
        m_progress = progress;
    }
    StickProgress get() const
    {
        const std::lock_guard lock(m_mutex);
        return m_progress;
    }

private:
    mutable std::mutex m_mutex;
    StickProgress m_progress;
};

} // namespace

Status runStickJob(QWidget *parent, const StickJob &job)
{
    QProgressDialog dialog(QStringLiteral("Checking the stick..."), QStringLiteral("Cancel"), 0,
                           barSteps, parent);
    dialog.setObjectName(QStringLiteral("CopyProgress"));
    dialog.setWindowTitle(QStringLiteral("Orvex Tessary"));
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(500);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumWidth(360);
    dialog.setValue(0); // starts the clock that shows the dialog after the minimum duration

    std::atomic<bool> cancel = false;
    const SignalCancel signalsCancel(cancel);
    QObject::connect(&dialog, &QProgressDialog::canceled, [&] { cancel = true; });

    SharedProgress shared;
    std::future<Status> running = std::async(std::launch::async, [&] {
        return job([&](const StickProgress &progress) { shared.set(progress); }, cancel);
    });

    QEventLoop loop;
    QTimer refresh;
    QObject::connect(&refresh, &QTimer::timeout, [&] {
        if (running.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
            loop.quit();
            return;
        }
        const StickProgress progress = shared.get();
        if (cancel) {
            dialog.setLabelText(QStringLiteral("Stopping after the current file..."));
        } else if (progress.phase == StickProgress::Phase::Writing) {
            dialog.setLabelText(QStringLiteral("Writing to the stick..."));
            dialog.setCancelButton(nullptr);
            dialog.setRange(0, 0);
        } else if (!progress.currentFile.isEmpty()) {
            dialog.setLabelText(QStringLiteral("Copying Orvex/") + progress.currentFile);
        }
        if (progress.phase == StickProgress::Phase::Copying && progress.bytesTotal > 0)
            dialog.setValue(int(progress.bytesDone * barSteps / progress.bytesTotal));
    });
    refresh.start(refreshMilliseconds);
    loop.exec();
    return running.get();
}

} // namespace orvex
