// The caption strip on its own, over a plain control attached to a shown host:
// hover, presses, double-clicks, and drags moving the host. The rules are core's.
#include "skin/captionstrip_p.h"
#include "skin/hostattachment_p.h"
#include "skin/surface_p.h"
#include "skinhost.h"

#include <QLabel>
#include <QSignalSpy>

using namespace skinhost;
using namespace Qt::StringLiterals;

namespace {

// A borderless 400 x 300 host at (40, 30), a plain widget as the control, and
// the strip with all three buttons.
struct StripHost
{
    StripHost()
    {
        host.setGeometry(40, 30, 400, 300);
        control->resize(host.size());
        attachment.attach(&host);
        attachment.makeBorderless();
        strip.layOut(400, true, true);
        strip.repaintOnResize(false);
    }

    QRgb cellAt(int x) { return at(strip.titleBar()->surface().image(), x, 12); }

    QWidget host;
    QWidget *control = new QWidget(&host);
    orvex::skinpainter::SkinBitmap skin{makeSkin(false), {}};
    orvex::HostAttachment attachment{control};
    orvex::CaptionStrip strip{control, attachment, skin};
};

} // namespace

class CaptionStripTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<StripHost> m_window;

private Q_SLOTS:
    void init()
    {
        m_window = std::make_unique<StripHost>();
        m_window->host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_window->host));
    }

    void cleanup() { m_window.reset(); }

    void buttonUnderThePointerLightsUp()
    {
        QWidget *titleBar = m_window->strip.titleBar();
        mouse(QTest::MouseMove, titleBar, closePoint);
        QCOMPARE(at(titleBar->grab().toImage(), 386, 12), closeHover); // painted on the screen
        mouse(QTest::MouseMove, titleBar, minimisePoint);
        QCOMPARE(m_window->cellAt(386), closeNormal);
        QCOMPARE(m_window->cellAt(358), minimiseHover);
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
        mouse(QTest::MousePress, m_window->strip.titleBar(), point, button);
        QTEST(m_window->host.isVisible(), "shown");
        QTEST(m_window->host.windowState().testFlag(Qt::WindowMinimized), "minimised");
        mouse(QTest::MouseRelease, m_window->strip.titleBar(), point, button);
    }

    void doubleClickMaximisesWithTheMaximiseButtonOnly()
    {
        for (const bool buttonMax : {false, true}) {
            m_window->strip.layOut(400, buttonMax, true);
            QSignalSpy doubleClicked(&m_window->strip, &orvex::CaptionStrip::doubleClicked);
            mouse(QTest::MouseDClick, m_window->strip.titleBar(), stripPoint, Qt::LeftButton);
            QCOMPARE(m_window->host.windowState().testFlag(Qt::WindowMaximized), buttonMax);
            QCOMPARE(doubleClicked.count(), 1);
        }
    }

    void dragsOfTheFreeStripMoveTheHost()
    {
        QWidget &host = m_window->host;
        QWidget *titleBar = m_window->strip.titleBar();
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
