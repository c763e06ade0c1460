#include "install/room.h"

#include <algorithm>

namespace orvex::room {

namespace {

constexpr qint64 mebibyte = 1024 * 1024;
constexpr qint64 largestCluster = 32 * 1024;

// Bytes in MiB, rounded up to a tenth, in the same form whatever the locale.
QString mebibytes(qint64 bytes)
{
    const qint64 tenths = (bytes * 10 + mebibyte - 1) / mebibyte;
    return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
}

} // namespace

qint64 allocationUnit(qint64 blockSize, stick::FileSystemKind kind)
{
    const qint64 block = std::max<qint64>(blockSize, 1);
    return kind == stick::FileSystemKind::Kernel ? block : std::max(block, largestCluster);
}

qint64 needed(const QList<qint64> &fileSizes, qint64 folders, qint64 unit)
{
    qint64 bytes = folders * unit;
    for (const qint64 size : fileSizes)
        bytes += (size + unit - 1) / unit * unit;
    return bytes;
}

Status check(qint64 needed, qint64 free, const QString &job)
{
    if (needed <= free)
        return {};
    const QString more = mebibytes(needed - free);
    return Status::refusal(
        {}, QStringLiteral("The stick needs %1 MiB more: the %2 needs %3 MiB and %4 MiB are free. "
                           "Free at least %1 MiB and try again.")
                .arg(more, job, mebibytes(needed), mebibytes(free)));
}

} // namespace orvex::room
