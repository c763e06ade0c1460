#include "skinhost.h"

#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace skinhost {

QImage makeSkin(bool roundedKey, QRgb bodyColour)
{
    QImage skin(207, 52, QImage::Format_RGB32);
    skin.fill(Qt::white);
    QPainter painter(&skin);
    const auto fill = [&](int x, int y, int width, int height, QRgb colour) {
        painter.fillRect(QRect(x, y, width, height), QColor::fromRgb(colour));
    };
    const QRgb cells[] = {closeNormal, closeHover, 0x010101, restoreNormal, 0x00d200,     0x010101,
                          0x0000c8,    0x0000d2,   0x010101, 0xc8c800,      minimiseHover};
    for (int i = 0; i < 11; ++i)
        fill(i * 14, 0, 13, 13, cells[i]);
    fill(0, 14, 18, 29, 0x505a64);
    fill(20, 14, 18, 29, 0x323c46);
    fill(158, 16, 5, 16, frameLeft);
    fill(200, 15, 7, 17, 0x040506);
    fill(173, 0, 18, 5, 0x070809);
    fill(173, 43, 18, 5, 0x0a0b0c);
    painter.end();
    skin.setPixel(164, 22, bodyColour);
    skin.setPixel(0, 14, roundedKey ? 0xff00ff : 0xffffff);
    return skin;
}

SkinnedWindow::SkinnedWindow(const QString &menuFolder) : skin(new orvex::Skin(menuFolder, &host))
{
    // Init_Skin reads the remembered skin: from a folder of the tests', never the user's.
    static const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    host.setWindowTitle(u"Skin Test Host"_s);
    host.resize(400, 300);
    host.move(40, 30);
    skin->setMessagePresenter(&messages);
    skin->setMenuPresenter(&menus);
    skin->setSkin(makeSkin(false));
    skin->setButtonMin(true);
    skin->setButtonMax(true);
    skin->Init_Skin(&host);
    host.show();
}

void mouse(QTest::MouseAction action, QWidget *widget, QPoint pos, Qt::MouseButton button,
           Qt::KeyboardModifiers modifiers)
{
    QTest::mouseEvent(action, widget->window()->windowHandle(), button, modifiers,
                      widget->mapTo(widget->window(), pos));
}

void drag(QWidget *widget, QPoint from, QPoint to)
{
    QWidget *window = widget->window();
    const QPoint start = widget->mapToGlobal(from), end = widget->mapToGlobal(to);
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, window->mapFromGlobal(start));
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(window->windowHandle(),
                         window->mapFromGlobal(start + (end - start) * step / 4));
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, window->mapFromGlobal(end));
}

QString readOut(const QAccessibleInterface *part)
{
    QStringList parts;
    for (int i = 0; i < part->childCount(); ++i) {
        const QAccessibleInterface *child = part->child(i);
        const QString name = child->text(QAccessible::Name);
        const QString inner = readOut(child);
        parts << (child->role() == QAccessible::Graphic ? u"icon "_s : QString()) +
                     (name.isEmpty() ? child->object()->objectName() : name) +
                     (inner.isEmpty() ? QString() : u" ("_s + inner + u')');
    }
    return parts.join(u", "_s);
}

} // namespace skinhost
