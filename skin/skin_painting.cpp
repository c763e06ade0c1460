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
    if (!host.isAttached())
        return;
    caption.repaint(rounded);
    PaintFrame();
    menus.menuBar()->surface().setBackColor(body.backColor());
    menus.menuBar()->update();
    q->update();
}

void SkinPrivate::RepaintOnResize()
{
    caption.repaintOnResize(rounded);
    PaintFrameOnResize();
    menus.menuBar()->surface().setBackColor(body.backColor());
    menus.menuBar()->update();
    q->update();
}

void SkinPrivate::PaintFrame()
{
    if (!host.isAttached() || !host.host()) {
        showAttachHint();
        return;
    }
    paintFrameOn(body, fromPixels(host.host()->width()), fromPixels(host.host()->height()), 0);
}

void SkinPrivate::PaintFrameOnResize()
{
    paintFrameOn(body, fromPixels(q->width()), fromPixels(q->height()), 10);
}

void SkinPrivate::paintFrameOn(Surface &surface, double scaleWidth, double scaleHeight,
                               double leftX)
{
    // Taking the body colour clears the surface; without one it is cleared to
    // the colour it has, so the body is filled once per repaint.
    if (const auto bodyColour = sp::bodyColour(skin.picture))
        surface.setBackColor(*bodyColour);
    else
        surface.clear();
    QImage &image = surface.image();
    const double thickness = sp::frameThickness;
    const double titleBarHeight = fromPixels(caption.titleBar()->height());
    sp::copyPiece(image, skin, QRectF(leftX, 0, thickness, scaleHeight), sp::frameLeftEdge);
    sp::copyPiece(image, skin, QRectF(scaleWidth - thickness, 0, thickness, scaleHeight),
                  sp::frameRightEdge);
    sp::copyPiece(image, skin, QRectF(0, titleBarHeight, scaleWidth, thickness), sp::frameTopStrip);
    sp::copyPiece(image, skin, QRectF(0, scaleHeight - thickness, scaleWidth, thickness),
                  sp::frameBottomEdge);
    q->update();
}

} // namespace orvex
