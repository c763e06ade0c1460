#include "install/installprocedure.h"

#include "install/bookmarkfile.h"
#include "text/textlines.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <tuple>

namespace orvex {

namespace {

using stick::EntryKind;
using stick::Folder;

const QString title = QStringLiteral("Orvex Tessary");
const QString lineEnd = QStringLiteral("\r\n");
const QString failed = QStringLiteral("Installation failed.");
const QByteArray bookmarksName = "bookmarks.html";
const QByteArray payloadName = "Orvex";

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

void tell(MessagePresenter &messages, MessageIcon icon, const QStringList &lines)
{
    messages.show({title, lines.join(lineEnd), icon, MessageButtons::Ok, MessageAnswer::Ok});
}

// The drive's folders on the install paths, opened and checked before anything is written.
struct Stick
{
    Folder root;
    Folder psp;
    Folder browser;
    Folder common; // open when PSP/COMMON exists already
    CopyPlan plan;
    QList<QByteArray> leftovers;
};

// Why the copy may not go into `common` (the real path of D/PSP/COMMON); empty when it may.
QString overlapReason(const QString &source, const QString &common)
{
    if (common + QStringLiteral("/Orvex") == source)
        return QStringLiteral("The destination is the folder being copied.");
    if (common.startsWith(source + QLatin1Char('/')))
        return QStringLiteral("The destination lies inside the folder being copied.");
    return {};
}

// Opens and checks everything the install writes to; the lines of a failure
// message when the drive may not be written.
QStringList prepare(const InstallEnvironment &environment, const QString &commonFolder,
                    const QString &bookmarksFile, Stick &stick)
{
    const QString &drive = environment.drive;
    const auto copyFailure = [&](const FileResult &result) {
        return QStringList{failed,
                           QStringLiteral("The Orvex folder could not be copied to ") +
                               commonFolder + QLatin1Char('.'),
                           result.reason};
    };
    if (drive.isEmpty())
        return {failed, QStringLiteral("No drive was chosen.")};
    FileResult result;
    stick.root = Folder::openRoot(drive, result);
    if (!result.ok)
        return copyFailure(result);

    // The stick must hold the browser's folder, and nothing on the way may be a link.
    Folder system;
    for (const auto &[parent, name, into] :
         {std::tuple{&stick.root, QByteArray("PSP"), &stick.psp},
          std::tuple{&stick.psp, QByteArray("SYSTEM"), &system},
          std::tuple{&system, QByteArray("BROWSER"), &stick.browser}}) {
        const EntryKind kind = parent->kindOf(name);
        if (kind == EntryKind::Missing)
            return {failed, QStringLiteral("The drive %1 does not look like a PSP memory stick: "
                                           "it has no PSP/SYSTEM/BROWSER folder (%2 is missing).")
                                .arg(drive, parent->pathOf(name))};
        *into = parent->open(name, result);
        if (!result.ok)
            return copyFailure(result);
    }
    if (result = checkBookmarksFile(stick.browser, bookmarksName); !result.ok)
        return {failed,
                QStringLiteral("The bookmark could not be added to ") + bookmarksFile +
                    QLatin1Char('.'),
                result.reason};

    if (result = planCopy(environment.applicationFolder + QStringLiteral("/Orvex"), stick.plan);
        !result.ok)
        return copyFailure(result);
    // The root was opened once; its real path is that of the open folder.
    const QString realRoot =
        QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(stick.root.fd()));
    const QString overlap =
        overlapReason(stick.plan.source, QDir::cleanPath(realRoot + QStringLiteral("/PSP/COMMON")));
    if (!overlap.isEmpty())
        return copyFailure(FileResult::failure(commonFolder + QStringLiteral(": ") + overlap));

    if (stick.psp.kindOf("COMMON") != EntryKind::Missing) {
        stick.common = stick.psp.open("COMMON", result);
        if (result.ok)
            result = checkTarget(stick.common, payloadName, stick.plan, stick.leftovers);
        if (!result.ok)
            return copyFailure(result);
    }
    return {};
}

// Creates D/PSP/COMMON where missing and copies the payload into it, flushing
// the folders that received entries.
FileResult copyPayload(const InstallEnvironment &environment, Stick &stick)
{
    FileResult result;
    if (!stick.common.isOpen())
        stick.common = stick.psp.openOrCreate("COMMON", result);
    if (!result.ok)
        return result;
    const CopyJob job = [&stick](const CopyProgressCallback &progress,
                                 const std::atomic<bool> *cancel) {
        return copyTree(stick.plan, stick.common, payloadName, stick.leftovers, progress, cancel);
    };
    result =
        environment.runCopy ? environment.runCopy(job, stick.plan.totalBytes) : job({}, nullptr);
    if (result.ok)
        result = stick.common.flush();
    if (result.ok)
        result = stick.psp.flush();
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

    Stick stick;
    if (const QStringList refusal = prepare(environment, commonFolder, bookmarksFile, stick);
        !refusal.isEmpty()) {
        tell(messages, MessageIcon::Critical, refusal);
        return InstallOutcome::Failed;
    }

    const FileResult copied = copyPayload(environment, stick);
    if (copied.cancelled) {
        tell(messages, MessageIcon::Warning,
             {QStringLiteral("Installation cancelled."),
              QStringLiteral("No bookmark was added; the files copied so far stay in ") +
                  commonFolder + QStringLiteral("Orvex.")});
        return InstallOutcome::Cancelled;
    }
    if (!copied.ok) {
        tell(messages, MessageIcon::Critical,
             {failed,
              QStringLiteral("The Orvex folder could not be copied to ") + commonFolder +
                  QLatin1Char('.'),
              copied.reason});
        return InstallOutcome::Failed;
    }

    const bool withPassword =
        askYes(messages, QStringLiteral("Would you like to install with password protection?"));
    const QString &chosenPage = withPassword ? protectedPage : openPage;
    const QString &chosenLine = withPassword ? protectedLine : openLine;
    if (chosenLine.isEmpty()) {
        tell(messages, MessageIcon::Critical,
             {failed, QStringLiteral("The bookmark page ") + chosenPage +
                          QStringLiteral(" is missing or empty.")});
        return InstallOutcome::Failed;
    }

    bool alreadyPresent = false;
    const FileResult added =
        addBookmarkLine(stick.browser, bookmarksName, chosenLine, alreadyPresent);
    if (!added.ok) {
        tell(messages, MessageIcon::Critical,
             {failed,
              QStringLiteral("The bookmark could not be added to ") + bookmarksFile +
                  QLatin1Char('.'),
              added.reason});
        return InstallOutcome::Failed;
    }

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
