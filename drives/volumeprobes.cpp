#include "drives/volumeprobes.h"

namespace orvex::drives {

QStringList VolumeProbes::want(const QList<Place> &places, ProbeClock::time_point now)
{
    for (Look &look : m_looks)
        look.listed = false;
    QStringList start;
    for (const Place &place : places) {
        Look &look = m_looks[place.path];
        look.listed = true;
        if (look.runningSince) {
            look.again = true;
            continue;
        }
        look.runningSince = now;
        start.append(place.path);
    }
    // A place that went is forgotten: what comes back there may be another volume.
    for (auto look = m_looks.begin(); look != m_looks.end();) {
        if (!look->listed)
            look->facts.reset();
        look = look->listed || look->runningSince ? std::next(look) : m_looks.erase(look);
    }
    return start;
}

bool VolumeProbes::answered(const QString &path, const VolumeFacts &facts,
                            ProbeClock::time_point now)
{
    const auto look = m_looks.find(path);
    if (look == m_looks.end())
        return false;
    if (!look->listed) {
        m_looks.erase(look);
        return false;
    }
    look->facts = facts;
    look->runningSince.reset();
    if (!look->again)
        return false;
    look->again = false;
    look->runningSince = now;
    return true;
}

Place VolumeProbes::seen(Place place, ProbeClock::time_point now) const
{
    const auto look = m_looks.constFind(place.path);
    if (look == m_looks.cend())
        return place;
    if (look->runningSince && now - *look->runningSince >= probeDeadline)
        place.state = ProbeState::NotAnswering;
    else if (look->facts)
        place.state = ProbeState::Answered;
    if (look->facts)
        place.facts = *look->facts;
    return place;
}

std::optional<ProbeClock::time_point> VolumeProbes::nextDeadline(ProbeClock::time_point now) const
{
    std::optional<ProbeClock::time_point> next;
    for (const Look &look : m_looks) {
        if (!look.runningSince)
            continue;
        const ProbeClock::time_point deadline = *look.runningSince + probeDeadline;
        if (deadline > now && (!next || deadline < *next))
            next = deadline;
    }
    return next;
}

} // namespace orvex::drives
