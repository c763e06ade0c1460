#include "transaction.h"

#include "installtarget.h"
#include "logging.h"

#include <QSet>
#include <algorithm>
#include <cerrno>

namespace orvex {

namespace {

QByteArray parentOf(const QByteArray &relative)
{
    const qsizetype slash = relative.lastIndexOf('/');
    return slash < 0 ? QByteArray() : relative.left(slash);
}

QByteArray leafOf(const QByteArray &relative)
{
    return relative.mid(relative.lastIndexOf('/') + 1);
}

QByteArray joined(const QByteArray &folder, const QByteArray &name)
{
    return folder.isEmpty() ? name : folder + '/' + name;
}

} // namespace

StickTransaction::StickTransaction(stick::Folder &root)
    : m_root(root), m_userSpace(root.isUserSpaceFileSystem())
{
}

StickTransaction::~StickTransaction() = default;

Result<stick::Folder *> StickTransaction::folder(const QByteArray &relative)
{
    if (relative.isEmpty())
        return &m_root;
    if (!m_open || m_openPath != relative) {
        m_open.reset();
        auto opened = m_root.openPath(relative);
        if (!opened.ok())
            return opened.status();
        m_open = std::move(opened.value());
        m_openPath = relative;
    }
    return m_open.get();
}

Status StickTransaction::makeFolder(const QByteArray &relative)
{
    const Result<stick::Folder *> parent = folder(parentOf(relative));
    if (!parent.ok())
        return parent.status();
    Status made = parent.value()->makeFolder(leafOf(relative));
    if (made.ok())
        m_made.append(relative);
    return made;
}

Status StickTransaction::removeLeftover(const QByteArray &relative)
{
    const Result<stick::Folder *> parent = folder(parentOf(relative));
    return parent.ok() ? parent.value()->removeFile(leafOf(relative)) : parent.status();
}

Result<std::unique_ptr<stick::File>> StickTransaction::create(const QByteArray &relative,
                                                              Written &written)
{
    written = {parentOf(relative), leafOf(relative)};
    const Result<stick::Folder *> into = folder(written.folder);
    if (!into.ok())
        return into.status();
    auto file = into.value()->openFile(temporaryName(written.name), stick::Open::CreateNew);
    if (file.ok()) {
        m_files.append(written);
        ++m_fileCount;
    }
    return file;
}

Status StickTransaction::finishFile(stick::File &file)
{
    if (m_userSpace) {
        if (Status flushed = file.flush(); !flushed.ok())
            return flushed;
    }
    return file.close();
}

Status StickTransaction::writeFile(const QByteArray &relative, stick::File &source, qint64 size)
{
    Written written;
    auto file = create(relative, written);
    if (!file.ok())
        return file.status();
    Status copied = file.value()->copyFrom(source, size);
    return copied.ok() ? finishFile(*file.value()) : copied;
}

Status StickTransaction::writeFile(const QByteArray &relative, const QByteArray &bytes)
{
    Written written;
    auto file = create(relative, written);
    if (!file.ok())
        return file.status();
    Status copied = file.value()->write(bytes.constData(), bytes.size());
    return copied.ok() ? finishFile(*file.value()) : copied;
}

Status StickTransaction::flushAll(bool afterRenames)
{
    if (!m_userSpace) {
        if (Status flushed = m_root.flushFileSystem(); !flushed.ok())
            return flushed;
    } else if (afterRenames) {
        // Every folder whose entries changed, deepest first, then the root.
        QSet<QByteArray> seen;
        QList<QByteArray> folders;
        for (const Written &file : std::as_const(m_files))
            folders.append(file.folder);
        for (const QByteArray &made : std::as_const(m_made))
            folders.append(parentOf(made));
        std::stable_sort(
            folders.begin(), folders.end(),
            [](const QByteArray &a, const QByteArray &b) { return a.count('/') > b.count('/'); });
        for (const QByteArray &relative : std::as_const(folders)) {
            if (relative.isEmpty() || seen.contains(relative))
                continue;
            seen.insert(relative);
            const Result<stick::Folder *> open = folder(relative);
            if (!open.ok())
                return open.status();
            if (Status flushed = open.value()->flush(); !flushed.ok())
                return flushed;
        }
    }
    return m_root.flush();
}

Status StickTransaction::commit()
{
    if (Status flushed = flushAll(false); !flushed.ok())
        return flushed;
    Status renamed;
    for (const Written &file : std::as_const(m_files)) {
        const Result<stick::Folder *> into = folder(file.folder);
        renamed =
            into.ok() ? into.value()->rename(temporaryName(file.name), file.name) : into.status();
        if (!renamed.ok()) {
            qCWarning(lcInstall) << "renames stopped after" << m_placed.size() << "of"
                                 << m_files.size() << "files:" << renamed.failure().text();
            break;
        }
        m_placed.append(joined(file.folder, file.name));
    }
    // What was renamed is flushed even after a failed rename.
    const Status flushed = flushAll(true);
    return renamed.ok() ? flushed : renamed;
}

Status StickTransaction::rollback()
{
    Status first;
    const auto note = [&first](Status status) {
        if (!status.ok()) {
            qCWarning(lcInstall) << "rollback:" << status.failure().text();
            if (first.ok())
                first = std::move(status);
        }
    };
    for (qsizetype i = m_files.size() - 1; i >= m_placed.size(); --i) {
        const Result<stick::Folder *> into = folder(m_files[i].folder);
        note(into.ok() ? into.value()->removeFile(temporaryName(m_files[i].name)) : into.status());
    }
    m_files.resize(m_placed.size());
    for (auto it = m_made.crbegin(); it != m_made.crend(); ++it) {
        m_open.reset(); // no descriptor of ours holds a folder open while it goes
        const Result<stick::Folder *> parent = folder(parentOf(*it));
        Status removed = parent.ok() ? parent.value()->removeFolder(leafOf(*it)) : parent.status();
        // A folder that received files stays.
        if (removed.ok() || m_placed.isEmpty() || removed.failure().error != ENOTEMPTY)
            note(std::move(removed));
    }
    m_made.clear();
    m_open.reset();
    return first;
}

} // namespace orvex
