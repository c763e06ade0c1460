#pragma once

#include <QColor>
#include <QImage>
#include <QRegion>

namespace orvex::windowshape {

// The skin asks for a rounded window when its key pixel (0, 14) is magenta;
// only red, green and blue count.
bool wantsRoundedWindow(const QImage &skin);

// The window region for a control of `widthTwips` x `heightTwips`: a rounded
// rectangle from (2, 0) to the twip values taken as pixels, corners rounded
// with a 7-pixel radius. On the window this rounds the top-left corner and
// cuts away the two leftmost pixel columns; the far corners lie beyond the
// window, so a window that grows later is not clipped.
QRegion roundedRegion(int widthTwips, int heightTwips);

} // namespace orvex::windowshape
