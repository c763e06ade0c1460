#include "install/transaction.h"

#include "install/installtarget.h"
#include "install/logging.h"

#include <QSet>
#include <algorithm>
#include <deque>

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

bool holdsAnyOf(const QByteArray &folder, const QList<QByteArray> &paths)
{
    return std::any_of(paths.cbegin(), paths.cend(),
                       [&](const QByteArray &path) { return path.startsWith(folder + '/'); });
}

} // namespace

StickTransaction::StickTransaction(stick::Folder &root)
    : m_root(root), m_kind(root.fileSystemKind())
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

Status StickTransaction::writeFile(const QByteArray &relative, const ByteSource &content,
                                   const std::optional<stick::Entry> &like)
{
    Written written{parentOf(relative), leafOf(relative), content};
    const Result<stick::Folder *> into = folder(written.folder);
    if (!into.ok())
        return into.status();
    auto file = into.value()->openFile(temporaryName(written.name), stick::Open::CreateNew);
    if (!file.ok())
        return file.status();
    m_files.append(std::move(written));
    stick::File &target = *file.value();
    Status done = like ? target.takeModeAndOwner(*like) : Status();
    if (done.ok())
        done = content(
            [&target](QByteArrayView bytes) { return target.write(bytes.data(), bytes.size()); });
    // On a file system run in user space only a flush of each file reaches the device.
    if (done.ok() && m_kind == stick::FileSystemKind::UserSpace)
        done = target.flush();
    const Status closed = target.close();
    return done.ok() ? closed : done;
}

void StickTransaction::removeAfterRenames(const QByteArray &relative, const QByteArray &keepFrom)
{
    m_obsolete.append({relative, keepFrom});
}

QList<QByteArray> StickTransaction::written() const
{
    QList<QByteArray> paths;
    for (const Written &file : m_files)
        paths.append(joined(file.folder, file.name));
    return paths;
}

Status StickTransaction::flushAll(bool afterRenames)
{
    if (m_kind != stick::FileSystemKind::UserSpace) {
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
        folders += m_touched;
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

Status StickTransaction::verify(const std::atomic<bool> &cancel)
{
    if (Status flushed = flushAll(false); !flushed.ok())
        return flushed;
    // The device reads a few files ahead of the one compared, so that it does
    // not wait for each small file in turn.
    constexpr std::size_t readAhead = 8;
    std::deque<std::pair<std::unique_ptr<stick::File>, QString>> reading; // the file, its name
    qsizetype next = 0;
    for (const Written &file : std::as_const(m_files)) {
        if (cancel.load())
            return Status::cancelled();
        for (; next < m_files.size() && reading.size() <= readAhead; ++next) {
            const Result<stick::Folder *> into = folder(m_files[next].folder);
            if (!into.ok())
                return into.status();
            auto opened =
                into.value()->openFile(temporaryName(m_files[next].name), stick::Open::Read);
            if (!opened.ok())
                return opened.status();
            if (Status dropped = opened.value()->dropCache(); !dropped.ok())
                return dropped;
            reading.emplace_back(std::move(opened.value()),
                                 into.value()->pathOf(m_files[next].name));
        }
        const auto [written, shownName] = std::move(reading.front());
        reading.pop_front();
        if (Status kept = readBack(*written, file.content, shownName); !kept.ok())
            return kept;
    }
    return {};
}

void StickTransaction::removeObsolete()
{
    // Files an older install left that no longer belong, then the folders this
    // empties; a failure here loses nothing, so it is only logged.
    for (const auto &[file, keepFrom] : std::as_const(m_obsolete)) {
        QByteArray gone = file;
        const Result<stick::Folder *> in = folder(parentOf(file));
        const Status removed = in.ok() ? in.value()->removeFile(leafOf(file)) : in.status();
        if (!removed.ok()) {
            qCInfo(lcInstall) << "obsolete file kept:" << removed.failure().text();
            continue;
        }
        for (QByteArray emptied = parentOf(file); emptied != keepFrom && !emptied.isEmpty();
             emptied = parentOf(emptied)) {
            const Result<stick::Folder *> self = folder(emptied);
            const auto names =
                self.ok() ? self.value()->names() : Result<QList<QByteArray>>(self.status());
            if (!names.ok() || !names->isEmpty())
                break;
            m_open.reset(); // no descriptor of ours holds the folder open while it goes
            const Result<stick::Folder *> parent = folder(parentOf(emptied));
            if (!parent.ok() || !parent.value()->removeFolder(leafOf(emptied)).ok())
                break;
            gone = emptied;
        }
        m_touched.append(parentOf(gone));
    }
}

Status StickTransaction::commit()
{
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
    if (renamed.ok())
        removeObsolete();
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
        // A folder that received files stays.
        if (holdsAnyOf(*it, m_placed))
            continue;
        m_open.reset(); // no descriptor of ours holds a folder open while it goes
        const Result<stick::Folder *> parent = folder(parentOf(*it));
        note(parent.ok() ? parent.value()->removeFolder(leafOf(*it)) : parent.status());
    }
    m_made.clear();
    m_open.reset();
    return first;
}

} // namespace orvex
