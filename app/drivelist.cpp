#include "drivelist.h"

#include "mountwatcher.h"

#include <QFileInfo>
#include <QSignalBlocker>
#include <QStorageInfo>

namespace orvex::drives {

QList<Volume> machineVolumes()
{
    QList<Volume> volumes;
    for (const QStorageInfo &storage : QStorageInfo::mountedVolumes()) {
        if (!storage.isValid() || !storage.isReady())
            continue;
        Volume volume{storage.rootPath(), storage.fileSystemType(), storage.name(),
                      storage.bytesTotal(), false};
        if (!isOffered(volume))
            continue;
        volume.holdsPspBrowser =
            QFileInfo(volume.rootPath + QStringLiteral("/PSP/SYSTEM/BROWSER")).isDir();
        volumes.append(volume);
    }
    return volumes;
}

} // namespace orvex::drives

DriveList::DriveList(VolumeSource volumes, const QStringList &extraDrives, QWidget *parent)
    : QComboBox(parent), m_volumes(std::move(volumes)), m_choice(extraDrives)
{
    connect(this, &QComboBox::activated, this, [this](int index) { m_choice.choose(index); });
    connect(new MountWatcher(this), &MountWatcher::changed, this, &DriveList::refresh);
    refresh();
}

QString DriveList::currentDrive() const
{
    return m_choice.drive();
}

void DriveList::refresh()
{
    if (!m_choice.update(m_volumes()))
        return;
    const QSignalBlocker quiet(this);
    clear();
    for (const orvex::drives::Entry &entry : m_choice.entries())
        addItem(entry.text, entry.drive);
    setCurrentIndex(m_choice.current());
}
