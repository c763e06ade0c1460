#include "frm_skinnedform.h"

#include "drivelist.h"
#include "frame/twips.h"
#include "installprocedure.h"
#include "picturebutton.h"
#include "programend.h"
#include "stickjobrunner.h"

#include <OrvexSkin/propertybag.h>
#include <OrvexSkin/skin.h>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <cmath>

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

} // namespace

Frm_SkinnedForm::Frm_SkinnedForm(const QStringList &extraDrives, QWidget *parent)
    : QWidget(parent), m_applicationFolder(QCoreApplication::applicationDirPath()),
      m_endProgram(orvex::endProgramNow)
{
    setObjectName(QStringLiteral("Frm_SkinnedForm"));
    setWindowTitle(QStringLiteral("Orvex Tessary"));
    setWindowIcon(QIcon(QStringLiteral(":/orvex/app/orvex.png")));
    resize(orvex::twips::toPixelSize(clientWidth, clientHeight));
    createControls(extraDrives);
    Form_Load();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

Frm_SkinnedForm::~Frm_SkinnedForm() = default;

void Frm_SkinnedForm::createControls(const QStringList &extraDrives)
{
    m_picture2 = new PictureButton(QPixmap(QStringLiteral(":/orvex/app/cancel.bmp")),
                                   QStringLiteral("Cancel"), this);
    m_picture2->setObjectName(QStringLiteral("Picture2"));
    orvex::twips::setGeometry(m_picture2, QRectF(3120, 2040, 1455, 735));
    connect(m_picture2, &PictureButton::clicked, this, &Frm_SkinnedForm::Picture2_Click);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this,
            &Frm_SkinnedForm::Picture2_Click);

    m_skin1 = new Skin(this);
    m_skin1->setObjectName(QStringLiteral("Skin1"));
    const orvex::PropertyBag design = loadDesign(skin1Design);
    m_skin1->readProperties(design);
    orvex::twips::setGeometry(
        m_skin1,
        QRectF(0, 0, extentToTwips(design.read(QStringLiteral("_extentx"), 10848).toLongLong()),
               extentToTwips(design.read(QStringLiteral("_extenty"), 15425).toLongLong())));

    m_picture1 = new PictureButton(QPixmap(QStringLiteral(":/orvex/app/install.bmp")),
                                   QStringLiteral("Install"), m_skin1);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    orvex::twips::setGeometry(m_picture1, QRectF(4560, 2040, 1575, 735));
    connect(m_picture1, &PictureButton::clicked, this, &Frm_SkinnedForm::Picture1_Click);

    m_drive1 = new DriveList(orvex::drives::machineVolumes, extraDrives, m_skin1);
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    m_drive1->setAccessibleName(QStringLiteral("Drive"));
    orvex::twips::setGeometry(m_drive1, QRectF(240, 1440, 4335, 360));

    QLabel *label5 =
        makeLabel(QStringLiteral("Label5"),
                  QStringLiteral("Orvex Tessary installer %1").arg(QStringLiteral(ORVEX_VERSION)),
                  QRectF(2040, 2880, 4095, 255), m_skin1);
    QLabel *label4 = makeLabel(QStringLiteral("Label4"),
                               QStringLiteral("3. Press Install to begin installation!"),
                               QRectF(240, 960, 4335, 255), m_skin1);
    QLabel *label3 = makeLabel(QStringLiteral("Label3"),
                               QStringLiteral("2. Select the drive your PSP is connected to."),
                               QRectF(240, 720, 4455, 375), m_skin1);
    QLabel *label1 =
        makeLabel(QStringLiteral("Label1"), QStringLiteral("1. Connect PSP in USB Mode."),
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
}

void Frm_SkinnedForm::setEndProgram(std::function<void()> endProgram)
{
    m_endProgram = std::move(endProgram);
}

void Frm_SkinnedForm::Picture1_Click()
{
    // The copy's event loop lets clicks through before its dialog shows: one install at a time.
    if (m_installing)
        return;
    m_installing = true;
    orvex::runInstall({m_applicationFolder, m_drive1->currentDrive(), *m_messages, m_endProgram,
                       [this](const orvex::StickJob &job) {
                           return orvex::runStickJob(this, job);
                       }});
    m_installing = false;
}

void Frm_SkinnedForm::Picture2_Click()
{
    m_endProgram();
}
