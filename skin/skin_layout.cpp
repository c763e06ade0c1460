// Layout of the caption strip, the menu strip and the caption buttons, the
// host's preparation and the window's shape.
#include "captionbuttonproxy.h"
#include "frame/twips.h"
#include "frame/windowshape.h"
#include "skin.h"

#include <QLabel>
#include <QResizeEvent>

namespace {
constexpr int menuBarHeight = 240;
} // namespace

void Skin::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (size() != m_laidOutSize)
        UserControl_Resize();
}

void Skin::setControlSize(const QSize &size)
{
    resize(size);
    if (size != m_laidOutSize)
        UserControl_Resize();
}

void Skin::UserControl_Resize()
{
    m_laidOutSize = size();
    m_body.resize(size());
    LayoutBars();
    RepaintOnResize();
}

void Skin::PrepareHost()
{
    const bool wasVisible = m_host->isVisible();
    m_host->setWindowFlags(m_host->windowFlags() | Qt::FramelessWindowHint);
    if (wasVisible)
        m_host->show();
    m_titleBar->move(0, 0);
    m_capLabel->move(m_capLabel->x(),
                     orvex::twips::toPixelEdge(orvex::framelayout::captionLabelTop));
    setCaption(m_host->windowTitle());
    setControlSize(QSize(width(), m_host->height()));
}

void Skin::LayoutBars()
{
    using namespace orvex::framelayout;
    m_titleBar->place(
        QRect(m_titleBar->pos(), QSize(width(), orvex::twips::toPixelEdge(titleBarHeight))));
    const double controlWidth = orvex::twips::fromPixels(width());
    const double titleBarBottom = orvex::twips::fromPixels(m_titleBar->height());
    m_menuBar->place(orvex::twips::toPixelRect(QRectF(
        menuBarLeft, titleBarBottom + menuBarGap, controlWidth - menuBarInsets, menuBarHeight)));
    const int titleBarWidth = int(orvex::twips::fromPixels(m_titleBar->width()));
    ShapeWindow();
    m_spans = orvex::framelayout::buttonSpans(titleBarWidth, m_buttonMax, m_buttonMin);
    placeButtonProxies();
}

void Skin::placeButtonProxies()
{
    using namespace orvex::framelayout;
    const std::array<ButtonSpan, 3> spans = {m_spans.close, m_spans.minimise, m_spans.maximise};
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const ButtonSpan &span = spans[i];
        m_buttonProxies[i]->setGeometry(orvex::twips::toPixelRect(
            QRectF(span.left, buttonTop, span.right - span.left, buttonSize)));
        m_buttonProxies[i]->setVisible(span.present());
    }
}

void Skin::ShapeWindow()
{
    if (!orvex::windowshape::wantsRoundedWindow(m_skin) || !m_attached || !m_host)
        return;
    // The region depends only on the control's size: build it once per size.
    if (m_maskSize != size()) {
        m_mask = orvex::windowshape::roundedRegion(int(orvex::twips::fromPixels(width())),
                                                   int(orvex::twips::fromPixels(height())));
        m_maskSize = size();
    }
    m_host->setMask(m_mask);
    m_rounded = true;
}
