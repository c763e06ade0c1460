#include "iconart.h"

#include "indexedimage.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace orvex::artgen {

namespace {

constexpr int iconSize = 64;
constexpr QPointF centre(32, 32);
constexpr double outerRadius = 30.5;
constexpr double middleRadius = 21.5;
constexpr double innerRadius = 13.5;
constexpr int tilesPerBand = 9;
constexpr double groutWidth = 1.8;

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

QPointF onCircle(double radius, double degrees)
{
    const double radians = degrees * std::numbers::pi / 180;
    return centre + QPointF(radius * std::cos(radians), -radius * std::sin(radians));
}

QRectF circleBox(double radius)
{
    return QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
}

QPainterPath annularSector(double inner, double outer, double startDegrees, double spanDegrees)
{
    QPainterPath path(onCircle(outer, startDegrees));
    path.arcTo(circleBox(outer), startDegrees, spanDegrees);
    path.arcTo(circleBox(inner), startDegrees + spanDegrees, -spanDegrees);
    path.closeSubpath();
    return path;
}

double bandRadius(int band, bool outerEdge)
{
    if (band == 0)
        return outerEdge ? outerRadius : middleRadius;
    return outerEdge ? middleRadius : innerRadius;
}

// The inner band is offset by half a tile, as bricks are laid.
double tileStart(int band, int tile)
{
    const double span = 360.0 / tilesPerBand;
    return 90 + (tile + 0.5 * band) * span;
}

void drawTiles(QPainter &painter)
{
    const double span = 360.0 / tilesPerBand;
    painter.setPen(Qt::NoPen);
    for (int band = 0; band < 2; ++band) {
        for (int tile = 0; tile < tilesPerBand; ++tile) {
            painter.setBrush(tileColour(band, tile));
            painter.drawPath(annularSector(bandRadius(band, false), bandRadius(band, true),
                                           tileStart(band, tile), span));
        }
    }
}

// Clears the joints between the tiles, so that the ground shows through them.
void cutGrout(QPainter &painter)
{
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, groutWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawEllipse(circleBox(middleRadius));
    for (int band = 0; band < 2; ++band) {
        for (int tile = 0; tile < tilesPerBand; ++tile) {
            const double start = tileStart(band, tile);
            painter.drawLine(onCircle(bandRadius(band, false) - 1, start),
                             onCircle(bandRadius(band, true) + 1, start));
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

QImage drawOrvexIcon()
{
    QImage image(iconSize, iconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    drawTiles(painter);
    cutGrout(painter);
    painter.end();
    return toIndexed(image, iconPalette());
}

} // namespace orvex::artgen
