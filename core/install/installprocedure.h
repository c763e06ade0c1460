#pragma once

#include "install/foldercopy.h"
#include "messages.h"

#include <QString>
#include <functional>

namespace orvex {

// What the install procedure works with; tests pass temporary folders and fakes.
struct InstallEnvironment
{
    QString applicationFolder; // A, without trailing separator
    QString drive;             // D, used unchanged as the path prefix
    MessagePresenter &messages;
    std::function<void()> endProgram;                        // ends the process at once
    std::function<void(const CopyProgress &)> progress = {}; // optional
};

enum class InstallOutcome
{
    Declined,
    Failed,
    Completed
};

// Installs the web application from the application folder onto the drive: asks for
// confirmation, copies the Orvex folder into D/PSP/COMMON, asks whether the password-protected
// start page is wanted, appends the matching bookmark, reports and ends the program. Any
// failure is reported and leaves the program running.
InstallOutcome runInstall(const InstallEnvironment &environment);

} // namespace orvex
