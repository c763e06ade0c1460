#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <cmath>

// Geometry of the model is kept in twips (1/1440 inch); Qt's logical pixel is
// 1/96 inch, so one pixel is 15 twips. Conversions happen only at the widget edge.
namespace orvex::twips {

inline constexpr int perPixel = 15;

// One edge in twips to the nearest whole pixel, halves up.
inline int toPixelEdge(double twips)
{
    return static_cast<int>(std::floor(twips / perPixel + 0.5));
}

inline double fromPixels(double pixels)
{
    return pixels * perPixel;
}

// A twip rectangle in pixels: each edge rounded on its own, the size is the
// difference of the edges.
inline QRect toPixelRect(const QRectF &twips)
{
    const int left = toPixelEdge(twips.left());
    const int top = toPixelEdge(twips.top());
    const int right = toPixelEdge(twips.left() + twips.width());
    const int bottom = toPixelEdge(twips.top() + twips.height());
    return QRect(left, top, right - left, bottom - top);
}

inline QPointF fromPixels(const QPointF &pixels)
{
    return QPointF(fromPixels(pixels.x()), fromPixels(pixels.y()));
}

inline QSize toPixelSize(double widthTwips, double heightTwips)
{
    return QSize(toPixelEdge(widthTwips), toPixelEdge(heightTwips));
}

// Moves and sizes a widget (or anything with setGeometry(QRect)) to a rectangle given in twips.
template <typename Widget> void setGeometry(Widget *widget, const QRectF &twipsRect)
{
    widget->setGeometry(toPixelRect(twipsRect));
}

} // namespace orvex::twips
