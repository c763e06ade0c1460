#include "picturebutton.h"

#include <QMouseEvent>

PictureButton::PictureButton(const QPixmap &picture, QWidget *parent) : QLabel(parent)
{
    setPixmap(picture);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
