#pragma once

#include "skin/windowmover_p.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

class QMouseEvent;
class QWidget;

namespace orvex {

// The host window's state as the control sees it, by the numbers the design
// gives the three.
enum class WindowState
{
    Normal = 0,
    Minimised = 1,
    Maximised = 2
};

// The control's tie to its host window: the host and the Attached flag, the
// host made borderless, its window state, its children kept from handing mouse
// events on to the control, and moves of its window with the pointer.
class HostAttachment final : public QObject
{
    Q_OBJECT

public:
    // `control` is the Skin itself, which its host's children rules leave alone.
    explicit HostAttachment(QWidget *control) : m_control(control) {}

    // Records the host; Attached from now on, even without one.
    void attach(QWidget *host);
    // Follows the host's resizes and guards its children, those it has and
    // those it gets.
    void watchHost();
    // Attached without a new host: allocate has run.
    void markAttached() { m_attached = true; }
    bool isAttached() const { return m_attached; }
    QWidget *host() const { return m_host; }

    // Takes the host's system caption and frame away, showing it again when
    // it was shown (a change of flags hides a window).
    void makeBorderless();
    // Normal without a host.
    WindowState windowState() const;
    void setWindowState(WindowState state);
    void closeHost();

    // A press on the strip or the body: a left-button press holds the host
    // window at the pointer, for a move that may follow.
    void grab(const QMouseEvent *press);
    // Every pointer move: remembers where the pointer is, and ends a move once
    // the left button is up (after a system move the release may never come).
    void track(const QMouseEvent *move);
    // Moves the host window with the pointer, from where track last saw it.
    void moveHost();
    // The button went up.
    void stopMoving() { m_mover.stop(); }

    // Makes a child widget keep its mouse events and show the arrow unless it
    // chose a pointer of its own, as the controls on a form do.
    static void guardMouse(QWidget *child);

Q_SIGNALS:
    // The host window changed its size.
    void hostResized();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void guardHostChild(QObject *child);

    QWidget *m_control;
    QPointer<QWidget> m_host;
    bool m_attached = false;
    WindowMover m_mover;
    QPoint m_pointerGlobal;
};

} // namespace orvex
