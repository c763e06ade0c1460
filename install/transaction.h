#pragma once

#include "core/result.h"
#include "install/filecontent.h"
#include "install/stick/folder.h"

#include <QByteArray>
#include <QList>
#include <atomic>
#include <memory>
#include <optional>

namespace orvex {

// Writes files onto the stick all or nothing. Each file goes first under a
// temporary name beside its place; verify() flushes them to the device and
// reads each back; commit() renames them all into place, removes what they
// make obsolete and flushes again; before that, rollback() removes the
// temporaries and the folders made, leaving the stick as it was.
//
// Flushes do not grow with the number of files: the whole file system is
// flushed, then the drive's root, which makes the device empty its own write
// cache. On a file system run in user space, where the first does not reach
// the program running it, each file is flushed as it is written and each
// folder after the renames instead.
//
// Paths are relative to the root, "/"-separated. Only one folder is kept open
// besides the root, however many there are.
class StickTransaction
{
public:
    explicit StickTransaction(stick::Folder &root);
    ~StickTransaction();
    StickTransaction(const StickTransaction &) = delete;
    StickTransaction &operator=(const StickTransaction &) = delete;

    // Makes the folder `relative`, whose parent is there already.
    Status makeFolder(const QByteArray &relative);
    // Writes what `content` gives as the file `relative`, which takes the mode
    // and owner of `like` (the file it replaces) when given.
    Status writeFile(const QByteArray &relative, const ByteSource &content,
                     const std::optional<stick::Entry> &like = {});
    // Removes the file `relative` once every file is in place, and then its
    // folders that this leaves empty, up to `keepFrom` (a folder that stays).
    void removeAfterRenames(const QByteArray &relative, const QByteArray &keepFrom);

    // Flushes every file written and reads it back from the device; stops
    // between files once `cancel` is set. A file the stick did not keep is a
    // refusal that names it.
    Status verify(const std::atomic<bool> &cancel);
    // Renames every verified file into place, removes what is to go and
    // flushes again. A failed rename stops the renames; placed() then says
    // which files were updated.
    Status commit();
    // Removes every temporary not renamed and every folder made that holds no
    // renamed file, newest first. Before any rename, the stick is then as it was.
    Status rollback();

    // The files written, renamed or not, in order.
    QList<QByteArray> written() const;
    // The files renamed into place.
    const QList<QByteArray> &placed() const { return m_placed; }

private:
    struct Written
    {
        QByteArray folder;
        QByteArray name;
        ByteSource content;
    };

    Result<stick::Folder *> folder(const QByteArray &relative);
    Status flushAll(bool afterRenames);
    void removeObsolete();

    stick::Folder &m_root;
    const stick::FileSystemKind m_kind;
    QByteArray m_openPath;
    std::unique_ptr<stick::Folder> m_open;
    QList<Written> m_files;   // written under their temporary names, in order
    QList<QByteArray> m_made; // folders made, in order
    QList<QByteArray> m_placed;
    QList<std::pair<QByteArray, QByteArray>> m_obsolete; // a file, and the folder that stays
    QList<QByteArray> m_touched; // folders whose entries the removals changed
};

} // namespace orvex
