#include "install/installprocedure.h"

#include "install/dialogue.h"
#include "install/installation.h"
#include "install/passcode.h"
#include "install/stickprocedure.h"

#include <QCoreApplication>

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
                              QCoreApplication::translate("InstallMessages",
                                                          "Would you like to install with password "
                                                          "protection?")))
            return std::nullopt;
        if (!environment.choosePasscode)
            return passcode::isValid(onStick) ? onStick : passcode::random();
        if (std::optional<QString> chosen = environment.choosePasscode(onStick);
            chosen && passcode::isValid(*chosen))
            return chosen;
    }
}

// The install's three jobs, with the passcode question between the copy
// and putting the files in place.
class InstallWork final : public StickWork
{
public:
    explicit InstallWork(const InstallEnvironment &environment)
        : m_environment(environment),
          m_installation(environment.fileSystem ? *environment.fileSystem
                                                : stick::systemFileSystem(),
                         environment.applicationFolder, environment.drive, environment.unattended)
    {
    }
    Status run(const StickRunner &run) override
    {
        Status status = run([this](const ProgressCallback &, const std::atomic<bool> &) {
            return m_installation.check();
        });
        if (status.ok())
            status = run([this](const ProgressCallback &progress, const std::atomic<bool> &cancel) {
                return m_installation.copy(progress, cancel);
            });
        if (!status.ok())
            return status;
        const std::optional<QString> passcode =
            askForPasscode(m_environment, m_installation.passcodeOnStick());
        m_protected = passcode.has_value();
        return run([&](const ProgressCallback &progress, const std::atomic<bool> &cancel) {
            return m_installation.finish(passcode.has_value(), passcode.value_or(QString()),
                                         progress, cancel);
        });
    }
    QString context() const override { return m_installation.context(); }
    QString stickState() const override { return m_installation.stickState(); }
    bool tellDone(MessagePresenter &messages) override
    {
        // Where it went and what guards it, for the window; the console says it its way.
        QString summary;
        if (!m_environment.driveName.isEmpty())
            summary =
                (m_protected
                     ? QCoreApplication::translate("InstallMessages",
                                                   "Installed onto %1. The Orvex Tessary bookmark "
                                                   "opens it with the passcode you chose.")
                     : QCoreApplication::translate("InstallMessages",
                                                   "Installed onto %1. The Orvex Tessary bookmark "
                                                   "opens it without a passcode."))
                    .arg(m_environment.driveName);
        dialogue::tell(
            messages, MessageIcon::Information,
            QCoreApplication::translate("InstallMessages",
                                        "Installation complete!\r\nThank you for using Orvex."),
            {summary});
        dialogue::tell(
            messages, MessageIcon::Information,
            QCoreApplication::translate("InstallMessages",
                                        "To access Orvex, simply choose the Orvex Tessary bookmark "
                                        "in your PSP browser's bookmark section."));
        return true;
    }

private:
    const InstallEnvironment &m_environment;
    Installation m_installation;
    bool m_protected = false;
};

} // namespace

StickRunner stickRunnerOf(const InstallEnvironment &environment)
{
    return environment.runOnStick ? environment.runOnStick : runHere;
}

InstallOutcome runInstall(const InstallEnvironment &environment)
{
    InstallWork work(environment);
    return runProcedure(
        environment,
        {QCoreApplication::translate("InstallMessages",
                                     "Are you sure you want to install Orvex Tessary?"),
         MessageAnswer::Yes, QCoreApplication::translate("InstallMessages", "Installation failed."),
         QCoreApplication::translate("InstallMessages", "Installation cancelled.")},
        work);
}

} // namespace orvex
