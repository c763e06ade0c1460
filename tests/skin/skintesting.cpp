#include "skintesting.h"

#include <QMenu>
#include <QPainter>
#include <QSettings>

namespace skintesting {

namespace {
void fillPixels(QImage &image, int x, int y, int width, int height, QRgb colour)
{
    QPainter painter(&image);
    painter.fillRect(QRect(x, y, width, height), QColor::fromRgb(colour));
}
} // namespace

QImage makeSkin(bool roundedKey, QRgb bodyColour)
{
    QImage skin(207, 52, QImage::Format_RGB32);
    skin.fill(Qt::white);
    const QRgb cells[] = {closeNormal,   closeHover,     qRgb(1, 1, 1),  restoreNormal,
                          restoreHover,  qRgb(1, 1, 1),  maximiseNormal, maximiseHover,
                          qRgb(1, 1, 1), minimiseNormal, minimiseHover};
    for (int i = 0; i < 11; ++i)
        fillPixels(skin, i * 14, 0, 13, 13, cells[i]);
    fillPixels(skin, 0, 14, 18, 29, captionLeftCap);
    fillPixels(skin, 20, 14, 18, 29, captionMiddle);
    fillPixels(skin, 158, 16, 5, 16, frameLeft);
    fillPixels(skin, 200, 15, 7, 17, frameRight);
    fillPixels(skin, 173, 0, 18, 5, frameTop);
    fillPixels(skin, 173, 43, 18, 5, frameBottom);
    skin.setPixel(164, 22, bodyColour);
    skin.setPixel(0, 14, roundedKey ? magenta : qRgb(255, 255, 255));
    return skin;
}

QAction *ChoosingMenus::exec(QMenu *menu, const QPoint &globalPosition)
{
    opened.append(menu);
    positions.append(globalPosition);
    const QList<QAction *> actions = menu->actions();
    return choose >= 0 && choose < actions.size() ? actions[choose] : nullptr;
}

void isolateSettings(const QTemporaryDir &folder)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
}

} // namespace skintesting
