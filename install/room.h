#pragma once

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

// What to tell the user when the `needed` bytes of `job` ("installation",
// "removal") do not fit in the `free` ones; empty when they fit.
QString shortage(qint64 needed, qint64 free, const QString &job);

} // namespace orvex::room
