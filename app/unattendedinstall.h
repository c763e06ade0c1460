#pragma once

#include <QString>

class QTextStream;

namespace orvex {

// Runs the install procedure without a window: the confirmation is taken as
// given and the password question answered with `password`. Questions and
// information go to `out`, failures to `errors`, one paragraph a message.
// Returns the exit status: 0 installed, 1 failed.
int runUnattendedInstall(const QString &applicationFolder, const QString &drive, bool password,
                         QTextStream &out, QTextStream &errors);

} // namespace orvex
