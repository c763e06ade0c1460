#include "buttonfaceart.h"

#include <QLinearGradient>
#include <QPainter>

namespace orvex::artgen {

namespace {

constexpr QSize pictureSize{100, 50};
constexpr int dotsPerMeter = 3780; // 96 dots per inch
const QColor windowBody(242, 242, 242);
// The picture boxes show 97 x 49 pixels of the Cancel picture and 105 x 49 of the
// Install one, so the face keeps inside the smaller box.
const QRectF face(1.5, 1.5, 93, 44);
constexpr double cornerRadius = 7;
const QColor faceTop(252, 252, 252);
const QColor faceBottom(222, 223, 225);
const QColor faceBorder(150, 152, 156);
const QColor shadow(0, 0, 0, 28);

void drawFace(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawRoundedRect(face.translated(0, 1.5), cornerRadius, cornerRadius);

    QLinearGradient shading(face.topLeft(), face.bottomLeft());
    shading.setColorAt(0, faceTop);
    shading.setColorAt(1, faceBottom);
    painter.setPen(QPen(faceBorder, 1));
    painter.setBrush(shading);
    painter.drawRoundedRect(face, cornerRadius, cornerRadius);
}

} // namespace

QImage drawButtonFace(Scale scale)
{
    const int s = factor(scale);
    QImage picture(pictureSize * s, QImage::Format_RGB32);
    picture.fill(windowBody);
    picture.setDotsPerMeterX(dotsPerMeter * s);
    picture.setDotsPerMeterY(dotsPerMeter * s);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // The face is drawn at the picture's own resolution.
    painter.scale(s, s);
    drawFace(painter);
    return picture;
}

} // namespace orvex::artgen
