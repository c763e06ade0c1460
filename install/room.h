#pragma once

#include "payloadplan.h"

#include <QString>

namespace orvex::room {

// The bytes an install needs on a file system of `blockSize`: each file
// rounded up to whole blocks, a block for each folder (the payload's, Orvex
// and PSP/COMMON), the bookmark line of `lineSize` bytes, and a second copy
// of the bookmarks file of `bookmarksSize`, since a step may rewrite it
// through a temporary.
qint64 needed(const PayloadPlan &plan, qint64 blockSize, qint64 bookmarksSize, qint64 lineSize);

// What to tell the user when `needed` bytes do not fit in the `free` ones;
// empty when they fit.
QString shortage(qint64 needed, qint64 free);

} // namespace orvex::room
