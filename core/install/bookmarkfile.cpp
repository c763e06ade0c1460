#include "install/bookmarkfile.h"

#include "install/writeall.h"
#include "text/textlines.h"

#include <QFile>

namespace orvex {

FileResult appendBookmarkLine(const QString &filePath, const QString &line)
{
    QFile file(filePath);
    const bool existed = file.exists();
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return FileResult::failure(file.errorString());

    // After reading the last byte the position is at the end, where the append goes.
    const qint64 oldSize = file.size();
    char last = '\n';
    if (oldSize > 0 && (!file.seek(oldSize - 1) || !file.getChar(&last)))
        return FileResult::failure(file.errorString());
    QByteArray bytes = textlines::encodeLine(line);
    if (last != '\r' && last != '\n')
        bytes.prepend("\r\n");

    if (writeAll(file, bytes))
        return FileResult::success();

    const QString reason = file.errorString();
    const bool restored = existed ? file.resize(oldSize) : file.remove();
    if (!restored)
        return FileResult::failure(reason + QStringLiteral(" (the file could not be restored: ") +
                                   file.errorString() + QLatin1Char(')'));
    return FileResult::failure(reason);
}

} // namespace orvex
