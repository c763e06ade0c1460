#include "removal.h"

#include "dialogue.h"
#include "drivesession.h"
#include "logging.h"

#include <QFile>

namespace orvex {

namespace {

const QByteArray installed = "COMMON/Orvex";

// What a removal finds and then takes away.
class Removal
{
public:
    Removal(stick::FileSystem &fileSystem, const QString &applicationFolder, const QString &drive)
        : m_session(fileSystem, applicationFolder, drive)
    {
    }

    // Locks the drive, checks it and lists what PSP/COMMON/Orvex holds.
    Status check()
    {
        const QString &drive = m_session.drive();
        const DriveSession::Contexts contexts{
            QStringLiteral("The Orvex folder could not be removed from %1/PSP/COMMON.").arg(drive),
            QStringLiteral("The bookmark could not be taken out of %1/PSP/SYSTEM/BROWSER/"
                           "bookmarks.html.")
                .arg(drive)};
        if (Status opened = m_session.open(contexts, m_context); !opened.ok())
            return opened;
        const Result<stick::Entry> common = m_session.psp().entry("COMMON");
        if (!common.ok())
            return common.status();
        if (common->kind == stick::EntryKind::Missing)
            return {};
        auto folder = m_session.psp().openFolder("COMMON");
        if (!folder.ok())
            return folder.status();
        const Result<stick::Entry> orvex = folder.value()->entry("Orvex");
        if (!orvex.ok())
            return orvex.status();
        if (orvex->kind == stick::EntryKind::Missing)
            return {};
        if (orvex->kind != stick::EntryKind::Folder)
            return Status::refusal(folder.value()->pathOf("Orvex"),
                                   orvex->kind == stick::EntryKind::Link
                                       ? QStringLiteral("is a link; the installer does not "
                                                        "follow links on the drive")
                                       : QStringLiteral("is not a folder"));
        m_folderFound = true;
        return list();
    }

    // Takes the bookmarks out, then the folder, and flushes the drive; does
    // nothing where there is nothing to take.
    Status remove()
    {
        const Status bookmarks = m_session.bookmarks().update(
            {}, {m_session.openLine(), m_session.protectedLine()}, m_bookmarkChange);
        if (!bookmarks.ok())
            return bookmarks;
        m_stickState = m_bookmarkChange == BookmarksFile::Change::None
                           ? QString()
                           : QStringLiteral("The Orvex bookmark was taken out; PSP/COMMON/Orvex "
                                            "stays, in part or whole.");
        if (!m_folderFound)
            return {};
        m_context = QStringLiteral("The Orvex folder could not be removed from %1/PSP/COMMON.")
                        .arg(m_session.drive());
        // Files first, then the folders, deepest first.
        for (const QByteArray &file : std::as_const(m_files)) {
            if (Status removed = removeEntry(file, false); !removed.ok())
                return removed;
        }
        for (auto folder = m_folders.crbegin(); folder != m_folders.crend(); ++folder) {
            if (Status removed = removeEntry(*folder, true); !removed.ok())
                return removed;
        }
        stick::Folder &root = m_session.root();
        Status flushed;
        if (root.isUserSpaceFileSystem()) {
            auto common = m_session.psp().openFolder("COMMON");
            flushed = common.ok() ? common.value()->flush() : common.status();
        } else {
            flushed = root.flushFileSystem();
        }
        return flushed.ok() ? root.flush() : flushed;
    }

    bool foundNothing() const
    {
        return !m_folderFound && m_bookmarkChange == BookmarksFile::Change::None;
    }
    // What was removed, in a sentence.
    QString removed() const
    {
        const QString folder =
            QStringLiteral("PSP/COMMON/Orvex (%1 %2)")
                .arg(m_files.size())
                .arg(m_files.size() == 1 ? QStringLiteral("file") : QStringLiteral("files"));
        const QString bookmark = QStringLiteral("the Orvex bookmark");
        if (!m_folderFound)
            return QStringLiteral("Removed %1.").arg(bookmark);
        if (m_bookmarkChange == BookmarksFile::Change::None)
            return QStringLiteral("Removed %1.").arg(folder);
        return QStringLiteral("Removed %1 and %2.").arg(folder, bookmark);
    }
    const QString &context() const { return m_context; }
    const QString &stickState() const { return m_stickState; }

private:
    // Lists the folder's tree, one folder open at a time, refusing a folder
    // this user may not empty.
    Status list()
    {
        m_folders = {installed};
        for (qsizetype next = 0; next < m_folders.size(); ++next) {
            auto folder = m_session.psp().openPath(m_folders[next]);
            if (!folder.ok())
                return folder.status();
            if (Status writable = folder.value()->checkWritable(); !writable.ok())
                return writable;
            const Result<QList<QByteArray>> names = folder.value()->names();
            if (!names.ok())
                return names.status();
            for (const QByteArray &name : names.value()) {
                const Result<stick::Entry> entry = folder.value()->entry(name);
                if (!entry.ok())
                    return entry.status();
                // A link inside goes as a link: what it leads to is never touched.
                (entry->kind == stick::EntryKind::Folder ? m_folders : m_files)
                    .append(m_folders[next] + '/' + name);
            }
        }
        return {};
    }

    Status removeEntry(const QByteArray &relative, bool folder)
    {
        const qsizetype slash = relative.lastIndexOf('/');
        auto parent = m_session.psp().openPath(relative.left(slash));
        if (!parent.ok())
            return parent.status();
        const QByteArray name = relative.mid(slash + 1);
        return folder ? parent.value()->removeFolder(name) : parent.value()->removeFile(name);
    }

    DriveSession m_session;
    QString m_context;
    QString m_stickState = QStringLiteral("Nothing on the stick was changed.");
    bool m_folderFound = false;
    QList<QByteArray> m_folders; // below PSP, parents before children
    QList<QByteArray> m_files;
    BookmarksFile::Change m_bookmarkChange = BookmarksFile::Change::None;
};

} // namespace

InstallOutcome runRemoval(const InstallEnvironment &environment)
{
    MessagePresenter &messages = environment.messages;
    if (environment.drive.isEmpty()) {
        dialogue::tell(messages, MessageIcon::Critical,
                       {QStringLiteral("No drive was chosen. Connect the PSP in USB mode and "
                                       "choose its drive.")});
        return InstallOutcome::Failed;
    }
    if (!dialogue::askYes(messages,
                          QStringLiteral("Are you sure you want to remove Orvex Tessary from the "
                                         "PSP?"),
                          MessageAnswer::No))
        return InstallOutcome::Declined;

    Removal removal(environment.fileSystem ? *environment.fileSystem : stick::systemFileSystem(),
                    environment.applicationFolder, environment.drive);
    const StickRunner run = stickRunnerOf(environment);
    Status status =
        run([&](const ProgressCallback &, const std::atomic<bool> &) { return removal.check(); });
    if (status.ok())
        status = run(
            [&](const ProgressCallback &, const std::atomic<bool> &) { return removal.remove(); });
    if (!status.ok()) {
        dialogue::report(messages, status,
                         {QStringLiteral("Removal failed."), QStringLiteral("Removal cancelled."),
                          removal.context(), removal.stickState()});
        return InstallOutcome::Failed;
    }
    if (removal.foundNothing()) {
        dialogue::tell(messages, MessageIcon::Information,
                       {QStringLiteral("Orvex Tessary is not on this stick: there was nothing to "
                                       "remove.")});
        return InstallOutcome::Completed;
    }
    qCDebug(lcInstall) << removal.removed();
    dialogue::tell(messages, MessageIcon::Information,
                   {QStringLiteral("Orvex Tessary was removed from the PSP."), removal.removed()});
    if (environment.endProgram)
        environment.endProgram();
    return InstallOutcome::Completed;
}

} // namespace orvex
