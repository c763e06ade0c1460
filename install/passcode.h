#pragma once

#include <QByteArray>
#include <QString>

// The passcode that the lock page on the stick asks for: 4 to 8 digits, kept
// in PSP/COMMON/Orvex/passcode.js, which the installer writes.
namespace orvex::passcode {

// The file's name in the Orvex folder.
inline constexpr char fileName[] = "passcode.js";

bool isValid(const QString &passcode);

// The file that holds `passcode`, as the lock page reads it.
QByteArray fileText(const QString &passcode);

// The passcode a file holds; empty when it holds none.
QString fromFileText(const QByteArray &text);

// A new passcode of 4 random digits.
QString random();

} // namespace orvex::passcode
