#pragma once

#include "app/volumesource.h"
#include "drives/eject.h"
#include "install/installprocedure.h"

#include <OrvexSkin/messagebox.h>
#include <QWidget>
#include <functional>
#include <memory>

class QLabel;

namespace orvex {

class DriveList;
class PictureButton;
class Skin;
class StickJobRunner;

// The installer's only window: three instructions, the drive list, the Install
// and Cancel pictures and a credits line, framed by the title-bar control Skin1.
// In removal mode the third line and the picture say Remove, and the picture
// removes Orvex Tessary from the chosen stick.
class Frm_SkinnedForm : public QWidget
{
    Q_OBJECT

public:
    // What the window is for.
    enum class Task
    {
        Install,
        Remove
    };
    // What Install (or Remove) runs: the install or the removal procedure by default.
    using InstallRunner = std::function<orvex::InstallOutcome(const orvex::InstallEnvironment &)>;

    // `extraDrives` are listed after the machine's volumes, and the first one
    // is chosen.
    explicit Frm_SkinnedForm(const QStringList &extraDrives = {}, Task task = Task::Install,
                             QWidget *parent = nullptr);
    // The same, with the volumes of `volumes` instead of the machine's.
    Frm_SkinnedForm(const QStringList &extraDrives, orvex::drives::VolumeSource volumes,
                    Task task = Task::Install, QWidget *parent = nullptr);
    ~Frm_SkinnedForm() override;

    // The presenter of the install procedure's messages; not owned. Null
    // restores the real one.
    void setMessagePresenter(orvex::MessagePresenter *presenter);
    // The folder holding the payload and the bookmark pages; the program's
    // own folder unless set.
    void setApplicationFolder(const QString &folder);
    // What ends the program at once (Cancel, a completed install, "Close anyway").
    void setEndProgram(std::function<void()> endProgram);
    // What Install runs with the environment it builds: the chosen drive, the
    // messages and the window's runner of jobs on the stick.
    void setInstallRunner(InstallRunner runInstall);
    // The desktop's disk service, which ejects the stick once the job is done;
    // not owned. Null restores the machine's.
    void setDiskService(orvex::drives::DiskService *disks);

    // Runs the install procedure on the selected drive.
    void Picture1_Click();
    // Ends the program at once; during an install, stops it as Cancel does.
    void Picture2_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls(const QStringList &extraDrives, orvex::drives::VolumeSource volumes,
                        Task task);
    void Form_Load();
    // Offers to eject `drive` where the disk service manages it, and does it.
    void offerEject(const QString &drive, orvex::StickJobRunner &runner);

    Skin *m_skin1 = nullptr;
    PictureButton *m_picture1 = nullptr;
    PictureButton *m_picture2 = nullptr;
    DriveList *m_drive1 = nullptr;
    QString m_applicationFolder;
    orvex::StickJobRunner *m_installing = nullptr; // while Install runs
    orvex::QtMessagePresenter m_messageBoxes{this};
    orvex::MessagePresenter *m_messages = &m_messageBoxes;
    std::function<void()> m_endProgram;
    InstallRunner m_runInstall;
    std::unique_ptr<orvex::drives::DiskService> m_machineDisks;
    orvex::drives::DiskService *m_disks = nullptr;
};

} // namespace orvex
