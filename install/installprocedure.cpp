#include "installprocedure.h"

#include "installation.h"

#include <QStringList>
#include <cerrno>

namespace orvex {

namespace {

const QString title = QStringLiteral("Orvex Tessary");
const QString lineEnd = QStringLiteral("\r\n");

bool askYes(MessagePresenter &messages, const QString &question)
{
    return messages.show({title, question, MessageIcon::Warning, MessageButtons::YesNo,
                          MessageAnswer::Yes}) == MessageAnswer::Yes;
}

void tell(MessagePresenter &messages, MessageIcon icon, QStringList lines)
{
    lines.removeAll(QString());
    messages.show({title, lines.join(lineEnd), icon, MessageButtons::Ok, MessageAnswer::Ok});
}

// What a user can do about the system's error, in plain words; empty when
// the error says it all.
QString adviceFor(int error)
{
    switch (error) {
    case EROFS:
        return QStringLiteral("The stick is write-protected or mounted read-only.");
    case EACCES:
        return QStringLiteral("This user may not write there: install as a user who may, or "
                              "change the permissions.");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("The stick is full: free some room on it and install again.");
    case EIO:
        return QStringLiteral("The stick did not read or write as asked: check that it is still "
                              "connected, then install again.");
    default:
        return {};
    }
}

Status runHere(const StickJob &job)
{
    static const std::atomic<bool> never = false;
    return job({}, never);
}

// Tells how a job ended when it did not complete; the outcome it stands for.
InstallOutcome report(MessagePresenter &messages, const Status &status,
                      const Installation &installation)
{
    if (status.isCancelled()) {
        tell(messages, MessageIcon::Warning,
             {QStringLiteral("Installation cancelled."), installation.stickState()});
        return InstallOutcome::Cancelled;
    }
    const Failure &failure = status.failure();
    tell(messages, MessageIcon::Critical,
         {QStringLiteral("Installation failed."), installation.context(), failure.text(),
          adviceFor(failure.error), installation.stickState()});
    return InstallOutcome::Failed;
}

} // namespace

InstallOutcome runInstall(const InstallEnvironment &environment)
{
    MessagePresenter &messages = environment.messages;
    if (environment.drive.isEmpty()) {
        tell(messages, MessageIcon::Critical,
             {QStringLiteral("No drive was chosen. Connect the PSP in USB mode and choose its "
                             "drive.")});
        return InstallOutcome::Failed;
    }
    if (!askYes(messages, QStringLiteral("Are you sure you want to install Orvex Tessary?")))
        return InstallOutcome::Declined;

    Installation installation(environment.fileSystem ? *environment.fileSystem
                                                     : stick::systemFileSystem(),
                              environment.applicationFolder, environment.drive);
    const StickRunner run = environment.runOnStick ? environment.runOnStick : runHere;
    Status status = run(
        [&](const ProgressCallback &, const std::atomic<bool> &) { return installation.check(); });
    if (status.ok()) {
        status = run([&](const ProgressCallback &progress, const std::atomic<bool> &cancel) {
            return installation.copy(progress, cancel);
        });
    }
    if (!status.ok())
        return report(messages, status, installation);

    const bool protectedPage =
        askYes(messages, QStringLiteral("Would you like to install with password protection?"));
    status = run([&](const ProgressCallback &progress, const std::atomic<bool> &cancel) {
        return installation.finish(protectedPage, progress, cancel);
    });
    if (!status.ok())
        return report(messages, status, installation);

    tell(messages, MessageIcon::Information,
         {QStringLiteral("Installation complete!"), QStringLiteral("Thank you for using Orvex.")});
    tell(messages, MessageIcon::Information,
         {QStringLiteral("To access Orvex, simply choose the Orvex Tessary bookmark in your PSP "
                         "browser's bookmark section.")});
    if (environment.endProgram)
        environment.endProgram();
    return InstallOutcome::Completed;
}

} // namespace orvex
