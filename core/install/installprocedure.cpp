#include "install/installprocedure.h"

#include "install/bookmarkfile.h"
#include "text/textlines.h"

#include <QFile>
#include <QStringList>

namespace orvex {

namespace {

const QString title = QStringLiteral("Orvex Tessary");
const QString lineEnd = QStringLiteral("\r\n");
const QString failed = QStringLiteral("Installation failed.");

// The first line of a bookmark page; empty when the page is missing or unreadable.
QString readFirstLine(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray head;
    for (QByteArray chunk = file.read(4096); !chunk.isEmpty(); chunk = file.read(4096)) {
        head += chunk;
        if (chunk.contains('\r') || chunk.contains('\n'))
            break;
    }
    return textlines::first(head);
}

bool askYes(MessagePresenter &messages, const QString &question)
{
    return messages.show({title, question, MessageIcon::Warning, MessageButtons::YesNo,
                          MessageAnswer::Yes}) == MessageAnswer::Yes;
}

void inform(MessagePresenter &messages, const QStringList &lines)
{
    messages.show({title, lines.join(lineEnd), MessageIcon::Information, MessageButtons::Ok,
                   MessageAnswer::Ok});
}

InstallOutcome reportFailure(MessagePresenter &messages, const QStringList &lines)
{
    messages.show(
        {title, lines.join(lineEnd), MessageIcon::Critical, MessageButtons::Ok, MessageAnswer::Ok});
    return InstallOutcome::Failed;
}

// Creates D/PSP and D/PSP/COMMON where missing and copies A/Orvex into the latter.
FileResult copyPayload(const InstallEnvironment &environment, const QString &commonFolder)
{
    const QString &drive = environment.drive;
    if (drive.isEmpty())
        return FileResult::failure(QStringLiteral("No drive was chosen."));
    FileResult result = createFolder(drive + QStringLiteral("/PSP"));
    if (result.ok)
        result = createFolder(drive + QStringLiteral("/PSP/COMMON"));
    if (result.ok)
        result = copyFolderInto(environment.applicationFolder + QStringLiteral("/Orvex"),
                                commonFolder, environment.progress);
    return result;
}

} // namespace

InstallOutcome runInstall(const InstallEnvironment &environment)
{
    MessagePresenter &messages = environment.messages;
    const QString openPage = environment.applicationFolder + QStringLiteral("/nopass.html");
    const QString protectedPage = environment.applicationFolder + QStringLiteral("/pass.html");
    const QString commonFolder = environment.drive + QStringLiteral("/PSP/COMMON/");
    const QString bookmarksFile =
        environment.drive + QStringLiteral("/PSP/SYSTEM/BROWSER/bookmarks.html");

    const QString openLine = readFirstLine(openPage);
    const QString protectedLine = readFirstLine(protectedPage);

    if (!askYes(messages, QStringLiteral("Are you sure you want to install Orvex Tessary?")))
        return InstallOutcome::Declined;

    const FileResult copied = copyPayload(environment, commonFolder);
    if (!copied.ok)
        return reportFailure(messages, {failed,
                                        QStringLiteral("The Orvex folder could not be copied to ") +
                                            commonFolder + QLatin1Char('.'),
                                        copied.reason});

    const bool withPassword =
        askYes(messages, QStringLiteral("Would you like to install with password protection?"));
    const QString &chosenPage = withPassword ? protectedPage : openPage;
    const QString &chosenLine = withPassword ? protectedLine : openLine;
    if (chosenLine.isEmpty())
        return reportFailure(messages, {failed, QStringLiteral("The bookmark page ") + chosenPage +
                                                    QStringLiteral(" is missing or empty.")});

    const FileResult appended = appendBookmarkLine(bookmarksFile, chosenLine);
    if (!appended.ok)
        return reportFailure(messages, {failed,
                                        QStringLiteral("The bookmark could not be added to ") +
                                            bookmarksFile + QLatin1Char('.'),
                                        appended.reason});

    inform(messages, {QStringLiteral("Installation complete!"),
                      QStringLiteral("Thank you for using Orvex.")});
    inform(messages, {QStringLiteral("To access Orvex, simply choose the Orvex Tessary bookmark "
                                     "in your PSP browser's bookmark section.")});
    if (environment.endProgram)
        environment.endProgram();
    return InstallOutcome::Completed;
}

} // namespace orvex
