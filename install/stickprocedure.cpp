#include "install/stickprocedure.h"

#include "install/dialogue.h"

namespace orvex {

InstallOutcome runProcedure(const InstallEnvironment &environment, const StickProcedure &procedure,
                            StickWork &work)
{
    MessagePresenter &messages = environment.messages;
    if (environment.drive.isEmpty()) {
        dialogue::tell(messages, MessageIcon::Critical,
                       {QStringLiteral("No drive was chosen. Connect the PSP in USB mode and "
                                       "choose its drive.")});
        return InstallOutcome::Failed;
    }
    if (!dialogue::askYes(messages, procedure.question, procedure.defaultAnswer))
        return InstallOutcome::Declined;
    const Status status = work.run(stickRunnerOf(environment));
    if (!status.ok()) {
        dialogue::report(
            messages, status,
            {procedure.failed, procedure.cancelled, work.context(), work.stickState()});
        return status.isCancelled() ? InstallOutcome::Cancelled : InstallOutcome::Failed;
    }
    if (work.tellDone(messages) && environment.endProgram)
        environment.endProgram();
    return InstallOutcome::Completed;
}

} // namespace orvex
