#pragma once

#include "install/foldercopy.h"
#include "messages.h"

#include <QString>
#include <atomic>
#include <functional>

namespace orvex {

// The folder copy, ready to run: it reports progress and stops between files
// once `cancel` is set.
using CopyJob = std::function<FileResult(const CopyProgressCallback &progress,
                                         const std::atomic<bool> *cancel)>;

// Runs a copy job of `totalBytes`; the window runs it off its thread behind a
// progress dialog.
using CopyRunner = std::function<FileResult(const CopyJob &job, qint64 totalBytes)>;

// What the install procedure works with; tests pass temporary folders and fakes.
struct InstallEnvironment
{
    QString applicationFolder; // A, without trailing separator
    QString drive;             // D, the drive's root
    MessagePresenter &messages;
    std::function<void()> endProgram; // ends the process at once; may be empty
    CopyRunner runCopy = {};          // empty: the copy runs at once, here
};

enum class InstallOutcome
{
    Declined,
    Failed,
    Cancelled,
    Completed
};

// Installs the web application from the application folder onto the drive:
// asks for confirmation, checks the drive before writing anything (a PSP stick
// with PSP/SYSTEM/BROWSER, no link on the way, a regular bookmarks file),
// copies the Orvex folder into D/PSP/COMMON, asks whether the
// password-protected start page is wanted, adds the matching bookmark unless
// it is there already, and reports success only once everything is flushed to
// the device; then ends the program. Any failure is reported and leaves the
// program running; so does a cancelled copy.
InstallOutcome runInstall(const InstallEnvironment &environment);

} // namespace orvex
