#pragma once

#include "install/drivesession.h"
#include "install/installprocedure.h"
#include "install/installtarget.h"
#include "install/payloadplan.h"
#include "install/transaction.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace orvex {

// One install's work on the stick, in the three jobs the procedure runs in
// turn. Each keeps what the next needs: the locked drive, the plan, the open
// bookmarks file, the files written.
class Installation
{
public:
    Installation(stick::FileSystem &fileSystem, QString applicationFolder, QString drive,
                 bool unattended);
    ~Installation();

    // Locks the drive, checks everything before the first write, then removes
    // the temporaries an interrupted install left.
    Status check();
    // Writes the payload's files under temporary names. Stops between files
    // once `cancel` is set; then, and after a failure, removes what it wrote.
    Status copy(const ProgressCallback &progress, const std::atomic<bool> &cancel);
    // Writes `passcode` when the protected page is chosen, the list of what
    // is installed and the bookmarks file when it is made or rewritten, reads
    // every file back (stopping on `cancel`), puts them in place and makes the
    // chosen page's bookmark the file's one Orvex bookmark. Once the files are
    // being put in place, the install goes to its end.
    Status finish(bool protectedPage, const QString &passcode, const ProgressCallback &progress,
                  const std::atomic<bool> &cancel);

    // The passcode of an earlier install on the stick; empty when there is none.
    const QString &passcodeOnStick() const { return m_passcodeOnStick; }
    // What could not be done, heading a failure of the last job; empty when
    // the failure says it all.
    const QString &context() const { return m_context; }
    // What the stick holds after the last job failed or was cancelled.
    const QString &stickState() const { return m_stickState; }

private:
    Status checkPayload();
    Status readEarlierInstall();
    Status removeLeftovers();
    Status checkRoom();
    ByteSource payloadFile(const QByteArray &relative, qint64 size);
    // Tells the job's progress callback where the job stands.
    void report(const StickProgress &progress);
    Result<std::unique_ptr<stick::File>> openPayloadFile(const QByteArray &relative);
    Status undo(Status why);
    QString unchanged() const;

    DriveSession m_session;
    QString m_context;
    QString m_stickState;
    QString m_passcodeOnStick;
    int m_leftoversRemoved = 0;
    ProgressCallback m_report; // the running job's
    StickProgress m_shown;     // what it was told last

    std::unique_ptr<stick::Folder> m_payload;
    PayloadPlan m_plan;
    QByteArray m_list; // the list of what this install puts in place
    InstallTarget m_target;
    QList<QByteArray> m_obsolete; // files an earlier install listed that the payload lacks
    std::unique_ptr<StickTransaction> m_transaction;
    QByteArray m_payloadOpenPath;
    std::unique_ptr<stick::Folder> m_payloadOpen;
};

} // namespace orvex
