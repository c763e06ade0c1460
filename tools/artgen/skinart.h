#pragma once

#include "artscale.h"

#include <QImage>

namespace orvex::artgen {

// The control's default skin: rounded caption corners marked in the transparency key.
QImage drawDefaultSkin(Scale scale);

// The installer's stored skin: square caption corners (white key pixel) and a
// frame sample without side outlines.
QImage drawInstallerSkin(Scale scale);

} // namespace orvex::artgen
