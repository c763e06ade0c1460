#pragma once

#include "install/copyprogress.h"
#include "install/installprocedure.h"

#include <functional>
#include <memory>

class QWidget;

namespace orvex {

// Runs the install's jobs on the stick for the window, each on a thread that
// nothing waits for, behind a progress dialog that shows once a job has lasted
// half a second. Cancel, or SIGINT and SIGTERM, ask the job to stop: the
// dialog says "Stopping…" at once, even while the job hangs in a system call
// on a hung device, and after 5 s of it offers "Close anyway", which ends the
// program. While the files are put in place it says "Writing to the stick…"
// and offers nothing. One runner serves one install: a cancel asked while the
// stick is checked also stops the copy that follows.
class StickJobRunner
{
public:
    using Clock = std::function<ProgressClock::time_point()>;

    StickJobRunner(QWidget *parent, std::function<void()> endProgram,
                   Clock clock = ProgressClock::now);
    ~StickJobRunner();
    StickJobRunner(const StickJobRunner &) = delete;
    StickJobRunner &operator=(const StickJobRunner &) = delete;

    // Runs `job` and returns its status. Returns only once the job has ended
    // (or the program has), since the job works on the caller's data.
    Status run(const StickJob &job);
    // Asks the running job to stop, as the dialog's Cancel does.
    void cancel();

private:
    struct Running;

    QWidget *m_parent;
    std::function<void()> m_endProgram;
    Clock m_clock;
    Running *m_running = nullptr;
    bool m_cancelHolds = false;
};

} // namespace orvex
