#include "skinart.h"

#include "captionbuttonart.h"
#include "skinpalette.h"

#include <QPainter>
#include <array>

namespace orvex::artgen {

namespace {

using namespace skinlayout;

enum class CaptionCorners
{
    Rounded,
    Square
};

struct CellPlacement
{
    CaptionGlyph glyph;
    ButtonLook look;
};

// Row 0, one cell every 14 pixels; the third cell of each button is a pressed look.
constexpr std::array<CellPlacement, 11> cellRow{{
    {CaptionGlyph::Close, ButtonLook::Normal},
    {CaptionGlyph::Close, ButtonLook::Hover},
    {CaptionGlyph::Close, ButtonLook::Pressed},
    {CaptionGlyph::Restore, ButtonLook::Normal},
    {CaptionGlyph::Restore, ButtonLook::Hover},
    {CaptionGlyph::Restore, ButtonLook::Pressed},
    {CaptionGlyph::Maximise, ButtonLook::Normal},
    {CaptionGlyph::Maximise, ButtonLook::Hover},
    {CaptionGlyph::Maximise, ButtonLook::Pressed},
    {CaptionGlyph::Minimise, ButtonLook::Normal},
    {CaptionGlyph::Minimise, ButtonLook::Hover},
}};

constexpr QRgb roundedBorder = frameOutline;
constexpr QRgb squareBorder = qRgb(0x77, 0x77, 0x77);
constexpr QRgb highlight = qRgb(255, 255, 255);

void drawCaptionCells(QImage &skin)
{
    QPainter painter(&skin);
    for (std::size_t i = 0; i < cellRow.size(); ++i)
        painter.drawImage(static_cast<int>(i) * cellPitch, 0,
                          drawCaptionButtonCell(cellRow[i].glyph, cellRow[i].look));
}

void fillCaptionGradient(QImage &skin)
{
    const QRect &block = captionBlock;
    for (int row = 0; row < block.height(); ++row) {
        const QRgb shade = captionShade(stripRowOfCaptionRow(row)).rgb();
        for (int x = block.left(); x <= block.right(); ++x)
            skin.setPixel(x, block.top() + row, shade);
    }
    // A light line under the top border gives the bar its edge.
    for (int x = block.left(); x <= block.right(); ++x)
        skin.setPixel(x, block.top() + 1, highlight);
}

// Sets the pixel at (dx, row) from the block's left edge and its mirror from the right edge.
void setMirrored(QImage &skin, int dx, int row, QRgb colour)
{
    skin.setPixel(captionBlock.left() + dx, captionBlock.top() + row, colour);
    skin.setPixel(captionBlock.right() - dx, captionBlock.top() + row, colour);
}

void drawRoundedCaptionEdge(QImage &skin)
{
    const int last = captionBlock.width() - 1;
    for (int x = 4; x <= last - 4; ++x)
        skin.setPixel(captionBlock.left() + x, captionBlock.top(), roundedBorder);
    for (int row = 4; row < captionBlock.height(); ++row)
        setMirrored(skin, 0, row, roundedBorder);
    // Outside the curve: the key colour, which the control cuts from the window.
    for (int dx = 0; dx < 4; ++dx)
        setMirrored(skin, dx, 0, transparencyKey);
    setMirrored(skin, 0, 1, transparencyKey);
    setMirrored(skin, 1, 1, transparencyKey);
    setMirrored(skin, 0, 2, transparencyKey);
    setMirrored(skin, 0, 3, transparencyKey);
    // The curve itself.
    setMirrored(skin, 2, 1, roundedBorder);
    setMirrored(skin, 3, 1, roundedBorder);
    setMirrored(skin, 1, 2, roundedBorder);
    setMirrored(skin, 1, 3, roundedBorder);
    setMirrored(skin, 2, 2, highlight);
    setMirrored(skin, 3, 2, highlight);
}

void drawSquareCaptionEdge(QImage &skin)
{
    for (int x = captionBlock.left(); x <= captionBlock.right(); ++x)
        skin.setPixel(x, captionBlock.top(), squareBorder);
    for (int row = 1; row < captionBlock.height(); ++row) {
        skin.setPixel(captionBlock.left(), captionBlock.top() + row, highlight);
        skin.setPixel(captionBlock.right(), captionBlock.top() + row, squareBorder);
    }
    skin.setPixel(captionBlock.topLeft(), highlight);
}

void drawCaptionBlock(QImage &skin, CaptionCorners corners)
{
    fillCaptionGradient(skin);
    if (corners == CaptionCorners::Rounded)
        drawRoundedCaptionEdge(skin);
    else
        drawSquareCaptionEdge(skin);
}

void drawFrameSample(QImage &skin)
{
    QPainter painter(&skin);
    painter.fillRect(frameSample, QColor(frameOutline));
    painter.fillRect(frameSample.adjusted(1, 1, -1, -1), QColor(body));
}

QImage drawSkin(CaptionCorners corners)
{
    QImage skin(bitmapSize, QImage::Format_RGB32);
    skin.fill(body);
    skin.setDotsPerMeterX(dotsPerMeter);
    skin.setDotsPerMeterY(dotsPerMeter);
    drawCaptionCells(skin);
    drawCaptionBlock(skin, corners);
    drawFrameSample(skin);
    return skin;
}

} // namespace

QImage drawDefaultSkin()
{
    return drawSkin(CaptionCorners::Rounded);
}

QImage drawInstallerSkin()
{
    QImage skin = drawSkin(CaptionCorners::Square);
    // The installer's frame has no side outlines where its edges are sampled.
    for (int y = 15; y <= 33; ++y) {
        skin.setPixel(frameSample.left(), y, body);
        skin.setPixel(frameSample.right(), y, body);
    }
    return skin;
}

} // namespace orvex::artgen
