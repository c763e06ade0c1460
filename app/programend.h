#pragma once

namespace orvex {

// Ends the process at once: no further handlers or destructors run. Output
// streams are flushed first.
[[noreturn]] void endProgramNow();

} // namespace orvex
