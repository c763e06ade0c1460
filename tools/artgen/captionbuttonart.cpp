#include "captionbuttonart.h"

#include "skinpalette.h"

#include <QPainter>
#include <QRegion>
#include <cstdlib>

namespace orvex::artgen {

namespace {

using namespace skinlayout;

const QColor glyphInk(48, 53, 61);
const QColor plateInk(28, 31, 36);
const QColor closeGlyphOnPlate(255, 255, 255);

// The glyphs' pixel geometry at one scale. The double-scale figures are chosen
// for that resolution (thinner strokes for the size), not doubled.
struct GlyphMetrics
{
    QRect box;     // every glyph lies inside it
    int stroke;    // window outlines
    int bar;       // a window's title bar and the minimise bar
    int backShift; // how far the restore glyph's back window sits up and right
    int crossCore; // pixels on each side of the cross's centre line at full ink
};

GlyphMetrics glyphMetrics(Scale scale)
{
    if (scale == Scale::Double)
        return {QRect(6, 6, 14, 14), 2, 3, 4, 1};
    return {QRect(3, 3, 7, 7), 1, 2, 2, 0};
}

QColor plateColour(CaptionGlyph glyph, ButtonLook look)
{
    const bool close = glyph == CaptionGlyph::Close;
    if (look == ButtonLook::Pressed)
        return close ? QColor(168, 28, 36) : QColor(170, 178, 190);
    return close ? QColor(214, 40, 48) : QColor(196, 203, 214);
}

void fillCaptionBackground(QImage &cell, int scale)
{
    for (int y = 0; y < cell.height(); ++y) {
        const QRgb shade = captionShade(cellStripTop + layoutRow(y, scale)).rgb();
        for (int x = 0; x < cell.width(); ++x)
            cell.setPixel(x, y, shade);
    }
}

void drawPlate(QPainter &painter, const QColor &colour, int scale)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(0, 0, cellSize * scale, cellSize * scale), 3 * scale, 3 * scale);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// A pixel-aligned X across the box: full ink within the core of each diagonal,
// a soft pixel on either side of it to ease the steps.
void drawCross(QPainter &painter, const GlyphMetrics &metrics, const QColor &ink)
{
    QColor soft = ink;
    soft.setAlphaF(0.28);
    const QRect &box = metrics.box;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const int fromDiagonals[] = {x - y - (box.left() - box.top()),
                                         x + y - (box.right() + box.top())};
            for (int offset : fromDiagonals) {
                const int distance = std::abs(offset);
                if (distance <= metrics.crossCore)
                    painter.fillRect(x, y, 1, 1, ink);
                else if (distance == metrics.crossCore + 1)
                    painter.fillRect(x, y, 1, 1, soft);
            }
        }
    }
}

void drawWindowOutline(QPainter &painter, const QRect &box, const GlyphMetrics &metrics,
                       int titleBar, const QColor &ink)
{
    const int stroke = metrics.stroke;
    painter.fillRect(box.left(), box.top(), box.width(), titleBar, ink);
    painter.fillRect(box.left(), box.bottom() - stroke + 1, box.width(), stroke, ink);
    painter.fillRect(box.left(), box.top(), stroke, box.height(), ink);
    painter.fillRect(box.right() - stroke + 1, box.top(), stroke, box.height(), ink);
}

// Two windows: the back one, up and to the right, shows only where the front one
// does not cover it.
void drawRestore(QPainter &painter, const GlyphMetrics &metrics, const QColor &ink)
{
    const int shift = metrics.backShift;
    const QRect back = metrics.box.adjusted(shift, 0, 0, -shift);
    const QRect front = metrics.box.adjusted(0, shift, -shift, 0);
    painter.setClipRegion(QRegion(metrics.box) - QRegion(front));
    drawWindowOutline(painter, back, metrics, metrics.stroke, ink);
    painter.setClipping(false);
    drawWindowOutline(painter, front, metrics, metrics.bar, ink);
}

void drawGlyph(QPainter &painter, CaptionGlyph glyph, const GlyphMetrics &metrics,
               const QColor &ink)
{
    const QRect &box = metrics.box;
    switch (glyph) {
    case CaptionGlyph::Close:
        drawCross(painter, metrics, ink);
        break;
    case CaptionGlyph::Maximise:
        drawWindowOutline(painter, box, metrics, metrics.bar, ink);
        break;
    case CaptionGlyph::Restore:
        drawRestore(painter, metrics, ink);
        break;
    case CaptionGlyph::Minimise:
        painter.fillRect(box.left(), box.bottom() - metrics.bar + 1, box.width(), metrics.bar, ink);
        break;
    }
}

} // namespace

QImage drawCaptionButtonCell(CaptionGlyph glyph, ButtonLook look, Scale scale)
{
    const int size = cellSize * factor(scale);
    QImage cell(size, size, QImage::Format_RGB32);
    fillCaptionBackground(cell, factor(scale));
    QPainter painter(&cell);
    QColor ink = glyphInk;
    if (look != ButtonLook::Normal) {
        drawPlate(painter, plateColour(glyph, look), factor(scale));
        ink = glyph == CaptionGlyph::Close ? closeGlyphOnPlate : plateInk;
    }
    drawGlyph(painter, glyph, glyphMetrics(scale), ink);
    return cell;
}

} // namespace orvex::artgen
