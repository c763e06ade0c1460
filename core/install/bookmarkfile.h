#pragma once

#include "install/fileresult.h"
#include "install/stickfolder.h"

#include <QByteArray>
#include <QString>

namespace orvex {

// Checks, before anything is written, that the bookmarks file `name` in
// `browser` is a regular file or absent: a link, a folder, a pipe or a device
// is refused.
FileResult checkBookmarksFile(const stick::Folder &browser, const QByteArray &name);

// Adds `line` and CR LF, as Latin-1 bytes, to the bookmarks file `name` in
// `browser`, creating the file when it is missing. When the file already holds
// the line (whatever line end follows it) nothing is written and
// `alreadyPresent` is set. When the file's last line lacks its line end, CR LF
// goes first so that the entries stay apart. Nothing already in the file is
// changed: an append that fails part-way is cut back, a file it created is
// removed. The file (and a folder entry it created) is flushed to the device.
FileResult addBookmarkLine(const stick::Folder &browser, const QByteArray &name,
                           const QString &line, bool &alreadyPresent);

} // namespace orvex
