#include "install/stick/kernel_p.h"

#include <QFile>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>

#ifndef FUSE_SUPER_MAGIC
#define FUSE_SUPER_MAGIC 0x65735546
#endif

namespace orvex::stick::kernel {

int syncFileSystem(int fd)
{
    return ::syncfs(fd);
}

FileSystemKind fileSystemKind(int fd)
{
    struct statfs status;
    if (::fstatfs(fd, &status) != 0)
        return FileSystemKind::Kernel;
    switch (status.f_type) {
    case FUSE_SUPER_MAGIC: // every fuse.* and fuseblk mount
        return FileSystemKind::UserSpace;
    case MSDOS_SUPER_MAGIC: // vfat and msdos
        return FileSystemKind::Fat;
    default:
        return FileSystemKind::Kernel;
    }
}

int dropCache(int fd)
{
    const int dropped = ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    return dropped != 0 ? dropped : ::posix_fadvise(fd, 0, 0, POSIX_FADV_WILLNEED);
}

QString realPath(int fd)
{
    return QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(fd));
}

} // namespace orvex::stick::kernel
