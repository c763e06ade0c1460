#include "app/picturebutton.h"

#include <QKeyEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>

namespace orvex {

namespace {

// The face of the button pictures (tools/artgen), where the word goes, and
// the word's look: bold, 16 px unless a smaller size is needed to fit.
const QRectF face(1.5, 1.5, 93, 44);
constexpr int wordMargin = 6;
constexpr int wordPixels = 16;
constexpr int smallestWordPixels = 9;
const QColor wordColour(58, 60, 64);

} // namespace

PictureButton::PictureButton(const QPixmap &picture, const QPixmap &picture2x, const QString &word,
                             QWidget *parent)
    : QAbstractButton(parent), m_picture(picture), m_picture2x(picture2x)
{
    setText(word);
    setFocusPolicy(Qt::TabFocus);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
}

QSize PictureButton::sizeHint() const
{
    return m_picture.deviceIndependentSize().toSize();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawPicture(painter);
    drawWord(painter);
    if (hasFocus() && m_focusFromKeyboard) {
        // A ring of 2 px in the highlight colour, plain to see on any picture.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void PictureButton::drawPicture(QPainter &painter) const
{
    // The ratio of the surface painted on: the screen's, or that of an image the
    // button is rendered into.
    const qreal ratio = painter.paintEngine()->paintDevice()->devicePixelRatio();
    if (qFuzzyCompare(ratio, 1.0) || m_picture2x.isNull()) {
        painter.drawPixmap(0, 0, m_picture);
        return;
    }
    // At ratio 2 this is a plain copy, pixel for pixel.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawPixmap(QRect(QPoint(0, 0), sizeHint()), m_picture2x);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

void PictureButton::drawWord(QPainter &painter) const
{
    QFont font = this->font();
    font.setBold(true);
    // A longer word in another language takes a smaller size rather than
    // running over the face's edge.
    const qreal room = face.width() - 2 * wordMargin;
    for (int pixels = wordPixels; pixels >= smallestWordPixels; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetricsF(font).horizontalAdvance(text()) <= room)
            break;
    }
    painter.setFont(font);
    painter.setPen(wordColour);
    painter.drawText(face, Qt::AlignCenter | Qt::TextSingleLine, text());
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void PictureButton::focusInEvent(QFocusEvent *event)
{
    m_focusFromKeyboard = event->reason() == Qt::TabFocusReason ||
                          event->reason() == Qt::BacktabFocusReason ||
                          event->reason() == Qt::ShortcutFocusReason;
    QAbstractButton::focusInEvent(event);
}

} // namespace orvex
