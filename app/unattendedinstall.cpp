#include "unattendedinstall.h"

#include "installprocedure.h"
#include "passcode.h"
#include "removal.h"
#include "signalcancel.h"

#include <QList>
#include <QTextStream>

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
        QString text = request.text;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        MessageAnswer answer = MessageAnswer::Ok;
        if (request.buttons == MessageButtons::YesNo) {
            answer = m_answers.isEmpty() ? MessageAnswer::No : m_answers.takeFirst();
            text += answer == MessageAnswer::Yes ? QStringLiteral(" Yes") : QStringLiteral(" No");
        }
        QTextStream &stream = request.icon == MessageIcon::Critical ? m_errors : m_out;
        stream << text << "\n\n";
        stream.flush();
        return answer;
    }

private:
    QList<MessageAnswer> m_answers;
    QTextStream &m_out;
    QTextStream &m_errors;
};

} // namespace

int runUnattended(const QString &applicationFolder, const CommandLine &line, QTextStream &out,
                  QTextStream &errors)
{
    ConsolePresenter console(
        {MessageAnswer::Yes, line.password ? MessageAnswer::Yes : MessageAnswer::No}, out, errors);
    // A signal stops the install where it safely can, and is then reported.
    std::atomic<bool> cancel = false;
    const SignalCancel signalsCancel(cancel);
    InstallEnvironment environment{
        applicationFolder, line.drives.first(), console, {}, [&cancel](const StickJob &job) {
            return job({}, cancel);
        }};
    if (line.uninstall)
        return runRemoval(environment) == InstallOutcome::Completed ? 0 : 1;
    environment.choosePasscode = [&](const QString &onStick) {
        if (!line.passcode.isEmpty())
            return line.passcode;
        if (passcode::isValid(onStick))
            return onStick;
        const QString made = passcode::random();
        out << "The passcode is " << made << ".\n\n";
        out.flush();
        return made;
    };
    return runInstall(environment) == InstallOutcome::Completed ? 0 : 1;
}

} // namespace orvex
