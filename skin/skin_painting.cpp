// Painting of the caption strip, the caption buttons and the frame from the
// skin bitmap onto the persistent surfaces.
#include "captionbuttonproxy.h"
#include "frame/skinpainter.h"
#include "frame/twips.h"
#include "skin.h"

namespace sp = orvex::skinpainter;
using orvex::twips::fromPixels;

void Skin::RepaintSkin()
{
    if (!m_attached)
        return;
    PaintTitleBar();
    paintLooks(m_looks.reset());
    PaintFrame();
    m_menuBar->surface().setBackColor(m_body.backColor());
    m_menuBar->update();
    update();
}

void Skin::RepaintOnResize()
{
    m_titleBar->surface().clear();
    PaintTitleBar();
    m_looks.reset();
    PaintCloseButton();
    PaintMinButton();
    PaintMaxButton(Normal);
    PaintFrameOnResize();
    m_menuBar->surface().setBackColor(m_body.backColor());
    m_menuBar->update();
    update();
}

void Skin::PaintTitleBar()
{
    QImage &strip = m_titleBar->surface().image();
    sp::copyPiece(strip, m_skin,
                  QRectF(0, 0, fromPixels(m_titleBar->width()), sp::captionPieceHeight),
                  sp::captionMiddle);
    if (m_rounded) {
        sp::copyPiece(strip, m_skin, QRectF(0, 0, sp::captionLeftCapWidth, sp::captionPieceHeight),
                      sp::captionLeftCap);
    }
    m_titleBar->update();
}

void Skin::PaintFrame()
{
    if (!m_attached || !m_host) {
        showAttachHint();
        return;
    }
    paintFrameOn(m_body, fromPixels(m_host->width()), fromPixels(m_host->height()), 0);
}

void Skin::PaintFrameOnResize()
{
    paintFrameOn(m_body, fromPixels(width()), fromPixels(height()), 10);
}

void Skin::paintFrameOn(orvex::Surface &surface, double scaleWidth, double scaleHeight,
                        double leftX)
{
    // Taking the body colour clears the surface; without one it is cleared to
    // the colour it has, so the body is filled once per repaint.
    if (const auto body = sp::bodyColour(m_skin))
        surface.setBackColor(*body);
    else
        surface.clear();
    QImage &image = surface.image();
    const double thickness = sp::frameThickness;
    sp::copyPiece(image, m_skin, QRectF(leftX, 0, thickness, scaleHeight), sp::frameLeftEdge);
    sp::copyPiece(image, m_skin, QRectF(scaleWidth - thickness, 0, thickness, scaleHeight),
                  sp::frameRightEdge);
    sp::copyPiece(image, m_skin, QRectF(0, fromPixels(m_titleBar->height()), scaleWidth, thickness),
                  sp::frameTopStrip);
    sp::copyPiece(image, m_skin, QRectF(0, scaleHeight - thickness, scaleWidth, thickness),
                  sp::frameBottomEdge);
    update();
}

void Skin::paintButton(const orvex::framelayout::ButtonSpan &span, int sourceCell)
{
    if (!span.present())
        return;
    using orvex::framelayout::buttonSize;
    using orvex::framelayout::buttonTop;
    sp::copyPiece(m_titleBar->surface().image(), m_skin,
                  QRectF(span.left, buttonTop, buttonSize, buttonSize),
                  QRectF(sourceCell, 0, sp::cellSize, sp::cellSize));
    m_titleBar->update();
}

void Skin::PaintCloseButton()
{
    paintButton(m_spans.close, sp::closeCell);
}

void Skin::PaintCloseHover()
{
    paintButton(m_spans.close, sp::closeHoverCell);
}

void Skin::PaintMinButton()
{
    paintButton(m_spans.minimise, sp::minimiseCell);
}

void Skin::PaintMinHover()
{
    paintButton(m_spans.minimise, sp::minimiseHoverCell);
}

void Skin::PaintMaxButton(int windowState)
{
    if (!m_spans.maximise.present())
        return;
    paintButton(m_spans.maximise, windowState == Maximised ? sp::restoreCell : sp::maximiseCell);
    m_buttonProxies[2]->setAccessibleName(windowState == Maximised ? tr("Restore")
                                                                   : tr("Maximise"));
    if (windowState == Maximised && m_host)
        setControlSize(m_host->size());
}

void Skin::PaintMaxHover(int windowState)
{
    paintButton(m_spans.maximise,
                windowState == Maximised ? sp::restoreHoverCell : sp::maximiseHoverCell);
}

void Skin::paintLooks(const orvex::CaptionButtonLooks::Repaint &repaint)
{
    using Look = orvex::CaptionButtonLooks::Look;
    if (repaint.close)
        *repaint.close == Look::Hover ? PaintCloseHover() : PaintCloseButton();
    if (repaint.minimise)
        *repaint.minimise == Look::Hover ? PaintMinHover() : PaintMinButton();
    if (repaint.maximise) {
        const int state = hostWindowState();
        *repaint.maximise == Look::Hover ? PaintMaxHover(state) : PaintMaxButton(state);
    }
}
