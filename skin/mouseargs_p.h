#pragma once

#include "core/frame/twips.h"

#include <QMouseEvent>

// Mouse event arguments in the control's terms: Button 1 left, 2 right,
// 4 middle; Shift 1 Shift, 2 Ctrl, 4 Alt; positions in twips.
namespace orvex::mouseargs {

inline int button(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

inline int buttons(Qt::MouseButtons held)
{
    return (held.testFlag(Qt::LeftButton) ? 1 : 0) | (held.testFlag(Qt::RightButton) ? 2 : 0) |
           (held.testFlag(Qt::MiddleButton) ? 4 : 0);
}

inline int shift(Qt::KeyboardModifiers modifiers)
{
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

inline QPointF position(const QMouseEvent *event)
{
    return twips::fromPixels(event->position());
}

} // namespace orvex::mouseargs
