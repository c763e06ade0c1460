#include "core/frame/skinpainter.h"

#include "core/frame/twips.h"

#include <QPainter>

namespace orvex::skinpainter {

namespace {

// Draws `from` (pixels of `skin`) into `to` (logical pixels of `target`).
void draw(QImage &target, const QImage &skin, const QRect &to, const QRect &from, bool smooth)
{
    if (to.isEmpty() || from.isEmpty() || skin.isNull() || target.isNull())
        return;
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    painter.drawImage(to, skin, from);
}

} // namespace

void copyPiece(QImage &target, const QImage &skin, const QRectF &destination, const QRectF &source)
{
    draw(target, skin, twips::toPixelRect(destination), twips::toPixelRect(source), false);
}

void copyPiece(QImage &target, const SkinBitmap &skin, const QRectF &destination,
               const QRectF &source)
{
    const qreal ratio = target.devicePixelRatio();
    if (ratio == 1.0 || skin.picture2x.isNull()) {
        copyPiece(target, skin.picture, destination, source);
        return;
    }
    const QRect from = twips::toPixelRect(source);
    draw(target, skin.picture2x, twips::toPixelRect(destination),
         QRect(from.topLeft() * 2, from.size() * 2), ratio != 2.0);
}

std::optional<QColor> bodyColour(const QImage &skin)
{
    constexpr QPoint bodyPixel(164, 22);
    if (!skin.valid(bodyPixel))
        return std::nullopt;
    return QColor::fromRgb(skin.pixel(bodyPixel)).toRgb();
}

} // namespace orvex::skinpainter
