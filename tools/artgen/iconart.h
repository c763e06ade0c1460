#pragma once

#include <QImage>

namespace orvex::artgen {

// The window icon: a ring of tiles, the O of Orvex laid as a tessellation;
// 64 x 64 pixels, 256 palette colours with transparent ground.
QImage drawOrvexIcon();

} // namespace orvex::artgen
