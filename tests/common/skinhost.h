#pragma once

#include "recordingmessagepresenter.h"

#include <OrvexSkin/menupresenter.h>
#include <OrvexSkin/skin.h>
#include <QAccessibleInterface>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <functional>

// The control's test fixtures: a skin bitmap, pop-up menus that choose for the
// user, a shown host window with an attached control, and what screen readers meet.
namespace skinhost {

inline constexpr QRgb closeNormal = 0xc80000;
inline constexpr QRgb closeHover = 0xd20000;
inline constexpr QRgb restoreNormal = 0x00c800;
inline constexpr QRgb minimiseHover = 0xd2d200;
inline constexpr QRgb frameLeft = 0x010203;

// A 207 x 52 skin with every cell and piece in a colour of its own, those above
// included; the key pixel (0, 14) is magenta when `roundedKey` is set.
QImage makeSkin(bool roundedKey, QRgb bodyColour = 0xf2f1f0);

inline QRgb at(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xffffff;
}

// Shows pop-up menus through a function of the test's; none chosen without one.
class MenusByFunction final : public orvex::MenuPresenter
{
public:
    QAction *exec(QMenu *menu, const QPoint &) override { return show ? show(menu) : nullptr; }
    std::function<QAction *(QMenu *)> show;
};

// A shown 400 x 300 host at (40, 30) with an attached control: the test skin, all three
// caption buttons; boxes and menus go to the recorders, settings to a temporary folder.
struct SkinnedWindow
{
    explicit SkinnedWindow(const QString &menuFolder = {});

    RecordingMessagePresenter messages;
    MenusByFunction menus;
    QWidget host;
    orvex::Skin *skin;
};

// Points on a 400-pixel caption strip: inside the close button (380-393),
// inside the minimise button only (352-365), and the empty strip.
inline const QPoint closePoint(386, 10);
inline const QPoint minimisePoint(356, 10);
inline const QPoint stripPoint(200, 10);

// A mouse action sent through the window, so that Qt picks the receiver as for a real pointer.
void mouse(QTest::MouseAction action, QWidget *widget, QPoint pos,
           Qt::MouseButton button = Qt::NoButton, Qt::KeyboardModifiers modifiers = {});

// A left-button drag in four steps, in global coordinates so that the window may move under it.
void drag(QWidget *widget, QPoint from, QPoint to);

// What screen readers meet inside `part`, in order: each part by its name (an icon's
// marked) or else its object's name, followed by its own parts in brackets.
QString readOut(const QAccessibleInterface *part);

} // namespace skinhost
