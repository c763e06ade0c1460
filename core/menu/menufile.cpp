#include "core/menu/menufile.h"

#include "core/text/textlines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace orvex::menufile {

namespace {

constexpr QChar separator = u'!';

bool hasLineBreak(QStringView text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

bool isSingleByte(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xff; });
}

// The file's own account of what went wrong.
Failure failureOf(const QString &filePath, const QFileDevice &file)
{
    return {filePath, 0, file.errorString()};
}

// A menu file is a regular file that is not hidden.
bool exists(const QString &filePath)
{
    const QFileInfo info(filePath);
    return info.isFile() && !info.isHidden();
}

} // namespace

bool isValidText(QStringView text)
{
    return isSingleByte(text) && !hasLineBreak(text);
}

bool isValidName(QStringView text)
{
    return isValidText(text) && !text.contains(separator);
}

QString path(const QString &applicationFolder)
{
    return QDir(applicationFolder).filePath(QStringLiteral("menu.txt"));
}

SplitLine splitLine(QString line)
{
    const qsizetype at = line.indexOf(separator);
    if (at < 0)
        return {{QString(), std::move(line)}, false};
    QString text = line.sliced(at + 1);
    line.truncate(at);
    return {{std::move(line), std::move(text)}, true};
}

qsizetype countMarkers(QStringView text)
{
    // Each group is four full stops, so the groups are the leading run of full
    // stops divided by four; the rest of the run belongs to the caption.
    const auto afterRun = std::find_if(text.begin(), text.end(), [](QChar c) { return c != u'.'; });
    return (afterRun - text.begin()) / marker.size();
}

QString stripMarkers(QString text)
{
    text.remove(0, countMarkers(text) * marker.size());
    return text;
}

Result<std::optional<QStringList>> read(const QString &filePath)
{
    if (!exists(filePath))
        return std::optional<QStringList>();
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return failureOf(filePath, file);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failureOf(filePath, file);
    return std::optional(textlines::split(bytes));
}

Status checkRecord(const Record &record)
{
    if (record.name.contains(separator))
        return Status::refusal({},
                               QCoreApplication::translate("MenuFile", "the name contains \"!\""));
    if (hasLineBreak(record.name) || hasLineBreak(record.text))
        return Status::refusal({},
                               QCoreApplication::translate("MenuFile", "it contains a line break"));
    if (!isSingleByte(record.name) || !isSingleByte(record.text))
        return Status::refusal(
            {}, QCoreApplication::translate(
                    "MenuFile", "it contains a character that is not single-byte text"));
    return {};
}

QByteArray encodeRecord(const Record &record)
{
    return textlines::encodeLine(record.name + separator + record.text);
}

Status write(const QString &filePath, const QList<Record> &records)
{
    QByteArray bytes;
    for (qsizetype row = 0; row < records.size(); ++row) {
        if (const Status checked = checkRecord(records[row]); !checked.ok())
            return Status::refusal(
                filePath, QCoreApplication::translate("MenuFile", "record %1 cannot be saved: %2")
                              .arg(row + 1)
                              .arg(checked.failure().why()));
        bytes += encodeRecord(records[row]);
    }
    QSaveFile file(filePath);
    // Unbuffered, so that every short write is seen here: a buffered QSaveFile
    // can commit a truncated file when its final flush writes short.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failureOf(filePath, file);
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            const Failure failure = failureOf(filePath, file);
            file.cancelWriting();
            return failure;
        }
        written += count;
    }
    if (!file.commit())
        return failureOf(filePath, file);
    return {};
}

} // namespace orvex::menufile
