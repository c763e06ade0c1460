#include "skinart.h"

#include "captionbuttonart.h"
#include "skinpalette.h"

#include <QPainter>
#include <array>
#include <span>

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

// The caption block's top-left corner, 4 x 4 pixels at single scale: K the
// transparency key outside the curve, B the border on it, H the highlight just
// inside it, '.' the caption as painted below. Each scale has its own drawing.
// clang-format off
constexpr std::array<const char *, 4> singleScaleCorner{
    "KKKK",
    "KKBB",
    "KBHH",
    "KB..",
};
constexpr std::array<const char *, 8> doubleScaleCorner{
    "KKKKKBBB",
    "KKKBBBBB",
    "KKBBBBHH",
    "KBBBHHHH",
    "KBB.HH..",
    "BBB.....",
    "BB......",
    "BB......",
};
// clang-format on

void drawCaptionCells(QImage &skin, Scale scale)
{
    QPainter painter(&skin);
    for (std::size_t i = 0; i < cellRow.size(); ++i)
        painter.drawImage(static_cast<int>(i) * cellPitch * factor(scale), 0,
                          drawCaptionButtonCell(cellRow[i].glyph, cellRow[i].look, scale));
}

void fillCaptionGradient(QImage &skin, int scale)
{
    const QRect block = scaled(captionBlock, scale);
    QPainter painter(&skin);
    for (int row = 0; row < block.height(); ++row) {
        const QColor shade = captionShade(stripRowOfCaptionRow(layoutRow(row, scale)));
        painter.fillRect(block.left(), block.top() + row, block.width(), 1, shade);
    }
    // A light line under the top border gives the bar its edge.
    painter.fillRect(block.left(), block.top() + scale, block.width(), scale, QColor(highlight));
}

// Paints the corner drawing at the block's top-left corner and its mirror at the top right.
void drawCorners(QImage &skin, const QRect &block, std::span<const char *const> corner)
{
    for (int row = 0; row < static_cast<int>(corner.size()); ++row) {
        for (int dx = 0; corner[row][dx] != '\0'; ++dx) {
            QRgb colour = 0;
            switch (corner[row][dx]) {
            case 'K':
                colour = transparencyKey;
                break;
            case 'B':
                colour = roundedBorder;
                break;
            case 'H':
                colour = highlight;
                break;
            default:
                continue;
            }
            skin.setPixel(block.left() + dx, block.top() + row, colour);
            skin.setPixel(block.right() - dx, block.top() + row, colour);
        }
    }
}

void drawRoundedCaptionEdge(QImage &skin, Scale scale)
{
    const int s = factor(scale);
    const QRect block = scaled(captionBlock, s);
    const int corner = 4 * s;
    QPainter painter(&skin);
    const QColor border(roundedBorder);
    painter.fillRect(block.left() + corner, block.top(), block.width() - 2 * corner, s, border);
    painter.fillRect(block.left(), block.top() + corner, s, block.height() - corner, border);
    painter.fillRect(block.right() - s + 1, block.top() + corner, s, block.height() - corner,
                     border);
    painter.end();
    if (scale == Scale::Double)
        drawCorners(skin, block, doubleScaleCorner);
    else
        drawCorners(skin, block, singleScaleCorner);
}

void drawSquareCaptionEdge(QImage &skin, int scale)
{
    const QRect block = scaled(captionBlock, scale);
    QPainter painter(&skin);
    const QColor border(squareBorder);
    const QColor light(highlight);
    painter.fillRect(block.left(), block.top(), block.width(), scale, border);
    painter.fillRect(block.left(), block.top() + scale, scale, block.height() - scale, light);
    painter.fillRect(block.right() - scale + 1, block.top() + scale, scale, block.height() - scale,
                     border);
    painter.fillRect(block.left(), block.top(), scale, scale, light);
}

void drawCaptionBlock(QImage &skin, CaptionCorners corners, Scale scale)
{
    fillCaptionGradient(skin, factor(scale));
    if (corners == CaptionCorners::Rounded)
        drawRoundedCaptionEdge(skin, scale);
    else
        drawSquareCaptionEdge(skin, factor(scale));
}

void drawFrameSample(QImage &skin, int scale)
{
    const QRect sample = scaled(frameSample, scale);
    QPainter painter(&skin);
    painter.fillRect(sample, QColor(frameOutline));
    painter.fillRect(sample.adjusted(scale, scale, -scale, -scale), QColor(body));
}

QImage drawSkin(CaptionCorners corners, Scale scale)
{
    const int s = factor(scale);
    QImage skin(bitmapSize * s, QImage::Format_RGB32);
    skin.fill(body);
    skin.setDotsPerMeterX(dotsPerMeter * s);
    skin.setDotsPerMeterY(dotsPerMeter * s);
    drawCaptionCells(skin, scale);
    drawCaptionBlock(skin, corners, scale);
    drawFrameSample(skin, s);
    return skin;
}

} // namespace

QImage drawDefaultSkin(Scale scale)
{
    return drawSkin(CaptionCorners::Rounded, scale);
}

QImage drawInstallerSkin(Scale scale)
{
    QImage skin = drawSkin(CaptionCorners::Square, scale);
    // The installer's frame has no side outlines where its edges are sampled.
    const int s = factor(scale);
    const QRect sample = scaled(frameSample, s);
    QPainter painter(&skin);
    const QColor fill(body);
    painter.fillRect(sample.left(), 15 * s, s, 19 * s, fill);
    painter.fillRect(sample.right() - s + 1, 15 * s, s, 19 * s, fill);
    return skin;
}

} // namespace orvex::artgen
