#pragma once

#include "install/fileresult.h"

#include <QString>

namespace orvex {

// Appends `line` and CR LF, as Latin-1 bytes, to the bookmarks file at `filePath`. Creates the
// file when it is missing but never its folder. When the file's last line lacks its line end,
// CR LF goes first so that the entries stay apart. Nothing already in the file is changed; an
// append that fails part-way is cut back to the old length.
FileResult appendBookmarkLine(const QString &filePath, const QString &line);

} // namespace orvex
