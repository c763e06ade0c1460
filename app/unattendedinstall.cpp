#include "app/unattendedinstall.h"

#include "app/diskservice.h"
#include "app/signalcancel.h"
#include "install/installprocedure.h"
#include "install/passcode.h"
#include "install/removal.h"

#include <QCoreApplication>
#include <QList>
#include <QTextStream>
#include <pthread.h>
#include <thread>

namespace orvex {

namespace {

// Prints each message as a paragraph and answers the questions in the order given.
class ConsolePresenter final : public MessagePresenter
{
public:
    ConsolePresenter(QList<MessageAnswer> answers, QTextStream &out, QTextStream &errors)
        : m_answers(std::move(answers)), m_out(out), m_errors(errors)
    {
    }

    MessageAnswer show(const MessageRequest &request) override
    {
        QString text = request.text();
        MessageAnswer answer = MessageAnswer::Ok;
        if (request.buttons() == MessageButtons::YesNo) {
            answer = m_answers.isEmpty() ? MessageAnswer::No : m_answers.takeFirst();
            text =
                answer == MessageAnswer::Yes
                    ? QCoreApplication::translate("CommandLine", "%1 Yes", "a question, answered")
                          .arg(text)
                    : QCoreApplication::translate("CommandLine", "%1 No", "a question, answered")
                          .arg(text);
        }
        if (!request.informativeText().isEmpty())
            text += QStringLiteral("\n") + request.informativeText();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        // A failure is told as the program's own, as command-line tools do.
        const bool failure = request.icon() == MessageIcon::Critical;
        QTextStream &stream = failure ? m_errors : m_out;
        stream << (failure ? QStringLiteral("orvex-installer: ") : QString()) << text << "\n\n";
        stream.flush();
        return answer;
    }

private:
    QList<MessageAnswer> m_answers;
    QTextStream &m_out;
    QTextStream &m_errors;
};

// Runs each job on a thread of its own that takes none of the cancelling
// signals, so that they reach this one even while the job waits on a stick
// that stopped answering. `mustFinish` is set while the files are put in place.
StickRunner consoleRunner(std::atomic<bool> &cancel, std::atomic<bool> &mustFinish)
{
    return [&cancel, &mustFinish](const StickJob &job) {
        sigset_t cancelling, before;
        sigemptyset(&cancelling);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP})
            sigaddset(&cancelling, signal);
        pthread_sigmask(SIG_BLOCK, &cancelling, &before);
        Status status;
        std::thread worker([&] {
            status = job(
                [&mustFinish](const StickProgress &progress) {
                    mustFinish = progress.phase == StickProgress::Phase::Writing;
                },
                cancel);
        });
        pthread_sigmask(SIG_SETMASK, &before, nullptr);
        worker.join();
        mustFinish = false;
        return status;
    };
}

// The install or the removal; its objects, and with them its lock and its
// descriptors on the stick, are gone when it returns.
InstallOutcome runJob(const QString &applicationFolder, const CommandLine &line, QTextStream &out,
                      QTextStream &errors, QString &keptPasscode)
{
    ConsolePresenter console(
        {MessageAnswer::Yes, line.password ? MessageAnswer::Yes : MessageAnswer::No}, out, errors);
    // A signal stops the job where it safely can, and is then reported; a
    // second one leaves a job that waits on the stick.
    std::atomic<bool> cancel = false;
    std::atomic<bool> mustFinish = false;
    const SignalCancel signalsCancel(cancel, mustFinish);
    InstallEnvironment environment{applicationFolder, line.drives.first(), console,
                                   consoleRunner(cancel, mustFinish)};
    environment.unattended = true;
    if (line.uninstall)
        return runRemoval(environment);
    environment.choosePasscode = [&](const QString &onStick) {
        if (!line.passcode.isEmpty())
            return line.passcode;
        if (passcode::isValid(onStick)) {
            keptPasscode = onStick;
            return onStick;
        }
        const QString made = passcode::random();
        const QString told =
            QCoreApplication::translate("CommandLine", "The passcode is %1.").arg(made) +
            QStringLiteral("\n\n");
        out << told;
        out.flush();
        // A passcode nobody reads is lost to the user: it goes to the errors too.
        if (out.status() != QTextStream::Ok) {
            errors << told;
            errors.flush();
        }
        return made;
    };
    return runInstall(environment);
}

} // namespace

int runUnattended(const QString &applicationFolder, const CommandLine &line, QTextStream &out,
                  QTextStream &errors, drives::DiskService *disks)
{
    const QString &drive = line.drives.first();
    if (!line.uninstall) {
        out << QCoreApplication::translate("CommandLine", "Installing onto %1.").arg(drive)
            << "\n\n";
        out.flush();
    }
    QString keptPasscode;
    const InstallOutcome outcome = runJob(applicationFolder, line, out, errors, keptPasscode);
    if (outcome != InstallOutcome::Completed && outcome != InstallOutcome::NothingThere)
        return 1;
    if (!line.uninstall) {
        out << QCoreApplication::translate("CommandLine", "Installed onto %1.").arg(drive) << "\n";
        if (!keptPasscode.isEmpty())
            out << QCoreApplication::translate("CommandLine",
                                               "The passcode already on the stick is kept: %1.")
                       .arg(keptPasscode)
                << "\n";
        out << "\n";
        out.flush();
    }
    if (!line.eject)
        return 0;
    // The job is over: a signal now ends the program, and the service ends what it began.
    std::unique_ptr<drives::DiskService> machine;
    if (!disks)
        disks = (machine = machineDiskService()).get();
    const drives::EjectOutcome ejected = drives::ejectAfter(*disks, line.drives.first());
    const bool done = ejected.state == drives::EjectOutcome::State::Ejected;
    QTextStream &stream = done ? out : errors;
    stream << ejected.text << "\n\n";
    stream.flush();
    return done ? 0 : 3;
}

} // namespace orvex
