#pragma once

namespace orvex {

// The window's defaults reach into the machine: its mount table and volumes,
// and the immediate end of the process. Only main() arms them, so that a test
// that forgets a seam fails loudly instead of touching the machine it runs on
// or ending its test program with a success.
void armMachineAccess();

// Aborts with a message naming `what` unless main() armed the machine's access.
void requireMachineAccess(const char *what);

} // namespace orvex
