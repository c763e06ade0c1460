#include "app/frm_skinnedform.h"

#include "app/accessible.h"
#include "app/diskservice.h"
#include "app/drivelist.h"
#include "app/passcodedialog.h"
#include "app/picturebutton.h"
#include "app/programend.h"
#include "app/stickjobrunner.h"
#include "app/windowlogging.h"
#include "core/frame/twips.h"
#include "install/installprocedure.h"
#include "install/removal.h"

#include <OrvexSkin/propertybag.h>
#include <OrvexSkin/skin.h>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <cmath>

namespace orvex {

namespace {

constexpr int clientWidth = 6150;
constexpr int clientHeight = 3150;
const QString skin1Design = QStringLiteral(":/orvex/app/skin1.design.json");

QLabel *makeLabel(const QString &name, const QString &text, const QRectF &twipsRect,
                  QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    orvex::twips::setGeometry(label, twipsRect);
    return label;
}

// Hundredths of a millimetre, as stored designs give extents, to twips.
double extentToTwips(qint64 hundredthsOfMillimetre)
{
    return std::round(double(hundredthsOfMillimetre) * 1440.0 / 2540.0);
}

orvex::PropertyBag loadDesign(const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("Frm_SkinnedForm: the stored design %s is missing", qPrintable(resource));
        return {};
    }
    QString error;
    const auto bag = orvex::PropertyBag::fromText(file.readAll(), &error);
    if (!bag) {
        qWarning("Frm_SkinnedForm: the stored design %s is damaged: %s", qPrintable(resource),
                 qPrintable(error));
        return {};
    }
    return *bag;
}

// The program's icon from every size drawn for it, so that each place and scale
// shows a drawn one rather than a scaled one.
QIcon iconInEverySize()
{
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/orvex/app/hicolor"), {QStringLiteral("*.png")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

// Hands every message on, and tells the window's log what was shown.
class LoggedMessages final : public orvex::MessagePresenter
{
public:
    explicit LoggedMessages(orvex::MessagePresenter &shown) : m_shown(shown) {}

    orvex::MessageAnswer show(const orvex::MessageRequest &request) override
    {
        qCDebug(lcWindow).noquote() << "message:" << request.text();
        return m_shown.show(request);
    }

private:
    orvex::MessagePresenter &m_shown;
};

} // namespace

Frm_SkinnedForm::Frm_SkinnedForm(const QStringList &extraDrives, Task task, QWidget *parent)
    : Frm_SkinnedForm(extraDrives, orvex::drives::machineVolumes(), task, parent)
{
}

Frm_SkinnedForm::Frm_SkinnedForm(const QStringList &extraDrives,
                                 orvex::drives::VolumeSource volumes, Task task, QWidget *parent)
    : QWidget(parent), m_applicationFolder(QCoreApplication::applicationDirPath()),
      m_endProgram(orvex::endProgramNow),
      m_runInstall(task == Task::Remove ? orvex::runRemoval : orvex::runInstall)
{
    // Screen readers meet the window's parts in the order they show.
    orvex::accessible::install();
    setObjectName(QStringLiteral("Frm_SkinnedForm"));
    setWindowTitle(QStringLiteral("Orvex Tessary"));
    setWindowIcon(iconInEverySize());
    resize(orvex::twips::toPixelSize(clientWidth, clientHeight));
    createControls(extraDrives, std::move(volumes), task);
    Form_Load();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

Frm_SkinnedForm::~Frm_SkinnedForm() = default;

void Frm_SkinnedForm::createControls(const QStringList &extraDrives,
                                     orvex::drives::VolumeSource volumes, Task task)
{
    const bool removing = task == Task::Remove;
    // Both buttons show one face, each with its word in the user's language.
    const QPixmap face(QStringLiteral(":/orvex/app/button.bmp"));
    const QPixmap face2x(QStringLiteral(":/orvex/app/button@2x.bmp"));
    m_picture2 = new PictureButton(face, face2x, tr("Cancel"), this);
    m_picture2->setObjectName(QStringLiteral("Picture2"));
    orvex::twips::setGeometry(m_picture2, QRectF(3120, 2040, 1455, 735));
    connect(m_picture2, &PictureButton::clicked, this, &Frm_SkinnedForm::Picture2_Click);

    m_skin1 = new Skin(this);
    m_skin1->setObjectName(QStringLiteral("Skin1"));
    const orvex::PropertyBag design = loadDesign(skin1Design);
    m_skin1->readProperties(design);
    orvex::twips::setGeometry(
        m_skin1,
        QRectF(0, 0, extentToTwips(design.read(QStringLiteral("_extentx"), 10848).toLongLong()),
               extentToTwips(design.read(QStringLiteral("_extenty"), 15425).toLongLong())));

    m_picture1 = new PictureButton(face, face2x, removing ? tr("Remove") : tr("Install"), m_skin1);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    orvex::twips::setGeometry(m_picture1, QRectF(4560, 2040, 1575, 735));
    connect(m_picture1, &PictureButton::clicked, this, &Frm_SkinnedForm::Picture1_Click);

    m_drive1 = new DriveList(std::move(volumes), extraDrives, m_skin1);
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    m_drive1->setAccessibleName(tr("Drive"));
    orvex::twips::setGeometry(m_drive1, QRectF(240, 1440, 4335, 360));

    QLabel *label5 = makeLabel(QStringLiteral("Label5"),
                               tr("Orvex Tessary installer %1").arg(QStringLiteral(ORVEX_VERSION)),
                               QRectF(2040, 2880, 4095, 255), m_skin1);
    QLabel *label4 = makeLabel(QStringLiteral("Label4"),
                               removing ? tr("3. Press Remove to remove Orvex Tessary!")
                                        : tr("3. Press Install to begin installation!"),
                               QRectF(240, 960, 4335, 255), m_skin1);
    QLabel *label3 =
        makeLabel(QStringLiteral("Label3"), tr("2. Select the drive your PSP is connected to."),
                  QRectF(240, 720, 4455, 375), m_skin1);
    // Screen readers say that the second step labels the drive list.
    label3->setBuddy(m_drive1);
    QLabel *label1 = makeLabel(QStringLiteral("Label1"), tr("1. Connect PSP in USB Mode."),
                               QRectF(240, 480, 3615, 255), m_skin1);

    m_picture2->raise();
    const QList<QWidget *> tabOrder = {m_skin1, m_drive1, m_picture1, label1,
                                       label3,  label4,   label5,     m_picture2};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    // The drive list has the focus at start, so that Enter never cancels by surprise.
    m_drive1->setFocus();
}

void Frm_SkinnedForm::Form_Load()
{
    m_skin1->setButtonMax(false);
    m_skin1->Init_Skin(this);
}

void Frm_SkinnedForm::setMessagePresenter(orvex::MessagePresenter *presenter)
{
    m_messages = presenter ? presenter : &m_messageBoxes;
}

void Frm_SkinnedForm::setApplicationFolder(const QString &folder)
{
    m_applicationFolder = folder;
    m_drive1->setPayloadNeeds(drives::payloadNeeds(folder));
}

void Frm_SkinnedForm::setEndProgram(std::function<void()> endProgram)
{
    m_endProgram = std::move(endProgram);
}

void Frm_SkinnedForm::setInstallRunner(InstallRunner runInstall)
{
    m_runInstall = std::move(runInstall);
}

void Frm_SkinnedForm::setDiskService(orvex::drives::DiskService *disks)
{
    m_disks = disks;
}

void Frm_SkinnedForm::Picture1_Click()
{
    // Clicks reach the window before a job's dialog shows: one install at a time.
    if (m_installing)
        return;
    orvex::StickJobRunner runner(this, m_endProgram);
    LoggedMessages messages(*m_messages);
    m_installing = &runner;
    const QString drive = m_drive1->currentDrive();
    orvex::InstallEnvironment environment{m_applicationFolder, drive, messages,
                                          [&runner](const orvex::StickJob &job) {
                                              return runner.run(job);
                                          }};
    environment.choosePasscode = [this](const QString &onStick) {
        return PasscodeDialog::ask(this, onStick);
    };
    if (const orvex::drives::Entry *entry = m_drive1->currentEntry()) {
        environment.driveName = entry->name;
        if (!entry->free.isEmpty())
            environment.driveFacts = entry->facts();
    }
    // The job's objects, its lock and descriptors on the stick among them, are
    // gone once it returns: only then can the stick be ejected.
    const orvex::InstallOutcome outcome = m_runInstall(environment);
    if (outcome == orvex::InstallOutcome::Completed) {
        offerEject(drive, runner);
        m_endProgram();
    }
    m_installing = nullptr;
}

void Frm_SkinnedForm::offerEject(const QString &drive, orvex::StickJobRunner &runner)
{
    if (!m_disks) {
        m_machineDisks = orvex::machineDiskService();
        m_disks = m_machineDisks.get();
    }
    orvex::drives::DiskService &disks = *m_disks;
    LoggedMessages messages(*m_messages);
    // The disk service may keep us waiting: it is asked off the window's thread.
    bool offered = false;
    orvex::drives::EjectOutcome ejected;
    const auto off = [&runner](const std::function<void()> &work) {
        return runner.run(
            [&work](const orvex::ProgressCallback &progress, const std::atomic<bool> &) {
                progress({orvex::StickProgress::Phase::Ejecting, 0, 0, 0, 0, {}});
                work();
                return orvex::Status();
            });
    };
    if (!off([&] { offered = orvex::drives::ejectOffered(disks, drive); }).ok() || !offered)
        return;
    orvex::MessageRequest ask(
        QStringLiteral("Orvex Tessary"), tr("Eject the stick now? Then leave USB mode on the PSP."),
        orvex::MessageIcon::Information, orvex::MessageButtons::YesNo, orvex::MessageAnswer::Yes);
    ask.setButtonLabel(orvex::MessageAnswer::Yes, tr("Eject"));
    ask.setButtonLabel(orvex::MessageAnswer::No, tr("Not now"));
    if (messages.show(ask) != orvex::MessageAnswer::Yes)
        return;
    if (!off([&] { ejected = orvex::drives::ejectAfter(disks, drive); }).ok())
        return;
    const bool done = ejected.state == orvex::drives::EjectOutcome::State::Ejected;
    messages.show({QStringLiteral("Orvex Tessary"), ejected.text,
                   done ? orvex::MessageIcon::Information : orvex::MessageIcon::Warning});
}

void Frm_SkinnedForm::Picture2_Click()
{
    if (m_installing)
        m_installing->cancel();
    else
        m_endProgram();
}

void Frm_SkinnedForm::keyPressEvent(QKeyEvent *event)
{
    // An open drop-down takes its own Escape; this one reached the window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        Picture2_Click();
    else
        QWidget::keyPressEvent(event);
}

void Frm_SkinnedForm::showEvent(QShowEvent *event)
{
    // The focused drive list shows its focus ring from the start, as after a Tab.
    setAttribute(Qt::WA_KeyboardFocusChange);
    QWidget::showEvent(event);
}

void Frm_SkinnedForm::closeEvent(QCloseEvent *event)
{
    // The jobs work on the stick: closing during an install stops it first.
    if (m_installing) {
        event->ignore();
        m_installing->cancel();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace orvex
