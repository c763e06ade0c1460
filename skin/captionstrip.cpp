#include "core/frame/skinpainter.h"
#include "core/frame/twips.h"
#include "skin/captionbuttonproxy_p.h"
#include "skin/captionstrip_p.h"
#include "skin/hostattachment_p.h"
#include "skin/mouseargs_p.h"
#include "skin/surface_p.h"

#include <QLabel>

namespace orvex {

namespace sp = skinpainter;
using framelayout::ButtonSpan;
using framelayout::CaptionButton;
using twips::fromPixels;

namespace {
constexpr int leftButton = 1;
} // namespace

CaptionStrip::CaptionStrip(QWidget *control, HostAttachment &host,
                           const skinpainter::SkinBitmap &skin)
    : m_host(host), m_skin(skin), m_titleBar(new SurfaceWidget(control)),
      m_capLabel(new QLabel(tr("Title Bar"), m_titleBar))
{
    m_titleBar->setObjectName(QStringLiteral("TitleBar"));
    m_titleBar->surface().setBackColor(
        control->palette().color(QPalette::Active, QPalette::Highlight));
    m_titleBar->place(twips::toPixelRect(QRectF(0, 0, 8835, 360)));
    m_titleBar->setMouseTracking(true);
    m_titleBar->installEventFilter(this);

    m_capLabel->setObjectName(QStringLiteral("CapLabel"));
    m_capLabel->setAttribute(Qt::WA_TranslucentBackground);
    m_capLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_capLabel->adjustSize();
    m_capLabel->move(twips::toPixelRect(QRectF(120, 90, 585, 195)).topLeft());
    m_capLabel->setMouseTracking(true);
    m_capLabel->installEventFilter(this);

    const std::array<std::pair<const char *, CaptionButton>, 3> buttons = {
        {{QT_TR_NOOP("Close"), CaptionButton::Close},
         {QT_TR_NOOP("Minimise"), CaptionButton::Minimise},
         {QT_TR_NOOP("Maximise"), CaptionButton::Maximise}}};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const auto [name, button] = buttons[i];
        auto *proxy = new CaptionButtonProxy(tr(name), m_titleBar);
        connect(proxy, &QAbstractButton::clicked, this, [this, button = button] {
            if (m_host.isAttached() && m_host.host())
                pressCaptionButton(button);
        });
        m_buttonProxies[i] = proxy;
    }
}

QString CaptionStrip::caption() const
{
    return m_capLabel->text();
}

void CaptionStrip::setCaption(const QString &caption)
{
    m_capLabel->setText(caption);
    m_capLabel->adjustSize();
}

void CaptionStrip::placeForHost()
{
    m_titleBar->move(0, 0);
    m_capLabel->move(m_capLabel->x(), twips::toPixelEdge(framelayout::captionLabelTop));
}

void CaptionStrip::layOut(int controlWidth, bool buttonMax, bool buttonMin)
{
    using namespace framelayout;
    m_buttonMax = buttonMax;
    m_titleBar->place(
        QRect(m_titleBar->pos(), QSize(controlWidth, twips::toPixelEdge(titleBarHeight))));
    m_spans = buttonSpans(int(fromPixels(m_titleBar->width())), buttonMax, buttonMin);
    const std::array<ButtonSpan, 3> spans = {m_spans.close, m_spans.minimise, m_spans.maximise};
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const ButtonSpan &span = spans[i];
        m_buttonProxies[i]->setGeometry(
            twips::toPixelRect(QRectF(span.left, buttonTop, span.right - span.left, buttonSize)));
        m_buttonProxies[i]->setVisible(span.present());
    }
}

void CaptionStrip::repaint(bool rounded)
{
    PaintTitleBar(rounded);
    paintLooks(m_looks.reset());
}

void CaptionStrip::repaintOnResize(bool rounded)
{
    clear();
    PaintTitleBar(rounded);
    m_looks.reset();
    PaintCloseButton();
    PaintMinButton();
    PaintMaxButton(WindowState::Normal);
}

void CaptionStrip::clear()
{
    m_titleBar->surface().clear();
}

void CaptionStrip::PaintTitleBar(bool rounded)
{
    QImage &strip = m_titleBar->surface().image();
    sp::copyPiece(strip, m_skin,
                  QRectF(0, 0, fromPixels(m_titleBar->width()), sp::captionPieceHeight),
                  sp::captionMiddle);
    if (rounded) {
        sp::copyPiece(strip, m_skin, QRectF(0, 0, sp::captionLeftCapWidth, sp::captionPieceHeight),
                      sp::captionLeftCap);
    }
    m_titleBar->update();
}

void CaptionStrip::paintButton(const ButtonSpan &span, int sourceCell)
{
    if (!span.present())
        return;
    using framelayout::buttonSize;
    using framelayout::buttonTop;
    sp::copyPiece(m_titleBar->surface().image(), m_skin,
                  QRectF(span.left, buttonTop, buttonSize, buttonSize),
                  QRectF(sourceCell, 0, sp::cellSize, sp::cellSize));
    m_titleBar->update();
}

void CaptionStrip::PaintCloseButton()
{
    paintButton(m_spans.close, sp::closeCell);
}

void CaptionStrip::PaintCloseHover()
{
    paintButton(m_spans.close, sp::closeHoverCell);
}

void CaptionStrip::PaintMinButton()
{
    paintButton(m_spans.minimise, sp::minimiseCell);
}

void CaptionStrip::PaintMinHover()
{
    paintButton(m_spans.minimise, sp::minimiseHoverCell);
}

void CaptionStrip::PaintMaxButton(WindowState state)
{
    if (!m_spans.maximise.present())
        return;
    const bool maximised = state == WindowState::Maximised;
    paintButton(m_spans.maximise, maximised ? sp::restoreCell : sp::maximiseCell);
    m_buttonProxies[2]->setAccessibleName(maximised ? tr("Restore") : tr("Maximise"));
    if (maximised && m_host.host())
        Q_EMIT restoreCellPainted();
}

void CaptionStrip::PaintMaxHover(WindowState state)
{
    paintButton(m_spans.maximise,
                state == WindowState::Maximised ? sp::restoreHoverCell : sp::maximiseHoverCell);
}

void CaptionStrip::paintLooks(const CaptionButtonLooks::Repaint &repaint)
{
    using Look = CaptionButtonLooks::Look;
    if (repaint.close)
        *repaint.close == Look::Hover ? PaintCloseHover() : PaintCloseButton();
    if (repaint.minimise)
        *repaint.minimise == Look::Hover ? PaintMinHover() : PaintMinButton();
    if (repaint.maximise) {
        const WindowState state = m_host.windowState();
        *repaint.maximise == Look::Hover ? PaintMaxHover(state) : PaintMaxButton(state);
    }
}

void CaptionStrip::ResetButtons()
{
    if (!m_host.isAttached()) {
        Q_EMIT attachHintNeeded();
        return;
    }
    paintLooks(m_looks.reset());
}

void CaptionStrip::TitleBar_MouseMove(int button, int, double x, double)
{
    if (!m_host.isAttached()) {
        Q_EMIT attachHintNeeded();
        return;
    }
    const auto hit = framelayout::hitButton(m_spans, x);
    paintLooks(m_looks.moveOver(hit));
    if (!hit && m_host.windowState() != WindowState::Maximised && (button & leftButton))
        m_host.moveHost();
}

void CaptionStrip::CapLabel_MouseMove(int button, int, double x, double y)
{
    if (!m_host.isAttached()) {
        Q_EMIT attachHintNeeded();
        return;
    }
    TitleBar_MouseMove(button, 0, x, y);
}

void CaptionStrip::TitleBar_MouseDown(int, int, double x, double)
{
    if (!m_host.isAttached() || !m_host.host()) {
        Q_EMIT attachHintNeeded();
        return;
    }
    if (const auto hit = framelayout::hitButton(m_spans, x))
        pressCaptionButton(*hit);
}

void CaptionStrip::pressCaptionButton(CaptionButton button)
{
    switch (button) {
    case CaptionButton::Close:
        m_host.closeHost();
        break;
    case CaptionButton::Minimise:
        m_host.setWindowState(WindowState::Minimised);
        paintLooks(m_looks.press(button));
        break;
    case CaptionButton::Maximise:
        clear();
        m_host.setWindowState(m_host.windowState() != WindowState::Normal ? WindowState::Normal
                                                                          : WindowState::Maximised);
        Q_EMIT maximiseToggled();
        break;
    }
}

void CaptionStrip::TitleBar_DblClick()
{
    if (m_buttonMax && m_host.host()) {
        m_host.setWindowState(m_host.windowState() == WindowState::Maximised
                                  ? WindowState::Normal
                                  : WindowState::Maximised);
    }
    Q_EMIT doubleClicked();
}

bool CaptionStrip::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    const bool isMouse = type == QEvent::MouseMove || type == QEvent::MouseButtonPress ||
                         type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick;
    if (!isMouse || (watched != m_titleBar && watched != m_capLabel))
        return false;

    auto *mouse = static_cast<QMouseEvent *>(event);
    if (type == QEvent::MouseMove)
        m_host.track(mouse);
    else if (type == QEvent::MouseButtonRelease)
        m_host.stopMoving();
    else if (type == QEvent::MouseButtonPress)
        m_host.grab(mouse);

    const QPointF at = mouseargs::position(mouse);
    const int shift = mouseargs::shift(mouse->modifiers());
    if (watched == m_capLabel) {
        if (type == QEvent::MouseMove)
            CapLabel_MouseMove(mouseargs::buttons(mouse->buttons()), shift, at.x(), at.y());
    } else if (type == QEvent::MouseMove) {
        TitleBar_MouseMove(mouseargs::buttons(mouse->buttons()), shift, at.x(), at.y());
    } else if (type == QEvent::MouseButtonPress) {
        TitleBar_MouseDown(mouseargs::button(mouse->button()), shift, at.x(), at.y());
    } else if (type == QEvent::MouseButtonDblClick) {
        TitleBar_DblClick();
    }
    return true;
}

} // namespace orvex
