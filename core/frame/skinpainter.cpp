#include "frame/skinpainter.h"

#include "frame/twips.h"

#include <QPainter>

namespace orvex::skinpainter {

void copyPiece(QImage &target, const QImage &skin, const QRectF &destination, const QRectF &source)
{
    const QRect to = twips::toPixelRect(destination);
    const QRect from = twips::toPixelRect(source);
    if (to.isEmpty() || from.isEmpty() || skin.isNull() || target.isNull())
        return;
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(to, skin, from);
}

std::optional<QColor> bodyColour(const QImage &skin)
{
    constexpr QPoint bodyPixel(164, 22);
    if (!skin.valid(bodyPixel))
        return std::nullopt;
    return QColor::fromRgb(skin.pixel(bodyPixel)).toRgb();
}

} // namespace orvex::skinpainter
