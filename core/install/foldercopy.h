#pragma once

#include "install/fileresult.h"

#include <QString>
#include <functional>

namespace orvex {

// Where a folder copy stands: reported before each file and once more at the end.
struct CopyProgress
{
    int filesDone;
    int filesTotal;
    QString currentFile; // relative to the copied folder, "/"-separated; empty at the end
};

using CopyProgressCallback = std::function<void(const CopyProgress &)>;

// Creates one folder level; a folder that already exists counts as success.
FileResult createFolder(const QString &path);

// Copies the folder `source`, under its own name and with everything in it, into the existing
// folder `destinationFolder` ("A/Orvex" into "D/PSP/COMMON/" gives "D/PSP/COMMON/Orvex").
// Copies bytes only, never permissions or owner. Each file is written under a temporary name
// and renamed over the old one once complete, so existing files are replaced but never left
// truncated. Refuses a destination inside the source. Stops at the first failure; what was
// copied by then stays.
FileResult copyFolderInto(const QString &source, const QString &destinationFolder,
                          const CopyProgressCallback &progress = {});

} // namespace orvex
