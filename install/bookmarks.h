#pragma once

#include "core/result.h"
#include "install/filecontent.h"
#include "install/stick/folder.h"

#include <QByteArray>
#include <QList>
#include <memory>

namespace orvex {

// The first line of a bookmark page, without its line end. A line longer than
// 64 KiB is refused rather than read whole.
Result<QByteArray> readFirstLine(stick::File &page);

// The browser's bookmarks file: checked before anything is written, then kept
// open, so that what was checked is what gets read and appended to.
class BookmarksFile
{
public:
    // Checks the file `name` in `browser`. It may be absent (the folder must
    // then let this user create it); otherwise it must be a regular file with
    // one name (no hard link to a file elsewhere), not UTF-16 text, and open
    // for appending by this user.
    static Result<BookmarksFile> open(stick::Folder &browser, const QByteArray &name);
    // A bookmarks file that is not there yet, at `path` as the user knows it.
    static BookmarksFile absent(QString path);

    BookmarksFile(BookmarksFile &&) noexcept = default;
    BookmarksFile &operator=(BookmarksFile &&) noexcept = default;
    ~BookmarksFile();

    bool exists() const { return m_file != nullptr; }
    const QString &path() const { return m_path; }
    // Its size and mode when checked; 0 when absent.
    qint64 size() const { return m_entry.size; }
    const stick::Entry &entry() const { return m_entry; }

    // How many lines equal each of `lines`, whatever line end follows them
    // (after a UTF-8 byte-order mark too).
    Result<QList<int>> count(const QList<QByteArray> &lines);

    // What making `line` the file's one Orvex bookmark does to it: every line
    // equal to one of `others` goes, so does a second `line`, and `line` is
    // added at the end unless the file holds it. An empty `line` takes them
    // all out.
    enum class Change
    {
        None,
        Create,  // a new file holding the line
        Append,  // the line added at the end
        Rewrite, // lines taken out: the file is written anew through a temporary
    };
    Result<Change> changeFor(const QByteArray &line, const QList<QByteArray> &others);

    // The bytes of the file after the change: every other byte stays, the
    // byte-order mark and the line ends included; `line` and CR LF come at the
    // end, with CR LF first when the line before lacks its end. Read from the
    // file as checked, block by block.
    ByteSource changed(const QByteArray &line, const QList<QByteArray> &others);

    // Appends `line` through the descriptor opened by open(), as changed()
    // would, flushes it and reads the new bytes back through a descriptor of
    // their own, as any reader would. A failure cuts the file back to its old
    // size. Needs changeFor() first.
    Status append(const QByteArray &line);

    // Closes the file; nothing of it is kept open.
    void close();

private:
    BookmarksFile(stick::Folder *browser, QByteArray name, QString path,
                  std::unique_ptr<stick::File> file, stick::Entry entry);
    // Reads the whole file through `scanner`, block by block.
    Status scan(class LineScanner &scanner);

    stick::Folder *m_browser; // null while the file is absent
    QByteArray m_name;
    QString m_path;
    std::unique_ptr<stick::File> m_file; // null while the file is absent
    stick::Entry m_entry;
    bool m_endsWithLineEnd = true;
};

} // namespace orvex
