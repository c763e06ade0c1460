#pragma once

#include <QImage>

namespace orvex::artgen {

// The window icon: a ring of tiles, the O of Orvex laid as a tessellation;
// size x size pixels, 256 palette colours with transparent ground.
QImage drawOrvexIcon(int size);

} // namespace orvex::artgen
