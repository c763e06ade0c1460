// Mouse behaviour of the caption strip, the caption text and the control body:
// caption buttons, moving, maximising, and resizing from the right and bottom
// edges.
#include "mouseargs.h"
#include "skin.h"
#include "windowmover.h"

#include <QChildEvent>
#include <QLabel>

namespace args = orvex::mouseargs;
using orvex::framelayout::CaptionButton;

namespace {
constexpr int leftButton = 1;

// Remembers where a left-button press holds the host window, for a move that
// may follow.
void grabWindow(orvex::WindowMover &mover, QWidget *host, const QMouseEvent *press)
{
    if (host && press->button() == Qt::LeftButton)
        mover.grab(host->window(), press->globalPosition().toPoint());
}
} // namespace

void Skin::guardMouse(QWidget *child)
{
    if (child->isWindow())
        return;
    child->setAttribute(Qt::WA_NoMousePropagation);
    if (!child->testAttribute(Qt::WA_SetCursor))
        child->setCursor(Qt::ArrowCursor);
}

void Skin::childEvent(QChildEvent *event)
{
    if (event->type() == QEvent::ChildPolished && event->child()->isWidgetType())
        guardMouse(static_cast<QWidget *>(event->child()));
    QWidget::childEvent(event);
}

void Skin::trackPointer(const QMouseEvent *event)
{
    m_pointerGlobal = event->globalPosition().toPoint();
    if (!event->buttons().testFlag(Qt::LeftButton))
        m_mover->stop();
}

void Skin::moveHost()
{
    if (m_host)
        m_mover->follow(m_host->window(), m_pointerGlobal);
}

bool Skin::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_host) {
        if (event->type() == QEvent::Resize)
            followHost();
        else if (event->type() == QEvent::ChildPolished)
            guardMouse(static_cast<QWidget *>(static_cast<QChildEvent *>(event)->child()));
        return false;
    }
    const bool isMouse =
        event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonPress ||
        event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonDblClick;
    if (!isMouse)
        return QWidget::eventFilter(watched, event);

    auto *mouse = static_cast<QMouseEvent *>(event);
    const QPointF at = args::position(mouse);
    const int shift = args::shift(mouse->modifiers());
    if (event->type() == QEvent::MouseMove)
        trackPointer(mouse);
    else if (event->type() == QEvent::MouseButtonRelease)
        m_mover->stop();
    else if (event->type() == QEvent::MouseButtonPress &&
             (watched == m_titleBar || watched == m_capLabel))
        grabWindow(*m_mover, m_host, mouse);

    if (watched == m_titleBar) {
        if (event->type() == QEvent::MouseMove)
            TitleBar_MouseMove(args::buttons(mouse->buttons()), shift, at.x(), at.y());
        else if (event->type() == QEvent::MouseButtonPress)
            TitleBar_MouseDown(args::button(mouse->button()), shift, at.x(), at.y());
        else if (event->type() == QEvent::MouseButtonDblClick)
            TitleBar_DblClick();
        return true;
    }
    if (watched == m_capLabel) {
        if (event->type() == QEvent::MouseMove)
            CapLabel_MouseMove(args::buttons(mouse->buttons()), shift, at.x(), at.y());
        return true;
    }
    const qsizetype title = m_titles.indexOf(static_cast<QLabel *>(watched));
    if (title >= 0) {
        if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton &&
            m_titles[title]->rect().contains(mouse->position().toPoint()))
            MenuTitle_Click(int(title));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Skin::followHost()
{
    allocate();
    if (m_repaintWhenHostResized) {
        m_repaintWhenHostResized = false;
        RepaintSkin();
        PaintMaxButton(hostWindowState());
    }
}

void Skin::mousePressEvent(QMouseEvent *event)
{
    grabWindow(*m_mover, m_host, event);
    const QPointF at = args::position(event);
    UserControl_MouseDown(args::button(event->button()), args::shift(event->modifiers()), at.x(),
                          at.y());
}

void Skin::mouseMoveEvent(QMouseEvent *event)
{
    trackPointer(event);
    const QPointF at = args::position(event);
    UserControl_MouseMove(args::buttons(event->buttons()), args::shift(event->modifiers()), at.x(),
                          at.y());
}

void Skin::mouseReleaseEvent(QMouseEvent *event)
{
    m_mover->stop();
    const QPointF at = args::position(event);
    UserControl_MouseUp(args::button(event->button()), args::shift(event->modifiers()), at.x(),
                        at.y());
}

void Skin::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void Skin::TitleBar_MouseMove(int button, int, double x, double)
{
    if (!m_attached) {
        showAttachHint();
        return;
    }
    const auto hit = orvex::framelayout::hitButton(m_spans, x);
    paintLooks(m_looks.moveOver(hit));
    if (!hit && hostWindowState() != Maximised && (button & leftButton))
        moveHost();
}

void Skin::CapLabel_MouseMove(int button, int, double x, double y)
{
    if (!m_attached) {
        showAttachHint();
        return;
    }
    TitleBar_MouseMove(button, 0, x, y);
}

void Skin::TitleBar_MouseDown(int, int, double x, double)
{
    if (!m_attached || !m_host) {
        showAttachHint();
        return;
    }
    if (const auto hit = orvex::framelayout::hitButton(m_spans, x))
        pressCaptionButton(*hit);
}

void Skin::pressCaptionButton(CaptionButton button)
{
    switch (button) {
    case CaptionButton::Close:
        m_host->close();
        break;
    case CaptionButton::Minimise:
        setHostWindowState(Minimised);
        paintLooks(m_looks.press(button));
        break;
    case CaptionButton::Maximise:
        m_titleBar->surface().clear();
        m_body.clear();
        setHostWindowState(hostWindowState() != Normal ? Normal : Maximised);
        m_repaintWhenHostResized = true;
        allocate();
        RepaintSkin();
        break;
    }
}

void Skin::TitleBar_DblClick()
{
    if (m_buttonMax && m_host)
        setHostWindowState(hostWindowState() == Maximised ? Normal : Maximised);
    PaintFrame();
}

void Skin::ResetButtons()
{
    if (!m_attached) {
        showAttachHint();
        return;
    }
    paintLooks(m_looks.reset());
}

void Skin::UserControl_MouseDown(int button, int shift, double x, double y)
{
    emit MouseDown(short(button), short(shift), float(x), float(y));
}

void Skin::UserControl_MouseMove(int button, int shift, double x, double y)
{
    const auto action = m_gesture.move(button, x, y, orvex::twips::fromPixels(width()),
                                       orvex::twips::fromPixels(height()),
                                       hostWindowState() == Maximised, m_attached);
    if (action == orvex::ResizeGesture::MoveAction::Hover) {
        showPointerShape();
        emit MouseMove(short(button), short(shift), float(x), float(y));
    } else if (action == orvex::ResizeGesture::MoveAction::DragWindow) {
        moveHost();
    }
    ResetButtons();
}

void Skin::UserControl_MouseUp(int, int, double x, double y)
{
    const auto release = m_gesture.release(x, y, hostWindowState() == Maximised);
    if (release.ended) {
        if (m_host && release.target) {
            QSize size = m_host->size();
            if (release.target->width >= 0)
                size.setWidth(orvex::twips::toPixelEdge(release.target->width));
            if (release.target->height >= 0)
                size.setHeight(orvex::twips::toPixelEdge(release.target->height));
            m_host->resize(size);
        }
        allocate();
    }
    showPointerShape();
}

void Skin::showPointerShape()
{
    setCursor(orvex::borderzone::cursorFor(m_gesture.shape()));
}
