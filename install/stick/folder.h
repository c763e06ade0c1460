#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>

// The one seam between the install and the system: folders and files on the
// user's drive (and in the installer's own folder), reached one level at a
// time through descriptors that they own and never hand out. Every step below
// a root refuses a link, so nothing outside the drive can be reached, even
// through a link swapped in meanwhile.
namespace orvex::stick {

// What lies at a name in a folder.
enum class EntryKind
{
    Missing,
    Folder,
    RegularFile,
    Link,
    Other // a pipe, a device, a socket
};

struct Entry
{
    EntryKind kind = EntryKind::Missing;
    qint64 size = 0;
    quint64 links = 0; // names the file has (hard links)
    uint mode = 0;     // the permission bits
    uint owner = 0;
    uint group = 0;
};

// What kind of file system holds a folder, for the rules that differ.
enum class FileSystemKind
{
    Kernel,    // a file system of the kernel's own
    Fat,       // the kernel's FAT (vfat, msdos), as on a memory stick
    UserSpace, // run by a program in user space (FUSE), where a flush of the
               // whole file system does not reach that program
};

// Room on a file system, for this user.
struct Space
{
    qint64 blockSize = 0;
    qint64 freeBlocks = 0;
    bool readOnly = false; // mounted read-only, or write-protected
};

enum class Open
{
    Read,            // an existing regular file, never through a link
    ReadThroughLink, // an existing regular file, a link to one followed
    CreateNew,       // a new, empty file for writing; fails when the name is taken
    AppendExisting,  // an existing regular file, for reading and appending
};

class File
{
public:
    virtual ~File() = default;

    // The file's path as the user knows it, for messages.
    virtual const QString &path() const = 0;
    // Reads up to `size` bytes at `offset`: fewer only at the end of the file.
    virtual Result<qint64> read(char *into, qint64 size, qint64 offset) = 0;
    // Writes every byte at the end of the file.
    virtual Status write(const char *bytes, qint64 size) = 0;
    virtual Result<Entry> status() = 0;
    // Gives the file the permission bits of `like` and, where the file system
    // keeps owners, its owner and group.
    virtual Status takeModeAndOwner(const Entry &like) = 0;
    // Cuts the file back to `size` bytes.
    virtual Status truncate(qint64 size) = 0;
    // Writes the file's bytes to the device.
    virtual Status flush() = 0;
    // Forgets the file's cached bytes and starts reading them again from the
    // device, so that the reads that follow see what the device holds; only
    // bytes already flushed are forgotten.
    virtual Status dropCache() = 0;
    // Closes the file and reports what the close reports (a deferred write error).
    virtual Status close() = 0;
};

class Folder
{
public:
    virtual ~Folder() = default;

    // The folder's path as the user knows it, for messages.
    virtual const QString &path() const = 0;
    QString pathOf(const QByteArray &name) const;

    // What lies at `name`: the name itself, or where `followLink`, what a link leads to.
    virtual Result<Entry> entry(const QByteArray &name, bool followLink) const = 0;
    Result<Entry> entry(const QByteArray &name) const { return entry(name, false); }
    // Every name in the folder but "." and "..", in byte order.
    virtual Result<QList<QByteArray>> names() const = 0;
    // The folder `name`; a link there is refused.
    virtual Result<std::unique_ptr<Folder>> openFolder(const QByteArray &name) const = 0;
    virtual Result<std::unique_ptr<File>> openFile(const QByteArray &name, Open how) = 0;
    virtual Status makeFolder(const QByteArray &name) = 0;
    // Renames `from` to `to` inside this folder, replacing a file at `to`.
    virtual Status rename(const QByteArray &from, const QByteArray &to) = 0;
    virtual Status removeFile(const QByteArray &name) = 0;
    // Removes the empty folder `name`.
    virtual Status removeFolder(const QByteArray &name) = 0;
    // Fails unless this user may create and rename entries here.
    virtual Status checkWritable() const = 0;
    // Writes the folder's entries to the device.
    virtual Status flush() = 0;
    // Writes every changed block of the whole file system to the device.
    virtual Status flushFileSystem() = 0;
    // Takes an exclusive lock on the folder without waiting; it holds while the
    // folder is open. Fails with EWOULDBLOCK when another process holds it.
    virtual Status lock() = 0;
    virtual Result<Space> space() const = 0;
    virtual FileSystemKind fileSystemKind() const = 0;
    // The folder's real path, every link resolved; empty when unknown.
    virtual QString realPath() const = 0;

    // The folder `relative` ("a/b/c") below this one ("": this one again),
    // opened one level at a time so that no link is followed; never more than
    // two open at once.
    Result<std::unique_ptr<Folder>> openPath(const QByteArray &relative) const;
};

// Where roots come from: the real system, or a fake in tests.
class FileSystem
{
public:
    virtual ~FileSystem() = default;
    // The folder at `path`; a link to it is followed, once.
    virtual Result<std::unique_ptr<Folder>> openRoot(const QString &path) = 0;
};

// The machine's own file systems.
FileSystem &systemFileSystem();

} // namespace orvex::stick
