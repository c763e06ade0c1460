#include "app/programend.h"

#include "app/machineaccess.h"

#include <cstdio>
#include <cstdlib>

namespace orvex {

void endProgramNow()
{
    requireMachineAccess("the program end (Frm_SkinnedForm::setEndProgram)");
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

} // namespace orvex
