#pragma once

#include "core/result.h"
#include "install/installprocedure.h"

#include <OrvexSkin/messages.h>
#include <QString>

namespace orvex {

// The work of an install or a removal, between its confirmation and its end.
class StickWork
{
public:
    virtual ~StickWork() = default;
    // Runs the jobs on the stick, each through `run`; the first that does not
    // succeed ends them.
    virtual Status run(const StickRunner &run) = 0;
    // What could not be done, heading a failure; empty when it says it all.
    virtual QString context() const = 0;
    // What the stick holds once the work failed or was cancelled.
    virtual QString stickState() const = 0;
    // Tells the user what was done; false when there was nothing to do.
    virtual bool tellDone(MessagePresenter &messages) = 0;
};

// What an install or a removal says around its work.
struct StickProcedure
{
    QString question; // the confirmation
    MessageAnswer defaultAnswer = MessageAnswer::Yes;
    QString failed;    // the heading of a failure: "Installation failed."
    QString cancelled; // the heading of a cancel: "Installation cancelled."
};

// The steps an install and a removal share: with no drive chosen it says how to
// connect the PSP and asks nothing; it asks for the confirmation, naming the
// drive; it does the work; a failure or a cancel is reported with what the
// stick now holds; otherwise what was done is told.
InstallOutcome runProcedure(const InstallEnvironment &environment, const StickProcedure &procedure,
                            StickWork &work);

} // namespace orvex
