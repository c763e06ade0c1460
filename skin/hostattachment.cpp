#include "skin/hostattachment_p.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QWidget>

namespace orvex {

void HostAttachment::attach(QWidget *host)
{
    m_attached = true;
    m_host = host;
}

void HostAttachment::watchHost()
{
    m_host->installEventFilter(this);
    for (QObject *child : m_host->children())
        guardHostChild(child);
}

void HostAttachment::makeBorderless()
{
    const bool wasVisible = m_host->isVisible();
    m_host->setWindowFlags(m_host->windowFlags() | Qt::FramelessWindowHint);
    if (wasVisible)
        m_host->show();
}

WindowState HostAttachment::windowState() const
{
    if (!m_host)
        return WindowState::Normal;
    const Qt::WindowStates state = m_host->windowState();
    if (state.testFlag(Qt::WindowMinimized))
        return WindowState::Minimised;
    if (state.testFlag(Qt::WindowMaximized))
        return WindowState::Maximised;
    return WindowState::Normal;
}

void HostAttachment::setWindowState(WindowState state)
{
    if (!m_host)
        return;
    Qt::WindowStates states =
        m_host->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    if (state == WindowState::Minimised)
        states |= Qt::WindowMinimized;
    else if (state == WindowState::Maximised)
        states |= Qt::WindowMaximized;
    m_host->setWindowState(states);
}

void HostAttachment::closeHost()
{
    if (m_host)
        m_host->close();
}

void HostAttachment::grab(const QMouseEvent *press)
{
    if (m_host && press->button() == Qt::LeftButton)
        m_mover.grab(m_host->window(), press->globalPosition().toPoint());
}

void HostAttachment::track(const QMouseEvent *move)
{
    m_pointerGlobal = move->globalPosition().toPoint();
    if (!move->buttons().testFlag(Qt::LeftButton))
        m_mover.stop();
}

void HostAttachment::moveHost()
{
    if (m_host)
        m_mover.follow(m_host->window(), m_pointerGlobal);
}

void HostAttachment::guardMouse(QWidget *child)
{
    if (child->isWindow())
        return;
    child->setAttribute(Qt::WA_NoMousePropagation);
    if (!child->testAttribute(Qt::WA_SetCursor))
        child->setCursor(Qt::ArrowCursor);
}

bool HostAttachment::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_host) {
        if (event->type() == QEvent::Resize)
            Q_EMIT hostResized();
        else if (event->type() == QEvent::ChildPolished)
            guardHostChild(static_cast<QChildEvent *>(event)->child());
    }
    return false;
}

void HostAttachment::guardHostChild(QObject *child)
{
    if (child->isWidgetType() && child != m_control)
        guardMouse(static_cast<QWidget *>(child));
}

} // namespace orvex
