#include "signalcancel.h"

namespace orvex {

namespace {

constexpr int cancelling[] = {SIGINT, SIGTERM, SIGHUP};

// Set from a signal handler: only a lock-free atomic may be touched there.
static_assert(std::atomic<bool>::is_always_lock_free);
std::atomic<std::atomic<bool> *> flagToSet = nullptr;
static_assert(std::atomic<std::atomic<bool> *>::is_always_lock_free);

void setFlag(int)
{
    if (std::atomic<bool> *flag = flagToSet.load())
        flag->store(true);
}

} // namespace

SignalCancel::SignalCancel(std::atomic<bool> &flag) : m_previousFlag(flagToSet.exchange(&flag))
{
    struct sigaction action = {};
    action.sa_handler = setFlag;
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
}

} // namespace orvex
