#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Single-byte text files: each byte is one character (Latin-1), so every byte
// round-trips. A line ends at CR LF, a lone CR or a lone LF; the last line may
// lack its end. Lines are written with CR LF.
namespace orvex::textlines {

// Every line of the text, without line ends. An empty text has no lines; a
// text ending in a line end has no empty line after it.
QStringList split(const QByteArray &bytes);

// The first line, without its line end ("" for an empty text).
QString first(const QByteArray &bytes);

// One line as bytes, ended by CR LF.
QByteArray encodeLine(const QString &line);

} // namespace orvex::textlines
