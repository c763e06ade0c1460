#pragma once

#include "app/commandline.h"
#include "drives/eject.h"

#include <QString>

class QTextStream;

namespace orvex {

// Runs the install or the removal that `line` asks for without a window: the
// confirmation is taken as given and the passcode question answered from the
// command line. Questions and information go to `out`, failures to `errors`,
// one paragraph a message; a passcode made up for the user is printed as "The
// passcode is NNNN.". SIGINT, SIGTERM and SIGHUP cancel it. With --eject, once
// it is done, ejects the stick through `disks` (null: the machine's disk
// service) and prints what came of it. Returns the exit status: 0 done (for a
// removal, also when there was nothing to remove), 1 failed or cancelled, 3
// done but not ejected.
int runUnattended(const QString &applicationFolder, const CommandLine &line, QTextStream &out,
                  QTextStream &errors, drives::DiskService *disks = nullptr);

} // namespace orvex
