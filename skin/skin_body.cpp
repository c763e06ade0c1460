// The control body's pointer rules: sizing pointers at the right and bottom
// edges, resizing the host at the release, moving it by a drag anywhere else,
// and the MouseDown and MouseMove events for the host.
#include "core/frame/borderzone.h"
#include "core/frame/twips.h"
#include "skin/skin_p.h"

namespace orvex {

void SkinPrivate::UserControl_MouseDown(int button, int shift, double x, double y)
{
    Q_EMIT m_control->MouseDown(short(button), short(shift), float(x), float(y));
}

void SkinPrivate::UserControl_MouseMove(int button, int shift, double x, double y)
{
    const auto action = m_gesture.move(
        button, x, y, twips::fromPixels(m_control->width()), twips::fromPixels(m_control->height()),
        m_host.windowState() == WindowState::Maximised, m_host.isAttached());
    if (action == ResizeGesture::MoveAction::Hover) {
        showPointerShape();
        Q_EMIT m_control->MouseMove(short(button), short(shift), float(x), float(y));
    } else if (action == ResizeGesture::MoveAction::DragWindow) {
        m_host.moveHost();
    }
    m_caption.ResetButtons();
}

void SkinPrivate::UserControl_MouseUp(int, int, double x, double y)
{
    const auto release = m_gesture.release(x, y, m_host.windowState() == WindowState::Maximised);
    if (release.ended) {
        if (m_host.host() && release.target) {
            QSize size = m_host.host()->size();
            if (release.target->width >= 0)
                size.setWidth(twips::toPixelEdge(release.target->width));
            if (release.target->height >= 0)
                size.setHeight(twips::toPixelEdge(release.target->height));
            m_host.host()->resize(size);
        }
        allocate();
    }
    showPointerShape();
}

void SkinPrivate::showPointerShape()
{
    m_control->setCursor(borderzone::cursorFor(m_gesture.shape()));
}

} // namespace orvex
