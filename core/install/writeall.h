#pragma once

#include <QByteArray>
#include <QFile>

namespace orvex {

// Writes every byte, going on after short writes; false once the device
// refuses (for instance when it is full).
bool writeAll(QFile &file, const QByteArray &bytes);

} // namespace orvex
