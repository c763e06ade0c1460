#pragma once

#include "artscale.h"

#include <QImage>

namespace orvex::artgen {

// A push-button picture, 100 x 50 pixels at single scale: a light grey rounded face
// (93 x 44 from 1.5, 1.5, where the installer writes the button's word), on the window
// body colour so that the picture shows no box around the face.
QImage drawButtonFace(Scale scale);

} // namespace orvex::artgen
