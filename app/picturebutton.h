#pragma once

#include <QLabel>

// A picture box used as a button: it shows a picture and reports a left click;
// it has no pressed or hover look.
class PictureButton : public QLabel
{
    Q_OBJECT

public:
    explicit PictureButton(const QPixmap &picture, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
