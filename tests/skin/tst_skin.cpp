// The control as a whole on a real host window: what needs more than one of its
// parts, the body's pointer events and painting, skin files and the window mask.
#include "core/design/rememberedskin.h"
#include "skin/skin_p.h"
#include "skinhost.h"
#include "testfiles.h"

#include <OrvexSkin/PropertyBag>
#include <QAccessible>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

using namespace skinhost;
using namespace Qt::StringLiterals;
using orvex::Skin;
using orvex::SkinPrivate;

class SkinTest : public QObject
{
    Q_OBJECT

    // The skin files and menu.txt.
    QTemporaryDir m_folder;
    std::unique_ptr<SkinnedWindow> m_window;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(testfiles::write(m_folder.filePath(u"menu.txt"_s),
                                 "F!File\r\nnew!....New\r\nquit!....Quit\r\n"));
    }

    void init()
    {
        m_window = std::make_unique<SkinnedWindow>(m_folder.path());
        QVERIFY(QTest::qWaitForWindowActive(&m_window->host));
    }

    void cleanup() { m_window.reset(); }

    void bodyIsPaintedAndFollowsTheMaximisedHost()
    {
        Skin *skin = m_window->skin;
        skin->setSkin(makeSkin(false, 0x123456));
        // A full repaint draws the left edge from the window's first column.
        const QImage screen = skin->grab().toImage();
        QCOMPARE(at(screen, 0, 150), frameLeft);
        QCOMPARE(at(screen, 200, 150), QRgb(0x123456));

        orvex::SurfaceWidget *titleBar = SkinPrivate::get(skin)->m_caption.titleBar();
        mouse(QTest::MouseClick, titleBar, QPoint(374, 10), Qt::LeftButton);
        // The window grows later; the control follows, showing the restore cell.
        QTRY_VERIFY(m_window->host.width() > 400);
        QTRY_COMPARE(skin->size(), m_window->host.size());
        QCOMPARE(at(titleBar->surface().image(), m_window->host.width() - 28, 12), restoreNormal);
    }

    void bodyReportsMouseEventsAndResizesFromTheCorner()
    {
        QWindow *handle = m_window->host.windowHandle();
        QSignalSpy down(m_window->skin, &Skin::MouseDown);
        QSignalSpy moved(m_window->skin, &Skin::MouseMove);
        // Button 1 left, 2 right, 4 middle; Shift 1 Shift, 2 Ctrl, 4 Alt; twips.
        QTest::mousePress(handle, Qt::RightButton, Qt::ShiftModifier | Qt::AltModifier, {200, 150});
        QTest::mousePress(handle, Qt::MiddleButton, {}, {200, 150});
        QTest::mouseEvent(QTest::MouseMove, handle, Qt::NoButton, Qt::ControlModifier, {100, 50});
        QTest::mouseRelease(handle, Qt::MiddleButton, {}, {100, 50});
        QTest::mouseRelease(handle, Qt::RightButton, {}, {100, 50});
        QCOMPARE(down.first(), (QVariantList{2, 5, 3000, 2250}));
        QCOMPARE(moved.last(), (QVariantList{6, 2, 1500, 750}));

        // Every step stays in the corner zone (the last 13 pixels): a move out of
        // it before the resize starts drags the window instead.
        drag(m_window->skin, QPoint(398, 298), QPoint(390, 294));
        QTRY_COMPARE(m_window->host.geometry(), QRect(40, 30, 390, 294));
        QTRY_COMPARE(m_window->skin->size(), QSize(390, 294));
    }

    // At a density of 2 the screen gets each of the surface's pixels once.
    void surfaceShowsEachDevicePixel()
    {
        orvex::Surface surface;
        surface.resize(QSize(2, 1), 2);
        surface.image().setPixel(3, 1, 0x123456);
        QImage screen(4, 2, QImage::Format_RGB32);
        screen.setDevicePixelRatio(2);
        QPainter painter(&screen);
        surface.show(painter, QRect(0, 0, 1, 1));
        surface.show(painter, QRect(1, 0, 1, 1));
        painter.end();
        QCOMPARE(screen, surface.image());
    }

    void withoutAHostOnlyTheHintShows()
    {
        RecordingMessagePresenter messages;
        QWidget host;
        auto *skin = new Skin(m_folder.path(), &host);
        skin->setMessagePresenter(&messages);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        mouse(QTest::MouseMove, skin->findChild<QWidget *>(u"TitleBar"_s), stripPoint);
        QCOMPARE(messages.requests().size(), 1);
        QCOMPARE(messages.requests().front().text, SkinPrivate::attachHintText());
        // A resize from the body's corner has no host to act on.
        const QPoint corner = skin->rect().bottomRight();
        drag(skin, corner - QPoint(2, 2), corner - QPoint(6, 4));
        QCOMPARE(skin->rect().bottomRight(), corner);
    }

    // A skin file is loaded and remembered, with its doubled drawing beside it when
    // that is twice its size; a picture the host puts in has none.
    void changeSkinLoadsAndRemembers()
    {
        const QString path = m_folder.filePath(u"rounded.png"_s);
        const QImage picture = makeSkin(true, 0x336699);
        QImage doubled = picture.scaled(picture.size() * 2).convertToFormat(QImage::Format_RGB32);
        QVERIFY(picture.save(path) && picture.save(m_folder.filePath(u"plain.png"_s)));
        QVERIFY(doubled.save(m_folder.filePath(u"rounded@2x.png"_s)));
        doubled.setDevicePixelRatio(2); // as a reader gives a file named @2x
        QVERIFY(picture.save(m_folder.filePath(u"plain@2x.png"_s)));
        Skin *skin = m_window->skin;
        const orvex::skinpainter::SkinBitmap &bitmap = SkinPrivate::get(skin)->m_skin;
        skin->ChangeSkin(m_folder.filePath(u"plain.png"_s));
        QVERIFY(bitmap.picture2x.isNull());
        QVERIFY(m_window->host.mask().isEmpty()); // the test skin is not rounded
        skin->ChangeSkin(path);
        QCOMPARE(bitmap.picture2x, doubled);
        QCOMPARE(at(SkinPrivate::get(skin)->m_body.image(), 200, 150), QRgb(0x336699));
        QCOMPARE(orvex::rememberedskin::read(u"Skin Test Host"_s), path);
        // The window takes its shape when the control is next laid out.
        m_window->host.resize(420, 320);
        QVERIFY(!m_window->host.mask().isEmpty());
        skin->setSkin(picture);
        QVERIFY(bitmap.picture2x.isNull());
    }

    // Not the maximise button of a control without one, nor a hidden menu strip.
    void readersMeetTheShownPartsOnly()
    {
        const auto parts = [this] {
            return readOut(QAccessible::queryAccessibleInterface(m_window->skin));
        };
        QCOMPARE(parts(), u"TitleBar (Skin Test Host, Close, Minimise, Maximise), MenuBar (File)");
        m_window->skin->setButtonMax(false);
        m_window->skin->setMenuVisible(false);
        QCOMPARE(parts(), u"TitleBar (Skin Test Host, Close, Minimise)");
    }

    // Only while the strip is shown, F10 opening the first menu with its first item
    // active; MenuVisibleChanged only for a change.
    void menusReachTheHostWhileTheStripIsShown()
    {
        Skin *skin = m_window->skin;
        QStringList reported;
        // A host that changes the name it is passed changes what the item reports.
        connect(skin, &Skin::MenuClick, this, [&reported](QString &itemName) {
            reported.append(itemName);
            itemName = u"renamed"_s;
        });
        QSignalSpy shown(skin, &Skin::MenuVisibleChanged);
        m_window->menus.show = [](QMenu *menu) { // the item after the active one
            return menu->actions().value(menu->actions().indexOf(menu->activeAction()) + 1);
        };
        QWindow *handle = m_window->host.windowHandle();
        skin->setMenuVisible(false);
        skin->setMenuVisible(false);
        QTest::keyClick(handle, Qt::Key_F10);
        skin->setMenuVisible(true);
        QTest::keyClick(handle, Qt::Key_F10);
        QTest::keyClick(handle, Qt::Key_F, Qt::AltModifier);
        QCOMPARE(reported, (QStringList{u"quit"_s, u"renamed"_s}));
        skin->setMenuVisible(false);
        skin->readProperties({}); // a stored design without MenuVisible shows the strip
        QCOMPARE(shown, (QList<QVariantList>{{false}, {true}, {false}, {true}}));
    }
};

QTEST_MAIN(SkinTest)
#include "tst_skin.moc"
