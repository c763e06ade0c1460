#pragma once

#include <QImage>

namespace orvex::artgen {

enum class ArrowDirection
{
    Left,
    Right,
    Up,
    Down
};

// A black arrow on a transparent ground, size x size pixels, 16 palette colours.
QImage drawArrow(ArrowDirection direction, int size);

} // namespace orvex::artgen
