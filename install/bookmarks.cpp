#include "install/bookmarks.h"

#include "install/linescanner.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <algorithm>
#include <vector>

namespace orvex {

namespace {

constexpr qint64 blockSize = 64 * 1024;
constexpr qint64 longestPageLine = 64 * 1024;

// The lines an update looks for: `line` first, unless empty, then `others`.
QList<QByteArray> sought(const QByteArray &line, const QList<QByteArray> &others)
{
    return line.isEmpty() ? others : QList<QByteArray>{line} + others;
}

Status shortRead(const QString &path)
{
    return Status::refusal(
        path, QCoreApplication::translate("InstallMessages",
                                          "the stick returned fewer bytes than the file holds"));
}

QByteArray addition(const QByteArray &line, bool afterLineEnd)
{
    return (afterLineEnd ? QByteArray() : QByteArray("\r\n")) + line + "\r\n";
}

} // namespace

Result<QByteArray> readFirstLine(stick::File &page)
{
    QByteArray line;
    std::vector<char> block(blockSize);
    for (qint64 offset = 0;; offset += blockSize) {
        const Result<qint64> count = page.read(block.data(), blockSize, offset);
        if (!count.ok())
            return count.status();
        const char *end = std::find_if(block.data(), block.data() + count.value(),
                                       [](char c) { return c == '\r' || c == '\n'; });
        line.append(block.data(), end - block.data());
        if (line.size() > longestPageLine)
            return Status::refusal(
                page.path(), QCoreApplication::translate("InstallMessages",
                                                         "its first line is longer than 64 KiB"));
        if (end < block.data() + count.value() || count.value() < blockSize)
            return line;
    }
}

BookmarksFile::BookmarksFile(stick::Folder *browser, QByteArray name, QString path,
                             std::unique_ptr<stick::File> file, stick::Entry entry)
    : m_browser(browser), m_name(std::move(name)), m_path(std::move(path)), m_file(std::move(file)),
      m_entry(entry)
{
}

BookmarksFile::~BookmarksFile() = default;

BookmarksFile BookmarksFile::absent(QString path)
{
    return BookmarksFile(nullptr, {}, std::move(path), nullptr, {});
}

Result<BookmarksFile> BookmarksFile::open(stick::Folder &browser, const QByteArray &name)
{
    const QString path = browser.pathOf(name);
    // A later step may replace the file through a temporary beside it.
    if (Status writable = browser.checkWritable(); !writable.ok())
        return writable;
    const Result<stick::Entry> entry = browser.entry(name);
    if (!entry.ok())
        return entry.status();
    switch (entry->kind) {
    case stick::EntryKind::Missing:
        return absent(path);
    case stick::EntryKind::RegularFile:
        break;
    case stick::EntryKind::Link:
        return Status::refusal(
            path, QCoreApplication::translate("InstallMessages",
                                              "is a link; the installer does not follow "
                                              "links on the drive"));
    case stick::EntryKind::Folder:
    case stick::EntryKind::Other:
        return Status::refusal(
            path, QCoreApplication::translate("InstallMessages", "is not a regular file"));
    }
    Result<std::unique_ptr<stick::File>> file = browser.openFile(name, stick::Open::AppendExisting);
    if (!file.ok())
        return file.status();
    // Checked on the open file, so that a name swapped meanwhile changes nothing.
    const Result<stick::Entry> status = file.value()->status();
    if (!status.ok())
        return status.status();
    if (status->links != 1)
        return Status::refusal(
            path, QCoreApplication::translate("InstallMessages",
                                              "has %1 names (hard links); the installer "
                                              "changes only a file with one name.\r\nMake "
                                              "it a file of its own (put a copy in its "
                                              "place), then install again.")
                      .arg(status->links));
    char head[2] = {};
    const Result<qint64> read = file.value()->read(head, 2, 0);
    if (!read.ok())
        return read.status();
    if (read.value() == 2 &&
        ((head[0] == '\xFF' && head[1] == '\xFE') || (head[0] == '\xFE' && head[1] == '\xFF')))
        return Status::refusal(
            path, QCoreApplication::translate("InstallMessages",
                                              "is UTF-16 text; the installer adds its "
                                              "bookmark only to single-byte text.\r\nSave "
                                              "it as single-byte text (ASCII or UTF-8), "
                                              "then install again."));
    return BookmarksFile(&browser, name, path, std::move(file.value()), status.value());
}

Status BookmarksFile::scan(LineScanner &scanner)
{
    std::vector<char> block(blockSize);
    for (qint64 offset = 0; offset < m_entry.size; offset += blockSize) {
        const qint64 wanted = std::min(blockSize, m_entry.size - offset);
        const Result<qint64> count = m_file->read(block.data(), wanted, offset);
        if (!count.ok())
            return count.status();
        if (count.value() < wanted)
            return shortRead(m_path);
        scanner.feed(QByteArrayView(block.data(), count.value()));
    }
    scanner.finish();
    return {};
}

Result<QList<int>> BookmarksFile::count(const QList<QByteArray> &lines)
{
    QList<int> counts(lines.size(), 0);
    if (!m_file)
        return counts;
    LineScanner scanner(lines);
    if (Status scanned = scan(scanner); !scanned.ok())
        return scanned;
    for (qsizetype i = 0; i < lines.size(); ++i)
        counts[i] = scanner.count(i);
    return counts;
}

Result<BookmarksFile::Change> BookmarksFile::changeFor(const QByteArray &line,
                                                       const QList<QByteArray> &others)
{
    if (!m_file)
        return line.isEmpty() ? Change::None : Change::Create;
    LineScanner scanner(sought(line, others));
    if (Status scanned = scan(scanner); !scanned.ok())
        return scanned;
    m_endsWithLineEnd = scanner.endsWithLineEnd();
    const qsizetype firstOther = line.isEmpty() ? 0 : 1;
    const int present = line.isEmpty() ? 0 : scanner.count(0);
    int unwanted = std::max(present - 1, 0);
    for (qsizetype i = 0; i < others.size(); ++i)
        unwanted += scanner.count(firstOther + i);
    if (unwanted > 0)
        return Change::Rewrite;
    return line.isEmpty() || present > 0 ? Change::None : Change::Append;
}

ByteSource BookmarksFile::changed(const QByteArray &line, const QList<QByteArray> &others)
{
    return [this, line, others](const ByteSink &sink) -> Status {
        if (!m_file)
            return sink(addition(line, true));
        // The copy leaves out the unwanted lines; it is handed on in blocks.
        QByteArray pending;
        Status taken;
        const auto handOn = [&] {
            if (taken.ok() && !pending.isEmpty())
                taken = sink(pending);
            pending.clear();
        };
        LineScanner scanner(
            sought(line, others),
            [&line](qsizetype wanted, int before) {
                return !line.isEmpty() && wanted == 0 && before == 0;
            },
            [&](QByteArrayView bytes) {
                pending += bytes;
                if (pending.size() >= blockSize)
                    handOn();
            });
        if (Status scanned = scan(scanner); !scanned.ok())
            return scanned;
        if (!line.isEmpty() && scanner.count(0) == 0)
            pending += addition(line, scanner.endsWithLineEnd());
        handOn();
        return taken;
    };
}

Status BookmarksFile::append(const QByteArray &line)
{
    const QByteArray bytes = addition(line, m_endsWithLineEnd);
    Status written = m_file->write(bytes.constData(), bytes.size());
    if (written.ok())
        written = m_file->flush();
    if (written.ok()) {
        auto reader = m_browser->openFile(m_name, stick::Open::Read);
        written = reader.ok() ? reader.value()->dropCache() : reader.status();
        if (written.ok())
            written = readBack(*reader.value(), bytesSource(bytes), m_path, m_entry.size);
    }
    if (!written.ok()) {
        // Nothing that was in the file before may change.
        Status restored = m_file->truncate(m_entry.size);
        if (restored.ok())
            restored = m_file->flush();
        if (!restored.ok()) {
            const Failure &failure = written.failure();
            return Failure{failure.path, 0,
                           failure.why() +
                               QCoreApplication::translate("InstallMessages",
                                                           " (the file could not be restored)")};
        }
        return written;
    }
    const Status closed = m_file->close();
    m_file.reset();
    return closed;
}

void BookmarksFile::close()
{
    m_file.reset();
}

} // namespace orvex
