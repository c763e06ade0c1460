#pragma once

#include "drives/eject.h"

#include <QStringList>

// A disk service of the test's: the volumes it is given; records each step
// taken as "Unmount OBJECT", and fails the step named in `failing` with the
// service's text `reason`.
class RecordingDiskService final : public orvex::drives::DiskService
{
public:
    using Step = orvex::drives::EjectStep;

    QList<orvex::drives::ManagedVolume> managed;
    QString failing; // "Unmount", "PowerOff" or "Eject"; empty: none fails
    QString reason = QStringLiteral("Error unmounting /dev/sdz1: target is busy");
    QStringList taken;

    QList<orvex::drives::ManagedVolume> volumes() override { return managed; }

    orvex::Status take(Step step, const orvex::drives::ManagedVolume &volume) override
    {
        const QString name = step == Step::Unmount    ? QStringLiteral("Unmount")
                             : step == Step::PowerOff ? QStringLiteral("PowerOff")
                                                      : QStringLiteral("Eject");
        taken.append(name + QLatin1Char(' ') +
                     (step == Step::Unmount ? volume.object : volume.drive));
        return name == failing ? orvex::Status::refusal({}, reason) : orvex::Status();
    }
};
