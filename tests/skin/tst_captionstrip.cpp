// The caption strip on its own, over a plain control attached to a shown host:
// hover, presses, double-clicks, and drags moving the host. The rules are core's.
#include "skin/captionstrip_p.h"
#include "skin/hostattachment_p.h"
#include "skin/surface_p.h"
#include "skinhost.h"

#include <QLabel>
#include <QSignalSpy>

using namespace skinhost;

namespace {

// A shown borderless 400 x 300 host at (40, 30), a plain widget as the control.
struct StripHost
{
    explicit StripHost(bool buttonMax = true)
    {
        host.setGeometry(40, 30, 400, 300);
        control->resize(host.size());
        attachment.attach(&host);
        attachment.makeBorderless();
        strip.layOut(400, buttonMax, true);
        strip.repaintOnResize(false);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
    }

    QRgb cellAt(int x) const { return at(strip.titleBar()->surface().image(), x, 12); }

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

private Q_SLOTS:
    void buttonUnderThePointerLightsUp()
    {
        StripHost window;
        QWidget *titleBar = window.strip.titleBar();
        mouse(QTest::MouseMove, titleBar, closePoint);
        QCOMPARE(at(titleBar->grab().toImage(), 386, 12), closeHover); // painted on the screen
        mouse(QTest::MouseMove, titleBar, minimisePoint);
        QCOMPARE(window.cellAt(386), closeNormal);
        QCOMPARE(window.cellAt(358), minimiseHover);
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
        StripHost window;
        mouse(QTest::MousePress, window.strip.titleBar(), point, button);
        QTEST(window.host.isVisible(), "shown");
        QTEST(window.host.windowState().testFlag(Qt::WindowMinimized), "minimised");
        mouse(QTest::MouseRelease, window.strip.titleBar(), point, button);
    }

    void doubleClickMaximisesWithTheMaximiseButtonOnly()
    {
        for (const bool buttonMax : {true, false}) {
            StripHost window(buttonMax);
            QSignalSpy doubleClicked(&window.strip, &orvex::CaptionStrip::doubleClicked);
            mouse(QTest::MouseDClick, window.strip.titleBar(), stripPoint, Qt::LeftButton);
            QCOMPARE(window.host.windowState().testFlag(Qt::WindowMaximized), buttonMax);
            QCOMPARE(doubleClicked.count(), 1);
        }
    }

    void dragsOfTheFreeStripMoveTheHost()
    {
        StripHost window;
        drag(window.strip.titleBar(), stripPoint, stripPoint + QPoint(37, 23));
        QCOMPARE(window.host.pos(), QPoint(77, 53));
        // The caption text moves the host as the strip does, at its own x.
        QLabel *capLabel = window.strip.titleBar()->findChild<QLabel *>(QStringLiteral("CapLabel"));
        drag(capLabel, QPoint(2, 2), QPoint(12, 2));
        QCOMPARE(window.host.pos(), QPoint(87, 53));
        // Over the close button the strip lights it instead.
        drag(window.strip.titleBar(), closePoint, closePoint + QPoint(-1, 5));
        QCOMPARE(window.host.pos(), QPoint(87, 53));

        window.host.setWindowState(Qt::WindowMaximized);
        const QPoint maximisedAt = window.host.pos();
        drag(window.strip.titleBar(), stripPoint, stripPoint + QPoint(37, 23));
        QCOMPARE(window.host.pos(), maximisedAt);
    }
};

QTEST_MAIN(CaptionStripTest)
#include "tst_captionstrip.moc"
