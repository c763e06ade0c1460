#include "app/machineaccess.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace orvex {

namespace {

std::atomic<bool> armed = false;

} // namespace

void armMachineAccess()
{
    armed = true;
}

void requireMachineAccess(const char *what)
{
    if (armed)
        return;
    std::fprintf(
        stderr, "orvex: %s was reached without main() arming it; a test must pass its own\n", what);
    std::fflush(nullptr);
    std::abort();
}

} // namespace orvex
