#pragma once

namespace orvex {

// Ends the process at once: no further handlers or destructors run. Output
// streams are flushed first. Only once main() armed the machine's access
// (machineaccess.h); before, it aborts with a message.
[[noreturn]] void endProgramNow();

} // namespace orvex
