#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

class QPainter;

namespace orvex {

// A persistent drawing surface: painters draw into its image, which keeps what
// was drawn until it is cleared; the screen shows the image. The image has the
// screen's pixel density, so that painters draw in logical pixels and a skin
// drawn at twice the size stays sharp.
class Surface
{
public:
    QImage &image() { return m_image; }

    QColor backColor() const { return m_backColor; }
    // Takes a new back colour and clears to it.
    void setBackColor(const QColor &color);
    // Fills the whole image with the back colour.
    void clear();
    // Grows or shrinks the image to `size` logical pixels at `ratio` device
    // pixels each, keeping what lies inside both; new parts get the back colour.
    void resize(const QSize &size, qreal ratio);
    // Copies the part `rect` (logical pixels) of the image to the screen.
    void show(QPainter &painter, const QRect &rect) const;

private:
    QImage m_image{QSize(0, 0), QImage::Format_RGB32};
    QColor m_backColor = Qt::white;
};

// A picture box with persistent drawing: its paint handler only copies the
// surface's image to the screen.
class SurfaceWidget : public QWidget
{
    Q_OBJECT

public:
    explicit SurfaceWidget(QWidget *parent = nullptr);

    Surface &surface() { return m_surface; }

    // Moves and sizes the widget, and sizes its surface at once (a hidden
    // widget gets its resize event only when shown).
    void place(const QRect &geometry);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    Surface m_surface;
};

} // namespace orvex
