#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <algorithm>

// Layout and colours shared by the skin bitmap's painters. The control copies
// pieces of the bitmap by fixed pixel rectangles, so these numbers are a contract.
namespace orvex::artgen::skinlayout {

inline constexpr QSize bitmapSize{207, 52};
inline constexpr int dotsPerMeter = 11811; // 300 dots per inch

inline constexpr int cellSize = 13;
inline constexpr int cellPitch = 14;

// Caption block: left cap at x 0, middle piece at x 20, both 18 x 29 pixels.
inline constexpr QRect captionBlock{0, 14, 59, 29};
// Frame sample: one-pixel outline around the body colour; the frame pieces lie inside it.
inline constexpr QRect frameSample{158, 0, 49, 48};
inline constexpr QPoint bodyColourPixel{164, 22};

inline constexpr QRgb transparencyKey = qRgb(255, 0, 255);
inline constexpr QRgb frameOutline = qRgb(148, 148, 148);
inline constexpr QRgb body = qRgb(242, 242, 242);

// The caption pieces (29 rows) are drawn 25 pixels high onto a 20-pixel strip;
// the button cells are copied unscaled at strip row 6.
inline constexpr double captionRowsPerStripRow = 29.0 / 25.0;
inline constexpr int cellStripTop = 6;

// Caption gradient at a row of the painted strip (0 at its top).
inline QColor captionShade(double stripRow)
{
    const QColor top(253, 253, 254);
    const QColor bottom(219, 223, 229);
    const double t = std::clamp((stripRow - 1.0) / 18.0, 0.0, 1.0);
    auto mix = [t](int from, int to) {
        return from + static_cast<int>((to - from) * t + 0.5);
    };
    return QColor(mix(top.red(), bottom.red()), mix(top.green(), bottom.green()),
                  mix(top.blue(), bottom.blue()));
}

// The strip row on which a row of the caption block lands.
inline double stripRowOfCaptionRow(double blockRow)
{
    return (blockRow + 0.5) / captionRowsPerStripRow - 0.5;
}

// The row of the layout on whose middle the middle of a row of a bitmap drawn
// scale times as large lies.
inline double layoutRow(int row, int scale)
{
    return (row + 0.5) / scale - 0.5;
}

// A rectangle of the layout in a bitmap drawn scale times as large.
inline QRect scaled(const QRect &rect, int scale)
{
    return QRect(rect.topLeft() * scale, rect.size() * scale);
}

} // namespace orvex::artgen::skinlayout
