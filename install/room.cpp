#include "room.h"

namespace orvex::room {

namespace {

constexpr qint64 mebibyte = 1024 * 1024;

qint64 wholeBlocks(qint64 bytes, qint64 blockSize)
{
    return (bytes + blockSize - 1) / blockSize * blockSize;
}

// Bytes in MiB, rounded up to a tenth, in the same form whatever the locale.
QString mebibytes(qint64 bytes)
{
    const qint64 tenths = (bytes * 10 + mebibyte - 1) / mebibyte;
    return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
}

} // namespace

qint64 needed(const PayloadPlan &plan, qint64 blockSize, qint64 bookmarksSize, qint64 lineSize)
{
    qint64 bytes = (plan.folders.size() + 2) * blockSize;
    for (const PayloadPlan::File &file : plan.files)
        bytes += wholeBlocks(file.size, blockSize);
    return bytes + wholeBlocks(lineSize, blockSize) +
           wholeBlocks(bookmarksSize + lineSize, blockSize);
}

QString shortage(qint64 needed, qint64 free)
{
    if (needed <= free)
        return {};
    const QString more = mebibytes(needed - free);
    return QStringLiteral("The stick needs %1 MiB more: the installation needs %2 MiB and %3 MiB "
                          "are free. Free at least %1 MiB and install again.")
        .arg(more, mebibytes(needed), mebibytes(free));
}

} // namespace orvex::room
