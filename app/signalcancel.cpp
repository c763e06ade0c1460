#include "app/signalcancel.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>
#include <unistd.h>

namespace orvex {

namespace {

constexpr int cancelling[] = {SIGINT, SIGTERM, SIGHUP};

// Read and set from a signal handler: only lock-free atomics may be touched there.
static_assert(std::atomic<bool>::is_always_lock_free);
std::atomic<std::atomic<bool> *> flagToSet = nullptr;
std::atomic<const std::atomic<bool> *> mustFinishToRead = nullptr;
static_assert(std::atomic<std::atomic<bool> *>::is_always_lock_free);

// The line a second signal writes, put in the user's language once, before
// the first handler is set: a handler may not translate or allocate.
char stoppedLine[1024];
std::size_t stoppedLineSize = 0;

void prepareStoppedLine()
{
    static const bool prepared = [] {
        const QByteArray line =
            QCoreApplication::translate("CommandLine",
                                        "Stopped while the stick was not answering; the next "
                                        "installation or removal cleans up what was left.")
                .toLocal8Bit() +
            '\n';
        stoppedLineSize = std::min<std::size_t>(line.size(), sizeof stoppedLine);
        std::memcpy(stoppedLine, line.constData(), stoppedLineSize);
        return true;
    }();
    Q_UNUSED(prepared);
}

void onSignal(int signal)
{
    std::atomic<bool> *flag = flagToSet.load();
    if (!flag)
        return;
    const std::atomic<bool> *mustFinish = mustFinishToRead.load();
    if (mustFinish && flag->load() && !mustFinish->load()) {
        (void)!::write(STDERR_FILENO, stoppedLine, stoppedLineSize);
        // The signal's own action ends the program once this handler returns.
        ::signal(signal, SIG_DFL);
        ::raise(signal);
        return;
    }
    flag->store(true);
}

} // namespace

SignalCancel::SignalCancel(std::atomic<bool> &flag) : SignalCancel(&flag, nullptr) {}

SignalCancel::SignalCancel(std::atomic<bool> &flag, const std::atomic<bool> &mustFinish)
    : SignalCancel(&flag, &mustFinish)
{
}

SignalCancel::SignalCancel(std::atomic<bool> *flag, const std::atomic<bool> *mustFinish)
{
    prepareStoppedLine();
    m_previousFlag = flagToSet.exchange(flag);
    m_previousMustFinish = mustFinishToRead.exchange(mustFinish);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i)
        sigaction(cancelling[i], &action, &m_before[i]);
}

SignalCancel::~SignalCancel()
{
    for (int i = 0; i < 3; ++i)
        sigaction(cancelling[i], &m_before[i], nullptr);
    flagToSet.store(m_previousFlag);
    mustFinishToRead.store(m_previousMustFinish);
}

} // namespace orvex
