#include "install/drivesession.h"

#include "install/installtarget.h"
#include "install/logging.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <tuple>
#include <utility>

namespace orvex {

DriveSession::DriveSession(stick::FileSystem &fileSystem, QString applicationFolder, QString drive,
                           bool unattended)
    : m_fileSystem(fileSystem), m_applicationFolder(std::move(applicationFolder)),
      m_drive(std::move(drive)), m_unattended(unattended)
{
}

DriveSession::~DriveSession() = default;

QString DriveSession::chooseTheStick() const
{
    return m_unattended
               ? QCoreApplication::translate(
                     "InstallMessages", "On the PSP, choose Settings, then USB Connection, and "
                                        "pass the folder where its stick is mounted with "
                                        "--drive.")
               : QCoreApplication::translate(
                     "InstallMessages", "On the PSP, choose Settings, then USB Connection, and "
                                        "choose the drive that appears.");
}

Status DriveSession::open(const Contexts &contexts, QString &context)
{
    context = contexts.drive;
    auto root = m_fileSystem.openRoot(m_drive);
    if (!root.ok()) {
        if (root.status().failure().error != ENOENT)
            return root.status();
        context.clear();
        return Status::refusal({}, QCoreApplication::translate(
                                       "InstallMessages", "The drive %1 is not there: it was "
                                                          "disconnected, or its name is mistyped.")
                                       .arg(m_drive));
    }
    m_root = std::move(root.value());
    // Nothing may change between the checks and the writes: the lock comes first.
    if (Status locked = m_root->lock(); !locked.ok()) {
        if (locked.failure().error != EWOULDBLOCK)
            return locked;
        context.clear();
        return Status::refusal({}, QCoreApplication::translate(
                                       "InstallMessages", "Another installation or removal on this "
                                                          "drive is running."));
    }
    // A stick that takes no writes is told so before anything else of it.
    const Result<stick::Space> space = m_root->space();
    if (!space.ok())
        return space.status();
    if (space->readOnly) {
        context.clear();
        return Status::refusal(
            {}, QCoreApplication::translate("InstallMessages",
                                            "The stick is write-protected or mounted "
                                            "read-only: nothing can be written to %1.\r\n"
                                            "Make it writable, then try again.")
                    .arg(m_drive));
    }
    if (Status pages = readPages(); !pages.ok()) {
        context.clear();
        return pages;
    }
    if (Status browser = openBrowser(); !browser.ok()) {
        if (browser.failure().path.isEmpty())
            context.clear();
        return browser;
    }
    context = contexts.bookmarks;
    if (!m_browser) {
        m_bookmarks.emplace(BookmarksFile::absent(m_root->pathOf(bookmarksPath)));
        context = contexts.drive;
        return {};
    }
    const Result<bool> leftover = leftoverAt(*m_browser, "bookmarks.html");
    if (!leftover.ok())
        return leftover.status();
    m_bookmarksLeftover = leftover.value();
    auto bookmarks = BookmarksFile::open(*m_browser, "bookmarks.html");
    if (!bookmarks.ok())
        return bookmarks.status();
    m_bookmarks.emplace(std::move(bookmarks.value()));
    context = contexts.drive;
    return {};
}

Status DriveSession::readPages()
{
    auto application = m_fileSystem.openRoot(m_applicationFolder);
    for (const auto &[name, line] : {std::tuple{QByteArray("nopass.html"), &m_openLine},
                                     std::tuple{QByteArray("pass.html"), &m_protectedLine}}) {
        auto page = application.ok()
                        ? application.value()->openFile(name, stick::Open::ReadThroughLink)
                        : Result<std::unique_ptr<stick::File>>(application.status());
        const Result<QByteArray> first =
            page.ok() ? readFirstLine(*page.value()) : Result<QByteArray>(page.status());
        // The system's own trouble (too many open files, a failing disk) is told as it is.
        if (!first.ok() && first.status().failure().error != 0 &&
            first.status().failure().error != ENOENT)
            return first.status();
        if (!first.ok() || first->isEmpty()) {
            if (!first.ok())
                qCInfo(lcInstall) << "bookmark page:" << first.status().failure().text();
            return Status::refusal(
                {}, QCoreApplication::translate("InstallMessages",
                                                "The bookmark page %1/%2 is missing or "
                                                "empty.\r\nThe installer's own files are "
                                                "incomplete: install the installer again.")
                        .arg(m_applicationFolder, QFile::decodeName(name)));
        }
        *line = first.value();
    }
    return {};
}

Status DriveSession::openBrowser()
{
    // A PSP stick holds a PSP folder; the PSP makes SYSTEM/BROWSER in it only
    // once its browser saved something, and the install makes what is missing.
    // Nothing on the way may be a link.
    const Result<stick::Entry> psp = m_root->entry("PSP");
    if (!psp.ok())
        return psp.status();
    if (psp->kind == stick::EntryKind::Missing)
        return Status::refusal(
            {}, QCoreApplication::translate("InstallMessages",
                                            "The drive %1 has no PSP folder, so it is not a "
                                            "PSP memory stick.\r\n%2")
                    .arg(m_drive, chooseTheStick()));
    auto opened = m_root->openFolder("PSP");
    if (!opened.ok())
        return opened.status();
    m_psp = std::move(opened.value());
    std::unique_ptr<stick::Folder> system;
    const stick::Folder *in = m_psp.get();
    QByteArray relative = "PSP";
    for (const auto &[name, into] :
         {std::pair{QByteArray("SYSTEM"), &system}, std::pair{QByteArray("BROWSER"), &m_browser}}) {
        relative += '/' + name;
        const Result<stick::Entry> entry = in->entry(name);
        if (!entry.ok())
            return entry.status();
        if (entry->kind == stick::EntryKind::Missing) {
            m_missingFolders.append(relative);
            if (name == "SYSTEM")
                m_missingFolders.append(relative + "/BROWSER");
            return in->checkWritable();
        }
        auto folder = in->openFolder(name);
        if (!folder.ok())
            return folder.status();
        *into = std::move(folder.value());
        in = into->get();
    }
    return {};
}

} // namespace orvex
