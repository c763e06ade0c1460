#pragma once

#include <QString>
#include <cstddef>
#include <sys/types.h>

// The calls of the stick's seam that differ between kernels; one file per
// kernel implements them.
namespace orvex::stick::kernel {

// Copies up to `size` bytes from `source` to `target` inside the kernel, at
// both files' positions: the count, 0 at the end of the source, or -1 with errno.
ssize_t copyRange(int source, int target, std::size_t size);
// True when `error` from copyRange means the kernel cannot copy these files
// and a plain read and write should.
bool copyRangeRefused(int error);
// Writes every changed block of the file system holding `fd`: 0, or -1 with errno.
int syncFileSystem(int fd);
// True when the file system holding `fd` is run by a program in user space.
bool isUserSpaceFileSystem(int fd);
// The real path of the folder or file open at `fd`; empty when unknown.
QString realPath(int fd);

} // namespace orvex::stick::kernel
