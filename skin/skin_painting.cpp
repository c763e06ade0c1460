// The control's repaints: the caption strip through its helper, the frame and
// the body colour onto the control's own surface.
#include "core/frame/skinpainter.h"
#include "core/frame/twips.h"
#include "skin/skin_p.h"

namespace orvex {

namespace sp = skinpainter;
using twips::fromPixels;

void SkinPrivate::RepaintSkin()
{
    if (!m_host.isAttached())
        return;
    m_caption.repaint(m_rounded);
    PaintFrame();
    m_menus.menuBar()->surface().setBackColor(m_body.backColor());
    m_menus.menuBar()->update();
    m_control->update();
}

void SkinPrivate::RepaintOnResize()
{
    m_caption.repaintOnResize(m_rounded);
    PaintFrameOnResize();
    m_menus.menuBar()->surface().setBackColor(m_body.backColor());
    m_menus.menuBar()->update();
    m_control->update();
}

void SkinPrivate::PaintFrame()
{
    if (!m_host.isAttached() || !m_host.host()) {
        showAttachHint();
        return;
    }
    paintFrameOn(m_body, fromPixels(m_host.host()->width()), fromPixels(m_host.host()->height()),
                 0);
}

void SkinPrivate::PaintFrameOnResize()
{
    paintFrameOn(m_body, fromPixels(m_control->width()), fromPixels(m_control->height()), 10);
}

void SkinPrivate::paintFrameOn(Surface &surface, double scaleWidth, double scaleHeight,
                               double leftX)
{
    // Taking the body colour clears the surface; without one it is cleared to
    // the colour it has, so the body is filled once per repaint.
    if (const auto bodyColour = sp::bodyColour(m_skin.picture))
        surface.setBackColor(*bodyColour);
    else
        surface.clear();
    QImage &image = surface.image();
    const double thickness = sp::frameThickness;
    const double titleBarHeight = fromPixels(m_caption.titleBar()->height());
    sp::copyPiece(image, m_skin, QRectF(leftX, 0, thickness, scaleHeight), sp::frameLeftEdge);
    sp::copyPiece(image, m_skin, QRectF(scaleWidth - thickness, 0, thickness, scaleHeight),
                  sp::frameRightEdge);
    sp::copyPiece(image, m_skin, QRectF(0, titleBarHeight, scaleWidth, thickness),
                  sp::frameTopStrip);
    sp::copyPiece(image, m_skin, QRectF(0, scaleHeight - thickness, scaleWidth, thickness),
                  sp::frameBottomEdge);
    m_control->update();
}

} // namespace orvex
