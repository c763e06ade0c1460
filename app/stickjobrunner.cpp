#include "app/stickjobrunner.h"

#include "app/signalcancel.h"
#include "app/stickjobdialog.h"

#include <QCoreApplication>
#include <QTimer>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

namespace orvex {

namespace {

constexpr int refreshMilliseconds = 50;
constexpr int showAfterMilliseconds = 500;

// What the job's thread and the window share; the thread keeps it alive for
// as long as it needs it.
struct SharedJob
{
    std::mutex mutex;
    StickProgress progress;
    std::optional<Status> status;
    std::atomic<bool> cancel = false;
};

} // namespace

struct StickJobRunner::Running
{
    std::shared_ptr<SharedJob> shared;
    ProgressDisplay display;
};

StickJobRunner::StickJobRunner(QWidget *parent, std::function<void()> endProgram, Clock clock)
    : m_parent(parent), m_endProgram(std::move(endProgram)), m_clock(std::move(clock))
{
}

StickJobRunner::~StickJobRunner() = default;

void StickJobRunner::cancel()
{
    if (m_running && m_running->display.cancel(m_clock()))
        m_running->shared->cancel = true;
}

Status StickJobRunner::run(const StickJob &job)
{
    Running running{std::make_shared<SharedJob>(), {}};
    const std::shared_ptr<SharedJob> shared = running.shared;
    if (m_cancelHolds) {
        shared->cancel = true;
        running.display.cancel(m_clock());
    }
    const SignalCancel signalsCancel(shared->cancel);
    try {
        std::thread([shared, job = StickJob(job)]() mutable {
            Status status = job(
                [&shared](const StickProgress &progress) {
                    const std::lock_guard lock(shared->mutex);
                    shared->progress = progress;
                },
                shared->cancel);
            job = nullptr; // what the job holds goes before the window goes on
            const std::lock_guard lock(shared->mutex);
            shared->status = std::move(status);
        }).detach();
    } catch (const std::system_error &error) {
        return Status::systemError({}, error.code().value());
    }

    m_running = &running;
    StickJobDialog dialog(m_parent);
    QObject::connect(&dialog, &StickJobDialog::cancelPressed, [this] { cancel(); });
    QObject::connect(&dialog, &StickJobDialog::closeAnywayPressed, [this] { m_endProgram(); });
    QTimer::singleShot(showAfterMilliseconds, &dialog, &QDialog::show);
    QTimer refresh;
    const auto update = [&] {
        StickProgress progress;
        {
            const std::lock_guard lock(shared->mutex);
            progress = shared->progress;
        }
        const ProgressClock::time_point now = m_clock();
        running.display.update(progress, now);
        if (shared->cancel)
            running.display.cancel(now);
        dialog.showView(running.display.view(now, dialog.locale()));
    };
    QObject::connect(&refresh, &QTimer::timeout, update);
    update();
    refresh.start(refreshMilliseconds);
    // Events are handled here until the job ends, whatever else asks the
    // program's event loops to quit: the job works on the caller's data.
    for (;;) {
        {
            const std::lock_guard lock(shared->mutex);
            if (shared->status)
                break;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    m_running = nullptr;
    m_cancelHolds = running.display.cancelHoldsForNextJob();
    const std::lock_guard lock(shared->mutex);
    return *shared->status;
}

} // namespace orvex
