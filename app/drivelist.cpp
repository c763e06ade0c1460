#include "drivelist.h"

#include <QDir>
#include <QSet>
#include <QStorageInfo>

namespace orvex::drives {

bool isStorageFileSystem(const QByteArray &type)
{
    static const QSet<QByteArray> pseudo = {
        "autofs",     "binfmt_misc", "bpf",      "cgroup",   "cgroup2", "configfs",
        "debugfs",    "devpts",      "devtmpfs", "efivarfs", "fusectl", "hugetlbfs",
        "mqueue",     "nsfs",        "proc",     "pstore",   "ramfs",   "rpc_pipefs",
        "securityfs", "sysfs",       "tmpfs",    "tracefs",
    };
    return !type.isEmpty() && !pseudo.contains(type);
}

QStringList machineVolumes()
{
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && isStorageFileSystem(volume.fileSystemType()))
            roots.append(volume.rootPath());
    }
    return roots;
}

} // namespace orvex::drives

DriveList::DriveList(const QStringList &volumes, const QStringList &extraDrives, QWidget *parent)
    : QComboBox(parent)
{
    for (const QString &root : volumes)
        addItem(QDir::toNativeSeparators(root), root);
    for (const QString &drive : extraDrives)
        addItem(QDir::toNativeSeparators(drive), drive);

    if (!extraDrives.isEmpty()) {
        setCurrentIndex(int(volumes.size()));
        return;
    }
    const int current = findData(QStorageInfo(QDir::currentPath()).rootPath());
    if (current >= 0)
        setCurrentIndex(current);
}

QString DriveList::currentDrive() const
{
    return currentData().toString();
}
