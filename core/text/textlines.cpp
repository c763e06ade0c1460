#include "core/text/textlines.h"

namespace orvex::textlines {

namespace {

// Index just past the line end that starts at `end`, which holds CR or LF.
qsizetype skipLineEnd(const QByteArray &bytes, qsizetype end)
{
    if (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n')
        return end + 2;
    return end + 1;
}

qsizetype findLineEnd(const QByteArray &bytes, qsizetype from)
{
    for (qsizetype i = from; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n')
            return i;
    }
    return bytes.size();
}

} // namespace

QStringList split(const QByteArray &bytes)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype end = findLineEnd(bytes, start);
        lines.append(QString::fromLatin1(bytes.constData() + start, end - start));
        if (end == bytes.size())
            break;
        start = skipLineEnd(bytes, end);
    }
    return lines;
}

QString first(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.constData(), findLineEnd(bytes, 0));
}

QByteArray encodeLine(const QString &line)
{
    return line.toLatin1() + "\r\n";
}

} // namespace orvex::textlines
