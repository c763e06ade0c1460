#include "copyprogress.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <future>
#include <mutex>

namespace orvex {

namespace {

constexpr int barSteps = 1000; // the bar counts thousandths: byte counts overflow an int
constexpr int refreshMilliseconds = 50;

// The latest progress, written by the copy and read by the window.
class SharedProgress
{
public:
    void set(const CopyProgress &progress)
    {
        const std::lock_guard lock(m_mutex);
        m_progress = progress;
    }
    CopyProgress get() const
    {
        const std::lock_guard lock(m_mutex);
        return m_progress;
    }

private:
    mutable std::mutex m_mutex;
    CopyProgress m_progress;
};

} // namespace

FileResult runCopyWithProgress(QWidget *parent, const CopyJob &job, qint64 totalBytes)
{
    QProgressDialog dialog(QStringLiteral("Copying the Orvex folder..."), QStringLiteral("Cancel"),
                           0, barSteps, parent);
    dialog.setObjectName(QStringLiteral("CopyProgress"));
    dialog.setWindowTitle(QStringLiteral("Orvex Tessary"));
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(500);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumWidth(360);
    dialog.setValue(0); // starts the clock that shows the dialog after the minimum duration

    std::atomic<bool> cancel = false;
    QObject::connect(&dialog, &QProgressDialog::canceled, [&] {
        cancel = true;
        dialog.setLabelText(QStringLiteral("Stopping after the current file..."));
    });

    SharedProgress shared;
    std::future<FileResult> copy = std::async(std::launch::async, [&] {
        return job([&](const CopyProgress &progress) { shared.set(progress); }, &cancel);
    });

    QEventLoop loop;
    QTimer refresh;
    QObject::connect(&refresh, &QTimer::timeout, [&] {
        if (copy.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
            loop.quit();
            return;
        }
        const CopyProgress progress = shared.get();
        if (!cancel && !progress.currentFile.isEmpty())
            dialog.setLabelText(QStringLiteral("Copying Orvex/") + progress.currentFile);
        if (totalBytes > 0)
            dialog.setValue(int(progress.bytesDone * barSteps / totalBytes));
    });
    refresh.start(refreshMilliseconds);
    loop.exec();
    return copy.get();
}

} // namespace orvex
