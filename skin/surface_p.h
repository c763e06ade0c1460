#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace orvex {

// A persistent drawing surface: painters draw into its image, which keeps what
// was drawn until it is cleared; the screen shows the image.
class Surface
{
public:
    QImage &image() { return m_image; }
    const QImage &image() const { return m_image; }

    QColor backColor() const { return m_backColor; }
    // Takes a new back colour and clears to it.
    void setBackColor(const QColor &color);
    // Fills the whole image with the back colour.
    void clear();
    // Grows or shrinks the image to `size` pixels, keeping what lies inside
    // both; new parts get the back colour.
    void resize(const QSize &size);

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
    const Surface &surface() const { return m_surface; }

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
