// The caption strip of a control attached to a shown host: hover, presses,
// double-clicks, and drags moving the host. The rules are core's.
#include "skin/skin_p.h"
#include "skinhost.h"

#include <QLabel>
#include <QSignalSpy>

using namespace skinhost;
using namespace Qt::StringLiterals;

class CaptionStripTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<SkinnedWindow> m_window;
    orvex::CaptionStrip *m_strip = nullptr;

private Q_SLOTS:
    void init()
    {
        m_window = std::make_unique<SkinnedWindow>();
        m_strip = &orvex::SkinPrivate::get(m_window->skin)->m_caption;
        QVERIFY(QTest::qWaitForWindowExposed(&m_window->host));
    }

    void cleanup() { m_window.reset(); }

    void buttonUnderThePointerLightsUp()
    {
        orvex::SurfaceWidget *titleBar = m_strip->titleBar();
        mouse(QTest::MouseMove, titleBar, closePoint);
        QCOMPARE(at(titleBar->grab().toImage(), 386, 12), closeHover); // painted on the screen
        mouse(QTest::MouseMove, titleBar, minimisePoint);
        QCOMPARE(at(titleBar->surface().image(), 386, 12), closeNormal);
        QCOMPARE(at(titleBar->surface().image(), 358, 12), minimiseHover);
    }

    void pressActsWithAnyButton_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("minimised");
        QTest::newRow("close, right button") << closePoint << Qt::RightButton << false << false;
        QTest::newRow("minimise") << minimisePoint << Qt::LeftButton << true << true;
        QTest::newRow("empty strip") << stripPoint << Qt::LeftButton << true << false;
    }

    void pressActsWithAnyButton()
    {
        QFETCH(QPoint, point);
        QFETCH(Qt::MouseButton, button);
        mouse(QTest::MousePress, m_strip->titleBar(), point, button);
        QTEST(m_window->host.isVisible(), "shown");
        QTEST(m_window->host.windowState().testFlag(Qt::WindowMinimized), "minimised");
        mouse(QTest::MouseRelease, m_strip->titleBar(), point, button);
    }

    void doubleClickMaximisesWithTheMaximiseButtonOnly()
    {
        for (const bool buttonMax : {false, true}) {
            m_window->skin->setButtonMax(buttonMax);
            QSignalSpy doubleClicked(m_strip, &orvex::CaptionStrip::doubleClicked);
            mouse(QTest::MouseDClick, m_strip->titleBar(), stripPoint, Qt::LeftButton);
            QCOMPARE(m_window->host.windowState().testFlag(Qt::WindowMaximized), buttonMax);
            QCOMPARE(doubleClicked.count(), 1);
        }
    }

    void dragsOfTheFreeStripMoveTheHost()
    {
        QWidget &host = m_window->host;
        QWidget *titleBar = m_strip->titleBar();
        drag(titleBar, stripPoint, stripPoint + QPoint(37, 23));
        QCOMPARE(host.pos(), QPoint(77, 53));
        // The caption text moves the host as the strip does, at its own x.
        drag(titleBar->findChild<QLabel *>(u"CapLabel"_s), QPoint(2, 2), QPoint(12, 2));
        QCOMPARE(host.pos(), QPoint(87, 53));
        // Over the close button the strip lights it instead.
        drag(titleBar, closePoint, closePoint + QPoint(-1, 5));
        QCOMPARE(host.pos(), QPoint(87, 53));

        host.setWindowState(Qt::WindowMaximized);
        const QPoint maximisedAt = host.pos();
        drag(titleBar, stripPoint, stripPoint + QPoint(37, 23));
        QCOMPARE(host.pos(), maximisedAt);
    }
};

QTEST_MAIN(CaptionStripTest)
#include "tst_captionstrip.moc"
