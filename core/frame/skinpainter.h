#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <optional>

// The skin bitmap's layout and the one drawing operation of the skin: a
// stretching copy of a rectangle of the skin into a rectangle of a surface,
// both given in twips.
namespace orvex::skinpainter {

// Source rectangles in the skin bitmap, twips (15 per pixel).
inline constexpr QRectF captionMiddle(300, 210, 270, 435);
inline constexpr QRectF captionLeftCap(0, 210, 270, 435);
inline constexpr QRectF frameLeftEdge(2370, 240, 75, 240);
inline constexpr QRectF frameRightEdge(3000, 225, 135, 255);
inline constexpr QRectF frameTopStrip(2595, 0, 270, 75);
inline constexpr QRectF frameBottomEdge(2595, 645, 270, 75);

// Left ends of the caption-button cells in the top row, twips.
inline constexpr int closeCell = 0;
inline constexpr int closeHoverCell = 210;
inline constexpr int restoreCell = 630;
inline constexpr int restoreHoverCell = 840;
inline constexpr int maximiseCell = 1260;
inline constexpr int maximiseHoverCell = 1470;
inline constexpr int minimiseCell = 1890;
inline constexpr int minimiseHoverCell = 2100;
inline constexpr int cellSize = 195;

inline constexpr int captionPieceHeight = 375;
inline constexpr int captionLeftCapWidth = 235;
inline constexpr int frameThickness = 75;

// Copies `source` of `skin` into `destination` of `target`, stretched without
// smoothing. A source reaching past the bitmap draws what the bitmap has, in
// the matching part of the destination.
void copyPiece(QImage &target, const QImage &skin, const QRectF &destination, const QRectF &source);

// A skin bitmap, and the same skin drawn at twice its size (may be null): the
// rules keep to the first, whose pixels and rectangles they read; the second is
// only what pieces are copied from onto a surface of a higher pixel density.
struct SkinBitmap
{
    QImage picture;
    QImage picture2x;
};

// The same copy from the picture that suits `target`'s device pixel ratio: at
// 1 (or without a doubled picture) the picture; otherwise the doubled one,
// its source rectangle doubled, pixel for pixel at 2 and smoothed at any other
// ratio.
void copyPiece(QImage &target, const SkinBitmap &skin, const QRectF &destination,
               const QRectF &source);

// The skin's body colour: its pixel (164, 22), or nothing when the bitmap is
// too small to have one.
std::optional<QColor> bodyColour(const QImage &skin);

} // namespace orvex::skinpainter
