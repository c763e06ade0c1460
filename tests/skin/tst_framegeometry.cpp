#include "borderzone.h"
#include "framelayout.h"
#include "twips.h"
#include "windowshape.h"

#include <QTest>

using namespace orvex;
using framelayout::ButtonSpan;
using framelayout::CaptionButton;

Q_DECLARE_METATYPE(orvex::framelayout::ButtonSpan)

class FrameGeometryTest : public QObject
{
    Q_OBJECT

private slots:
    void spansFollowTheButtonOptions_data();
    void spansFollowTheButtonOptions();
    void hitTestExcludesSpanEnds_data();
    void hitTestExcludesSpanEnds();
    void pointerShapes_data();
    void pointerShapes();
    void resizeTargets_data();
    void resizeTargets();
    void roundedRegionCutsOnlyTheTopLeft();
    void keyPixelMustBeMagenta_data();
    void keyPixelMustBeMagenta();
    void twipRectanglesRoundEachEdge_data();
    void twipRectanglesRoundEachEdge();
};

void FrameGeometryTest::spansFollowTheButtonOptions_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("buttonMax");
    QTest::addColumn<bool>("buttonMin");
    QTest::addColumn<ButtonSpan>("close");
    QTest::addColumn<ButtonSpan>("maximise");
    QTest::addColumn<ButtonSpan>("minimise");
    QTest::newRow("both") << 6000 << true << true << ButtonSpan{5700, 5895}
                          << ButtonSpan{5490, 5670} << ButtonSpan{5280, 5520};
    QTest::newRow("maximise off") << 6000 << false << true << ButtonSpan{5700, 5895} << ButtonSpan{}
                                  << ButtonSpan{5490, 5670};
    QTest::newRow("minimise off") << 6000 << true << false << ButtonSpan{5700, 5895}
                                  << ButtonSpan{5490, 5670} << ButtonSpan{};
    QTest::newRow("both off") << 6000 << false << false << ButtonSpan{5700, 5895} << ButtonSpan{}
                              << ButtonSpan{};
    QTest::newRow("4K maximised") << 57600 << true << true << ButtonSpan{57300, 57495}
                                  << ButtonSpan{57090, 57270} << ButtonSpan{56880, 57120};
}

void FrameGeometryTest::spansFollowTheButtonOptions()
{
    QFETCH(int, width);
    QFETCH(bool, buttonMax);
    QFETCH(bool, buttonMin);
    const framelayout::ButtonSpans spans = framelayout::buttonSpans(width, buttonMax, buttonMin);
    QTEST(spans.close, "close");
    QTEST(spans.maximise, "maximise");
    QTEST(spans.minimise, "minimise");
}

void FrameGeometryTest::hitTestExcludesSpanEnds_data()
{
    QTest::addColumn<bool>("buttonMax");
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("hit"); // -1 none, else CaptionButton
    const int none = -1;
    const int close = int(CaptionButton::Close);
    const int minimise = int(CaptionButton::Minimise);
    const int maximise = int(CaptionButton::Maximise);
    QTest::newRow("close left end") << true << 5700.0 << none;
    QTest::newRow("close inside") << true << 5701.0 << close;
    QTest::newRow("close right end") << true << 5895.0 << none;
    QTest::newRow("close just inside right") << true << 5894.9 << close;
    QTest::newRow("minimise and maximise overlap") << true << 5500.0 << minimise;
    QTest::newRow("maximise past minimise") << true << 5520.0 << maximise;
    QTest::newRow("maximise right end") << true << 5670.0 << none;
    QTest::newRow("minimise left end") << true << 5280.0 << none;
    QTest::newRow("minimise inside") << true << 5281.0 << minimise;
    QTest::newRow("gap between maximise and close") << true << 5690.0 << none;
    QTest::newRow("no maximise: old minimise span") << false << 5300.0 << none;
    QTest::newRow("no maximise: minimise moved") << false << 5600.0 << minimise;
}

void FrameGeometryTest::hitTestExcludesSpanEnds()
{
    QFETCH(bool, buttonMax);
    QFETCH(double, x);
    QFETCH(int, hit);
    const auto result = framelayout::hitButton(framelayout::buttonSpans(6000, buttonMax, true), x);
    QCOMPARE(result ? int(*result) : -1, hit);
}

void FrameGeometryTest::pointerShapes_data()
{
    using borderzone::PointerShape;
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("shape");
    // Control 6000 x 4000 twips: zones start past 5800 and 3800.
    QTest::newRow("corner") << 5900.0 << 3900.0 << int(PointerShape::SizeDiagonal);
    QTest::newRow("right edge") << 5900.0 << 2000.0 << int(PointerShape::SizeHorizontal);
    QTest::newRow("right edge in top band") << 5900.0 << 400.0 << int(PointerShape::Arrow);
    QTest::newRow("right edge below top band")
        << 5900.0 << 401.0 << int(PointerShape::SizeHorizontal);
    QTest::newRow("bottom edge") << 3000.0 << 3900.0 << int(PointerShape::SizeVertical);
    QTest::newRow("exactly W - 200") << 5800.0 << 2000.0 << int(PointerShape::Arrow);
    QTest::newRow("exactly H - 200") << 3000.0 << 3800.0 << int(PointerShape::Arrow);
    QTest::newRow("right edge at H - 200") << 5900.0 << 3800.0 << int(PointerShape::Arrow);
    QTest::newRow("bottom at W - 200") << 5800.0 << 3900.0 << int(PointerShape::Arrow);
    QTest::newRow("body") << 3000.0 << 2000.0 << int(PointerShape::Arrow);
}

void FrameGeometryTest::pointerShapes()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QTEST(int(borderzone::pointerShape(x, y, 6000, 4000)), "shape");
}

void FrameGeometryTest::resizeTargets_data()
{
    using borderzone::PointerShape;
    QTest::addColumn<int>("shape");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::newRow("corner") << int(PointerShape::SizeDiagonal) << 7000.0 << 5000.0 << 7000.0
                            << 5000.0;
    QTest::newRow("corner to minimum")
        << int(PointerShape::SizeDiagonal) << 1000.0 << 500.0 << 3750.0 << 3270.0;
    QTest::newRow("right edge") << int(PointerShape::SizeHorizontal) << 8000.0 << 9000.0 << 8000.0
                                << -1.0;
    QTest::newRow("bottom edge") << int(PointerShape::SizeVertical) << 8000.0 << 500.0 << -1.0
                                 << 3270.0;
    QTest::newRow("arrow") << int(PointerShape::Arrow) << 8000.0 << 9000.0 << -1.0 << -1.0;
}

void FrameGeometryTest::resizeTargets()
{
    QFETCH(int, shape);
    QFETCH(double, x);
    QFETCH(double, y);
    const auto target = borderzone::resizeTarget(borderzone::PointerShape(shape), x, y);
    QTEST(target.width, "width");
    QTEST(target.height, "height");
}

void FrameGeometryTest::roundedRegionCutsOnlyTheTopLeft()
{
    // A 400 x 200 pixel window: its control is 6000 x 3000 twips.
    const QRegion region = windowshape::roundedRegion(6000, 3000);
    QVERIFY(!region.contains(QPoint(0, 100)));
    QVERIFY(!region.contains(QPoint(1, 100)));
    QVERIFY(region.contains(QPoint(2, 100)));
    QVERIFY(!region.contains(QPoint(2, 0))); // rounded corner
    QVERIFY(!region.contains(QPoint(3, 1)));
    QVERIFY(region.contains(QPoint(9, 0))); // past the 7-pixel radius
    QVERIFY(region.contains(QPoint(2, 7)));
    QVERIFY(region.contains(QPoint(399, 0))); // other corners stay square
    QVERIFY(region.contains(QPoint(399, 199)));
    QVERIFY(region.contains(QPoint(2, 199)));
    QVERIFY(region.contains(QPoint(5000, 2000))); // far corner beyond the window
}

void FrameGeometryTest::keyPixelMustBeMagenta_data()
{
    QTest::addColumn<QImage>("skin");
    QTest::addColumn<bool>("rounded");
    QImage magenta(20, 20, QImage::Format_RGB32);
    magenta.fill(Qt::white);
    magenta.setPixel(0, 14, qRgb(255, 0, 255));
    QImage translucentMagenta(20, 20, QImage::Format_ARGB32);
    translucentMagenta.fill(Qt::white);
    translucentMagenta.setPixel(0, 14, qRgba(255, 0, 255, 10));
    QImage nearMagenta = magenta.copy();
    nearMagenta.setPixel(0, 14, qRgb(254, 0, 255));
    QImage white(20, 20, QImage::Format_RGB32);
    white.fill(Qt::white);
    QTest::newRow("magenta") << magenta << true;
    QTest::newRow("magenta with any alpha") << translucentMagenta << true;
    QTest::newRow("almost magenta") << nearMagenta << false;
    QTest::newRow("white") << white << false;
    QTest::newRow("too small to have the pixel") << QImage(5, 5, QImage::Format_RGB32) << false;
    QTest::newRow("null") << QImage() << false;
}

void FrameGeometryTest::keyPixelMustBeMagenta()
{
    QFETCH(QImage, skin);
    QTEST(windowshape::wantsRoundedWindow(skin), "rounded");
}

void FrameGeometryTest::twipRectanglesRoundEachEdge_data()
{
    QTest::addColumn<QRectF>("twipsRect");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("whole pixels") << QRectF(300, 90, 195, 195) << QRect(20, 6, 13, 13);
    QTest::newRow("frame left edge on resize") << QRectF(10, 0, 75, 3990) << QRect(1, 0, 5, 266);
    QTest::newRow("caption cap") << QRectF(0, 0, 235, 375) << QRect(0, 0, 16, 25);
    QTest::newRow("halves go up") << QRectF(7.5, 0, 15, 15) << QRect(1, 0, 1, 1);
    QTest::newRow("menu strip") << QRectF(90, 400, 5830, 240) << QRect(6, 27, 389, 16);
}

void FrameGeometryTest::twipRectanglesRoundEachEdge()
{
    QFETCH(QRectF, twipsRect);
    QTEST(twips::toPixelRect(twipsRect), "pixels");
}

QTEST_GUILESS_MAIN(FrameGeometryTest)
#include "tst_framegeometry.moc"
