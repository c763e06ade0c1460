#include "install/stickprocedure.h"

#include "install/dialogue.h"

#include <QCoreApplication>

namespace orvex {

InstallOutcome runProcedure(const InstallEnvironment &environment, const StickProcedure &procedure,
                            StickWork &work)
{
    MessagePresenter &messages = environment.messages;
    if (environment.drive.isEmpty()) {
        dialogue::tell(
            messages, MessageIcon::Information,
            QCoreApplication::translate("InstallMessages",
                                        "No drive was chosen. Connect the PSP in USB mode and "
                                        "choose its drive."),
            {QCoreApplication::translate("InstallMessages",
                                         "On the PSP, choose Settings, then USB Connection, and "
                                         "connect it to this computer with a USB cable. Its "
                                         "memory stick appears in the list by itself.")});
        return InstallOutcome::Failed;
    }
    QString onto;
    if (!environment.driveName.isEmpty())
        onto = environment.driveFacts.isEmpty()
                   ? QCoreApplication::translate("InstallMessages", "Onto %1 (%2).")
                         .arg(environment.driveName, environment.drive)
                   : QCoreApplication::translate("InstallMessages", "Onto %1 (%2): %3.")
                         .arg(environment.driveName, environment.drive, environment.driveFacts);
    if (!dialogue::askYes(messages, procedure.question, procedure.defaultAnswer, onto))
        return InstallOutcome::Declined;
    const Status status = work.run(stickRunnerOf(environment));
    if (!status.ok()) {
        dialogue::report(
            messages, status,
            {procedure.failed, procedure.cancelled, work.context(), work.stickState()});
        return status.isCancelled() ? InstallOutcome::Cancelled : InstallOutcome::Failed;
    }
    return work.tellDone(messages) ? InstallOutcome::Completed : InstallOutcome::NothingThere;
}

} // namespace orvex
