#include "core/frame/twips.h"
#include "skin/mouseargs_p.h"
#include "skin/skin_p.h"
#include "skin/skinlogging_p.h"

#include <QChildEvent>
#include <QPaintEvent>
#include <QPainter>

Q_LOGGING_CATEGORY(lcSkin, "orvex.skin")

namespace orvex {

namespace {
constexpr int designWidth = 8850;
constexpr int designHeight = 2730;
} // namespace

namespace args = mouseargs;

Skin::Skin(QWidget *parent) : Skin(QString(), parent) {}

Skin::Skin(const QString &menuFolder, QWidget *parent)
    : QWidget(parent), d(std::make_unique<SkinPrivate>(this, menuFolder))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(twips::toPixelSize(designWidth, designHeight));
    d->UserControl_Initialize();
    d->UserControl_Resize();
}

Skin::~Skin() = default;

void Skin::ChangeSkin(const QString &path)
{
    d->ChangeSkin(path);
}

void Skin::allocate()
{
    d->allocate();
}

QColor Skin::GetSkinTheme() const
{
    return d->m_body.backColor();
}

void Skin::Init_Skin(QWidget *host)
{
    d->Init_Skin(host);
}

bool Skin::menuVisible() const
{
    return !d->m_menus.menuBar()->isHidden();
}

void Skin::setMenuVisible(bool visible)
{
    if (visible == menuVisible())
        return;
    d->m_menus.menuBar()->setVisible(visible);
    Q_EMIT MenuVisibleChanged(visible);
}

bool Skin::rememberSkin() const
{
    return d->m_rememberSkin;
}

void Skin::setRememberSkin(bool remember)
{
    d->m_rememberSkin = remember;
}

bool Skin::buttonMin() const
{
    return d->m_buttonMin;
}

void Skin::setButtonMin(bool show)
{
    d->setButtons(d->m_buttonMax, show);
}

bool Skin::buttonMax() const
{
    return d->m_buttonMax;
}

void Skin::setButtonMax(bool show)
{
    d->setButtons(show, d->m_buttonMin);
}

QString Skin::caption() const
{
    return d->m_caption.caption();
}

void Skin::setCaption(const QString &caption)
{
    d->m_caption.setCaption(caption);
}

const QImage &Skin::skin() const
{
    return d->m_skin.picture;
}

void Skin::setSkin(const QImage &picture)
{
    d->setSkin(picture);
}

QPixmap Skin::skinPixmap() const
{
    return d->m_skinPixmap;
}

void Skin::setSkinPixmap(const QPixmap &picture)
{
    d->setSkin(picture.toImage());
}

void Skin::readProperties(const PropertyBag &bag)
{
    d->readProperties(bag);
}

void Skin::writeProperties(PropertyBag &bag) const
{
    d->writeProperties(bag);
}

QWidget *Skin::host() const
{
    return d->m_host.host();
}

bool Skin::isAttached() const
{
    return d->m_host.isAttached();
}

void Skin::setMessagePresenter(MessagePresenter *presenter)
{
    d->setMessagePresenter(presenter);
}

void Skin::setMenuPresenter(MenuPresenter *presenter)
{
    d->m_menus.setPresenter(presenter);
}

void Skin::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    d->m_body.show(painter, event->rect());
}

void Skin::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    d->followOwnSize();
}

void Skin::mousePressEvent(QMouseEvent *event)
{
    d->m_host.grab(event);
    const QPointF at = args::position(event);
    d->UserControl_MouseDown(args::button(event->button()), args::shift(event->modifiers()), at.x(),
                             at.y());
}

void Skin::mouseMoveEvent(QMouseEvent *event)
{
    d->m_host.track(event);
    const QPointF at = args::position(event);
    d->UserControl_MouseMove(args::buttons(event->buttons()), args::shift(event->modifiers()),
                             at.x(), at.y());
}

void Skin::mouseReleaseEvent(QMouseEvent *event)
{
    d->m_host.stopMoving();
    const QPointF at = args::position(event);
    d->UserControl_MouseUp(args::button(event->button()), args::shift(event->modifiers()), at.x(),
                           at.y());
}

void Skin::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void Skin::childEvent(QChildEvent *event)
{
    if (event->type() == QEvent::ChildPolished && event->child()->isWidgetType())
        HostAttachment::guardMouse(static_cast<QWidget *>(event->child()));
    QWidget::childEvent(event);
}

} // namespace orvex
