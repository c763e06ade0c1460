#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A picture used as a button: it shows its picture, with no pressed or hover
// look, and clicks on a left click, Enter or Space. It takes focus only from
// the keyboard, and shows a focus frame then. Screen readers see a button.
class PictureButton : public QAbstractButton
{
    Q_OBJECT

public:
    PictureButton(const QPixmap &picture, const QString &accessibleName, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    QPixmap m_picture;
    bool m_focusFromKeyboard = false;
};
