#include "core/frame/borderzone.h"
#include "core/frame/captionbuttonlooks.h"
#include "core/frame/resizegesture.h"
#include "core/frame/skinpainter.h"
#include "core/frame/twips.h"
#include "core/frame/windowshape.h"

#include <QTest>

using namespace orvex;
using borderzone::PointerShape;
using enum borderzone::PointerShape;
using enum framelayout::CaptionButton;
using enum CaptionButtonLooks::Look;
using Repaint = CaptionButtonLooks::Repaint;
using Action = ResizeGesture::MoveAction;
using Hit = std::optional<framelayout::CaptionButton>;

namespace {

const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255),
           black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);

// An image `width` pixels wide holding `colours`, row after row.
QImage pixels(int width, const QList<QRgb> &colours, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, int(colours.size()) / width, format);
    for (int i = 0; i < colours.size(); ++i)
        image.setPixel(i % width, i / width, colours[i]);
    return image;
}

QList<QRgb> firstRow(const QImage &image)
{
    const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(0));
    return QList(row, row + image.width());
}

} // namespace

class FrameTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void twipsRoundEachEdgeHalvesUp()
    {
        QVERIFY(twips::toPixelEdge(7.5) == 1 && twips::toPixelEdge(-7.5) == 0);
        // Edges 7 and 14 round to pixels 0 and 1, though 7 twips alone round to 0.
        QCOMPARE(twips::toPixelRect(QRectF(7, 8, 7, 7)), QRect(0, 1, 1, 0));
    }

    void buttonsAreHitInsideTheirSpansOnly_data()
    {
        QTest::addColumn<bool>("buttonMax");
        QTest::addColumn<bool>("buttonMin");
        QTest::addColumn<QList<double>>("span"); // its ends, where nothing is hit
        QTest::addColumn<Hit>("button");
        QTest::newRow("close") << true << true << QList{5700.0, 5895.0} << Hit(Close);
        QTest::newRow("minimise, before maximise")
            << true << true << QList{5280.0, 5520.0} << Hit(Minimise);
        QTest::newRow("minimise in maximise's place")
            << false << true << QList{5490.0, 5670.0} << Hit(Minimise);
        QTest::newRow("both switched off") << false << false << QList{5280.0, 5670.0} << Hit();
    }

    void buttonsAreHitInsideTheirSpansOnly()
    {
        QFETCH(bool, buttonMax);
        QFETCH(bool, buttonMin);
        QFETCH(QList<double>, span);
        QFETCH(Hit, button);
        const auto hit = [&](double x) {
            return framelayout::hitButton(framelayout::buttonSpans(6000, buttonMax, buttonMin), x);
        };
        QVERIFY(hit(span[0] + 0.5) == button && hit(span[1] - 0.5) == button);
        QVERIFY(!button || (hit(span[0]) != button && hit(span[1]) != button));
    }

    void edgeZonesAndPointerShapes_data()
    {
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<bool>("inZone");
        QTest::addColumn<PointerShape>("shape");
        QTest::newRow("on width - 200") << QPointF(5800, 2000) << false << Arrow;
        QTest::newRow("right edge in the top band") << QPointF(5900, 400) << true << Arrow;
        QTest::newRow("right edge below the band") << QPointF(5900, 401) << true << SizeHorizontal;
        QTest::newRow("bottom edge") << QPointF(3000, 3801) << true << SizeVertical;
        QTest::newRow("corner") << QPointF(5801, 3801) << true << SizeDiagonal;
    }

    void edgeZonesAndPointerShapes()
    {
        QFETCH(QPointF, at);
        QTEST(borderzone::inEdgeZone(at.x(), at.y(), 6000, 4000), "inZone");
        QTEST(borderzone::pointerShape(at.x(), at.y(), 6000, 4000), "shape");
    }

    void captionButtonLooks()
    {
        CaptionButtonLooks looks;
        const auto shown = [&] {
            return Repaint{looks.look(Close), looks.look(Minimise), looks.look(Maximise)};
        };
        QCOMPARE(looks.moveOver(Minimise), (Repaint{Plain, Hover, Plain}));
        QCOMPARE(looks.moveOver(std::nullopt), (Repaint{Plain, {}, {}}));
        QCOMPARE(shown(), (Repaint{Plain, Hover, Plain}));
        QCOMPARE(looks.press(Minimise), (Repaint{{}, Plain, {}}));
        QCOMPARE(looks.look(Minimise), Plain);
        QCOMPARE(looks.moveOver(Close), (Repaint{Hover, Plain, Plain}));
        QCOMPARE(shown(), (Repaint{Hover, Plain, Plain}));
        QCOMPARE(looks.moveOver(Maximise), (Repaint{Plain, Plain, Hover}));
        QVERIFY(looks.press(Maximise) == Repaint{} && looks.press(Close) == Repaint{});
        QCOMPARE(shown(), (Repaint{Plain, Plain, Hover}));
        QCOMPARE(looks.reset(), (Repaint{Plain, Plain, Plain}));
        QCOMPARE(shown(), (Repaint{Plain, Plain, Plain}));
    }

    void resizeGesture()
    {
        const auto target = [](PointerShape shape, double x, double y) {
            const borderzone::ResizeTarget target = borderzone::resizeTarget(shape, x, y);
            return QSizeF(target.width, target.height); // -1 leaves that dimension alone
        };
        QCOMPARE(target(SizeDiagonal, 3749, 3269), QSizeF(3750, 3270)); // the minimum size
        QCOMPARE(target(SizeHorizontal, 3000, 9000), QSizeF(3750, -1));
        QCOMPARE(target(SizeVertical, 8000, 3000), QSizeF(-1, 3270));
        QCOMPARE(target(Arrow, 8000, 9000), QSizeF(-1, -1));

        ResizeGesture gesture;
        const auto move = [&](int buttons, double x, double y, bool maximised, bool attached) {
            return gesture.move(buttons, x, y, 6000, 4000, maximised, attached);
        };
        QCOMPARE(move(1, 3000, 2000, false, true), Action::DragWindow);
        QCOMPARE(move(1, 3000, 2000, true, true), Action::None);
        QCOMPARE(move(1, 3000, 2000, false, false), Action::None);
        QCOMPARE(move(3, 5801, 2000, false, true), Action::Hover); // left and right: no resize
        // A press in the zone resizes with the shape from before it, a drag off it too.
        QCOMPARE(move(1, 5900, 3900, false, true), Action::None);
        QCOMPARE(move(1, 3000, 2000, false, true), Action::None);
        const auto release = gesture.release(7000, 5000, false);
        QVERIFY(release.ended && release.target && gesture.shape() == Arrow);
        QCOMPARE(QSizeF(release.target->width, release.target->height), QSizeF(7000, -1));
        QVERIFY(!gesture.isResizing() && !gesture.release(7000, 5000, false).ended);
        move(1, 5900, 3900, true, true);
        QVERIFY(!gesture.release(7000, 5000, true).target);
    }

    // Stretched without smoothing, copied rather than blended, and a source past
    // the bitmap leaves that part of the destination as it was.
    void copyPieceStretchesAndCopies()
    {
        QImage target(8, 1, QImage::Format_ARGB32);
        target.fill(Qt::white);
        skinpainter::copyPiece(target, pixels(3, {0, red, blue}, QImage::Format_ARGB32),
                               QRectF(0, 0, 120, 15), QRectF(0, 0, 60, 15));
        QCOMPARE(firstRow(target), (QList<QRgb>{0, 0, red, red, blue, blue, white, white}));
    }

    void copiesFromThePictureForTheDensity_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<bool>("doubled"); // a doubled drawing is there
        QTest::addColumn<QList<QRgb>>("row");
        QTest::newRow("ratio 1: the picture") << 1.0 << true << QList<QRgb>{red, blue};
        QTest::newRow("ratio 2: the doubled one, pixel for pixel")
            << 2.0 << true << QList<QRgb>{red, green, blue, black};
        QTest::newRow("ratio 2 without it: the picture, each pixel twice")
            << 2.0 << false << QList<QRgb>{red, red, blue, blue};
    }

    void copiesFromThePictureForTheDensity()
    {
        QFETCH(qreal, ratio);
        QFETCH(bool, doubled);
        QImage target(QSize(2, 1) * ratio, QImage::Format_RGB32);
        target.setDevicePixelRatio(ratio);
        const QImage twice = pixels(4, {red, green, blue, black, red, green, blue, black});
        skinpainter::copyPiece(target, {pixels(2, {red, blue}), doubled ? twice : QImage()},
                               QRectF(0, 0, 30, 15), QRectF(0, 0, 30, 15));
        QTEST(firstRow(target), "row");
    }

    // Between the two, the doubled drawing is scaled down with smoothing.
    void smoothsAtOtherDensities()
    {
        QImage target(3, 3, QImage::Format_RGB32);
        target.setDevicePixelRatio(1.5);
        skinpainter::copyPiece(target,
                               {pixels(1, {white}), pixels(2, {black, white, black, white})},
                               QRectF(0, 0, 30, 30), QRectF(0, 0, 15, 15));
        const int grey = qRed(target.pixel(1, 1));
        QVERIFY2(grey > 0 && grey < 255, qPrintable(QString::number(grey)));
    }

    void bodyColourIsPixel164By22()
    {
        QImage skin(165, 23, QImage::Format_RGB32);
        skin.setPixel(164, 22, qRgb(10, 20, 30));
        QCOMPARE(skinpainter::bodyColour(skin), QColor(10, 20, 30));
        QVERIFY(!skinpainter::bodyColour(skin.copy(0, 0, 164, 23)));
    }

    void windowShape()
    {
        QImage skin(1, 15, QImage::Format_ARGB32);
        skin.setPixel(0, 14, qRgba(255, 0, 255, 10)); // alpha does not count
        QVERIFY(windowshape::wantsRoundedWindow(skin));
        QVERIFY(!windowshape::wantsRoundedWindow(skin.copy(0, 0, 1, 14))); // no key pixel
        skin.setPixel(0, 14, qRgb(255, 1, 255));
        QVERIFY(!windowshape::wantsRoundedWindow(skin));
        // Only the top-left corner of a 400 x 200 window is rounded, its first two columns cut.
        const QRegion region = windowshape::roundedRegion(6000, 3000);
        QCOMPARE(region.boundingRect(), QRect(QPoint(2, 0), QPoint(5999, 2999)));
        // The corner pinned on both sides of its curve; the other three lie outside the window.
        QVERIFY(!region.contains(QPoint(8, 0)));
        for (const QPoint point : {QPoint(2, 100), QPoint(9, 0), QPoint(2, 7), QPoint(399, 199)})
            QVERIFY(region.contains(point));
    }
};

QTEST_GUILESS_MAIN(FrameTest)
#include "tst_frame.moc"
