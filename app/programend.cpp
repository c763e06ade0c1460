#include "programend.h"

#include <cstdio>
#include <cstdlib>

namespace orvex {

void endProgramNow()
{
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

} // namespace orvex
