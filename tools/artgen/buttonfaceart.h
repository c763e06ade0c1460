#pragma once

#include "artscale.h"

#include <QFont>
#include <QImage>
#include <QString>

namespace orvex::artgen {

// A push-button picture, 100 x 50 pixels at single scale: a light grey rounded face
// carrying one word, on the window body colour so that the picture shows no box
// around the face.
QImage drawButtonFace(const QString &word, const QFont &font, Scale scale);

} // namespace orvex::artgen
