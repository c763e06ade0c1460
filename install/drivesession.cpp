#include "drivesession.h"

#include "logging.h"

#include <QFile>
#include <cerrno>
#include <tuple>
#include <utility>

namespace orvex {

DriveSession::DriveSession(stick::FileSystem &fileSystem, QString applicationFolder, QString drive)
    : m_fileSystem(fileSystem), m_applicationFolder(std::move(applicationFolder)),
      m_drive(std::move(drive))
{
}

DriveSession::~DriveSession() = default;

Status DriveSession::open(const Contexts &contexts, QString &context)
{
    context = contexts.drive;
    auto root = m_fileSystem.openRoot(m_drive);
    if (!root.ok())
        return root.status();
    m_root = std::move(root.value());
    // Nothing may change between the checks and the writes: the lock comes first.
    if (Status locked = m_root->lock(); !locked.ok()) {
        if (locked.failure().error != EWOULDBLOCK)
            return locked;
        context.clear();
        return Status::refusal({}, QStringLiteral("Another installation onto this drive is "
                                                  "running."));
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
        if (!first.ok() || first->isEmpty()) {
            if (!first.ok())
                qCInfo(lcInstall) << "bookmark page:" << first.status().failure().text();
            return Status::refusal({}, QStringLiteral("The bookmark page %1/%2 is missing or "
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
    // The stick must hold the browser's folder, and nothing on the way may be a link.
    std::unique_ptr<stick::Folder> system;
    const stick::Folder *in = m_root.get();
    for (const auto &[name, into] :
         {std::pair{QByteArray("PSP"), &m_psp}, std::pair{QByteArray("SYSTEM"), &system},
          std::pair{QByteArray("BROWSER"), &m_browser}}) {
        const Result<stick::Entry> entry = in->entry(name);
        if (!entry.ok())
            return entry.status();
        if (entry->kind == stick::EntryKind::Missing)
            return Status::refusal(
                {}, QStringLiteral("The drive %1 does not look like a PSP memory stick: it has "
                                   "no PSP/SYSTEM/BROWSER folder (%2 is missing).\r\nConnect "
                                   "the PSP in USB mode and choose its drive.")
                        .arg(m_drive, in->pathOf(name)));
        auto opened = in->openFolder(name);
        if (!opened.ok())
            return opened.status();
        *into = std::move(opened.value());
        in = into->get();
    }
    return {};
}

} // namespace orvex
