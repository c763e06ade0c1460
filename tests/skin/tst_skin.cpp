// The control's wiring to a real host window: mouse events reach the caption
// strip and the body as for a real pointer, painting reaches the surfaces and
// the screen, skin files, the window mask and the menu strip.
#include "design/rememberedskin.h"
#include "skin_p.h"
#include "skinhost.h"
#include "testfiles.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

using namespace skinhost;

namespace {

// Points on the 400-pixel caption strip: inside the close button (380-393),
// inside the minimise button only (352-365), and the empty strip.
const QPoint closePoint(386, 10);
const QPoint minimisePoint(356, 10);
const QPoint stripPoint(200, 10);

// Sends a mouse action through the window at `pos` in `widget`'s coordinates,
// so that Qt picks the receiver and grabs as it does for a real pointer.
void mouse(QTest::MouseAction action, QWidget *widget, QPoint pos,
           Qt::MouseButton button = Qt::NoButton, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *window = widget->window();
    QTest::mouseEvent(action, window->windowHandle(), button, modifiers,
                      widget->mapTo(window, pos));
}

const orvex::Surface &titleBarSurface(const SkinnedWindow &window)
{
    return SkinPrivate::get(window.skin)->caption.titleBar()->surface();
}

// A left-button drag in four steps, given in global coordinates so that it
// stays a drag while the window moves under it.
void drag(QWidget *widget, QPoint from, QPoint to)
{
    QWidget *window = widget->window();
    const QPoint start = widget->mapToGlobal(from);
    const QPoint end = widget->mapToGlobal(to);
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, window->mapFromGlobal(start));
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(window->windowHandle(),
                         window->mapFromGlobal(start + (end - start) * step / 4));
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, window->mapFromGlobal(end));
}

} // namespace

class SkinTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        isolateSettings(m_folder.filePath(QStringLiteral("settings")));
    }

    void hoverLightsTheCellUnderThePointer()
    {
        SkinnedWindow window;
        QVERIFY(window.host.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(window.skin->caption(), QStringLiteral("Skin Test Host"));
        QVERIFY(QTest::qWaitForWindowExposed(&window.host));
        // The cells' middles on the strip: close at x 386, minimise at 358.
        mouse(QTest::MouseMove, window.titleBar(), closePoint);
        QCOMPARE(at(titleBarSurface(window).image(), 386, 12), closeHover);
        // The strip's paint handler puts its surface on the screen.
        QCOMPARE(at(window.titleBar()->grab().toImage(), 386, 12), closeHover);

        mouse(QTest::MouseMove, window.titleBar(), minimisePoint);
        QCOMPARE(at(titleBarSurface(window).image(), 386, 12), closeNormal);
        QCOMPARE(at(titleBarSurface(window).image(), 358, 12), minimiseHover);
        // Over the empty strip a lit minimise button stays lit.
        mouse(QTest::MouseMove, window.titleBar(), stripPoint);
        QCOMPARE(at(titleBarSurface(window).image(), 358, 12), minimiseHover);
    }

    void bodyShowsTheFrameAfterARepaint()
    {
        SkinnedWindow window;
        QVERIFY(QTest::qWaitForWindowExposed(&window.host));
        window.skin->setSkin(makeSkin(false, 0x123456));
        // A full repaint draws the left edge from the window's first column.
        QCOMPARE(at(SkinPrivate::get(window.skin)->body.image(), 0, 150), frameLeft);
        const QImage screen = window.skin->grab().toImage();
        QCOMPARE(at(screen, 0, 150), frameLeft);
        QCOMPARE(at(screen, 200, 150), QRgb(0x123456));
    }

    void pressOnACaptionButton_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<Qt::WindowState>("state");
        QTest::newRow("close") << closePoint << false << Qt::WindowNoState;
        QTest::newRow("minimise") << minimisePoint << true << Qt::WindowMinimized;
        QTest::newRow("maximise") << QPoint(374, 10) << true << Qt::WindowMaximized;
    }

    void pressOnACaptionButton()
    {
        QFETCH(QPoint, point);
        QFETCH(Qt::WindowState, state);
        SkinnedWindow window;
        QVERIFY(QTest::qWaitForWindowExposed(&window.host));
        mouse(QTest::MouseClick, window.titleBar(), point, Qt::LeftButton);
        QTEST(window.host.isVisible(), "shown");
        QCOMPARE(window.host.windowState(), Qt::WindowStates(state));
        if (state == Qt::WindowMaximized) {
            // The window grows later; the control follows, showing the restore cell.
            QTRY_VERIFY(window.host.width() > 400);
            QTRY_COMPARE(window.skin->size(), window.host.size());
            QCOMPARE(at(titleBarSurface(window).image(), window.host.width() - 28, 12),
                     restoreNormal);
        }
    }

    void dragsMoveAndResizeTheWindow()
    {
        SkinnedWindow window;
        QVERIFY(QTest::qWaitForWindowExposed(&window.host));
        drag(window.titleBar(), stripPoint, stripPoint + QPoint(37, 23));
        QCOMPARE(window.host.geometry(), QRect(77, 53, 400, 300));
        // Every step stays in the corner zone (the last 13 pixels): a move out of
        // it before the resize starts drags the window instead.
        drag(window.skin, QPoint(398, 298), QPoint(390, 294));
        QTRY_COMPARE(window.host.geometry(), QRect(77, 53, 390, 294));
        QTRY_COMPARE(window.skin->size(), QSize(390, 294));
    }

    void mouseEventsReachTheHost()
    {
        SkinnedWindow window;
        QVERIFY(QTest::qWaitForWindowExposed(&window.host));
        QWindow *handle = window.host.windowHandle();
        QSignalSpy down(window.skin, &Skin::MouseDown);
        QSignalSpy moved(window.skin, &Skin::MouseMove);
        // Button 1 left, 2 right, 4 middle; Shift 1 Shift, 2 Ctrl, 4 Alt; twips.
        QTest::mousePress(handle, Qt::RightButton, Qt::ShiftModifier | Qt::AltModifier, {200, 150});
        QTest::mousePress(handle, Qt::MiddleButton, {}, {200, 150});
        QTest::mouseEvent(QTest::MouseMove, handle, Qt::NoButton, Qt::ControlModifier, {100, 50});
        QTest::mouseRelease(handle, Qt::MiddleButton, {}, {100, 50});
        QTest::mouseRelease(handle, Qt::RightButton, {}, {100, 50});
        QCOMPARE(down.first(), (QVariantList{2, 5, 3000, 2250}));
        QCOMPARE(moved.last(), (QVariantList{6, 2, 1500, 750}));
    }

    void handlersBeforeAttachShowTheHint()
    {
        RecordingMessagePresenter messages;
        QWidget host;
        auto *skin = new Skin(m_folder.path(), &host);
        skin->setMessagePresenter(&messages);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        mouse(QTest::MouseMove, skin->findChild<QWidget *>(QStringLiteral("TitleBar")), stripPoint);
        QCOMPARE(messages.requests().size(), 1);
        QCOMPARE(messages.requests().front().text, SkinPrivate::attachHintText());
    }

    void changeSkinLoadsAndRemembers()
    {
        const QString path = m_folder.filePath(QStringLiteral("rounded.png"));
        const QImage picture = makeSkin(true, 0x336699);
        QVERIFY(picture.save(path));
        SkinnedWindow window;
        QVERIFY(window.host.mask().isEmpty()); // the test skin is not rounded
        window.skin->ChangeSkin(path);
        QCOMPARE(window.skin->skin(), picture.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(at(SkinPrivate::get(window.skin)->body.image(), 200, 150), QRgb(0x336699));
        QCOMPARE(orvex::rememberedskin::read(QStringLiteral("Skin Test Host")), path);
        // The window takes its shape when the control is next laid out.
        window.host.resize(420, 320);
        QVERIFY(!window.host.mask().isEmpty());
    }

    void menuTitleOpensItsMenuOnTheLeftButton_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("opens");
        QTest::newRow("left") << Qt::LeftButton << true;
        QTest::newRow("right") << Qt::RightButton << false;
        QTest::newRow("middle") << Qt::MiddleButton << false;
    }

    void menuTitleOpensItsMenuOnTheLeftButton()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, opens);
        QTemporaryDir folder;
        QVERIFY(testfiles::write(folder.filePath(QStringLiteral("menu.txt")),
                                 "F!File\r\nH!Help\r\nhelp!....Contents\r\nabout!....About\r\n"));
        SkinnedWindow window(true, folder.path());
        QVERIFY(QTest::qWaitForWindowExposed(&window.host));
        const QList<QLabel *> titles = SkinPrivate::get(window.skin)->menus.titles();
        QCOMPARE(titles.size(), 2);
        QCOMPARE(titles[1]->text(), QStringLiteral("Help"));

        QStringList reported;
        connect(window.skin, &Skin::MenuClick, this,
                [&reported](QString &itemName) { reported.append(itemName); });
        window.menus.choose = 1;
        mouse(QTest::MouseClick, titles[1], titles[1]->rect().center(), button);
        QCOMPARE(window.menus.opened,
                 opens ? QList<QMenu *>{SkinPrivate::get(window.skin)->menus.menu(1)}
                       : QList<QMenu *>{});
        QCOMPARE(reported, opens ? QStringList{QStringLiteral("about")} : QStringList{});
    }

private:
    QTemporaryDir m_folder;
};

QTEST_MAIN(SkinTest)
#include "tst_skin.moc"
