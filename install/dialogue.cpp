#include "install/dialogue.h"

#include <QCoreApplication>
#include <cerrno>

namespace orvex::dialogue {

namespace {

// The product's name, the same in every language.
const QString title = QStringLiteral("Orvex Tessary");

// What a user can do about the system's error, in plain words; empty when
// the error says it all.
QString adviceFor(int error)
{
    switch (error) {
    case EROFS:
        return QCoreApplication::translate("InstallMessages",
                                           "The stick is write-protected or mounted read-only.");
    case EACCES:
        return QCoreApplication::translate(
            "InstallMessages", "This user may not write there: run the installer as a user who "
                               "may, or change the permissions.");
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate(
            "InstallMessages", "The stick is full: free some room on it and try again.");
    case EIO:
        return QCoreApplication::translate(
            "InstallMessages", "The stick did not read or write as asked: check that it is still "
                               "connected, then try again.");
    case EMFILE:
        return QCoreApplication::translate(
            "InstallMessages", "The installer may not open enough files at once: raise the limit "
                               "of open files (ulimit -n), then try again.");
    case ENFILE:
        return QCoreApplication::translate(
            "InstallMessages", "The system has too many files open: close some programs, then try "
                               "again.");
    default:
        return {};
    }
}

} // namespace

bool askYes(MessagePresenter &messages, const QString &question, MessageAnswer defaultAnswer,
            const QString &details)
{
    MessageRequest request(title, question, MessageIcon::Warning, MessageButtons::YesNo,
                           defaultAnswer);
    request.setInformativeText(details);
    return messages.show(request) == MessageAnswer::Yes;
}

void tell(MessagePresenter &messages, MessageIcon icon, const QString &text, QStringList details)
{
    details.removeAll(QString());
    MessageRequest request(title, text, icon, MessageButtons::Ok, MessageAnswer::Ok);
    request.setInformativeText(details.join(QStringLiteral("\r\n")));
    messages.show(request);
}

void report(MessagePresenter &messages, const Status &status, const Outcome &outcome)
{
    if (status.isCancelled()) {
        tell(messages, MessageIcon::Warning, outcome.cancelled, {outcome.stickState});
        return;
    }
    const Failure &failure = status.failure();
    tell(messages, MessageIcon::Critical, outcome.failed,
         {outcome.context, failure.text(), adviceFor(failure.error), outcome.stickState});
}

} // namespace orvex::dialogue
