#pragma once

#include "app/volumesource.h"

#include <memory>

namespace orvex {

// Runs looks at places, each on a thread of its own that nothing waits for:
// a look stuck on a hung device holds only its own thread, never the window,
// another look or the program's end. Answers reach `answer` on `context`'s
// thread; those that come after the prober is gone are dropped.
class VolumeProber
{
public:
    using Answer =
        std::function<void(const QString &path, const orvex::drives::VolumeFacts &facts)>;

    VolumeProber(std::function<orvex::drives::VolumeFacts(const QString &)> probe, QObject *context,
                 Answer answer);
    ~VolumeProber();
    VolumeProber(const VolumeProber &) = delete;
    VolumeProber &operator=(const VolumeProber &) = delete;

    // Starts a look at `path`; false when no thread could be started.
    bool start(const QString &path);

private:
    struct Mailbox;
    std::function<orvex::drives::VolumeFacts(const QString &)> m_probe;
    std::shared_ptr<Mailbox> m_mailbox;
};

} // namespace orvex
