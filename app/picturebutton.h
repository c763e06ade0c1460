#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace orvex {

// A picture used as a button: it shows its picture with its word (the
// button's text, in the user's language) written on the picture's face, with
// no pressed or hover look, and clicks on a left click, Enter or Space. It
// takes focus only from the keyboard, and shows a focus frame then. Screen
// readers see a button named by its word.
//
// It holds the picture twice: as drawn for a device pixel ratio of 1, and at twice
// the size. It shows the first at ratio 1, the second pixel for pixel at ratio 2,
// and the second scaled with smoothing at any other ratio.
class PictureButton : public QAbstractButton
{
    Q_OBJECT

public:
    PictureButton(const QPixmap &picture, const QPixmap &picture2x, const QString &word,
                  QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void drawPicture(QPainter &painter) const;
    void drawWord(QPainter &painter) const;

    QPixmap m_picture;
    QPixmap m_picture2x;
    bool m_focusFromKeyboard = false;
};

} // namespace orvex
