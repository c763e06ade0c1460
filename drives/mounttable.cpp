#include "drives/mounttable.h"

#include <QFile>

namespace orvex::drives {

namespace {

// The table writes a space, tab, line end or backslash in a path as a
// backslash and three octal digits.
QByteArray unescaped(const QByteArray &field)
{
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const auto isOctal = [&](qsizetype at) {
            return at < field.size() && field[at] >= '0' && field[at] <= '7';
        };
        if (field[i] == '\\' && isOctal(i + 1) && isOctal(i + 2) && isOctal(i + 3)) {
            bytes.append(
                char((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0')));
            i += 3;
        } else {
            bytes.append(field[i]);
        }
    }
    return bytes;
}

} // namespace

QList<Mount> parseMountInfo(const QByteArray &text)
{
    // "36 35 98:0 /root /mount/point options [optional fields...] - type source options"
    QList<Mount> mounts;
    for (const QByteArray &line : text.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype separator = fields.indexOf("-", 6);
        if (separator < 0 || separator + 1 >= fields.size() || fields[4].isEmpty() ||
            fields[separator + 1].isEmpty())
            continue;
        mounts.append({QFile::decodeName(unescaped(fields[4])), fields[separator + 1]});
    }
    return mounts;
}

} // namespace orvex::drives
