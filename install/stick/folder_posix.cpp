// The seam on a POSIX system: every call works on a descriptor the object owns.
#include "install/stick/folder.h"
#include "install/stick/kernel_p.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace orvex::stick {

namespace {

Status linkRefused(const QString &path)
{
    return Status::refusal(
        path, QCoreApplication::translate("InstallMessages",
                                          "is a link; the installer does not follow links on the "
                                          "drive"));
}

Status notRegular(const QString &path)
{
    return Status::refusal(path,
                           QCoreApplication::translate("InstallMessages", "is not a regular file"));
}

Entry entryOf(const struct stat &status)
{
    Entry entry;
    entry.kind = S_ISLNK(status.st_mode)   ? EntryKind::Link
                 : S_ISDIR(status.st_mode) ? EntryKind::Folder
                 : S_ISREG(status.st_mode) ? EntryKind::RegularFile
                                           : EntryKind::Other;
    entry.size = status.st_size;
    entry.links = status.st_nlink;
    entry.mode = status.st_mode & 07777;
    entry.owner = status.st_uid;
    entry.group = status.st_gid;
    return entry;
}

class PosixFile final : public File
{
public:
    PosixFile(int fd, QString path) : m_fd(fd), m_path(std::move(path)) {}
    ~PosixFile() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    PosixFile(const PosixFile &) = delete;
    PosixFile &operator=(const PosixFile &) = delete;

    const QString &path() const override { return m_path; }

    Result<qint64> read(char *into, qint64 size, qint64 offset) override
    {
        qint64 done = 0;
        while (done < size) {
            const ssize_t count =
                ::pread(m_fd, into + done, std::size_t(size - done), offset + done);
            if (count < 0 && errno == EINTR)
                continue;
            if (count < 0)
                return Status::systemError(m_path, errno);
            if (count == 0)
                break;
            done += count;
        }
        return done;
    }

    Status write(const char *bytes, qint64 size) override
    {
        while (size > 0) {
            const ssize_t count = ::write(m_fd, bytes, std::size_t(size));
            if (count < 0 && errno == EINTR)
                continue;
            if (count < 0)
                return Status::systemError(m_path, errno);
            // A write that takes nothing means the device has no room left.
            if (count == 0)
                return Status::systemError(m_path, ENOSPC);
            bytes += count;
            size -= count;
        }
        return {};
    }

    Result<Entry> status() override
    {
        struct stat status;
        if (::fstat(m_fd, &status) != 0)
            return Status::systemError(m_path, errno);
        return entryOf(status);
    }

    Status takeModeAndOwner(const Entry &like) override
    {
        const Result<Entry> now = status();
        if (!now.ok())
            return now.status();
        // Only what differs is changed: a FAT stick refuses any change, and
        // there every file has the mount's mode and owner anyway.
        if ((now->owner != like.owner || now->group != like.group) &&
            ::fchown(m_fd, like.owner, like.group) != 0)
            return Status::systemError(m_path, errno);
        if (now->mode != like.mode && ::fchmod(m_fd, like.mode) != 0)
            return Status::systemError(m_path, errno);
        return {};
    }

    Status truncate(qint64 size) override
    {
        return ::ftruncate(m_fd, size) == 0 ? Status() : Status::systemError(m_path, errno);
    }

    Status flush() override
    {
        return ::fsync(m_fd) == 0 ? Status() : Status::systemError(m_path, errno);
    }

    Status dropCache() override
    {
        const int error = kernel::dropCache(m_fd);
        return error == 0 ? Status() : Status::systemError(m_path, error);
    }

    Status close() override
    {
        const int fd = std::exchange(m_fd, -1);
        return ::close(fd) == 0 ? Status() : Status::systemError(m_path, errno);
    }

private:
    int m_fd;
    QString m_path;
};

class PosixFolder final : public Folder
{
public:
    PosixFolder(int fd, QString path) : m_fd(fd), m_path(std::move(path)) {}
    ~PosixFolder() override { ::close(m_fd); }
    PosixFolder(const PosixFolder &) = delete;
    PosixFolder &operator=(const PosixFolder &) = delete;

    const QString &path() const override { return m_path; }

    using Folder::entry;
    Result<Entry> entry(const QByteArray &name, bool followLink) const override
    {
        struct stat status;
        if (::fstatat(m_fd, name.constData(), &status, followLink ? 0 : AT_SYMLINK_NOFOLLOW) != 0)
            return errno == ENOENT ? Result<Entry>(Entry())
                                   : Result<Entry>(Status::systemError(pathOf(name), errno));
        return entryOf(status);
    }

    Result<QList<QByteArray>> names() const override
    {
        const int copy = ::openat(m_fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        DIR *folder = copy < 0 ? nullptr : ::fdopendir(copy);
        if (!folder) {
            const int error = errno;
            if (copy >= 0)
                ::close(copy);
            return Status::systemError(m_path, error);
        }
        QList<QByteArray> names;
        errno = 0;
        while (const dirent *entry = ::readdir(folder)) {
            const QByteArray name(entry->d_name);
            if (name != "." && name != "..")
                names.append(name);
        }
        const int error = errno;
        ::closedir(folder);
        if (error != 0)
            return Status::systemError(m_path, error);
        std::sort(names.begin(), names.end());
        return names;
    }

    Result<std::unique_ptr<Folder>> openFolder(const QByteArray &name) const override
    {
        const QString path = name == "." ? m_path : pathOf(name);
        const int fd =
            ::openat(m_fd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            const int error = errno;
            const Result<Entry> found = entry(name);
            if (found.ok() && found->kind == EntryKind::Link)
                return linkRefused(path);
            return Status::systemError(path, error);
        }
        return std::unique_ptr<Folder>(std::make_unique<PosixFolder>(fd, path));
    }

    Result<std::unique_ptr<File>> openFile(const QByteArray &name, Open how) override
    {
        // Never blocks on a pipe or device swapped in meanwhile, never follows a
        // link unless asked to.
        constexpr int reading = O_NONBLOCK | O_CLOEXEC;
        const int flags = how == Open::Read              ? O_RDONLY | O_NOFOLLOW | reading
                          : how == Open::ReadThroughLink ? O_RDONLY | reading
                          : how == Open::CreateNew
                              ? O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC
                              : O_RDWR | O_APPEND | O_NOFOLLOW | reading;
        const QString path = pathOf(name);
        const int fd = ::openat(m_fd, name.constData(), flags, 0666);
        if (fd < 0) {
            const int error = errno;
            const Result<Entry> found = entry(name);
            if (how != Open::ReadThroughLink && found.ok() && found->kind == EntryKind::Link)
                return linkRefused(path);
            return Status::systemError(path, error);
        }
        auto file = std::make_unique<PosixFile>(fd, path);
        if (how != Open::CreateNew) {
            const Result<Entry> status = file->status();
            if (!status.ok())
                return status.status();
            if (status->kind != EntryKind::RegularFile)
                return notRegular(path);
        }
        return std::unique_ptr<File>(std::move(file));
    }

    Status makeFolder(const QByteArray &name) override
    {
        return check(::mkdirat(m_fd, name.constData(), 0777), name);
    }

    Status rename(const QByteArray &from, const QByteArray &to) override
    {
        return check(::renameat(m_fd, from.constData(), m_fd, to.constData()), to);
    }

    Status removeFile(const QByteArray &name) override
    {
        return check(::unlinkat(m_fd, name.constData(), 0), name);
    }

    Status removeFolder(const QByteArray &name) override
    {
        return check(::unlinkat(m_fd, name.constData(), AT_REMOVEDIR), name);
    }

    Status checkWritable() const override
    {
        return ::faccessat(m_fd, ".", W_OK | X_OK, AT_EACCESS) == 0
                   ? Status()
                   : Status::systemError(m_path, errno);
    }

    Status flush() override
    {
        return ::fsync(m_fd) == 0 ? Status() : Status::systemError(m_path, errno);
    }

    Status flushFileSystem() override
    {
        return kernel::syncFileSystem(m_fd) == 0 ? Status() : Status::systemError(m_path, errno);
    }

    Status lock() override
    {
        int result;
        do
            result = ::flock(m_fd, LOCK_EX | LOCK_NB);
        while (result != 0 && errno == EINTR);
        return result == 0 ? Status() : Status::systemError(m_path, errno);
    }

    Result<Space> space() const override
    {
        struct statvfs status;
        if (::fstatvfs(m_fd, &status) != 0)
            return Status::systemError(m_path, errno);
        const auto blockSize = qint64(status.f_frsize != 0 ? status.f_frsize : status.f_bsize);
        return Space{blockSize, qint64(status.f_bavail), (status.f_flag & ST_RDONLY) != 0};
    }

    FileSystemKind fileSystemKind() const override { return kernel::fileSystemKind(m_fd); }

    QString realPath() const override { return kernel::realPath(m_fd); }

private:
    Status check(int result, const QByteArray &name) const
    {
        return result == 0 ? Status() : Status::systemError(pathOf(name), errno);
    }

    int m_fd;
    QString m_path;
};

class PosixFileSystem final : public FileSystem
{
public:
    Result<std::unique_ptr<Folder>> openRoot(const QString &path) override
    {
        const int fd =
            ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return Status::systemError(path, errno);
        return std::unique_ptr<Folder>(std::make_unique<PosixFolder>(fd, path));
    }
};

} // namespace

FileSystem &systemFileSystem()
{
    static PosixFileSystem system;
    return system;
}

} // namespace orvex::stick
