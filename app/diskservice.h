#pragma once

#include "drives/eject.h"

#include <memory>

namespace orvex {

// The machine's disk service: UDisks2 on the system bus. Without a bus or
// without the service it manages nothing. Only once main() armed the
// machine's access (machineaccess.h). Its calls block (an unmount up to two
// minutes); they may be made from any thread while the application object
// lives.
std::unique_ptr<drives::DiskService> machineDiskService();

} // namespace orvex
