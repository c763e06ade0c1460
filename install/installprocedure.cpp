#include "install/installprocedure.h"

#include "install/dialogue.h"
#include "install/installation.h"
#include "install/passcode.h"

namespace orvex {

namespace {

Status runHere(const StickJob &job)
{
    static const std::atomic<bool> never = false;
    return job({}, never);
}

// Asks whether the protected page is wanted, then its passcode; the question
// comes again when the user cancels the passcode. No value: the open page.
std::optional<QString> askForPasscode(const InstallEnvironment &environment, const QString &onStick)
{
    for (;;) {
        if (!dialogue::askYes(environment.messages,
                              QStringLiteral("Would you like to install with password "
                                             "protection?")))
            return std::nullopt;
        if (!environment.choosePasscode)
            return passcode::isValid(onStick) ? onStick : passcode::random();
        if (std::optional<QString> chosen = environment.choosePasscode(onStick);
            chosen && passcode::isValid(*chosen))
            return chosen;
    }
}

} // namespace

StickRunner stickRunnerOf(const InstallEnvironment &environment)
{
    return environment.runOnStick ? environment.runOnStick : runHere;
}

InstallOutcome runInstall(const InstallEnvironment &environment)
{
    MessagePresenter &messages = environment.messages;
    if (environment.drive.isEmpty()) {
        dialogue::tell(messages, MessageIcon::Critical,
                       {QStringLiteral("No drive was chosen. Connect the PSP in USB mode and "
                                       "choose its drive.")});
        return InstallOutcome::Failed;
    }
    if (!dialogue::askYes(messages,
                          QStringLiteral("Are you sure you want to install Orvex Tessary?")))
        return InstallOutcome::Declined;

    Installation installation(
        environment.fileSystem ? *environment.fileSystem : stick::systemFileSystem(),
        environment.applicationFolder, environment.drive, environment.unattended);
    const StickRunner run = stickRunnerOf(environment);
    const auto reported = [&](const Status &status) {
        dialogue::report(messages, status,
                         {QStringLiteral("Installation failed."),
                          QStringLiteral("Installation cancelled."), installation.context(),
                          installation.stickState()});
        return status.isCancelled() ? InstallOutcome::Cancelled : InstallOutcome::Failed;
    };
    Status status = run(
        [&](const ProgressCallback &, const std::atomic<bool> &) { return installation.check(); });
    if (status.ok()) {
        status = run([&](const ProgressCallback &progress, const std::atomic<bool> &cancel) {
            return installation.copy(progress, cancel);
        });
    }
    if (!status.ok())
        return reported(status);

    const std::optional<QString> passcode =
        askForPasscode(environment, installation.passcodeOnStick());
    status = run([&](const ProgressCallback &progress, const std::atomic<bool> &cancel) {
        return installation.finish(passcode.has_value(), passcode.value_or(QString()), progress,
                                   cancel);
    });
    if (!status.ok())
        return reported(status);

    dialogue::tell(
        messages, MessageIcon::Information,
        {QStringLiteral("Installation complete!"), QStringLiteral("Thank you for using Orvex.")});
    dialogue::tell(messages, MessageIcon::Information,
                   {QStringLiteral("To access Orvex, simply choose the Orvex Tessary bookmark in "
                                   "your PSP browser's bookmark section.")});
    if (environment.endProgram)
        environment.endProgram();
    return InstallOutcome::Completed;
}

} // namespace orvex
