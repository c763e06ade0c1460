#pragma once

#include "bookmarks.h"
#include "installprocedure.h"
#include "installtarget.h"
#include "payloadplan.h"
#include "transaction.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

namespace orvex {

// One install's work on the stick, in the three jobs the procedure runs in
// turn. Each keeps what the next needs: the locked drive, the plan, the open
// bookmarks file, the files written.
class Installation
{
public:
    Installation(stick::FileSystem &fileSystem, QString applicationFolder, QString drive);
    ~Installation();

    // Locks the drive, then checks everything before the first write.
    Status check();
    // Writes the payload's files under temporary names. Stops between files
    // once `cancel` is set; then, and after a failure, removes what it wrote.
    Status copy(const ProgressCallback &progress, const std::atomic<bool> &cancel);
    // Puts the files in place and adds the bookmark of the open or the
    // protected page. A cancel takes effect once the files are in place: no
    // bookmark is added then.
    Status finish(bool protectedPage, const ProgressCallback &progress,
                  const std::atomic<bool> &cancel);

    // What could not be done, heading a failure of the last job; empty when
    // the failure says it all.
    const QString &context() const { return m_context; }
    // What the stick holds after the last job failed or was cancelled.
    const QString &stickState() const { return m_stickState; }

private:
    Status checkDrive();
    Status checkPayload();
    Result<std::unique_ptr<stick::File>> openPayloadFile(const QByteArray &relative);
    Status undo(Status why);

    stick::FileSystem &m_fileSystem;
    const QString m_applicationFolder;
    const QString m_drive;
    QString m_context;
    QString m_stickState;

    std::unique_ptr<stick::Folder> m_root; // locked while the install runs
    std::unique_ptr<stick::Folder> m_psp;
    std::unique_ptr<stick::Folder> m_browser;
    std::unique_ptr<stick::Folder> m_payload;
    QByteArray m_openLine;
    QByteArray m_protectedLine;
    std::optional<BookmarksFile> m_bookmarks;
    PayloadPlan m_plan;
    InstallTarget m_target;
    std::unique_ptr<StickTransaction> m_transaction;
    QByteArray m_payloadOpenPath;
    std::unique_ptr<stick::Folder> m_payloadOpen;
};

} // namespace orvex
