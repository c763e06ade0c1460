#pragma once

#include <QImage>

namespace orvex::artgen {

// The control's default skin: rounded caption corners marked in the transparency key.
QImage drawDefaultSkin();

// The installer's stored skin: square caption corners (white key pixel) and a
// frame sample without side outlines.
QImage drawInstallerSkin();

} // namespace orvex::artgen
