#pragma once

#include "result.h"
#include "stick/folder.h"

#include <QByteArray>
#include <memory>

namespace orvex {

// The first line of a bookmark page, without its line end. A line longer than
// 64 KiB is refused rather than read whole.
Result<QByteArray> readFirstLine(stick::File &page);

// The browser's bookmarks file: checked before anything is written, then kept
// open for the append, so that what was checked is what gets written.
class BookmarksFile
{
public:
    // Checks the file `name` in `browser`. It may be absent (the folder must
    // then let this user create it); otherwise it must be a regular file with
    // one name (no hard link to a file elsewhere), not UTF-16 text, and open
    // for appending by this user.
    static Result<BookmarksFile> open(stick::Folder &browser, const QByteArray &name);

    BookmarksFile(BookmarksFile &&) noexcept = default;
    BookmarksFile &operator=(BookmarksFile &&) noexcept = default;
    ~BookmarksFile();

    // Its size when checked; 0 when absent.
    qint64 size() const { return m_size; }

    // Adds `line` and CR LF, unless the file holds that line already (whatever
    // line end follows it, after a UTF-8 byte-order mark too): then nothing is
    // written and `alreadyPresent` is set. CR LF goes first when the last line
    // lacks its end. A failed or short append cuts the file back, or removes
    // the file it created. The file, and the folder when the file is new, is
    // flushed to the device.
    Status add(const QByteArray &line, bool &alreadyPresent);

private:
    BookmarksFile(stick::Folder &browser, QByteArray name, std::unique_ptr<stick::File> file,
                  qint64 size);
    Status holds(const QByteArray &line, bool &present, bool &endsWithLineEnd);

    stick::Folder *m_browser;
    QByteArray m_name;
    std::unique_ptr<stick::File> m_file; // null while the file is absent
    qint64 m_size;
};

} // namespace orvex
