#pragma once

#include "core/result.h"
#include "install/bookmarks.h"
#include "install/stick/folder.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

namespace orvex {

// What an install or a removal finds on the drive before it changes anything:
// the root locked against every other installer, the first lines of both
// bookmark pages, the PSP's folders down to the browser's (which a PSP makes
// only once its browser saved something) with no link on the way, and the
// bookmarks file checked and kept open.
class DriveSession
{
public:
    // The heading of a failure in each step, what could not be done.
    struct Contexts
    {
        QString drive;     // the drive or its PSP folders
        QString bookmarks; // the bookmarks file
    };

    DriveSession(stick::FileSystem &fileSystem, QString applicationFolder, QString drive,
                 bool unattended);
    ~DriveSession();

    // Locks the root, then reads and checks, in that order. On a failure
    // `context` holds its heading, empty when the failure says it all.
    Status open(const Contexts &contexts, QString &context);

    stick::FileSystem &fileSystem() const { return m_fileSystem; }
    const QString &applicationFolder() const { return m_applicationFolder; }
    const QString &drive() const { return m_drive; }
    stick::Folder &root() const { return *m_root; }
    stick::Folder &psp() const { return *m_psp; }
    // The folders of PSP/SYSTEM/BROWSER that are missing, relative to the root,
    // parents first.
    const QList<QByteArray> &missingFolders() const { return m_missingFolders; }
    BookmarksFile &bookmarks() { return *m_bookmarks; }
    // True when an interrupted install left the bookmarks file's temporary.
    bool bookmarksLeftover() const { return m_bookmarksLeftover; }
    const QByteArray &openLine() const { return m_openLine; }
    const QByteArray &protectedLine() const { return m_protectedLine; }
    // What to do with a drive that is not a PSP stick, in the user's terms.
    QString chooseTheStick() const;

private:
    Status readPages();
    Status openBrowser();

    stick::FileSystem &m_fileSystem;
    const QString m_applicationFolder;
    const QString m_drive;
    const bool m_unattended;
    std::unique_ptr<stick::Folder> m_root; // locked while the session lasts
    std::unique_ptr<stick::Folder> m_psp;
    std::unique_ptr<stick::Folder> m_browser; // null while missing
    QList<QByteArray> m_missingFolders;
    std::optional<BookmarksFile> m_bookmarks;
    bool m_bookmarksLeftover = false;
    QByteArray m_openLine;
    QByteArray m_protectedLine;
};

// The path of the browser's bookmarks file below a drive's root.
inline constexpr char bookmarksPath[] = "PSP/SYSTEM/BROWSER/bookmarks.html";

} // namespace orvex
