#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

// The menu definition file "menu.txt": one record per line, "name!text", where
// the text is zero or more "...." level markers followed by the caption. The
// file is single-byte text (Latin-1 in Qt strings); lines are written with
// CR LF and read up to CR LF, a lone CR or a lone LF.
namespace orvex::menufile {

// One record: the name before the first "!" and the text (markers and caption) after it.
struct Record
{
    QString name;
    QString text;

    friend bool operator==(const Record &, const Record &) = default;
};

// A line split at its first "!".
struct SplitLine
{
    Record record;     // without a "!": an empty name and the whole line as text
    bool hasSeparator; // whether the line held a "!" at all
};

// Each "...." at the start of a record's text puts its caption one level deeper.
inline constexpr QStringView marker = u"....";

// Whether a record's text can hold `text` and read back unchanged: single-byte
// characters without line breaks.
bool isValidText(QStringView text);
// Whether a record's name can hold `text`: valid text without "!".
bool isValidName(QStringView text);

// The file's path in the given application folder.
QString path(const QString &applicationFolder);

// The line split at its first "!". The name reuses the line's storage, so a
// caller that moves in a line it alone holds saves one allocation.
SplitLine splitLine(QString line);

// Number of "...." groups at the start of the text.
qsizetype countMarkers(QStringView text);

// The text without its leading "...." groups (removed in place from the moved-in text).
QString stripMarkers(QString text);

// Every line of the file, without line ends; nothing when there is no menu
// file, only a regular file that is not hidden being one (a folder or a pipe
// named menu.txt is not); a failure naming the file when it exists but could
// not be opened or read.
Result<std::optional<QStringList>> read(const QString &filePath);

// Whether a record can be written so that it reads back unchanged, or why
// not: the name must not hold "!", neither part a line break, and every
// character must be single-byte.
Status checkRecord(const Record &record);

// "name!text" ended by CR LF; the record must pass checkRecord().
QByteArray encodeRecord(const Record &record);

// Replaces the file with one line per record, atomically and keeping the old
// file's permissions. On failure, which names the file, the old file is left
// as it was.
Status write(const QString &filePath, const QList<Record> &records);

} // namespace orvex::menufile
