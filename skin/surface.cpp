#include "skin/surface_p.h"

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

void Surface::resize(const QSize &size, qreal ratio)
{
    const QSize bounded = (QSizeF(size.expandedTo(QSize(0, 0))) * ratio).toSize();
    if (bounded == m_image.size() && ratio == m_image.devicePixelRatio())
        return;
    QImage resized(bounded, QImage::Format_RGB32);
    resized.setDevicePixelRatio(ratio);
    resized.fill(m_backColor);
    QPainter painter(&resized);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, m_image);
    painter.end();
    m_image = std::move(resized);
}

void Surface::show(QPainter &painter, const QRect &rect) const
{
    const qreal ratio = m_image.devicePixelRatio();
    painter.drawImage(
        QRectF(rect), m_image,
        QRectF(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio, rect.height() * ratio));
}

SurfaceWidget::SurfaceWidget(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SurfaceWidget::place(const QRect &geometry)
{
    setGeometry(geometry);
    m_surface.resize(geometry.size(), devicePixelRatioF());
    update();
}

void SurfaceWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    m_surface.show(painter, event->rect());
}

void SurfaceWidget::resizeEvent(QResizeEvent *event)
{
    m_surface.resize(size(), devicePixelRatioF());
    QWidget::resizeEvent(event);
}

} // namespace orvex
