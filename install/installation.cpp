#include "install/installation.h"

#include "install/installedlist.h"
#include "install/logging.h"
#include "install/passcode.h"
#include "install/room.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <utility>

namespace orvex {

namespace {

const QByteArray target = "PSP/COMMON/Orvex";
// A passcode file is a few lines: more than this is not one of ours.
constexpr qint64 passcodeFileLimit = 4096;
constexpr int namesListed = 10;

QByteArray placed(const QByteArray &relative)
{
    return relative.isEmpty() ? target : target + '/' + relative;
}

bool isBelowTarget(const QByteArray &path)
{
    return path.startsWith(target + '/');
}

// Names the first few of `paths` (below the Orvex folder), then how many more there are.
QString listed(const QList<QByteArray> &paths)
{
    QStringList names;
    for (qsizetype i = 0; i < std::min<qsizetype>(paths.size(), namesListed); ++i)
        names.append(QFile::decodeName(paths[i].mid(target.size() + 1)));
    QString text = names.join(QStringLiteral(", "));
    if (paths.size() > namesListed)
        text += QCoreApplication::translate("InstallMessages", " and %1 more")
                    .arg(paths.size() - namesListed);
    return text;
}

// Whether the copy may go into `common` (the real path of D/PSP/COMMON, shown
// as `shown`); a refusal when it is, or is inside, the folder copied.
Status checkOverlap(const QString &source, const QString &common, const QString &shown)
{
    if (common + QStringLiteral("/Orvex") == source)
        return Status::refusal(shown, QCoreApplication::translate(
                                          "InstallMessages", "The destination is the folder being "
                                                             "copied."));
    if (common.startsWith(source + QLatin1Char('/')))
        return Status::refusal(shown,
                               QCoreApplication::translate("InstallMessages",
                                                           "The destination lies inside the folder "
                                                           "being copied."));
    return {};
}

const QList<QByteArray> ownFiles = {passcode::fileName, installedlist::fileName};

} // namespace

Installation::Installation(stick::FileSystem &fileSystem, QString applicationFolder, QString drive,
                           bool unattended)
    : m_session(fileSystem, std::move(applicationFolder), std::move(drive), unattended)
{
}

Installation::~Installation() = default;

QString Installation::unchanged() const
{
    if (m_leftoversRemoved == 0)
        return QCoreApplication::translate("InstallMessages", "Nothing on the stick was changed.");
    return m_leftoversRemoved == 1
               ? QCoreApplication::translate("InstallMessages",
                                             "Removed 1 file left by an interrupted installation.")
               : QCoreApplication::translate(
                     "InstallMessages", "Removed %1 files left by an interrupted installation.")
                     .arg(m_leftoversRemoved);
}

Status Installation::check()
{
    m_stickState = unchanged();
    const QString &drive = m_session.drive();
    const DriveSession::Contexts contexts{
        QCoreApplication::translate("InstallMessages",
                                    "The Orvex folder could not be copied to %1/PSP/COMMON/.")
            .arg(drive),
        QCoreApplication::translate(
            "InstallMessages",
            "The bookmark could not be added to %1/PSP/SYSTEM/BROWSER/bookmarks.html.")
            .arg(drive)};
    if (Status opened = m_session.open(contexts, m_context); !opened.ok())
        return opened;
    for (const auto &step : {&Installation::checkPayload, &Installation::readEarlierInstall,
                             &Installation::removeLeftovers, &Installation::checkRoom}) {
        if (Status done = (this->*step)(); !done.ok())
            return done;
    }
    return {};
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
    for (const PayloadPlan::File &file : std::as_const(m_plan.files)) {
        if (std::any_of(ownFiles.cbegin(), ownFiles.cend(), [&](const QByteArray &own) {
                return foldedName(file.name) == foldedName(own);
            }))
            m_plan.problems.append(
                m_payload->pathOf(file.name) +
                QCoreApplication::translate("InstallMessages",
                                            ": the installer writes this file itself"));
    }
    if (!m_plan.problems.isEmpty()) {
        m_context.clear();
        return Status::refusal(
            {},
            QCoreApplication::translate(
                "InstallMessages", "These entries of the Orvex folder cannot be installed:\r\n") +
                m_plan.problems.join(QStringLiteral("\r\n")) +
                QCoreApplication::translate("InstallMessages",
                                            "\r\nRename or remove them in %1, then install again.")
                    .arg(m_payload->path()));
    }
    m_list = installedlist::text(m_plan);
    if (Status apart = checkOverlap(
            m_payload->realPath(),
            QDir::cleanPath(m_session.root().realPath() + QStringLiteral("/PSP/COMMON")),
            m_session.drive() + QStringLiteral("/PSP/COMMON/"));
        !apart.ok())
        return apart;

    auto found = checkTarget(m_session.psp(), m_plan, ownFiles);
    if (!found.ok())
        return found.status();
    m_target = std::move(found.value());
    return {};
}

Status Installation::readEarlierInstall()
{
    if (m_target.ownFilesFound.isEmpty())
        return {};
    auto folder = m_session.psp().openPath("COMMON/Orvex");
    if (!folder.ok())
        return folder.status();
    if (const QByteArray name = m_target.ownFilesFound.value(passcode::fileName); !name.isEmpty()) {
        auto file = folder.value()->openFile(name, stick::Open::Read);
        if (!file.ok())
            return file.status();
        QByteArray text(passcodeFileLimit, '\0');
        const Result<qint64> read = file.value()->read(text.data(), text.size(), 0);
        if (!read.ok())
            return read.status();
        text.truncate(read.value());
        m_passcodeOnStick = passcode::fromFileText(text);
    }
    const QByteArray listName = m_target.ownFilesFound.value(installedlist::fileName);
    if (listName.isEmpty())
        return {};
    const auto list = installedlist::read(*folder.value(), listName);
    if (!list.ok())
        return list.status();
    if (!list.value())
        return {};
    // What the earlier install put there and this one does not: it goes once
    // every file is in place.
    QSet<QString> kept;
    for (const PayloadPlan::File &file : std::as_const(m_plan.files))
        kept.insert(foldedName(file.name));
    for (const QByteArray &own : ownFiles)
        kept.insert(foldedName(own));
    for (const QByteArray &file : list.value()->files) {
        if (!kept.contains(foldedName(file)))
            m_obsolete.append(file);
    }
    return {};
}

Status Installation::removeLeftovers()
{
    QList<QByteArray> leftovers;
    for (const QByteArray &leftover : std::as_const(m_target.leftovers))
        leftovers.append("COMMON/Orvex/" + leftover);
    if (m_session.bookmarksLeftover())
        leftovers.append("SYSTEM/BROWSER/" + temporaryName("bookmarks.html"));
    for (const QByteArray &leftover : std::as_const(leftovers)) {
        const qsizetype slash = leftover.lastIndexOf('/');
        auto folder = m_session.psp().openPath(leftover.left(slash));
        Status removed =
            folder.ok() ? folder.value()->removeFile(leftover.mid(slash + 1)) : folder.status();
        if (!removed.ok())
            return removed;
        ++m_leftoversRemoved;
        m_stickState = unchanged();
    }
    return {};
}

Status Installation::checkRoom()
{
    stick::Folder &root = m_session.root();
    const Result<stick::Space> space = root.space();
    if (!space.ok())
        return space.status();
    const qint64 unit = room::allocationUnit(space->blockSize, root.fileSystemKind());
    QList<qint64> sizes;
    for (const PayloadPlan::File &file : std::as_const(m_plan.files))
        sizes.append(file.size);
    sizes.append(passcode::fileText(QStringLiteral("12345678")).size());
    sizes.append(m_list.size());
    // The bookmark line, and a second copy of the bookmarks file when a choice
    // of page would rewrite it: when it holds either page's line.
    BookmarksFile &bookmarks = m_session.bookmarks();
    const Result<QList<int>> counts =
        bookmarks.count({m_session.openLine(), m_session.protectedLine()});
    if (!counts.ok())
        return counts.status();
    const bool mayRewrite = counts.value()[0] + counts.value()[1] > 0;
    sizes.append(std::max(m_session.openLine().size(), m_session.protectedLine().size()) + 4 +
                 (mayRewrite ? bookmarks.size() : 0));
    const qint64 folders = m_plan.folders.size() + (m_target.orvexExists ? 0 : 1) +
                           (m_target.commonExists ? 0 : 1) + m_session.missingFolders().size();
    const qint64 needed = room::needed(sizes, folders, unit);
    Status fits =
        room::check(needed, space->blockSize * space->freeBlocks, room::Job::Installation);
    if (!fits.ok())
        m_context.clear();
    return fits;
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

ByteSource Installation::payloadFile(const QByteArray &relative, qint64 size)
{
    // Each block moved, written or read back, is progress: a stick that
    // stops answering shows as soon as blocks stop moving.
    return [this, relative, size](const ByteSink &sink) {
        auto source = openPayloadFile(relative);
        if (!source.ok())
            return source.status();
        return readBlocks(*source.value(), size, [&](QByteArrayView bytes) {
            Status taken = sink(bytes);
            if (taken.ok()) {
                StickProgress next = m_shown;
                next.bytesDone += bytes.size();
                report(next);
            }
            return taken;
        });
    };
}

Status Installation::undo(Status why)
{
    const Status undone = m_transaction->rollback();
    // A failure of the undo is told as what the stick now holds.
    m_stickState = undone.ok()
                       ? unchanged()
                       : QCoreApplication::translate("InstallMessages",
                                                     "Some files the installer wrote could not be "
                                                     "removed: %1")
                             .arg(undone.failure().text());
    return why;
}

void Installation::report(const StickProgress &progress)
{
    m_shown = progress;
    if (m_report)
        m_report(m_shown);
}

Status Installation::copy(const ProgressCallback &progress, const std::atomic<bool> &cancel)
{
    m_report = progress;
    m_shown = {
        StickProgress::Phase::Copying, 0, int(m_plan.files.size()), 0, m_plan.totalBytes, {}};
    m_transaction = std::make_unique<StickTransaction>(m_session.root());
    QList<QByteArray> folders = m_session.missingFolders();
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
        StickProgress next = m_shown;
        next.currentFile = QFile::decodeName(file.name);
        report(next);
        if (Status written =
                m_transaction->writeFile(placed(file.name), payloadFile(file.name, file.size));
            !written.ok())
            return undo(written);
        ++m_shown.filesDone;
    }
    m_payloadOpen.reset();
    StickProgress done = m_shown;
    done.currentFile.clear();
    report(done);
    return {};
}

Status Installation::finish(bool protectedPage, const QString &passcode,
                            const ProgressCallback &progress, const std::atomic<bool> &cancel)
{
    BookmarksFile &bookmarks = m_session.bookmarks();
    const QByteArray &chosen = protectedPage ? m_session.protectedLine() : m_session.openLine();
    const QList<QByteArray> other = {protectedPage ? m_session.openLine()
                                                   : m_session.protectedLine()};
    const Result<BookmarksFile::Change> change = bookmarks.changeFor(chosen, other);
    if (!change.ok())
        return undo(change.status());
    Status written;
    if (protectedPage)
        written = m_transaction->writeFile(placed(passcode::fileName),
                                           bytesSource(passcode::fileText(passcode)));
    if (written.ok())
        written = m_transaction->writeFile(placed(installedlist::fileName), bytesSource(m_list));
    // A bookmarks file made or rewritten goes in place with the rest, after the Orvex folder.
    if (written.ok() && change.value() == BookmarksFile::Change::Create)
        written = m_transaction->writeFile(bookmarksPath, bookmarks.changed(chosen, other));
    if (written.ok() && change.value() == BookmarksFile::Change::Rewrite)
        written = m_transaction->writeFile(bookmarksPath, bookmarks.changed(chosen, other),
                                           bookmarks.entry());
    if (!written.ok())
        return undo(written);
    for (const QByteArray &file : std::as_const(m_obsolete))
        m_transaction->removeAfterRenames(placed(file), target);

    m_report = progress;
    const int files = int(m_plan.files.size());
    report({StickProgress::Phase::Verifying, files, files, 0, m_plan.totalBytes, {}});
    if (Status verified = m_transaction->verify(cancel); !verified.ok())
        return undo(verified);
    report({StickProgress::Phase::Writing, files, files, m_plan.totalBytes, m_plan.totalBytes, {}});
    if (Status committed = m_transaction->commit(); !committed.ok()) {
        QList<QByteArray> updated = m_transaction->placed();
        QList<QByteArray> orvex = m_transaction->written();
        committed = undo(std::move(committed));
        updated.removeIf([](const QByteArray &path) { return !isBelowTarget(path); });
        orvex.removeIf([](const QByteArray &path) { return !isBelowTarget(path); });
        if (!orvex.isEmpty() && updated.size() == orvex.size())
            m_stickState = QCoreApplication::translate(
                "InstallMessages", "The Orvex folder on the stick was updated; no "
                                   "bookmark was added.");
        else if (!updated.isEmpty())
            m_stickState =
                QCoreApplication::translate("InstallMessages",
                                            "%1 of the %2 files were updated before the failure: "
                                            "%3.")
                    .arg(updated.size())
                    .arg(orvex.size())
                    .arg(listed(updated));
        return committed;
    }
    m_stickState = QCoreApplication::translate(
        "InstallMessages", "The Orvex folder on the stick was updated; no bookmark was "
                           "added.");
    Status added;
    if (change.value() == BookmarksFile::Change::Append) {
        m_context =
            QCoreApplication::translate("InstallMessages", "The bookmark could not be added to %1.")
                .arg(bookmarks.path());
        added = bookmarks.append(chosen);
    }
    bookmarks.close();
    qCDebug(lcInstall) << "bookmarks file change" << int(change.value());
    return added;
}

} // namespace orvex
