#pragma once

#include "core/frame/captionbuttonlooks.h"
#include "core/frame/framelayout.h"
#include "core/frame/skinpainter.h"

#include <QObject>
#include <array>

class QImage;
class QLabel;
class QWidget;

namespace orvex {

class CaptionButtonProxy;
class HostAttachment;
class SurfaceWidget;
enum class WindowState;

// The caption strip TitleBar with the caption text CapLabel and an invisible
// button over each caption button for screen readers. It paints the caption
// piece and the button cells from the skin bitmap, lights the button under
// the pointer, acts on presses and double-clicks, and hands drags of the free
// strip to the host attachment. What needs the whole control it signals.
class CaptionStrip final : public QObject
{
    Q_OBJECT

public:
    // Builds the strip on `control` with its design values; paints from `skin`,
    // which must outlive it.
    CaptionStrip(QWidget *control, HostAttachment &host, const skinpainter::SkinBitmap &skin);

    SurfaceWidget *titleBar() const { return m_titleBar; }
    QString caption() const;
    void setCaption(const QString &caption);

    // Attaching: the strip at the control's top left, the caption text 75 twips down.
    void placeForHost();
    // Every layout: the strip as wide as the control and 300 twips high, and
    // the button spans for the buttons switched on.
    void layOut(int controlWidth, bool buttonMax, bool buttonMin);

    // The full repaint: caption piece, then every button plain.
    void repaint(bool rounded);
    // The repaint after a resize: cleared, caption piece, every button plain
    // with the maximise cell whatever the window's state.
    void repaintOnResize(bool rounded);
    void clear();
    // Every button plain; the attach hint instead before attachment.
    void ResetButtons();
    // The maximise button, or the restore button for a maximised window.
    void PaintMaxButton(WindowState state);

    void TitleBar_MouseMove(int button, int shift, double x, double y);
    void TitleBar_MouseDown(int button, int shift, double x, double y);
    void TitleBar_DblClick();
    void CapLabel_MouseMove(int button, int shift, double x, double y);

Q_SIGNALS:
    void attachHintNeeded();
    // The maximise button was pressed: the strip is cleared and the window's
    // state toggled; the control repaints.
    void maximiseToggled();
    // A double-click on the strip, after the window's state was toggled.
    void doubleClicked();
    // The restore cell was drawn: the host is maximised, and the control takes its size.
    void restoreCellPainted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void pressCaptionButton(framelayout::CaptionButton button);
    void PaintTitleBar(bool rounded);
    void paintButton(const framelayout::ButtonSpan &span, int sourceCell);
    void PaintCloseButton();
    void PaintCloseHover();
    void PaintMinButton();
    void PaintMinHover();
    void PaintMaxHover(WindowState state);
    void paintLooks(const CaptionButtonLooks::Repaint &repaint);

    HostAttachment &m_host;
    const skinpainter::SkinBitmap &m_skin;
    SurfaceWidget *m_titleBar;
    QLabel *m_capLabel;
    // Close, minimise, maximise.
    std::array<CaptionButtonProxy *, 3> m_buttonProxies{};
    framelayout::ButtonSpans m_spans;
    CaptionButtonLooks m_looks;
    bool m_buttonMax = false;
};

} // namespace orvex
