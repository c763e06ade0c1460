#include "app/volumesource.h"

#include "app/machineaccess.h"
#include "app/mountwatcher.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace orvex::drives {

namespace {

QList<Mount> machineMounts()
{
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly))
        return {};
    return parseMountInfo(table.readAll());
}

VolumeFacts lookAt(const QString &path)
{
    const QStorageInfo storage(path);
    VolumeFacts facts;
    facts.exists = QFileInfo::exists(path);
    facts.readable = storage.isValid() && storage.isReady();
    if (!facts.readable)
        return facts;
    facts.volumeRoot = storage.rootPath();
    facts.label = storage.name();
    facts.fileSystemType = storage.fileSystemType();
    facts.blockSize = storage.blockSize();
    facts.bytesTotal = storage.bytesTotal();
    facts.bytesFree = storage.bytesAvailable();
    facts.readOnly = storage.isReadOnly();
    facts.holdsPspFolder = QFileInfo(path + QStringLiteral("/PSP")).isDir();
    return facts;
}

} // namespace

VolumeSource machineVolumes()
{
    requireMachineAccess("the machine's mount table (a DriveList's VolumeSource)");
    return {machineMounts, lookAt, [](QObject *context, std::function<void()> changed) {
                QObject::connect(new MountWatcher(context), &MountWatcher::changed, context,
                                 std::move(changed));
            }};
}

} // namespace orvex::drives
