#pragma once

#include <QFont>
#include <QImage>
#include <QString>

namespace orvex::artgen {

// A 100 x 50 push-button picture: a light grey rounded face carrying one word,
// on the window body colour so that the picture shows no box around the face.
QImage drawButtonFace(const QString &word, const QFont &font);

} // namespace orvex::artgen
