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
    return d->body.backColor();
}

void Skin::Init_Skin(QWidget *host)
{
    d->Init_Skin(host);
}

bool Skin::menuVisible() const
{
    return !d->menus.menuBar()->isHidden();
}

void Skin::setMenuVisible(bool visible)
{
    if (visible == menuVisible())
        return;
    d->menus.menuBar()->setVisible(visible);
    Q_EMIT MenuVisibleChanged(visible);
}

bool Skin::rememberSkin() const
{
    return d->rememberSkin;
}

void Skin::setRememberSkin(bool remember)
{
    d->rememberSkin = remember;
}

bool Skin::buttonMin() const
{
    return d->buttonMin;
}

void Skin::setButtonMin(bool show)
{
    d->setButtons(d->buttonMax, show);
}

bool Skin::buttonMax() const
{
    return d->buttonMax;
}

void Skin::setButtonMax(bool show)
{
    d->setButtons(show, d->buttonMin);
}

QString Skin::caption() const
{
    return d->caption.caption();
}

void Skin::setCaption(const QString &caption)
{
    d->caption.setCaption(caption);
}

const QImage &Skin::skin() const
{
    return d->skin.picture;
}

void Skin::setSkin(const QImage &picture)
{
    d->setSkin(picture);
}

QPixmap Skin::skinPixmap() const
{
    return d->skinPixmap;
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
    return d->host.host();
}

bool Skin::isAttached() const
{
    return d->host.isAttached();
}

void Skin::setMessagePresenter(MessagePresenter *presenter)
{
    d->setMessagePresenter(presenter);
}

void Skin::setMenuPresenter(MenuPresenter *presenter)
{
    d->menus.setPresenter(presenter);
}

void Skin::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    d->body.show(painter, event->rect());
}

void Skin::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    d->followOwnSize();
}

void Skin::mousePressEvent(QMouseEvent *event)
{
    d->host.grab(event);
    const QPointF at = args::position(event);
    d->UserControl_MouseDown(args::button(event->button()), args::shift(event->modifiers()), at.x(),
                             at.y());
}

void Skin::mouseMoveEvent(QMouseEvent *event)
{
    d->host.track(event);
    const QPointF at = args::position(event);
    d->UserControl_MouseMove(args::buttons(event->buttons()), args::shift(event->modifiers()),
                             at.x(), at.y());
}

void Skin::mouseReleaseEvent(QMouseEvent *event)
{
    d->host.stopMoving();
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
