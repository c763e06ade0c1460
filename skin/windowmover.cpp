#include "windowmover.h"

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
        // The move starts on the first move after the press: catch up with the
        // pointer's way since the press before the window system takes over
        // from where the pointer is now.
        window->move(globalPointer - m_grabOffset);
        QWindow *handle = window->windowHandle();
        m_systemMove = handle && handle->startSystemMove();
        return;
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
