#include "captionbuttonart.h"

#include "skinpalette.h"

#include <QPainter>

namespace orvex::artgen {

namespace {

using namespace skinlayout;

const QColor glyphInk(48, 53, 61);
const QColor plateInk(28, 31, 36);
const QColor closeGlyphOnPlate(255, 255, 255);

QColor plateColour(CaptionGlyph glyph, ButtonLook look)
{
    const bool close = glyph == CaptionGlyph::Close;
    if (look == ButtonLook::Pressed)
        return close ? QColor(168, 28, 36) : QColor(170, 178, 190);
    return close ? QColor(214, 40, 48) : QColor(196, 203, 214);
}

void fillCaptionBackground(QImage &cell)
{
    for (int y = 0; y < cell.height(); ++y) {
        const QRgb shade = captionShade(cellStripTop + y).rgb();
        for (int x = 0; x < cell.width(); ++x)
            cell.setPixel(x, y, shade);
    }
}

void drawPlate(QPainter &painter, const QColor &colour)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(0, 0, cellSize, cellSize), 3, 3);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// A pixel-aligned X from (3, 3) to (9, 9); the half-strength neighbours soften its steps.
void drawCross(QPainter &painter, const QColor &ink)
{
    QColor soft = ink;
    soft.setAlphaF(0.28);
    for (int i = 0; i < 7; ++i) {
        painter.fillRect(3 + i, 3 + i, 1, 1, ink);
        painter.fillRect(9 - i, 3 + i, 1, 1, ink);
        if (i < 6) {
            painter.fillRect(4 + i, 3 + i, 1, 1, soft);
            painter.fillRect(3 + i, 4 + i, 1, 1, soft);
            painter.fillRect(8 - i, 3 + i, 1, 1, soft);
            painter.fillRect(9 - i, 4 + i, 1, 1, soft);
        }
    }
}

void drawWindowOutline(QPainter &painter, const QRect &box, const QColor &ink)
{
    painter.fillRect(box.left(), box.top(), box.width(), 2, ink);
    painter.fillRect(box.left(), box.bottom(), box.width(), 1, ink);
    painter.fillRect(box.left(), box.top(), 1, box.height(), ink);
    painter.fillRect(box.right(), box.top(), 1, box.height(), ink);
}

void drawGlyph(QPainter &painter, CaptionGlyph glyph, const QColor &ink)
{
    switch (glyph) {
    case CaptionGlyph::Close:
        drawCross(painter, ink);
        break;
    case CaptionGlyph::Maximise:
        drawWindowOutline(painter, QRect(3, 3, 7, 7), ink);
        break;
    case CaptionGlyph::Restore:
        // The back window shows only its top and right edges behind the front one.
        painter.fillRect(5, 3, 5, 1, ink);
        painter.fillRect(9, 3, 1, 5, ink);
        painter.fillRect(5, 4, 1, 1, ink);
        painter.fillRect(8, 7, 1, 1, ink);
        drawWindowOutline(painter, QRect(3, 5, 5, 5), ink);
        break;
    case CaptionGlyph::Minimise:
        painter.fillRect(3, 8, 7, 2, ink);
        break;
    }
}

} // namespace

QImage drawCaptionButtonCell(CaptionGlyph glyph, ButtonLook look)
{
    QImage cell(cellSize, cellSize, QImage::Format_RGB32);
    fillCaptionBackground(cell);
    QPainter painter(&cell);
    QColor ink = glyphInk;
    if (look != ButtonLook::Normal) {
        drawPlate(painter, plateColour(glyph, look));
        ink = glyph == CaptionGlyph::Close ? closeGlyphOnPlate : plateInk;
    }
    drawGlyph(painter, glyph, ink);
    return cell;
}

} // namespace orvex::artgen
