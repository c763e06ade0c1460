#pragma once

#include <OrvexSkin/messagebox.h>
#include <QWidget>
#include <functional>
#include <memory>

class DriveList;
class PictureButton;
class QLabel;
class Skin;

// The installer's only window: three instructions, the drive list, the Install
// and Cancel pictures and a credits line, framed by the title-bar control Skin1.
class Frm_SkinnedForm : public QWidget
{
    Q_OBJECT

public:
    // `extraDrives` are listed after the machine's volumes, and the first one
    // is selected.
    explicit Frm_SkinnedForm(const QStringList &extraDrives = {}, QWidget *parent = nullptr);
    ~Frm_SkinnedForm() override;

    // The presenter of the install procedure's messages; not owned. Null
    // restores the real one.
    void setMessagePresenter(orvex::MessagePresenter *presenter);
    // The folder holding the payload and the bookmark pages; the program's
    // own folder unless set.
    void setApplicationFolder(const QString &folder);
    // What ends the program at once (Cancel, a completed install).
    void setEndProgram(std::function<void()> endProgram);

    // Runs the install procedure on the selected drive.
    void Picture1_Click();
    // Ends the program at once.
    void Picture2_Click();

private:
    void createControls(const QStringList &extraDrives);
    void Form_Load();

    Skin *m_skin1 = nullptr;
    PictureButton *m_picture1 = nullptr;
    PictureButton *m_picture2 = nullptr;
    DriveList *m_drive1 = nullptr;
    QString m_applicationFolder;
    bool m_installing = false;
    orvex::QtMessagePresenter m_messageBoxes{this};
    orvex::MessagePresenter *m_messages = &m_messageBoxes;
    std::function<void()> m_endProgram;
};
