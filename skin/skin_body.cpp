// The control body's pointer rules: sizing pointers at the right and bottom
// edges, resizing the host at the release, moving it by a drag anywhere else,
// and the MouseDown and MouseMove events for the host.
#include "core/frame/borderzone.h"
#include "core/frame/twips.h"
#include "skin/skin_p.h"

namespace orvex {

void SkinPrivate::UserControl_MouseDown(int button, int shift, double x, double y)
{
    Q_EMIT q->MouseDown(short(button), short(shift), float(x), float(y));
}

void SkinPrivate::UserControl_MouseMove(int button, int shift, double x, double y)
{
    const auto action =
        gesture.move(button, x, y, twips::fromPixels(q->width()), twips::fromPixels(q->height()),
                     host.windowState() == HostAttachment::Maximised, host.isAttached());
    if (action == ResizeGesture::MoveAction::Hover) {
        showPointerShape();
        Q_EMIT q->MouseMove(short(button), short(shift), float(x), float(y));
    } else if (action == ResizeGesture::MoveAction::DragWindow) {
        host.moveHost();
    }
    caption.ResetButtons();
}

void SkinPrivate::UserControl_MouseUp(int, int, double x, double y)
{
    const auto release = gesture.release(x, y, host.windowState() == HostAttachment::Maximised);
    if (release.ended) {
        if (host.host() && release.target) {
            QSize size = host.host()->size();
            if (release.target->width >= 0)
                size.setWidth(twips::toPixelEdge(release.target->width));
            if (release.target->height >= 0)
                size.setHeight(twips::toPixelEdge(release.target->height));
            host.host()->resize(size);
        }
        allocate();
    }
    showPointerShape();
}

void SkinPrivate::showPointerShape()
{
    q->setCursor(borderzone::cursorFor(gesture.shape()));
}

} // namespace orvex
