#pragma once

#include "install/installprocedure.h"

namespace orvex {

// Removes the web application from the drive: asks for confirmation (No by
// default), locks the drive and checks it as an install does (a PSP stick, no
// link on the way, the bookmarks file, every folder of PSP/COMMON/Orvex open
// to this user's writes), then takes both Orvex bookmark lines out of the
// bookmarks file, removes PSP/COMMON/Orvex and flushes the drive before it
// says what it removed; then it ends the program. Every other byte of the
// stick stays as it was. With nothing to remove it says so and keeps running;
// a failure is reported and leaves the program running.
InstallOutcome runRemoval(const InstallEnvironment &environment);

} // namespace orvex
