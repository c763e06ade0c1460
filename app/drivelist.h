#pragma once

#include <QByteArray>
#include <QComboBox>
#include <QString>
#include <QStringList>

namespace orvex::drives {

// Whether a file system type is a real storage volume and not a kernel pseudo
// file system or a memory-backed one (tmpfs).
bool isStorageFileSystem(const QByteArray &type);

// Root paths of the machine's valid, ready storage volumes, read-only ones included.
QStringList machineVolumes();

} // namespace orvex::drives

// The drive list: the machine's volumes, then the folders given on the command
// line. Each entry's drive string is a root path, never a label.
class DriveList : public QComboBox
{
    Q_OBJECT

public:
    // Lists `volumes` then `extraDrives`; selects the first extra drive, or
    // else the volume that holds the current folder.
    DriveList(const QStringList &volumes, const QStringList &extraDrives,
              QWidget *parent = nullptr);

    // The current entry's drive string.
    QString currentDrive() const;
};
