#include "core/frame/borderzone.h"

#include <algorithm>

namespace orvex::borderzone {

bool inEdgeZone(double x, double y, double width, double height)
{
    return x > width - edgeDepth || y > height - edgeDepth;
}

PointerShape pointerShape(double x, double y, double width, double height)
{
    const bool right = x > width - edgeDepth;
    const bool bottom = y > height - edgeDepth;
    if (right && bottom)
        return PointerShape::SizeDiagonal;
    if (y <= topBand)
        return PointerShape::Arrow;
    if (right && y < height - edgeDepth)
        return PointerShape::SizeHorizontal;
    if (x < width - edgeDepth && bottom)
        return PointerShape::SizeVertical;
    return PointerShape::Arrow;
}

Qt::CursorShape cursorFor(PointerShape shape)
{
    switch (shape) {
    case PointerShape::SizeVertical:
        return Qt::SizeVerCursor;
    case PointerShape::SizeDiagonal:
        return Qt::SizeFDiagCursor;
    case PointerShape::SizeHorizontal:
        return Qt::SizeHorCursor;
    case PointerShape::Arrow:
        break;
    }
    return Qt::ArrowCursor;
}

ResizeTarget resizeTarget(PointerShape shape, double x, double y)
{
    ResizeTarget target;
    if (shape == PointerShape::SizeDiagonal || shape == PointerShape::SizeHorizontal)
        target.width = std::max(x, double(minimumWidth));
    if (shape == PointerShape::SizeDiagonal || shape == PointerShape::SizeVertical)
        target.height = std::max(y, double(minimumHeight));
    return target;
}

} // namespace orvex::borderzone
