#pragma once

#include <atomic>
#include <csignal>

namespace orvex {

// While it lives, SIGINT, SIGTERM and SIGHUP set `flag` instead of ending the
// program, so that the install stops where it safely can; then the signals
// do what they did before.
class SignalCancel
{
public:
    explicit SignalCancel(std::atomic<bool> &flag);
    ~SignalCancel();
    SignalCancel(const SignalCancel &) = delete;
    SignalCancel &operator=(const SignalCancel &) = delete;

private:
    struct sigaction m_before[3];
    std::atomic<bool> *m_previousFlag;
};

} // namespace orvex
