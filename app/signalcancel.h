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
    // Without a window: a signal that comes once `flag` is set ends the
    // program at once, after a line on standard error, unless `mustFinish`
    // is set (the files are being put in place): a job waiting on a stick
    // that stopped answering can be left.
    SignalCancel(std::atomic<bool> &flag, const std::atomic<bool> &mustFinish);
    ~SignalCancel();
    SignalCancel(const SignalCancel &) = delete;
    SignalCancel &operator=(const SignalCancel &) = delete;

private:
    SignalCancel(std::atomic<bool> *flag, const std::atomic<bool> *mustFinish);

    struct sigaction m_before[3];
    std::atomic<bool> *m_previousFlag;
    const std::atomic<bool> *m_previousMustFinish;
};

} // namespace orvex
