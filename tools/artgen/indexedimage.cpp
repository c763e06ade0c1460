#include "indexedimage.h"

#include <QHash>
#include <array>
#include <limits>

namespace orvex::artgen {

namespace {

using Premultiplied = std::array<int, 4>;

Premultiplied premultiplied(QRgb colour)
{
    const QRgb p = qPremultiply(colour);
    return {qRed(p), qGreen(p), qBlue(p), qAlpha(p)};
}

qsizetype nearestEntry(QRgb premultipliedPixel, const QList<Premultiplied> &entries)
{
    const Premultiplied pixel{qRed(premultipliedPixel), qGreen(premultipliedPixel),
                              qBlue(premultipliedPixel), qAlpha(premultipliedPixel)};
    qsizetype best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        int distance = 0;
        for (std::size_t c = 0; c < pixel.size(); ++c) {
            const int d = pixel[c] - entries[i][c];
            distance += d * d;
        }
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

} // namespace

QImage toIndexed(const QImage &image, const QList<QRgb> &palette)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QList<Premultiplied> entries;
    for (QRgb colour : palette)
        entries.append(premultiplied(colour));

    QImage indexed(source.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    indexed.setDotsPerMeterX(image.dotsPerMeterX());
    indexed.setDotsPerMeterY(image.dotsPerMeterY());
    QHash<QRgb, uchar> known;
    for (int y = 0; y < source.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        uchar *out = indexed.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            auto found = known.constFind(in[x]);
            if (found == known.constEnd())
                found = known.insert(in[x], static_cast<uchar>(nearestEntry(in[x], entries)));
            out[x] = *found;
        }
    }
    return indexed;
}

QList<QRgb> alphaRamp(QRgb colour, const QList<int> &alphaLevels)
{
    QList<QRgb> ramp;
    for (int alpha : alphaLevels)
        ramp.append(qRgba(qRed(colour), qGreen(colour), qBlue(colour), alpha));
    return ramp;
}

} // namespace orvex::artgen
