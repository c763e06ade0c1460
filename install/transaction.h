#pragma once

#include "result.h"
#include "stick/folder.h"

#include <QByteArray>
#include <QList>
#include <memory>

namespace orvex {

// Writes files onto the stick all or nothing. Each file goes first under a
// temporary name beside its place; commit() flushes them to the device,
// renames them all into place and flushes again; before that, rollback()
// removes the temporaries and the folders made, leaving the stick as it was.
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
    // Removes a temporary file that an interrupted install left.
    Status removeLeftover(const QByteArray &relative);
    // Writes the `size` bytes of `source` as the file `relative`.
    Status writeFile(const QByteArray &relative, stick::File &source, qint64 size);
    // Writes `bytes` as the file `relative`.
    Status writeFile(const QByteArray &relative, const QByteArray &bytes);

    // Flushes, renames every file into place, flushes again. A failed rename
    // stops the renames; placed() then says which files were updated.
    Status commit();
    // Removes every temporary not renamed and every folder made that holds no
    // renamed file, newest first. Before any rename, the stick is then as it was.
    Status rollback();

    // The files written, renamed or not.
    int fileCount() const { return m_fileCount; }
    // The files renamed into place.
    const QList<QByteArray> &placed() const { return m_placed; }

private:
    struct Written
    {
        QByteArray folder;
        QByteArray name;
    };

    Result<stick::Folder *> folder(const QByteArray &relative);
    Result<std::unique_ptr<stick::File>> create(const QByteArray &relative, Written &written);
    Status finishFile(stick::File &file);
    Status flushAll(bool afterRenames);

    stick::Folder &m_root;
    const bool m_userSpace;
    QByteArray m_openPath;
    std::unique_ptr<stick::Folder> m_open;
    QList<Written> m_files;   // written under their temporary names, in order
    QList<QByteArray> m_made; // folders made, in order
    QList<QByteArray> m_placed;
    int m_fileCount = 0;
};

} // namespace orvex
