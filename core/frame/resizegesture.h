#pragma once

#include "core/frame/borderzone.h"

#include <optional>

namespace orvex {

// The control body's pointer gesture: moves without the left button pick the
// pointer shape, a left-button move in an edge zone starts a resize that keeps
// the shape shown at the press, any other left-button move drags the window,
// and the release gives the host size to take. Positions in twips.
class ResizeGesture
{
public:
    // What the body does with a move.
    enum class MoveAction
    {
        Hover,      // no left-button drag: show shape() and report the move
        DragWindow, // the host follows the pointer
        None        // a resize is under way, or the window may not move
    };

    // A move over a body `width` x `height`; `buttons` is the held-button mask
    // (1 left, 2 right, 4 middle). Only the left button alone drags.
    MoveAction move(int buttons, double x, double y, double width, double height, bool maximised,
                    bool attached);

    struct Release
    {
        bool ended = false;                             // a resize was in progress
        std::optional<borderzone::ResizeTarget> target; // absent while maximised
    };
    // The button went up at (x, y): ends a resize and resets the shape to the arrow.
    Release release(double x, double y, bool maximised);

    borderzone::PointerShape shape() const { return m_shape; }
    bool isResizing() const { return m_resizing; }

private:
    borderzone::PointerShape m_shape = borderzone::PointerShape::Arrow;
    bool m_resizing = false;
};

} // namespace orvex
