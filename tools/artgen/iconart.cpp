#include "iconart.h"

#include "indexedimage.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvex::artgen {

namespace {

constexpr int tilesPerBand = 9;

// Where the tiles lie in an icon of one size. The 64-pixel icon is the model and
// the large sizes scale it. The small sizes are drawn for their pixels: one band
// of tiles, whole-pixel joints cut without smoothing, so that the tiles stay apart.
struct IconGeometry
{
    QPointF centre;
    QList<double> bandEdges; // radii from the outside in; band n lies between edges n and n + 1
    double groutWidth;
    double groutOverrun; // how far a joint between tiles reaches past the band's edges
    bool smoothJoints;
};

IconGeometry iconGeometry(int size)
{
    const QPointF centre(size / 2.0, size / 2.0);
    if (size <= 16)
        return {centre, {7.5, 3}, 1, 1, false};
    if (size <= 24)
        return {centre, {11.5, 4.5}, 1, 1, false};
    const double scale = size / 64.0;
    return {centre,
            {30.5 * scale, 21.5 * scale, 13.5 * scale},
            std::max(1.8 * scale, 1.0),
            scale,
            true};
}

const QColor teal(20, 176, 182);
const QColor indigo(64, 92, 206);
const QColor white(255, 255, 255);

QColor mix(const QColor &a, const QColor &b, double t)
{
    auto channel = [t](int from, int to) {
        return from + static_cast<int>((to - from) * t + 0.5);
    };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

// Tile colour: teal at the top left turning to indigo at the bottom right; the
// inner band is lighter, every other tile a shade darker.
QColor tileColour(int band, int tile)
{
    const double angle = (tile + 0.5 * band + 0.5) * 2 * std::numbers::pi / tilesPerBand;
    const double towardsIndigo = 0.5 - 0.5 * std::cos(angle - std::numbers::pi / 4);
    QColor colour = mix(teal, indigo, towardsIndigo);
    if (band == 1)
        colour = mix(colour, white, 0.3);
    if (tile % 2 == 1)
        colour = mix(colour, QColor(0, 0, 0), 0.1);
    return colour;
}

QPointF onCircle(const QPointF &centre, double radius, double degrees)
{
    const double radians = degrees * std::numbers::pi / 180;
    return centre + QPointF(radius * std::cos(radians), -radius * std::sin(radians));
}

QRectF circleBox(const QPointF &centre, double radius)
{
    return QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
}

QPainterPath annularSector(const QPointF &centre, double inner, double outer, double startDegrees,
                           double spanDegrees)
{
    QPainterPath path(onCircle(centre, outer, startDegrees));
    path.arcTo(circleBox(centre, outer), startDegrees, spanDegrees);
    path.arcTo(circleBox(centre, inner), startDegrees + spanDegrees, -spanDegrees);
    path.closeSubpath();
    return path;
}

int bandCount(const IconGeometry &icon)
{
    return static_cast<int>(icon.bandEdges.size()) - 1;
}

double bandRadius(const IconGeometry &icon, int band, bool outerEdge)
{
    return icon.bandEdges[outerEdge ? band : band + 1];
}

// The inner band is offset by half a tile, as bricks are laid.
double tileStart(int band, int tile)
{
    const double span = 360.0 / tilesPerBand;
    return 90 + (tile + 0.5 * band) * span;
}

void drawTiles(QPainter &painter, const IconGeometry &icon)
{
    const double span = 360.0 / tilesPerBand;
    painter.setPen(Qt::NoPen);
    for (int band = 0; band < bandCount(icon); ++band) {
        for (int tile = 0; tile < tilesPerBand; ++tile) {
            painter.setBrush(tileColour(band, tile));
            painter.drawPath(annularSector(icon.centre, bandRadius(icon, band, false),
                                           bandRadius(icon, band, true), tileStart(band, tile),
                                           span));
        }
    }
}

// Clears the joints between the tiles, so that the ground shows through them.
void cutGrout(QPainter &painter, const IconGeometry &icon)
{
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.setRenderHint(QPainter::Antialiasing, icon.smoothJoints);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, icon.groutWidth, Qt::SolidLine, Qt::FlatCap));
    for (int band = 1; band < bandCount(icon); ++band)
        painter.drawEllipse(circleBox(icon.centre, bandRadius(icon, band, true)));
    for (int band = 0; band < bandCount(icon); ++band) {
        for (int tile = 0; tile < tilesPerBand; ++tile) {
            const double start = tileStart(band, tile);
            painter.drawLine(
                onCircle(icon.centre, bandRadius(icon, band, false) - icon.groutOverrun, start),
                onCircle(icon.centre, bandRadius(icon, band, true) + icon.groutOverrun, start));
        }
    }
}

// Every tile colour at eight strengths, for the antialiased tile edges.
QList<QRgb> iconPalette()
{
    QList<QRgb> palette{qRgba(0, 0, 0, 0)};
    const QList<int> levels{255, 223, 191, 159, 127, 95, 63, 31};
    for (int band = 0; band < 2; ++band)
        for (int tile = 0; tile < tilesPerBand; ++tile)
            palette.append(alphaRamp(tileColour(band, tile).rgb(), levels));
    return palette;
}

} // namespace

QImage drawOrvexIcon(int size)
{
    const IconGeometry icon = iconGeometry(size);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    drawTiles(painter, icon);
    cutGrout(painter, icon);
    painter.end();
    return toIndexed(image, iconPalette());
}

} // namespace orvex::artgen
