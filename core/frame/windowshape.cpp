#include "core/frame/windowshape.h"

namespace orvex::windowshape {

namespace {
constexpr QPoint keyPixel(0, 14);
constexpr int cornerDiameter = 14;
} // namespace

bool wantsRoundedWindow(const QImage &skin)
{
    if (!skin.valid(keyPixel))
        return false;
    return (skin.pixel(keyPixel) & 0xffffff) == 0xff00ff;
}

QRegion roundedRegion(int widthTwips, int heightTwips)
{
    const QRect bounds(QPoint(2, 0), QPoint(widthTwips - 1, heightTwips - 1));
    if (bounds.width() < cornerDiameter || bounds.height() < cornerDiameter)
        return QRegion(bounds);
    const int r = cornerDiameter / 2;
    QRegion region(bounds.adjusted(r, 0, -r, 0));
    region += bounds.adjusted(0, r, 0, -r);
    const QSize corner(cornerDiameter, cornerDiameter);
    region += QRegion(QRect(bounds.topLeft(), corner), QRegion::Ellipse);
    region += QRegion(QRect(QPoint(bounds.right() - cornerDiameter + 1, bounds.top()), corner),
                      QRegion::Ellipse);
    region += QRegion(QRect(QPoint(bounds.left(), bounds.bottom() - cornerDiameter + 1), corner),
                      QRegion::Ellipse);
    region += QRegion(
        QRect(bounds.bottomRight() - QPoint(cornerDiameter - 1, cornerDiameter - 1), corner),
        QRegion::Ellipse);
    return region;
}

} // namespace orvex::windowshape
