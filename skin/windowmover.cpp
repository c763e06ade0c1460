#include "skin/windowmover_p.h"

#include <QWidget>
#include <QWindow>

namespace orvex {

void WindowMover::grab(QWidget *window, const QPoint &globalPointer)
{
    if (!window)
        return;
    m_grabbed = window;
    m_grabOffset = globalPointer - window->pos();
}

void WindowMover::follow(QWidget *window, const QPoint &globalPointer)
{
    if (!window)
        return;
    if (m_window != window) {
        m_window = window;
        if (m_grabbed != window)
            m_grabOffset = globalPointer - window->pos();
        // The window system's move takes the window from where the pointer
        // is now; a move of our own keeps the pressed point under the pointer.
        QWindow *handle = window->windowHandle();
        m_systemMove = handle && handle->startSystemMove();
    }
    if (!m_systemMove)
        window->move(globalPointer - m_grabOffset);
}

void WindowMover::stop()
{
    m_window = nullptr;
    m_grabbed = nullptr;
    m_systemMove = false;
}

} // namespace orvex
