#include "drives/eject.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orvex::drives {

std::optional<ManagedVolume> volumeAt(const QList<ManagedVolume> &volumes, const QString &drive)
{
    for (const ManagedVolume &volume : volumes) {
        for (const QString &mountPoint : volume.mountPoints) {
            if (QDir::cleanPath(mountPoint) == drive)
                return volume;
        }
    }
    return std::nullopt;
}

QList<EjectStep> ejectSteps(const std::optional<ManagedVolume> &volume)
{
    if (!volume || volume->systemDevice)
        return {};
    if (volume->loop)
        return {EjectStep::Unmount};
    if (volume->canPowerOff)
        return {EjectStep::Unmount, EjectStep::PowerOff};
    if (volume->ejectable)
        return {EjectStep::Unmount, EjectStep::Eject};
    return {EjectStep::Unmount};
}

namespace {

// The drive as the mount table has it: a link followed, when it can be.
QString mountPath(const QString &drive)
{
    const QString real = QFileInfo(drive).canonicalFilePath();
    return real.isEmpty() ? QDir::cleanPath(drive) : real;
}

} // namespace

bool ejectOffered(DiskService &service, const QString &drive)
{
    return !ejectSteps(volumeAt(service.volumes(), mountPath(drive))).isEmpty();
}

EjectOutcome ejectAfter(DiskService &service, const QString &drive)
{
    const std::optional<ManagedVolume> volume = volumeAt(service.volumes(), mountPath(drive));
    const QList<EjectStep> steps = ejectSteps(volume);
    if (steps.isEmpty())
        return {EjectOutcome::State::NotOffered,
                volume ? systemDiskText(drive) : notManagedText(drive)};
    for (const EjectStep step : steps) {
        if (const Status status = service.take(step, *volume); !status.ok())
            return {EjectOutcome::State::Failed, notEjectedText(status.failure().why())};
    }
    return {EjectOutcome::State::Ejected, ejectedText()};
}

QString ejectedText()
{
    return QCoreApplication::translate(
        "EjectMessages", "The stick was ejected. You can now leave USB mode on the PSP.");
}

QString notEjectedText(const QString &reason)
{
    return QCoreApplication::translate(
               "EjectMessages",
               "The stick could not be ejected: %1. Close the programs that use it, "
               "then eject it from your file manager.")
        .arg(reason);
}

QString notManagedText(const QString &drive)
{
    return QCoreApplication::translate(
               "EjectMessages", "The stick was not ejected: the system's disk service does not "
                                "manage %1.")
        .arg(drive);
}

QString systemDiskText(const QString &drive)
{
    return QCoreApplication::translate(
               "EjectMessages",
               "The stick was not ejected: %1 is on one of the system's own disks.")
        .arg(drive);
}

} // namespace orvex::drives
