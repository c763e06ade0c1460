#include "stick/kernel_p.h"

#include <QFile>
#include <cerrno>
#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>

#ifndef FUSE_SUPER_MAGIC
#define FUSE_SUPER_MAGIC 0x65735546
#endif

namespace orvex::stick::kernel {

ssize_t copyRange(int source, int target, std::size_t size)
{
    return ::copy_file_range(source, nullptr, target, nullptr, size, 0);
}

bool copyRangeRefused(int error)
{
    return error == EXDEV || error == ENOSYS || error == EINVAL || error == EOPNOTSUPP;
}

int syncFileSystem(int fd)
{
    return ::syncfs(fd);
}

bool isUserSpaceFileSystem(int fd)
{
    struct statfs status;
    // fuse.* and fuseblk mounts share one magic number.
    return ::fstatfs(fd, &status) == 0 && status.f_type == FUSE_SUPER_MAGIC;
}

QString realPath(int fd)
{
    return QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(fd));
}

} // namespace orvex::stick::kernel
