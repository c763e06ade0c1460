#include "skin.h"

#include "captionbuttonproxy.h"
#include "design/propertybag.h"
#include "design/rememberedskin.h"
#include "menupresenter.h"
#include "widgetgeometry.h"
#include "windowmover.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>

namespace {

using orvex::framelayout::CaptionButton;

constexpr int designWidth = 8850;
constexpr int designHeight = 2730;
constexpr int menuSlots = 8;

QLabel *makeTextLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAlignment(Qt::AlignCenter);
    label->adjustSize();
    return label;
}

} // namespace

Skin::Skin(QWidget *parent) : Skin(QString(), parent) {}

Skin::Skin(const QString &menuFolder, QWidget *parent)
    : QWidget(parent),
      m_menuFolder(menuFolder.isEmpty() ? QCoreApplication::applicationDirPath() : menuFolder),
      m_mover(std::make_unique<orvex::WindowMover>())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMenuPresenter(nullptr);
    m_body.setBackColor(palette().color(QPalette::Window));
    buildConstituents();
    resize(orvex::twips::toPixelSize(designWidth, designHeight));
    UserControl_Initialize();
    UserControl_Resize();
}

Skin::~Skin() = default;

void Skin::buildConstituents()
{
    m_titleBar = new orvex::SurfaceWidget(this);
    m_titleBar->setObjectName(QStringLiteral("TitleBar"));
    m_titleBar->surface().setBackColor(palette().color(QPalette::Active, QPalette::Highlight));
    m_titleBar->place(orvex::twips::toPixelRect(QRectF(0, 0, 8835, 360)));
    m_titleBar->setMouseTracking(true);
    m_titleBar->installEventFilter(this);

    m_capLabel = makeTextLabel(QStringLiteral("CapLabel"), tr("Title Bar"), m_titleBar);
    m_capLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_capLabel->move(orvex::twips::toPixelRect(QRectF(120, 90, 585, 195)).topLeft());
    m_capLabel->setMouseTracking(true);
    m_capLabel->installEventFilter(this);

    const std::array<std::pair<const char *, CaptionButton>, 3> buttons = {
        {{"Close", CaptionButton::Close},
         {"Minimise", CaptionButton::Minimise},
         {"Maximise", CaptionButton::Maximise}}};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const auto [name, button] = buttons[i];
        auto *proxy = new orvex::CaptionButtonProxy(tr(name), m_titleBar);
        connect(proxy, &QAbstractButton::clicked, this, [this, button = button] {
            if (m_attached && m_host)
                pressCaptionButton(button);
        });
        m_buttonProxies[i] = proxy;
    }

    m_menuBar = new orvex::SurfaceWidget(this);
    m_menuBar->setObjectName(QStringLiteral("MenuBar"));
    m_menuBar->surface().setBackColor(palette().color(QPalette::Base));
    m_menuBar->place(orvex::twips::toPixelRect(QRectF(0, 315, 8790, 240)));

    QLabel *firstTitle = makeTextLabel(QStringLiteral("Label"), tr("Menu"), m_menuBar);
    firstTitle->move(orvex::twips::toPixelRect(QRectF(165, 0, 435, 195)).topLeft());
    firstTitle->installEventFilter(this);
    m_titles.append(firstTitle);

    m_skinpic = new QWidget(this);
    m_skinpic->setObjectName(QStringLiteral("Skinpic"));
    orvex::twips::setGeometry(m_skinpic, QRectF(2100, 1410, 3195, 855));
    m_skinpic->hide();
    putPicture(QImage(QStringLiteral(":/orvex/skin/default_skin.bmp")));

    static constexpr std::array<const char *, menuSlots> itemArrays = {"a", "b", "c", "d",
                                                                       "e", "f", "g", "h"};
    for (int slot = 0; slot < menuSlots; ++slot) {
        auto *core = new QMenu(QStringLiteral("Core"), this);
        core->setObjectName(QStringLiteral("Core"));
        QAction *designItem = core->addAction(QString());
        designItem->setObjectName(QString::fromLatin1(itemArrays[slot]));
        m_menus[slot] = core;
    }
}

void Skin::UserControl_Initialize()
{
    m_titleBar->place(QRect(m_titleBar->pos(), QSize(width(), m_titleBar->height())));
    LoadMenus();
}

bool Skin::menuVisible() const
{
    return !m_menuBar->isHidden();
}

void Skin::setMenuVisible(bool visible)
{
    m_menuBar->setVisible(visible);
    emit MenuVisibleChanged(visible);
}

void Skin::setButtonMin(bool show)
{
    m_buttonMin = show;
    UserControl_Resize();
}

void Skin::setButtonMax(bool show)
{
    m_buttonMax = show;
    UserControl_Resize();
}

QString Skin::caption() const
{
    return m_capLabel->text();
}

void Skin::setCaption(const QString &caption)
{
    m_capLabel->setText(caption);
    m_capLabel->adjustSize();
}

void Skin::readProperties(const orvex::PropertyBag &bag)
{
    setCaption(bag.read(QStringLiteral("Caption"), QString()).toString());
    m_buttonMax = bag.read(QStringLiteral("ButtonMax"), true).toBool();
    m_buttonMin = bag.read(QStringLiteral("ButtonMin"), true).toBool();
    const QImage picture = bag.readPicture(QStringLiteral("Skin"), m_skin);
    if (picture.cacheKey() != m_skin.cacheKey())
        putPicture(picture);
    m_rememberSkin = bag.read(QStringLiteral("RememberSkin"), false).toBool();
    m_menuBar->setVisible(bag.read(QStringLiteral("MenuVisible"), true).toBool());
}

void Skin::writeProperties(orvex::PropertyBag &bag) const
{
    bag.write(QStringLiteral("Caption"), caption(), QString());
    bag.writePicture(QStringLiteral("Skin"), m_skin);
    bag.write(QStringLiteral("ButtonMax"), m_buttonMax, true);
    bag.write(QStringLiteral("ButtonMin"), m_buttonMin, true);
    bag.write(QStringLiteral("RememberSkin"), m_rememberSkin, false);
    bag.write(QStringLiteral("MenuVisible"), menuVisible(), true);
}

void Skin::Init_Skin(QWidget *host)
{
    m_attached = true;
    m_host = host;
    if (!host) {
        qWarning("Skin::Init_Skin: no host window given");
        return;
    }
    const QString remembered = orvex::rememberedskin::read(host->windowTitle());
    PrepareHost();
    allocate();
    host->installEventFilter(this);
    for (QObject *child : host->children()) {
        if (child->isWidgetType() && child != this)
            guardMouse(static_cast<QWidget *>(child));
    }
    if (!remembered.isEmpty() && m_rememberSkin)
        ChangeSkin(remembered);
}

void Skin::allocate()
{
    if (!m_host) {
        qWarning("Skin::allocate: the control has no host window");
        return;
    }
    setControlSize(m_host->size());
    m_attached = true;
}

int Skin::hostWindowState() const
{
    if (!m_host)
        return Normal;
    const Qt::WindowStates state = m_host->windowState();
    if (state.testFlag(Qt::WindowMinimized))
        return Minimised;
    if (state.testFlag(Qt::WindowMaximized))
        return Maximised;
    return Normal;
}

void Skin::setHostWindowState(int state)
{
    if (!m_host)
        return;
    Qt::WindowStates states =
        m_host->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    if (state == Minimised)
        states |= Qt::WindowMinimized;
    else if (state == Maximised)
        states |= Qt::WindowMaximized;
    m_host->setWindowState(states);
}

QString Skin::attachHintText()
{
    return QStringLiteral("Add The Following Lines To your code\r\ndrapler1.init_skin me");
}

void Skin::showAttachHint()
{
    orvex::MessageRequest hint;
    hint.title = QGuiApplication::applicationDisplayName();
    hint.text = attachHintText();
    m_messages->show(hint);
}

void Skin::setMessagePresenter(orvex::MessagePresenter *presenter)
{
    m_messages = presenter ? presenter : &m_messageBoxes;
}

void Skin::setMenuPresenter(orvex::MenuPresenter *presenter)
{
    if (!presenter) {
        if (!m_ownMenuPresenter)
            m_ownMenuPresenter = std::make_unique<orvex::QtMenuPresenter>();
        presenter = m_ownMenuPresenter.get();
    }
    m_menuPresenter = presenter;
}

const orvex::Surface &Skin::titleBarSurface() const
{
    return m_titleBar->surface();
}

const orvex::Surface &Skin::menuBarSurface() const
{
    return m_menuBar->surface();
}

void Skin::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_body.image(), event->rect());
}
