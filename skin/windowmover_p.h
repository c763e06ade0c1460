#pragma once

#include <QPoint>
#include <QPointer>

class QWidget;

namespace orvex {

// Moves a window with the pointer while the left button is held. The window
// system's own interactive move is asked for first; where it is not available
// (no window manager, offscreen) the window is moved here so that it follows
// the pointer.
class WindowMover
{
public:
    // Called at a left-button press: remembers where the pointer holds the
    // window, so that the move keeps that point under the pointer.
    void grab(QWidget *window, const QPoint &globalPointer);
    // Called for each pointer move with the left button held, in global
    // coordinates. The first call starts the move.
    void follow(QWidget *window, const QPoint &globalPointer);
    // Ends the move: the left button is up.
    void stop();

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_grabbed;
    bool m_systemMove = false;
    QPoint m_grabOffset;
};

} // namespace orvex
