#pragma once

#include "recordingmessagepresenter.h"

#include <OrvexSkin/menupresenter.h>
#include <OrvexSkin/skin.h>
#include <QImage>
#include <QList>
#include <QTest>
#include <QWidget>

// The control's test fixtures: a skin bitmap whose every cell and piece has a
// colour of its own, pop-up menus that choose for the user, and a shown host
// window with an attached control.
namespace skinhost {

inline constexpr QRgb closeNormal = 0xc80000;
inline constexpr QRgb closeHover = 0xd20000;
inline constexpr QRgb restoreNormal = 0x00c800;
inline constexpr QRgb minimiseHover = 0xd2d200;
inline constexpr QRgb frameLeft = 0x010203;
inline constexpr QRgb body = 0xf2f1f0;

// A 207 x 52 skin in the control's layout, painted in the colours above; the
// key pixel (0, 14) is magenta when `roundedKey` is set, white otherwise. The
// cells and pieces no test names get colours of their own all the same.
QImage makeSkin(bool roundedKey, QRgb bodyColour = body);

// The colour at a pixel, without alpha.
inline QRgb at(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xffffff;
}

// Chooses the given item of any pop-up menu (or none) and records the menus opened.
class ChoosingMenus final : public orvex::MenuPresenter
{
public:
    QAction *exec(QMenu *menu, const QPoint &globalPosition) override;
    int choose = -1;
    QList<QMenu *> opened;
};

// A shown 400 x 300 host window carrying an attached control with the test
// skin, close and minimise buttons, and maximise as asked. Modal boxes and
// pop-up menus go to the recorders.
struct SkinnedWindow
{
    explicit SkinnedWindow(bool buttonMax = true, const QString &menuFolder = {});

    QWidget *titleBar() const;

    RecordingMessagePresenter messages;
    ChoosingMenus menus;
    QWidget host;
    Skin *skin;
};

// Points on a 400-pixel caption strip: inside the close button (380-393),
// inside the minimise button only (352-365), and the empty strip.
inline const QPoint closePoint(386, 10);
inline const QPoint minimisePoint(356, 10);
inline const QPoint stripPoint(200, 10);

// Sends a mouse action through the window at `pos` in `widget`'s coordinates,
// so that Qt picks the receiver and grabs as it does for a real pointer.
void mouse(QTest::MouseAction action, QWidget *widget, QPoint pos,
           Qt::MouseButton button = Qt::NoButton, Qt::KeyboardModifiers modifiers = {});

// A left-button drag in four steps, given in global coordinates so that it
// stays a drag while the window moves under it.
void drag(QWidget *widget, QPoint from, QPoint to);

// Points the per-user settings store at a temporary folder for the test run.
void isolateSettings(const QString &folder);

} // namespace skinhost
