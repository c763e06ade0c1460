#pragma once

#include <QImage>
#include <QList>

namespace orvex::artgen {

// The image in Format_Indexed8 over the given palette: each pixel becomes the
// entry nearest to it in premultiplied RGBA, so transparent pixels of any colour
// meet the palette's transparent entry.
QImage toIndexed(const QImage &image, const QList<QRgb> &palette);

// The colour with its alpha at each of the given levels (0 to 255).
QList<QRgb> alphaRamp(QRgb colour, const QList<int> &alphaLevels);

} // namespace orvex::artgen
