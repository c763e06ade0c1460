#include "windowmover.h"

#include <QWidget>
#include <QWindow>

namespace orvex {

void WindowMover::follow(QWidget *window, const QPoint &globalPointer)
{
    if (!window)
        return;
    if (m_window != window) {
        m_window = window;
        QWindow *handle = window->windowHandle();
        m_systemMove = handle && handle->startSystemMove();
        m_grabOffset = globalPointer - window->pos();
        return;
    }
    if (!m_systemMove)
        window->move(globalPointer - m_grabOffset);
}

void WindowMover::stop()
{
    m_window = nullptr;
    m_systemMove = false;
}

} // namespace orvex
