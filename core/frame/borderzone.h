#pragma once

#include <Qt>

// Rules of the control body's border: which pointer shape shows where, and the
// host size a resize produces. All positions in twips.
namespace orvex::borderzone {

inline constexpr int edgeDepth = 200;
inline constexpr int topBand = 400;
inline constexpr int minimumWidth = 3750;
inline constexpr int minimumHeight = 3270;

// Pointer shapes by their numbers: 0 arrow, 7 north-south, 8 north-west/south-east,
// 9 west-east.
enum class PointerShape
{
    Arrow = 0,
    SizeVertical = 7,
    SizeDiagonal = 8,
    SizeHorizontal = 9
};

// In the right or bottom edge zone (edges themselves excluded).
bool inEdgeZone(double x, double y, double width, double height);

PointerShape pointerShape(double x, double y, double width, double height);

Qt::CursorShape cursorFor(PointerShape shape);

// What a release at (x, y) does to the host, given the shape shown when the
// drag began: a dimension stays unset (negative) when that shape does not
// resize it.
struct ResizeTarget
{
    double width = -1;
    double height = -1;
};
ResizeTarget resizeTarget(PointerShape shape, double x, double y);

} // namespace orvex::borderzone
