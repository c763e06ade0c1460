#include "install/room.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

namespace orvex::room {

namespace {

constexpr qint64 kibibyte = 1024;
constexpr qint64 mebibyte = 1024 * kibibyte;
constexpr qint64 largestCluster = 32 * 1024;

// A figure of the room message: bytes on a grid of one unit, KiB or a tenth
// of a MiB, counted in tenths of a byte so that both grids are whole numbers.
struct Figure
{
    qint64 tenthBytes = 0;
    bool inMebibytes = false;

    QString text() const
    {
        if (!inMebibytes)
            return QStringLiteral("%1 KiB").arg(QLocale().toString(tenthBytes / (10 * kibibyte)));
        const qint64 tenths = tenthBytes / mebibyte;
        return QStringLiteral("%1 MiB").arg(QLocale().toString(tenths / 10.0, 'f', 1));
    }
};

// `bytes` on the grid of the unit, rounded up or down.
Figure onGrid(qint64 bytes, bool inMebibytes, bool up)
{
    const qint64 grid = inMebibytes ? mebibyte : 10 * kibibyte;
    const qint64 tenthBytes = bytes * 10;
    return {(up ? (tenthBytes + grid - 1) / grid : tenthBytes / grid) * grid, inMebibytes};
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

Status check(qint64 needed, qint64 free, Job job)
{
    if (needed <= free)
        return {};
    // One unit for all three figures, so that the sentence adds up as read:
    // the need rounded up, the free room rounded down, the difference exact.
    const bool inMebibytes = needed >= mebibyte;
    const Figure need = onGrid(needed, inMebibytes, true);
    const Figure room = onGrid(free, inMebibytes, false);
    const QString more = Figure{need.tenthBytes - room.tenthBytes, inMebibytes}.text();
    const char *text =
        job == Job::Installation
            ? QT_TRANSLATE_NOOP("InstallMessages",
                                "The stick needs %1 more: the installation needs "
                                "%2 and %3 are free. Free at least %1 and try again.")
            : QT_TRANSLATE_NOOP("InstallMessages",
                                "The stick needs %1 more: the removal needs %2 and "
                                "%3 are free. Free at least %1 and try again.");
    return Status::refusal(
        {},
        QCoreApplication::translate("InstallMessages", text).arg(more, need.text(), room.text()));
}

} // namespace orvex::room
