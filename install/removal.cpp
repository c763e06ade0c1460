#include "install/removal.h"

#include "install/dialogue.h"
#include "install/drivesession.h"
#include "install/installedlist.h"
#include "install/installtarget.h"
#include "install/logging.h"
#include "install/passcode.h"
#include "install/room.h"
#include "install/stickprocedure.h"
#include "install/transaction.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QStringList>
#include <algorithm>

namespace orvex {

namespace {

const QByteArray installed = "COMMON/Orvex";
constexpr int namesListed = 10;

QByteArray parentOf(const QByteArray &relative)
{
    return relative.left(std::max<qsizetype>(relative.lastIndexOf('/'), 0));
}

// "2 files", "1 file and 1 folder". The languages shipped tell one from
// many alike, so a count picks between two whole texts.
QString counted(qsizetype files, qsizetype folders)
{
    // Not named tr: lupdate would take the calls for tr() and miss their texts.
    const auto counting = [](const char *text, qsizetype n) {
        return QCoreApplication::translate("InstallMessages", text).arg(n);
    };
    const QString fileCount =
        files == 1 ? counting(QT_TRANSLATE_NOOP("InstallMessages", "%1 file"), files)
                   : counting(QT_TRANSLATE_NOOP("InstallMessages", "%1 files"), files);
    if (folders == 0)
        return fileCount;
    const QString folderCount =
        folders == 1 ? counting(QT_TRANSLATE_NOOP("InstallMessages", "%1 folder"), folders)
                     : counting(QT_TRANSLATE_NOOP("InstallMessages", "%1 folders"), folders);
    if (files == 0)
        return folderCount;
    return QCoreApplication::translate("InstallMessages", "%1 and %2", "files and folders")
        .arg(fileCount, folderCount);
}

// What a removal finds and then takes away: the files an install put in
// PSP/COMMON/Orvex (those its list names, or, for an install without a list,
// the payload's), the installer's own files and temporaries, the folders this
// leaves empty, and both Orvex bookmark lines.
class Removal
{
public:
    Removal(stick::FileSystem &fileSystem, const QString &applicationFolder, const QString &drive,
            bool unattended)
        : m_session(fileSystem, applicationFolder, drive, unattended)
    {
    }

    // Locks the drive, checks it, lists what PSP/COMMON/Orvex holds and what
    // of it is the installer's, and checks the room a rewrite of the
    // bookmarks file takes.
    Status check()
    {
        const QString &drive = m_session.drive();
        const DriveSession::Contexts contexts{
            QCoreApplication::translate("InstallMessages",
                                        "The Orvex folder could not be removed from %1/PSP/COMMON.")
                .arg(drive),
            QCoreApplication::translate(
                "InstallMessages", "The bookmark could not be taken out of %1/PSP/SYSTEM/BROWSER/"
                                   "bookmarks.html.")
                .arg(drive)};
        if (Status opened = m_session.open(contexts, m_context); !opened.ok())
            return opened;
        const Result<QList<int>> counts =
            m_session.bookmarks().count({m_session.openLine(), m_session.protectedLine()});
        if (!counts.ok())
            return counts.status();
        m_bookmarkFound = counts.value()[0] + counts.value()[1] > 0;
        if (Status found = findFolder(); !found.ok())
            return found;
        if (m_folderFound) {
            if (Status listed = list(); !listed.ok())
                return listed;
            if (Status ours = findOurs(); !ours.ok())
                return ours;
        }
        return checkRoom();
    }

    // Takes the bookmarks out, then the files and the folders left empty, and
    // flushes the drive; stops between files once `cancel` is set.
    Status remove(const ProgressCallback &progress, const std::atomic<bool> &cancel)
    {
        StickProgress shown{StickProgress::Phase::Removing, 0, int(m_ours.size()), 0, 0, {}};
        if (m_bookmarkFound) {
            if (Status out = takeBookmarksOut(progress, cancel); !out.ok())
                return out;
        }
        if (!m_folderFound)
            return {};
        m_context =
            QCoreApplication::translate("InstallMessages",
                                        "The Orvex folder could not be removed from %1/PSP/COMMON.")
                .arg(m_session.drive());
        for (const QByteArray &file : std::as_const(m_ours)) {
            shown.currentFile = QFile::decodeName(file.mid(installed.size() + 1));
            if (progress)
                progress(shown);
            if (cancel.load())
                return Status::cancelled();
            if (Status removed = removeEntry(file, false); !removed.ok())
                return removed;
            ++shown.filesDone;
            m_remaining.remove(file);
            updateState();
        }
        // The installer's folders go, deepest first, once nothing is left in them.
        for (auto folder = m_folders.crbegin(); folder != m_folders.crend(); ++folder) {
            if (!m_ourFolders.contains(foldedName(*folder)) || holdsRemaining(*folder))
                continue;
            if (Status removed = removeEntry(*folder, true); !removed.ok())
                return removed;
            m_remaining.remove(*folder);
        }
        return flush();
    }

    bool foundNothing() const { return !m_folderFound && !m_bookmarkFound; }

    // What was removed, and what stays, in sentences.
    QString removed() const
    {
        if (!m_folderFound)
            return QCoreApplication::translate("InstallMessages", "Removed the Orvex bookmark.");
        const bool folderGone = !m_remaining.contains(m_folders.first());
        const QString files =
            folderGone ? QCoreApplication::translate("InstallMessages", "PSP/COMMON/Orvex (%1)")
                             .arg(counted(m_ours.size(), 0))
                       : QCoreApplication::translate("InstallMessages", "%1 from PSP/COMMON/Orvex")
                             .arg(counted(m_ours.size(), 0));
        QString text =
            m_bookmarkFound
                ? QCoreApplication::translate("InstallMessages",
                                              "Removed %1 and the Orvex bookmark.")
                      .arg(files)
                : QCoreApplication::translate("InstallMessages", "Removed %1.").arg(files);
        if (!folderGone)
            text += QStringLiteral("\r\n") + whatStays();
        return text;
    }
    const QString &context() const { return m_context; }
    const QString &stickState() const { return m_stickState; }

private:
    Status findFolder()
    {
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
            return Status::refusal(
                folder.value()->pathOf("Orvex"),
                orvex->kind == stick::EntryKind::Link
                    ? QCoreApplication::translate("InstallMessages",
                                                  "is a link; the installer does not "
                                                  "follow links on the drive")
                    : QCoreApplication::translate("InstallMessages", "is not a folder"));
        m_folderFound = true;
        return {};
    }

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
                // A link inside is an entry of its own: what it leads to is never touched.
                const QByteArray path = m_folders[next] + '/' + name;
                (entry->kind == stick::EntryKind::Folder ? m_folders : m_files).append(path);
                m_remaining.insert(path);
            }
        }
        m_remaining.insert(installed);
        return {};
    }

    // The files and folders that are the installer's: its list's, else the payload's.
    Status findOurs()
    {
        installedlist::Listed listed;
        const Result<std::optional<installedlist::Listed>> list = readList();
        if (!list.ok())
            return list.status();
        if (list.value()) {
            listed = *list.value();
        } else {
            auto payload = m_session.fileSystem().openRoot(m_session.applicationFolder() +
                                                           QStringLiteral("/Orvex"));
            const Result<PayloadPlan> plan = payload.ok() ? planPayload(*payload.value())
                                                          : Result<PayloadPlan>(payload.status());
            if (!plan.ok())
                return plan.status();
            listed.folders = plan->folders;
            for (const PayloadPlan::File &file : plan->files)
                listed.files.append(file.name);
        }
        QSet<QString> files = {foldedName(installed + '/' + passcode::fileName),
                               foldedName(installed + '/' + installedlist::fileName)};
        for (const QByteArray &file : std::as_const(listed.files))
            files.insert(foldedName(installed + '/' + file));
        m_ourFolders = {foldedName(installed)};
        for (const QByteArray &folder : std::as_const(listed.folders))
            m_ourFolders.insert(foldedName(installed + '/' + folder));
        for (const QByteArray &file : std::as_const(m_files)) {
            if (files.contains(foldedName(file)) ||
                isTemporaryName(file.mid(file.lastIndexOf('/') + 1)))
                m_ours.append(file);
        }
        updateState();
        return {};
    }

    Result<std::optional<installedlist::Listed>> readList()
    {
        const QByteArray wanted = installed + '/' + installedlist::fileName;
        const auto found = std::find_if(m_files.cbegin(), m_files.cend(), [&](const QByteArray &f) {
            return foldedName(f) == foldedName(wanted);
        });
        if (found == m_files.cend())
            return std::optional<installedlist::Listed>();
        auto folder = m_session.psp().openPath(installed);
        if (!folder.ok())
            return folder.status();
        return installedlist::read(*folder.value(), found->mid(installed.size() + 1));
    }

    Status checkRoom()
    {
        if (!m_bookmarkFound)
            return {};
        stick::Folder &root = m_session.root();
        const Result<stick::Space> space = root.space();
        if (!space.ok())
            return space.status();
        const qint64 needed =
            room::needed({m_session.bookmarks().size()}, 0,
                         room::allocationUnit(space->blockSize, root.fileSystemKind()));
        Status fits = room::check(needed, space->blockSize * space->freeBlocks, room::Job::Removal);
        if (!fits.ok())
            m_context.clear();
        return fits;
    }

    Status takeBookmarksOut(const ProgressCallback &progress, const std::atomic<bool> &cancel)
    {
        BookmarksFile &bookmarks = m_session.bookmarks();
        const QList<QByteArray> lines = {m_session.openLine(), m_session.protectedLine()};
        StickTransaction transaction(m_session.root());
        if (m_session.bookmarksLeftover()) {
            auto browser = m_session.root().openPath("PSP/SYSTEM/BROWSER");
            Status removed = browser.ok()
                                 ? browser.value()->removeFile(temporaryName("bookmarks.html"))
                                 : browser.status();
            if (!removed.ok())
                return removed;
        }
        Status done =
            transaction.writeFile(bookmarksPath, bookmarks.changed({}, lines), bookmarks.entry());
        if (progress)
            progress({StickProgress::Phase::Verifying, 0, 0, 0, 0, {}});
        if (done.ok())
            done = transaction.verify(cancel);
        if (!done.ok()) {
            if (Status undone = transaction.rollback(); !undone.ok())
                qCWarning(lcInstall) << "bookmarks temporary kept:" << undone.failure().text();
            return done;
        }
        if (progress)
            progress({StickProgress::Phase::Writing, 0, 0, 0, 0, {}});
        if (Status committed = transaction.commit(); !committed.ok())
            return committed;
        bookmarks.close();
        m_bookmarkOut = true;
        updateState();
        return {};
    }

    Status removeEntry(const QByteArray &relative, bool folder)
    {
        auto parent = m_session.psp().openPath(parentOf(relative));
        if (!parent.ok())
            return parent.status();
        const QByteArray name = relative.mid(relative.lastIndexOf('/') + 1);
        return folder ? parent.value()->removeFolder(name) : parent.value()->removeFile(name);
    }

    bool holdsRemaining(const QByteArray &folder) const
    {
        return std::any_of(m_remaining.cbegin(), m_remaining.cend(),
                           [&](const QByteArray &path) { return parentOf(path) == folder; });
    }

    Status flush()
    {
        stick::Folder &root = m_session.root();
        if (root.fileSystemKind() != stick::FileSystemKind::UserSpace) {
            if (Status flushed = root.flushFileSystem(); !flushed.ok())
                return flushed;
            return root.flush();
        }
        // Every folder left whose entries changed, deepest first.
        QList<QByteArray> changed = {"COMMON"};
        for (const QByteArray &folder : std::as_const(m_folders)) {
            if (m_remaining.contains(folder))
                changed.append(folder);
        }
        for (auto folder = changed.crbegin(); folder != changed.crend(); ++folder) {
            auto open = m_session.psp().openPath(*folder);
            Status flushed = open.ok() ? open.value()->flush() : open.status();
            if (!flushed.ok())
                return flushed;
        }
        return root.flush();
    }

    // The entries that stay and hold nothing that stays: files, and empty folders.
    QString whatStays() const
    {
        QList<QByteArray> files, folders;
        for (const QByteArray &path : std::as_const(m_files)) {
            if (m_remaining.contains(path))
                files.append(path);
        }
        for (const QByteArray &path : std::as_const(m_folders)) {
            if (path != installed && m_remaining.contains(path) && !holdsRemaining(path))
                folders.append(path);
        }
        QStringList names;
        for (const QByteArray &path : files + folders)
            names.append(QFile::decodeName(path.mid(installed.size() + 1)) +
                         (folders.contains(path) ? QStringLiteral("/") : QString()));
        const qsizetype more = names.size() - namesListed;
        if (more > 0)
            names = names.first(namesListed)
                    << QCoreApplication::translate("InstallMessages", "and %1 more").arg(more);
        return QCoreApplication::translate(
                   "InstallMessages",
                   "PSP/COMMON/Orvex stays: it holds %1 that Orvex Tessary did not "
                   "install (%2).")
            .arg(counted(files.size(), folders.size()), names.join(QStringLiteral(", ")));
    }

    // What the stick holds should the removal stop now.
    void updateState()
    {
        const qsizetype done = m_ours.size() - std::count_if(m_ours.cbegin(), m_ours.cend(),
                                                             [this](const QByteArray &file) {
                                                                 return m_remaining.contains(file);
                                                             });
        if (done == 0) {
            m_stickState = m_bookmarkOut
                               ? QCoreApplication::translate("InstallMessages",
                                                             "The Orvex bookmark was taken out; "
                                                             "PSP/COMMON/Orvex stays as it was.")
                               : QCoreApplication::translate("InstallMessages",
                                                             "Nothing on the stick was changed.");
            return;
        }
        const char *text =
            m_bookmarkOut
                ? QT_TRANSLATE_NOOP("InstallMessages",
                                    "The Orvex bookmark was taken out, and %1 of the %2 files of "
                                    "PSP/COMMON/Orvex were removed; the others stay.")
                : QT_TRANSLATE_NOOP("InstallMessages", "%1 of the %2 files of PSP/COMMON/Orvex "
                                                       "were removed; the others stay.");
        m_stickState =
            QCoreApplication::translate("InstallMessages", text).arg(done).arg(m_ours.size());
    }

    DriveSession m_session;
    QString m_context;
    QString m_stickState =
        QCoreApplication::translate("InstallMessages", "Nothing on the stick was changed.");
    bool m_folderFound = false;
    bool m_bookmarkFound = false;
    bool m_bookmarkOut = false;
    QList<QByteArray> m_folders; // below PSP, parents before children
    QList<QByteArray> m_files;
    QSet<QByteArray> m_remaining; // what is still there of both
    QList<QByteArray> m_ours;     // the files that go
    QSet<QString> m_ourFolders;   // the folders that go once empty, case-folded
};

// The removal's two jobs.
class RemovalWork final : public StickWork
{
public:
    explicit RemovalWork(const InstallEnvironment &environment)
        : m_removal(environment.fileSystem ? *environment.fileSystem : stick::systemFileSystem(),
                    environment.applicationFolder, environment.drive, environment.unattended)
    {
    }
    Status run(const StickRunner &run) override
    {
        const Status status = run([this](const ProgressCallback &, const std::atomic<bool> &) {
            return m_removal.check();
        });
        if (!status.ok())
            return status;
        return run([this](const ProgressCallback &progress, const std::atomic<bool> &cancel) {
            return m_removal.remove(progress, cancel);
        });
    }
    QString context() const override { return m_removal.context(); }
    QString stickState() const override { return m_removal.stickState(); }
    bool tellDone(MessagePresenter &messages) override
    {
        if (m_removal.foundNothing()) {
            dialogue::tell(messages, MessageIcon::Information,
                           QCoreApplication::translate(
                               "InstallMessages", "Orvex Tessary is not on this stick: there was "
                                                  "nothing to remove."));
            return false;
        }
        qCDebug(lcInstall) << m_removal.removed();
        dialogue::tell(messages, MessageIcon::Information,
                       QCoreApplication::translate("InstallMessages",
                                                   "Orvex Tessary was removed from the PSP."),
                       {m_removal.removed()});
        return true;
    }

private:
    Removal m_removal;
};

} // namespace

InstallOutcome runRemoval(const InstallEnvironment &environment)
{
    RemovalWork work(environment);
    return runProcedure(
        environment,
        {QCoreApplication::translate("InstallMessages",
                                     "Are you sure you want to remove Orvex Tessary from the "
                                     "PSP?"),
         MessageAnswer::No, QCoreApplication::translate("InstallMessages", "Removal failed."),
         QCoreApplication::translate("InstallMessages", "Removal cancelled.")},
        work);
}

} // namespace orvex
