#pragma once

#include "drives/drivechoice.h"

#include <QHash>
#include <chrono>
#include <optional>

namespace orvex::drives {

using ProbeClock = std::chrono::steady_clock;

// How long a look at a place may take before the list shows it as not answering.
inline constexpr std::chrono::seconds probeDeadline{2};

// The looks at the listed places (size, free space, label, PSP folder): at most
// one at a time per place, so that a place whose device hangs holds one look
// and no more; a place is looked at again after each change of the mount table,
// and one whose look has lasted `probeDeadline` shows as not answering. The
// caller gives the time, so that tests need not wait.
class VolumeProbes
{
public:
    // The places listed now; the others are forgotten once their look ends.
    // Returns the paths to look at now: every listed place but those whose look
    // still runs, which are looked at again once it ends.
    QStringList want(const QList<Place> &places, ProbeClock::time_point now);
    // The look at `path` answered; true when it is to be looked at again now.
    bool answered(const QString &path, const VolumeFacts &facts, ProbeClock::time_point now);
    // `place` with the state and facts the list shows at `now`.
    Place seen(Place place, ProbeClock::time_point now) const;
    // The next moment after `now` at which a running look reaches its deadline.
    std::optional<ProbeClock::time_point> nextDeadline(ProbeClock::time_point now) const;

private:
    struct Look
    {
        std::optional<ProbeClock::time_point> runningSince;
        bool again = false;
        bool listed = false;
        std::optional<VolumeFacts> facts;
    };
    QHash<QString, Look> m_looks;
};

} // namespace orvex::drives
