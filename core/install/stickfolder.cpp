#include "install/stickfolder.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvex::stick {

Folder::~Folder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

Folder::Folder(Folder &&other) noexcept : m_fd(other.m_fd), m_path(std::move(other.m_path))
{
    other.m_fd = -1;
}

Folder &Folder::operator=(Folder &&other) noexcept
{
    std::swap(m_fd, other.m_fd);
    std::swap(m_path, other.m_path);
    return *this;
}

Folder Folder::openRoot(const QString &path, FileResult &result)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        result = failure(path, errno);
        return {};
    }
    result = FileResult::success();
    return Folder(fd, path);
}

QString Folder::pathOf(const QByteArray &name) const
{
    return m_path.endsWith(QLatin1Char('/')) ? m_path + QFile::decodeName(name)
                                             : m_path + QLatin1Char('/') + QFile::decodeName(name);
}

EntryKind Folder::kindOf(const QByteArray &name, int *error) const
{
    struct stat status;
    if (::fstatat(m_fd, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
        if (error)
            *error = errno;
        return EntryKind::Missing;
    }
    if (S_ISLNK(status.st_mode))
        return EntryKind::Link;
    if (S_ISDIR(status.st_mode))
        return EntryKind::Folder;
    return S_ISREG(status.st_mode) ? EntryKind::RegularFile : EntryKind::Other;
}

Folder Folder::open(const QByteArray &name, FileResult &result) const
{
    const QString path = pathOf(name);
    const int fd =
        ::openat(m_fd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        result = kindOf(name) == EntryKind::Link ? linkRefused(path) : failure(path, error);
        return {};
    }
    result = FileResult::success();
    return Folder(fd, path);
}

Folder Folder::openOrCreate(const QByteArray &name, FileResult &result) const
{
    if (::mkdirat(m_fd, name.constData(), 0777) != 0 && errno != EEXIST) {
        result = failure(pathOf(name), errno);
        return {};
    }
    return open(name, result);
}

FileResult Folder::flush() const
{
    return ::fsync(m_fd) == 0 ? FileResult::success() : failure(m_path, errno);
}

bool writeAll(int fd, const char *bytes, std::size_t size)
{
    while (size > 0) {
        const ssize_t count = ::write(fd, bytes, size);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            if (count == 0)
                errno = ENOSPC;
            return false;
        }
        bytes += count;
        size -= std::size_t(count);
    }
    return true;
}

FileResult failure(const QString &path, int error)
{
    return failure(path, QString::fromLocal8Bit(std::strerror(error)));
}

FileResult failure(const QString &path, const QString &reason)
{
    return FileResult::failure(path + QStringLiteral(": ") + reason);
}

FileResult linkRefused(const QString &path)
{
    return failure(path, QStringLiteral("is a link; the installer does not follow links on the "
                                        "drive"));
}

} // namespace orvex::stick
