#include "installation.h"

#include "logging.h"
#include "room.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <cerrno>
#include <tuple>
#include <utility>

namespace orvex {

namespace {

const QByteArray target = "PSP/COMMON/Orvex";
const QByteArray bookmarksName = "bookmarks.html";
const QString nothingChanged = QStringLiteral("Nothing on the stick was changed.");
constexpr int namesListed = 10;

QByteArray placed(const QByteArray &relative)
{
    return relative.isEmpty() ? target : target + '/' + relative;
}

// Names the first few of `paths` (below the Orvex folder), then how many more there are.
QString listed(const QList<QByteArray> &paths)
{
    QStringList names;
    for (qsizetype i = 0; i < std::min<qsizetype>(paths.size(), namesListed); ++i)
        names.append(QFile::decodeName(paths[i].mid(target.size() + 1)));
    QString text = names.join(QStringLiteral(", "));
    if (paths.size() > namesListed)
        text += QStringLiteral(" and %1 more").arg(paths.size() - namesListed);
    return text;
}

// Why the copy may not go into `common` (the real path of D/PSP/COMMON); empty when it may.
QString overlapReason(const QString &source, const QString &common)
{
    if (common + QStringLiteral("/Orvex") == source)
        return QStringLiteral("The destination is the folder being copied.");
    if (common.startsWith(source + QLatin1Char('/')))
        return QStringLiteral("The destination lies inside the folder being copied.");
    return {};
}

} // namespace

Installation::Installation(stick::FileSystem &fileSystem, QString applicationFolder, QString drive)
    : m_fileSystem(fileSystem), m_applicationFolder(std::move(applicationFolder)),
      m_drive(std::move(drive))
{
}

Installation::~Installation() = default;

Status Installation::check()
{
    m_stickState = nothingChanged;
    m_context =
        QStringLiteral("The Orvex folder could not be copied to %1/PSP/COMMON/.").arg(m_drive);
    auto root = m_fileSystem.openRoot(m_drive);
    if (!root.ok())
        return root.status();
    m_root = std::move(root.value());
    // Nothing may change between the checks and the writes: the lock comes first.
    if (Status locked = m_root->lock(); !locked.ok()) {
        if (locked.failure().error != EWOULDBLOCK)
            return locked;
        m_context.clear();
        return Status::refusal({}, QStringLiteral("Another installation onto this drive is "
                                                  "running."));
    }

    auto application = m_fileSystem.openRoot(m_applicationFolder);
    for (const auto &[name, line] : {std::tuple{QByteArray("nopass.html"), &m_openLine},
                                     std::tuple{QByteArray("pass.html"), &m_protectedLine}}) {
        auto page = application.ok()
                        ? application.value()->openFile(name, stick::Open::ReadThroughLink)
                        : Result<std::unique_ptr<stick::File>>(application.status());
        const Result<QByteArray> first =
            page.ok() ? readFirstLine(*page.value()) : Result<QByteArray>(page.status());
        if (!first.ok() || first->isEmpty()) {
            if (!first.ok())
                qCInfo(lcInstall) << "bookmark page:" << first.status().failure().text();
            m_context.clear();
            return Status::refusal({}, QStringLiteral("The bookmark page %1/%2 is missing or "
                                                      "empty.\r\nThe installer's own files are "
                                                      "incomplete: install the installer again.")
                                           .arg(m_applicationFolder, QFile::decodeName(name)));
        }
        *line = first.value();
    }

    if (Status drive = checkDrive(); !drive.ok())
        return drive;
    m_context = QStringLiteral("The bookmark could not be added to %1/PSP/SYSTEM/BROWSER/%2.")
                    .arg(m_drive, QString::fromLatin1(bookmarksName));
    auto bookmarks = BookmarksFile::open(*m_browser, bookmarksName);
    if (!bookmarks.ok())
        return bookmarks.status();
    m_bookmarks.emplace(std::move(bookmarks.value()));
    m_context =
        QStringLiteral("The Orvex folder could not be copied to %1/PSP/COMMON/.").arg(m_drive);
    return checkPayload();
}

Status Installation::checkDrive()
{
    // The stick must hold the browser's folder, and nothing on the way may be a link.
    std::unique_ptr<stick::Folder> system;
    const stick::Folder *in = m_root.get();
    for (const auto &[name, into] :
         {std::pair{QByteArray("PSP"), &m_psp}, std::pair{QByteArray("SYSTEM"), &system},
          std::pair{QByteArray("BROWSER"), &m_browser}}) {
        const Result<stick::Entry> entry = in->entry(name);
        if (!entry.ok())
            return entry.status();
        if (entry->kind == stick::EntryKind::Missing) {
            m_context.clear();
            return Status::refusal(
                {}, QStringLiteral("The drive %1 does not look like a PSP memory stick: it has "
                                   "no PSP/SYSTEM/BROWSER folder (%2 is missing).\r\nConnect "
                                   "the PSP in USB mode and choose its drive.")
                        .arg(m_drive, in->pathOf(name)));
        }
        auto opened = in->openFolder(name);
        if (!opened.ok())
            return opened.status();
        *into = std::move(opened.value());
        in = into->get();
    }
    return {};
}

Status Installation::checkPayload()
{
    auto payload = m_fileSystem.openRoot(m_applicationFolder + QStringLiteral("/Orvex"));
    if (!payload.ok())
        return payload.status();
    m_payload = std::move(payload.value());
    auto plan = planPayload(*m_payload);
    if (!plan.ok())
        return plan.status();
    m_plan = std::move(plan.value());
    if (!m_plan.problems.isEmpty()) {
        m_context.clear();
        return Status::refusal(
            {}, QStringLiteral("These entries of the Orvex folder cannot be installed:\r\n") +
                    m_plan.problems.join(QStringLiteral("\r\n")) +
                    QStringLiteral("\r\nRename or remove them in %1, then install again.")
                        .arg(m_payload->path()));
    }
    const QString overlap = overlapReason(
        m_payload->realPath(), QDir::cleanPath(m_root->realPath() + QStringLiteral("/PSP/COMMON")));
    if (!overlap.isEmpty())
        return Status::refusal(m_drive + QStringLiteral("/PSP/COMMON/"), overlap);

    auto found = checkTarget(*m_psp, m_plan);
    if (!found.ok())
        return found.status();
    m_target = std::move(found.value());

    const Result<stick::Space> space = m_root->space();
    if (!space.ok())
        return space.status();
    const qint64 needed = room::needed(m_plan, space->blockSize, m_bookmarks->size(),
                                       std::max(m_openLine.size(), m_protectedLine.size()) + 4);
    if (const QString shortage = room::shortage(needed, space->blockSize * space->freeBlocks);
        !shortage.isEmpty()) {
        m_context.clear();
        return Status::refusal({}, shortage);
    }
    return {};
}

Result<std::unique_ptr<stick::File>> Installation::openPayloadFile(const QByteArray &relative)
{
    const qsizetype slash = relative.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray() : relative.left(slash);
    if (!m_payloadOpen || m_payloadOpenPath != folder) {
        m_payloadOpen.reset();
        auto opened = m_payload->openPath(folder);
        if (!opened.ok())
            return opened.status();
        m_payloadOpen = std::move(opened.value());
        m_payloadOpenPath = folder;
    }
    return m_payloadOpen->openFile(relative.mid(slash + 1), stick::Open::ReadThroughLink);
}

Status Installation::undo(Status why)
{
    const Status undone = m_transaction->rollback();
    // A failure of the undo is told as what the stick now holds.
    m_stickState = undone.ok() ? nothingChanged
                               : QStringLiteral("Some files the installer wrote could not be "
                                                "removed: %1")
                                     .arg(undone.failure().text());
    return why;
}

Status Installation::copy(const ProgressCallback &progress, const std::atomic<bool> &cancel)
{
    StickProgress shown{
        StickProgress::Phase::Copying, 0, int(m_plan.files.size()), 0, m_plan.totalBytes, {}};
    m_transaction = std::make_unique<StickTransaction>(*m_root);
    QList<QByteArray> folders;
    if (!m_target.commonExists)
        folders.append("PSP/COMMON");
    if (!m_target.orvexExists)
        folders.append(target);
    for (const QByteArray &folder : std::as_const(m_plan.folders)) {
        if (!m_target.existingFolders.contains(folder))
            folders.append(placed(folder));
    }
    for (const QByteArray &folder : std::as_const(folders)) {
        if (Status made = m_transaction->makeFolder(folder); !made.ok())
            return undo(made);
    }
    for (const PayloadPlan::File &file : std::as_const(m_plan.files)) {
        if (cancel.load())
            return undo(Status::cancelled());
        shown.currentFile = QFile::decodeName(file.name);
        if (progress)
            progress(shown);
        // A temporary an interrupted install left under this file's temporary name goes first.
        Status written;
        if (m_target.leftovers.removeOne(temporaryName(file.name)))
            written = m_transaction->removeLeftover(placed(temporaryName(file.name)));
        auto source = openPayloadFile(file.name);
        if (written.ok())
            written = source.ok()
                          ? m_transaction->writeFile(placed(file.name), *source.value(), file.size)
                          : source.status();
        if (!written.ok())
            return undo(written);
        ++shown.filesDone;
        shown.bytesDone += file.size;
    }
    m_payloadOpen.reset();
    shown.currentFile.clear();
    if (progress)
        progress(shown);
    return {};
}

Status Installation::finish(bool protectedPage, const ProgressCallback &progress,
                            const std::atomic<bool> &cancel)
{
    if (progress)
        progress({StickProgress::Phase::Writing,
                  m_transaction->fileCount(),
                  m_transaction->fileCount(),
                  m_plan.totalBytes,
                  m_plan.totalBytes,
                  {}});
    if (Status committed = m_transaction->commit(); !committed.ok()) {
        committed = undo(std::move(committed));
        const QList<QByteArray> &updated = m_transaction->placed();
        if (!updated.isEmpty())
            m_stickState = QStringLiteral("%1 of the %2 files were updated before the failure: "
                                          "%3.")
                               .arg(updated.size())
                               .arg(m_transaction->fileCount())
                               .arg(listed(updated));
        return committed;
    }
    // The other temporaries an interrupted install left go once the files are in place.
    for (const QByteArray &leftover : std::as_const(m_target.leftovers)) {
        if (Status removed = m_transaction->removeLeftover(placed(leftover)); !removed.ok())
            qCWarning(lcInstall) << "leftover kept:" << removed.failure().text();
    }
    m_stickState = QStringLiteral("The Orvex folder on the stick was updated; no bookmark was "
                                  "added.");
    if (cancel.load())
        return Status::cancelled();
    m_context = QStringLiteral("The bookmark could not be added to %1/PSP/SYSTEM/BROWSER/%2.")
                    .arg(m_drive, QString::fromLatin1(bookmarksName));
    bool alreadyPresent = false;
    const Status added =
        m_bookmarks->add(protectedPage ? m_protectedLine : m_openLine, alreadyPresent);
    qCDebug(lcInstall) << "bookmark" << (alreadyPresent ? "already there" : "added");
    return added;
}

} // namespace orvex
