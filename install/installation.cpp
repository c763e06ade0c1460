#include "installation.h"

#include "logging.h"
#include "passcode.h"
#include "room.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <tuple>
#include <utility>

namespace orvex {

namespace {

const QByteArray target = "PSP/COMMON/Orvex";
// A passcode file is a few lines: more than this is not one of ours.
constexpr qint64 passcodeFileLimit = 4096;
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
    : m_session(fileSystem, std::move(applicationFolder), std::move(drive))
{
}

Installation::~Installation() = default;

Status Installation::check()
{
    m_stickState = nothingChanged;
    const QString &drive = m_session.drive();
    const DriveSession::Contexts contexts{
        QStringLiteral("The Orvex folder could not be copied to %1/PSP/COMMON/.").arg(drive),
        QStringLiteral("The bookmark could not be added to %1/PSP/SYSTEM/BROWSER/bookmarks.html.")
            .arg(drive)};
    if (Status opened = m_session.open(contexts, m_context); !opened.ok())
        return opened;
    return checkPayload();
}

Status Installation::checkPayload()
{
    auto payload =
        m_session.fileSystem().openRoot(m_session.applicationFolder() + QStringLiteral("/Orvex"));
    if (!payload.ok())
        return payload.status();
    m_payload = std::move(payload.value());
    auto plan = planPayload(*m_payload);
    if (!plan.ok())
        return plan.status();
    m_plan = std::move(plan.value());
    if (std::any_of(m_plan.files.cbegin(), m_plan.files.cend(),
                    [](const PayloadPlan::File &file) { return file.name == passcode::fileName; }))
        m_plan.problems.append(m_payload->pathOf(passcode::fileName) +
                               QStringLiteral(": the installer writes this file itself, with the "
                                              "passcode the user chooses"));
    if (!m_plan.problems.isEmpty()) {
        m_context.clear();
        return Status::refusal(
            {}, QStringLiteral("These entries of the Orvex folder cannot be installed:\r\n") +
                    m_plan.problems.join(QStringLiteral("\r\n")) +
                    QStringLiteral("\r\nRename or remove them in %1, then install again.")
                        .arg(m_payload->path()));
    }
    const QString overlap =
        overlapReason(m_payload->realPath(),
                      QDir::cleanPath(m_session.root().realPath() + QStringLiteral("/PSP/COMMON")));
    if (!overlap.isEmpty())
        return Status::refusal(m_session.drive() + QStringLiteral("/PSP/COMMON/"), overlap);

    auto found = checkTarget(m_session.psp(), m_plan, {passcode::fileName});
    if (!found.ok())
        return found.status();
    m_target = std::move(found.value());
    if (Status read = readPasscode(); !read.ok())
        return read;

    const Result<stick::Space> space = m_session.root().space();
    if (!space.ok())
        return space.status();
    const qint64 lineSize =
        std::max(m_session.openLine().size(), m_session.protectedLine().size()) + 4;
    // The passcode file takes a block of its own.
    const qint64 needed =
        room::needed(m_plan, space->blockSize, m_session.bookmarks().size(), lineSize) +
        space->blockSize;
    if (const QString shortage = room::shortage(needed, space->blockSize * space->freeBlocks);
        !shortage.isEmpty()) {
        m_context.clear();
        return Status::refusal({}, shortage);
    }
    return {};
}

Status Installation::readPasscode()
{
    if (!m_target.orvexExists || !m_target.existingFiles.contains(passcode::fileName))
        return {};
    auto folder = m_session.psp().openPath("COMMON/Orvex");
    if (!folder.ok())
        return folder.status();
    auto file = folder.value()->openFile(passcode::fileName, stick::Open::Read);
    if (!file.ok())
        return file.status();
    QByteArray text(passcodeFileLimit, '\0');
    const Result<qint64> read = file.value()->read(text.data(), text.size(), 0);
    if (!read.ok())
        return read.status();
    text.truncate(read.value());
    m_passcodeOnStick = passcode::fromFileText(text);
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
    m_transaction = std::make_unique<StickTransaction>(m_session.root());
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

Status Installation::finish(bool protectedPage, const QString &passcode,
                            const ProgressCallback &progress, const std::atomic<bool> &cancel)
{
    if (protectedPage) {
        const Status written =
            m_transaction->writeFile(placed(passcode::fileName), passcode::fileText(passcode));
        if (!written.ok())
            return undo(written);
    }
    if (progress)
        progress({StickProgress::Phase::Writing,
                  int(m_plan.files.size()),
                  int(m_plan.files.size()),
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
    m_context = QStringLiteral("The bookmark could not be added to %1/PSP/SYSTEM/BROWSER/"
                               "bookmarks.html.")
                    .arg(m_session.drive());
    const QByteArray &chosen = protectedPage ? m_session.protectedLine() : m_session.openLine();
    const QByteArray &other = protectedPage ? m_session.openLine() : m_session.protectedLine();
    BookmarksFile::Change change = BookmarksFile::Change::None;
    const Status updated = m_session.bookmarks().update(chosen, {other}, change);
    qCDebug(lcInstall) << "bookmarks file change" << int(change);
    return updated;
}

} // namespace orvex
