#pragma once

#include "install/stick/folder.h"

#include <QString>

// The calls of the stick's seam that differ between kernels; one file per
// kernel implements them.
namespace orvex::stick::kernel {

// Writes every changed block of the file system holding `fd`: 0, or -1 with errno.
int syncFileSystem(int fd);
// The kind of the file system holding `fd`; Kernel when it cannot be told.
FileSystemKind fileSystemKind(int fd);
// Forgets the cached pages of the file open at `fd`: 0, or an error number.
int dropCache(int fd);
// The real path of the folder or file open at `fd`; empty when unknown.
QString realPath(int fd);

} // namespace orvex::stick::kernel
