#pragma once

#include "drivechoice.h"

#include <QComboBox>
#include <QStringList>
#include <functional>

namespace orvex::drives {

// The machine's mounted, valid and ready volumes that a user would pick.
QList<Volume> machineVolumes();

} // namespace orvex::drives

// The drive list: the volumes a user would pick, each with its label and size,
// then the folders given on the command line. It follows mounts and unmounts
// while it is shown, keeping the user's choice while that drive is there.
class DriveList : public QComboBox
{
    Q_OBJECT

public:
    using VolumeSource = std::function<QList<orvex::drives::Volume>()>;

    // Reads the volumes from `volumes` now and after each change of the mount table.
    DriveList(VolumeSource volumes, const QStringList &extraDrives, QWidget *parent = nullptr);

    // The chosen entry's drive string (a root path); empty when nothing is chosen.
    QString currentDrive() const;

    // Reads the volumes again.
    void refresh();

private:
    VolumeSource m_volumes;
    orvex::drives::DriveChoice m_choice;
};
