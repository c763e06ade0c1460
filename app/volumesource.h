#pragma once

#include "drives/drivechoice.h"

#include <QList>
#include <functional>

class QObject;

namespace orvex::drives {

// Where the drive list learns about volumes; tests put in their own.
struct VolumeSource
{
    // The mount table. Runs on the window's thread: it must touch no mount.
    std::function<QList<Mount>()> mounts;
    // Looks at one place: size, free space, label, PSP folder. May block on a
    // hung device: it runs on a thread of its own that nothing waits for.
    std::function<VolumeFacts(const QString &path)> probe;
    // Calls `changed` in `context`'s thread after each change of the mount
    // table, for as long as `context` lives; empty: the table never changes.
    std::function<void(QObject *context, std::function<void()> changed)> followChanges;
};

// The machine's own: /proc/self/mountinfo and its changes, and QStorageInfo of
// one path. Only once main() armed the machine's access (machineaccess.h).
VolumeSource machineVolumes();

} // namespace orvex::drives
