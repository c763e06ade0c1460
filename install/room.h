#pragma once

#include "core/result.h"
#include "install/stick/folder.h"

#include <QList>
#include <QString>

namespace orvex::room {

// The least room a file or a folder takes on a file system of `blockSize`
// and `kind`. FAT gives each a whole cluster, and a file system run in user
// space may report a block smaller than its cluster (a FAT stick through
// FUSE reports 1 KiB whatever its clusters are): on both, at least 32 KiB.
qint64 allocationUnit(qint64 blockSize, stick::FileSystemKind kind);

// The bytes that files of `fileSizes` and `folders` new folders take on a
// file system whose allocation unit is `unit`: each file and folder rounded
// up to whole units.
qint64 needed(const QList<qint64> &fileSizes, qint64 folders, qint64 unit);

// What needs the room.
enum class Job
{
    Installation,
    Removal,
};

// Whether the `needed` bytes of `job` fit in the `free` ones; when not, a
// refusal that tells the user how much is missing.
Status check(qint64 needed, qint64 free, Job job);

} // namespace orvex::room
