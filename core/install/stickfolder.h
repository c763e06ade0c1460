#pragma once

#include "install/fileresult.h"

#include <QByteArray>
#include <QString>
#include <cstddef>

// Folders on the user's drive, reached one level at a time through open file
// descriptors: every step below the drive's root refuses a link, so nothing
// outside the drive can be reached, even through a link swapped in meanwhile.
namespace orvex::stick {

// What lies at a name in a folder, the name itself not followed.
enum class EntryKind
{
    Missing,
    Folder,
    RegularFile,
    Link,
    Other // a pipe, a device, a socket
};

// An open folder, closed when it goes.
class Folder
{
public:
    Folder() = default;
    ~Folder();
    Folder(Folder &&other) noexcept;
    Folder &operator=(Folder &&other) noexcept;
    Folder(const Folder &) = delete;
    Folder &operator=(const Folder &) = delete;

    // The drive's root: a link to it is followed, once.
    static Folder openRoot(const QString &path, FileResult &result);

    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    // The folder's path as the user knows it, for messages.
    const QString &path() const { return m_path; }
    QString pathOf(const QByteArray &name) const;

    EntryKind kindOf(const QByteArray &name, int *error = nullptr) const;
    // The folder `name` in this one; a link, a file or a missing folder fails.
    Folder open(const QByteArray &name, FileResult &result) const;
    // Creates the folder `name` where it is missing, then opens it.
    Folder openOrCreate(const QByteArray &name, FileResult &result) const;
    // Writes the folder's entries to the device.
    FileResult flush() const;

private:
    Folder(int fd, QString path) : m_fd(fd), m_path(std::move(path)) {}

    int m_fd = -1;
    QString m_path;
};

// Writes every byte, going on after short and interrupted writes; false (with
// errno set) once the system refuses. A write that takes nothing counts as a
// full device.
bool writeAll(int fd, const char *bytes, std::size_t size);

// A failure naming `path`, with the system's text for `error`.
FileResult failure(const QString &path, int error);
// A failure naming `path`, with `reason`.
FileResult failure(const QString &path, const QString &reason);
// The refusal of a link met on the drive.
FileResult linkRefused(const QString &path);

} // namespace orvex::stick
