#pragma once

#include "result.h"
#include "stick/folder.h"

#include <QByteArray>
#include <QList>
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

    // What an update did to the file.
    enum class Change
    {
        None,
        Appended,
        Rewritten
    };

    // Makes `line` the file's one Orvex bookmark: every line equal to one of
    // `others` goes, so does a second `line`, and `line` and CR LF are added
    // at the end unless the file holds it (whatever line end follows it, after
    // a UTF-8 byte-order mark too). An empty `line` takes them all out. Every
    // other byte stays, the byte-order mark and the line ends included.
    //
    // An addition alone is appended through the descriptor opened by open(),
    // with CR LF first when the last line lacks its end; a failed or short
    // append cuts the file back, or removes the file it created. When a line
    // must go, the new file is written to a temporary beside it, flushed and
    // renamed over the old one. The file, and the folder when its entry
    // changed, is flushed to the device.
    Status update(const QByteArray &line, const QList<QByteArray> &others, Change &change);

private:
    BookmarksFile(stick::Folder &browser, QByteArray name, std::unique_ptr<stick::File> file,
                  qint64 size);
    // Reads the whole file through `scanner`, block by block.
    Status scan(class LineScanner &scanner);
    Status append(const QByteArray &bytes, bool creating);
    Status rewrite(const QByteArray &line, const QList<QByteArray> &others);

    stick::Folder *m_browser;
    QByteArray m_name;
    std::unique_ptr<stick::File> m_file; // null while the file is absent
    qint64 m_size;
};

} // namespace orvex
