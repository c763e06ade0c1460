#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace orvex::drives {

// One mount as the kernel's mount table lists it.
struct Mount
{
    QString rootPath;          // where it is mounted
    QByteArray fileSystemType; // "vfat", "fuse.fusefat", ...

    friend bool operator==(const Mount &, const Mount &) = default;
};

// The mounts in the text of /proc/self/mountinfo, in its order; lines that do
// not have the table's form are left out. Reading that file touches no mount,
// so a hung device cannot stall it.
QList<Mount> parseMountInfo(const QByteArray &text);

} // namespace orvex::drives
