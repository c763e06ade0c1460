#pragma once

#include "core/result.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Ejecting the stick once the job on it is over, as the desktop's disk service
// allows: which volume the drive is, which steps eject it, what the user is told.
namespace orvex::drives {

// A file system that the desktop's disk service manages, as the service
// describes it.
struct ManagedVolume
{
    QString object;           // the service's name for the file system
    QStringList mountPoints;  // where it is mounted
    bool systemDevice = true; // on one of the system's own disks: never ejected
    bool loop = false;        // on a loop device, which needs no more than the unmount
    QString drive;            // the service's name for its drive; empty when none
    bool canPowerOff = false; // the drive can be powered off
    bool ejectable = false;   // the drive's medium can be ejected

    friend bool operator==(const ManagedVolume &, const ManagedVolume &) = default;
};

enum class EjectStep
{
    Unmount,  // the file system
    PowerOff, // its drive
    Eject,    // its drive's medium
};

// The desktop's disk service, as an eject needs it; tests put in their own.
class DiskService
{
public:
    virtual ~DiskService() = default;
    // The file systems the service manages; none when there is no service.
    virtual QList<ManagedVolume> volumes() = 0;
    // Takes one step on `volume`; a failure's reason is the service's own text.
    virtual Status take(EjectStep step, const ManagedVolume &volume) = 0;
};

// The volume mounted at `drive` (a path as the kernel's mount table has it);
// none when the service does not manage it.
std::optional<ManagedVolume> volumeAt(const QList<ManagedVolume> &volumes, const QString &drive);

// The steps that eject `volume`, in order: none for a volume the service does
// not manage or on a system disk; else the unmount, then power the drive off
// where that can be done, else eject its medium where it can. A loop device
// is done once unmounted.
QList<EjectStep> ejectSteps(const std::optional<ManagedVolume> &volume);

struct EjectOutcome
{
    enum class State
    {
        Ejected,
        Failed,     // a step failed: the stick may still be mounted
        NotOffered, // the service does not manage the drive, or it is a system disk
    };
    State state = State::NotOffered;
    QString text; // what the user is told
};

// True when `drive` can be ejected: the window offers the eject only then.
bool ejectOffered(DiskService &service, const QString &drive);

// Ejects the stick at `drive` once the job on it is over: the caller holds no
// lock and no descriptor on it any more, or the unmount finds it busy. Looks
// the drive up again (it may have been unmounted or remounted meanwhile) and
// takes its steps, stopping at the first that fails. Blocks while the service
// works (an unmount writes what the system still caches): a window calls it off
// its own thread.
EjectOutcome ejectAfter(DiskService &service, const QString &drive);

// What the user is told.
QString ejectedText();
QString notEjectedText(const QString &reason);
QString notManagedText(const QString &drive);
QString systemDiskText(const QString &drive);

} // namespace orvex::drives
