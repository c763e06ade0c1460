#include "bookmarks.h"

#include "installtarget.h"
#include "linescanner.h"

#include <QByteArrayView>
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
    return Status::refusal(path,
                           QStringLiteral("the stick returned fewer bytes than the file holds"));
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
            return Status::refusal(page.path(),
                                   QStringLiteral("its first line is longer than 64 KiB"));
        if (end < block.data() + count.value() || count.value() < blockSize)
            return line;
    }
}

BookmarksFile::BookmarksFile(stick::Folder &browser, QByteArray name,
                             std::unique_ptr<stick::File> file, qint64 size)
    : m_browser(&browser), m_name(std::move(name)), m_file(std::move(file)), m_size(size)
{
}

BookmarksFile::~BookmarksFile() = default;

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
        return BookmarksFile(browser, name, nullptr, 0);
    case stick::EntryKind::RegularFile:
        break;
    case stick::EntryKind::Link:
        return Status::refusal(path, QStringLiteral("is a link; the installer does not follow "
                                                    "links on the drive"));
    case stick::EntryKind::Folder:
    case stick::EntryKind::Other:
        return Status::refusal(path, QStringLiteral("is not a regular file"));
    }
    Result<std::unique_ptr<stick::File>> file = browser.openFile(name, stick::Open::AppendExisting);
    if (!file.ok())
        return file.status();
    // Checked on the open file, so that a name swapped meanwhile changes nothing.
    const Result<stick::Entry> status = file.value()->status();
    if (!status.ok())
        return status.status();
    if (status->links != 1)
        return Status::refusal(path, QStringLiteral("has %1 names (hard links); the installer "
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
        return Status::refusal(path, QStringLiteral("is UTF-16 text; the installer adds its "
                                                    "bookmark only to single-byte text.\r\nSave "
                                                    "it as single-byte text (ASCII or UTF-8), "
                                                    "then install again."));
    return BookmarksFile(browser, name, std::move(file.value()), status->size);
}

Status BookmarksFile::scan(LineScanner &scanner)
{
    std::vector<char> block(blockSize);
    for (qint64 offset = 0; offset < m_size; offset += blockSize) {
        const qint64 wanted = std::min(blockSize, m_size - offset);
        const Result<qint64> count = m_file->read(block.data(), wanted, offset);
        if (!count.ok())
            return count.status();
        if (count.value() < wanted)
            return shortRead(m_file->path());
        scanner.feed(QByteArrayView(block.data(), count.value()));
    }
    scanner.finish();
    return {};
}

Status BookmarksFile::update(const QByteArray &line, const QList<QByteArray> &others,
                             Change &change)
{
    change = Change::None;
    if (!m_file) {
        if (line.isEmpty())
            return {};
        Result<std::unique_ptr<stick::File>> created =
            m_browser->openFile(m_name, stick::Open::CreateNew);
        if (!created.ok())
            return created.status();
        m_file = std::move(created.value());
        change = Change::Appended;
        return append(line + "\r\n", true);
    }
    LineScanner scanner(sought(line, others));
    if (Status scanned = scan(scanner); !scanned.ok())
        return scanned;
    const qsizetype firstOther = line.isEmpty() ? 0 : 1;
    const int present = line.isEmpty() ? 0 : scanner.count(0);
    int unwanted = std::max(present - 1, 0);
    for (qsizetype i = 0; i < others.size(); ++i)
        unwanted += scanner.count(firstOther + i);
    if (unwanted > 0) {
        change = Change::Rewritten;
        return rewrite(line, others);
    }
    if (line.isEmpty() || present > 0)
        return m_file->close();
    change = Change::Appended;
    return append((scanner.endsWithLineEnd() ? QByteArray() : "\r\n") + line + "\r\n", false);
}

Status BookmarksFile::append(const QByteArray &bytes, bool creating)
{
    Status written = m_file->write(bytes.constData(), bytes.size());
    if (written.ok())
        written = m_file->flush();
    if (!written.ok()) {
        // Nothing that was in the file before may change.
        const Status restored = creating ? m_browser->removeFile(m_name) : m_file->truncate(m_size);
        if (!restored.ok()) {
            const Failure &failure = written.failure();
            return Failure{failure.path, 0,
                           failure.why() + QStringLiteral(" (the file could not be restored)")};
        }
        return written;
    }
    if (Status closed = m_file->close(); !closed.ok())
        return closed;
    return creating ? m_browser->flush() : Status();
}

Status BookmarksFile::rewrite(const QByteArray &line, const QList<QByteArray> &others)
{
    const QByteArray temporary = m_name + temporarySuffix;
    if (const Result<stick::Entry> left = m_browser->entry(temporary);
        left.ok() && left->kind == stick::EntryKind::RegularFile) {
        if (Status removed = m_browser->removeFile(temporary); !removed.ok())
            return removed;
    }
    Result<std::unique_ptr<stick::File>> created =
        m_browser->openFile(temporary, stick::Open::CreateNew);
    if (!created.ok())
        return created.status();
    stick::File &copy = *created.value();
    // The copy leaves out the unwanted lines; it is written in blocks.
    QByteArray pending;
    Status written;
    const auto flushPending = [&] {
        if (written.ok() && !pending.isEmpty())
            written = copy.write(pending.constData(), pending.size());
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
                flushPending();
        });
    Status done = scan(scanner);
    if (done.ok() && !line.isEmpty() && scanner.count(0) == 0)
        pending += (scanner.endsWithLineEnd() ? QByteArray() : "\r\n") + line + "\r\n";
    flushPending();
    if (done.ok())
        done = written;
    if (done.ok())
        done = copy.flush();
    if (Status closed = copy.close(); done.ok())
        done = closed;
    if (done.ok())
        done = m_browser->rename(temporary, m_name);
    if (!done.ok()) {
        (void)m_browser->removeFile(temporary);
        return done;
    }
    (void)m_file->close();
    return m_browser->flush();
}

} // namespace orvex
