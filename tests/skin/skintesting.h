#pragma once

#include "menu_bar/menupresenter.h"
#include "messagepresenter.h"
#include "skin.h"

#include <QList>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>

// Helpers shared by the control's tests.
namespace skintesting {

// Colours of the test skin: every cell and piece has its own, so that a test
// can tell which source landed where.
inline const QRgb closeNormal = qRgb(200, 0, 0) & 0xffffff;
inline const QRgb closeHover = qRgb(210, 0, 0) & 0xffffff;
inline const QRgb restoreNormal = qRgb(0, 200, 0) & 0xffffff;
inline const QRgb restoreHover = qRgb(0, 210, 0) & 0xffffff;
inline const QRgb maximiseNormal = qRgb(0, 0, 200) & 0xffffff;
inline const QRgb maximiseHover = qRgb(0, 0, 210) & 0xffffff;
inline const QRgb minimiseNormal = qRgb(200, 200, 0) & 0xffffff;
inline const QRgb minimiseHover = qRgb(210, 210, 0) & 0xffffff;
inline const QRgb captionMiddle = qRgb(50, 60, 70) & 0xffffff;
inline const QRgb captionLeftCap = qRgb(80, 90, 100) & 0xffffff;
inline const QRgb frameLeft = qRgb(1, 2, 3) & 0xffffff;
inline const QRgb frameRight = qRgb(4, 5, 6) & 0xffffff;
inline const QRgb frameTop = qRgb(7, 8, 9) & 0xffffff;
inline const QRgb frameBottom = qRgb(10, 11, 12) & 0xffffff;
inline const QRgb body = qRgb(242, 241, 240) & 0xffffff;
inline const QRgb magenta = qRgb(255, 0, 255) & 0xffffff;

// A 207 x 52 skin in the control's layout, painted in the colours above. The
// key pixel (0, 14) is magenta when `roundedKey` is set, white otherwise.
QImage makeSkin(bool roundedKey, QRgb bodyColour = body);

// The colour at a pixel of a surface, without alpha.
inline QRgb at(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xffffff;
}
inline QRgb rgb(QRgb colour)
{
    return colour & 0xffffff;
}

// Records modal boxes instead of showing them.
class RecordingMessages final : public orvex::MessagePresenter
{
public:
    orvex::MessageAnswer show(const orvex::MessageRequest &request) override
    {
        shown.append(request);
        return orvex::MessageAnswer::Ok;
    }
    QList<orvex::MessageRequest> shown;
};

// Chooses the given item of any pop-up menu (or none) and records where it opened.
class ChoosingMenus final : public orvex::MenuPresenter
{
public:
    QAction *exec(QMenu *menu, const QPoint &globalPosition) override;
    int choose = -1;
    QList<QMenu *> opened;
    QList<QPoint> positions;
};

// A control whose procedures the tests may call directly.
class TestableSkin : public Skin
{
public:
    using Skin::LayoutBars;
    using Skin::PaintFrame;
    using Skin::PaintMaxButton;
    using Skin::RepaintOnResize;
    using Skin::RepaintSkin;
    using Skin::ResetButtons;
    using Skin::TitleBar_DblClick;
    using Skin::TitleBar_MouseDown;
    using Skin::TitleBar_MouseMove;
    using Skin::UserControl_MouseMove;
    using Skin::UserControl_MouseUp;
};

// Points the per-user settings store at a temporary folder for the test run.
void isolateSettings(const QTemporaryDir &folder);

} // namespace skintesting
