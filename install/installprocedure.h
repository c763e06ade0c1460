#pragma once

#include "core/result.h"
#include "install/stick/folder.h"

#include <OrvexSkin/messages.h>
#include <QString>
#include <atomic>
#include <functional>
#include <optional>

namespace orvex {

// Where the work on the stick stands, for a progress display.
struct StickProgress
{
    enum class Phase
    {
        Checking,  // looking at the stick and the payload; nothing written
        Copying,   // writing the files under temporary names; may be cancelled
        Verifying, // reading back what the stick kept; may be cancelled
        Writing,   // putting the files in place; not to be interrupted
        Removing,  // removing the installed files; may be cancelled
        Ejecting,  // the desktop's disk service ejects the stick; not to be interrupted
    };
    Phase phase = Phase::Checking;
    int filesDone = 0;
    int filesTotal = 0;
    qint64 bytesDone = 0;
    qint64 bytesTotal = 0;
    QString currentFile; // relative to the Orvex folder, "/"-separated

    friend bool operator==(const StickProgress &, const StickProgress &) = default;
};

using ProgressCallback = std::function<void(const StickProgress &)>;

// A piece of the install that works on the stick. It reports its progress and
// stops where it safely can once `cancel` is set.
using StickJob =
    std::function<Status(const ProgressCallback &progress, const std::atomic<bool> &cancel)>;

// Runs a job to its end; the window runs it off its thread behind a progress
// dialog, so that a stick that stops answering never freezes the window.
using StickRunner = std::function<Status(const StickJob &job)>;

// What the install procedure works with; tests pass temporary folders and fakes.
struct InstallEnvironment
{
    QString applicationFolder; // A: the payload and the bookmark pages, without trailing separator
    QString drive;             // D: the drive's root
    MessagePresenter &messages;
    StickRunner runOnStick = {};             // empty: each job runs here, never cancelled
    stick::FileSystem *fileSystem = nullptr; // null: the machine's own
    // Asks for the passcode of a protected install, offering the one already
    // on the stick (empty when none); no value when the user cancels. Empty:
    // the stick's passcode is kept, or a random one made.
    std::function<std::optional<QString>(const QString &onStick)> choosePasscode = {};
    // True without a window: messages then speak of the command line.
    bool unattended = false;
    // How the drive list shows the drive: its name, and what it says of it
    // ("PSP memory stick, 1.2 GiB free"); empty without a window.
    QString driveName = {};
    QString driveFacts = {};
};

enum class InstallOutcome
{
    Declined,
    Failed,
    Cancelled,
    Completed,   // done, and told: the program may end
    NothingThere // a removal found nothing to remove, and said so
};

// Installs the web application from the application folder onto the drive as
// one transaction. After the confirmation it locks the drive (one install at a
// time), then checks everything before the first write: both bookmark pages,
// the PSP's browser folder, the bookmarks file, every payload name and size,
// the room on the stick. It copies the Orvex folder under temporary names, asks
// whether the passcode page is wanted (and then for the passcode, asking the
// question again when the user cancels that), puts the files and the passcode
// in place with flushes that do not grow with their number, makes the chosen
// page's bookmark the one Orvex bookmark of the bookmarks file, and reports
// success only once everything is on the device, saying where it installed and
// whether a passcode guards it; the caller then ends the program. A failure or
// a cancel before the files are put in place leaves the stick as it was; every
// failure is reported.
InstallOutcome runInstall(const InstallEnvironment &environment);

// The environment's runner, or one that runs each job here, never cancelled.
StickRunner stickRunnerOf(const InstallEnvironment &environment);

} // namespace orvex
