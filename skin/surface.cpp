#include "surface_p.h"

#include <QPaintEvent>
#include <QPainter>

namespace orvex {

void Surface::setBackColor(const QColor &color)
{
    m_backColor = color;
    clear();
}

void Surface::clear()
{
    m_image.fill(m_backColor);
}

void Surface::resize(const QSize &size)
{
    const QSize bounded = size.expandedTo(QSize(0, 0));
    if (bounded == m_image.size())
        return;
    QImage resized(bounded, QImage::Format_RGB32);
    resized.fill(m_backColor);
    QPainter painter(&resized);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, m_image);
    painter.end();
    m_image = std::move(resized);
}

SurfaceWidget::SurfaceWidget(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SurfaceWidget::place(const QRect &geometry)
{
    setGeometry(geometry);
    m_surface.resize(geometry.size());
    update();
}

void SurfaceWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_surface.image(), event->rect());
}

void SurfaceWidget::resizeEvent(QResizeEvent *event)
{
    m_surface.resize(size());
    QWidget::resizeEvent(event);
}

} // namespace orvex
