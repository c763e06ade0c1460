#include "arrowart.h"

#include "indexedimage.h"

#include <QPainter>
#include <QPolygonF>
#include <QTransform>

namespace orvex::artgen {

namespace {

// Transparent plus fifteen strengths of black for the antialiased head.
QList<QRgb> arrowPalette()
{
    QList<int> levels;
    for (int i = 0; i < 16; ++i)
        levels.append(i * 17);
    return alphaRamp(qRgb(0, 0, 0), levels);
}

// Drawn on a 16-pixel grid and scaled, with the shaft on whole pixels.
QImage drawRightArrow(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(size / 16.0, size / 16.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(QRectF(2, 6, 7, 4));
    painter.drawPolygon(QPolygonF({QPointF(8, 2), QPointF(14, 8), QPointF(8, 14)}));
    return image;
}

} // namespace

QImage drawArrow(ArrowDirection direction, int size)
{
    const QImage right = drawRightArrow(size);
    QImage turned;
    switch (direction) {
    case ArrowDirection::Right:
        turned = right;
        break;
    case ArrowDirection::Left:
        turned = right.mirrored(true, false);
        break;
    case ArrowDirection::Down:
        turned = right.transformed(QTransform().rotate(90));
        break;
    case ArrowDirection::Up:
        turned = right.transformed(QTransform().rotate(-90));
        break;
    }
    turned.setDotsPerMeterX(3780);
    turned.setDotsPerMeterY(3780);
    return toIndexed(turned, arrowPalette());
}

} // namespace orvex::artgen
