#include "core/frame/resizegesture.h"

namespace orvex {

namespace {
constexpr int leftButton = 1;
} // namespace

ResizeGesture::MoveAction ResizeGesture::move(int buttons, double x, double y, double width,
                                              double height, bool maximised, bool attached)
{
    if (buttons != leftButton) {
        m_shape = borderzone::pointerShape(x, y, width, height);
        return MoveAction::Hover;
    }
    if (borderzone::inEdgeZone(x, y, width, height)) {
        m_resizing = true;
        return MoveAction::None;
    }
    return !maximised && !m_resizing && attached ? MoveAction::DragWindow : MoveAction::None;
}

ResizeGesture::Release ResizeGesture::release(double x, double y, bool maximised)
{
    Release result;
    if (m_resizing) {
        result.ended = true;
        if (!maximised)
            result.target = borderzone::resizeTarget(m_shape, x, y);
        m_resizing = false;
    }
    m_shape = borderzone::PointerShape::Arrow;
    return result;
}

} // namespace orvex
