// Painting of the caption strip, the caption buttons and the frame, read back
// from the surfaces' images.
#include "propertybag.h"
#include "skin.h"
#include "skintesting.h"
#include "windowshape.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace skintesting;

namespace {

const QRgb startColour = qRgb(128, 128, 128);

// A skin of `size` in one colour.
QImage plainSkin(QSize size, QRgb colour)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

// A host window of 6,000 x 3,990 twips (400 x 266 pixels) carrying a control
// with both caption buttons, attached with `startSkin`. The default start skin
// is plain grey, so the window is not rounded and every piece a test finds
// comes from the skin the test puts in.
struct AttachedControl
{
    explicit AttachedControl(const QImage &startSkin = plainSkin(QSize(207, 52), startColour))
    {
        host.setWindowTitle(QStringLiteral("Painted Host"));
        host.resize(400, 266);
        skin->setParent(&host);
        skin->setMessagePresenter(&messages);
        skin->setButtonMax(true);
        skin->setButtonMin(true);
        skin->setSkin(startSkin);
        skin->Init_Skin(&host);
    }

    QWidget host;
    TestableSkin *skin = new TestableSkin;
    RecordingMessages messages;
};

// A control that is not attached, on a shown parent, so that its resizes are
// delivered at once.
struct DetachedControl
{
    DetachedControl()
    {
        parent.resize(640, 480);
        skin->setParent(&parent);
        skin->setMessagePresenter(&messages);
        parent.show();
    }

    QWidget parent;
    TestableSkin *skin = new TestableSkin;
    RecordingMessages messages;
};

// Puts a picture into the control the way a stored design does: without any
// layout or repaint, so that what the surfaces show next comes from the next
// repaint alone.
void putWithoutRepaint(Skin &skin, const QImage &picture)
{
    orvex::PropertyBag bag;
    bag.writePicture(QStringLiteral("Skin"), picture);
    skin.readProperties(bag);
}

QColor colourAt(const QImage &image, QPoint at)
{
    return QColor(image.pixel(at));
}

} // namespace

class SkinPaintingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void piecesLandInPlace_data();
    void piecesLandInPlace();
    void maximisedHostShowsTheRestoreCellUntilTheNextResize();
    void maximiseButtonInStateTwoSizesTheControlToItsHost();
    void leftCapOnlyWhenRounded_data();
    void leftCapOnlyWhenRounded();
    void stretchedPiecesStayCrisp();
    void maskOnlyForMagentaKeyOnAttachedControl_data();
    void maskOnlyForMagentaKeyOnAttachedControl();
    void roundedStaysAfterASkinWithoutTheKey();
    void menuBarTakesTheBodyColourOnEveryRepaint_data();
    void menuBarTakesTheBodyColourOnEveryRepaint();
    void detachedRepaintSkinLeavesSurfacesUntouched();
    void detachedResizeDrawsFromTheControlsOwnSize();
    void sourcePastTheBitmapDrawsOnlyWhatItHas_data();
    void sourcePastTheBitmapDrawsOnlyWhatItHas();
    void anySkinSizePaints_data();
    void anySkinSizePaints();

private:
    QTemporaryDir m_settings;
};

void SkinPaintingTest::initTestCase()
{
    QVERIFY(m_settings.isValid());
    isolateSettings(m_settings);
}

void SkinPaintingTest::piecesLandInPlace_data()
{
    QTest::addColumn<bool>("onResize");
    QTest::addColumn<bool>("onTitleBar");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    for (const bool onResize : {false, true}) {
        const char *procedure = onResize ? "RepaintOnResize" : "RepaintSkin";
        const auto row = [&](const char *what, bool onTitleBar, QPoint at, QRgb colour) {
            QTest::addRow("%s: %s", procedure, what)
                << onResize << onTitleBar << at << QColor(colour);
        };
        // TitleBar: 400 x 20 pixels; glyphs 13 x 13 at y 6 (90 twips).
        row("caption at the left end", true, QPoint(0, 0), captionMiddle);
        row("caption across the strip", true, QPoint(200, 19), captionMiddle);
        row("caption right of close", true, QPoint(399, 10), captionMiddle);
        row("close glyph top left", true, QPoint(380, 6), closeNormal);
        row("close glyph bottom right", true, QPoint(392, 18), closeNormal);
        row("left of close", true, QPoint(379, 10), captionMiddle);
        row("right of close", true, QPoint(393, 10), captionMiddle);
        row("above close", true, QPoint(386, 5), captionMiddle);
        row("below close", true, QPoint(386, 19), captionMiddle);
        row("maximise glyph top left", true, QPoint(366, 6), maximiseNormal);
        row("maximise glyph bottom right", true, QPoint(378, 18), maximiseNormal);
        row("between minimise and maximise", true, QPoint(365, 10), captionMiddle);
        row("minimise glyph top left", true, QPoint(352, 6), minimiseNormal);
        row("minimise glyph bottom right", true, QPoint(364, 18), minimiseNormal);
        row("left of minimise", true, QPoint(351, 10), captionMiddle);
        // Body: left and right edges 5 pixels, top strip at y 20, bottom at 261.
        row("left edge outer column", false, QPoint(onResize ? 1 : 0, 100), frameLeft);
        row("left edge inner column", false, QPoint(onResize ? 5 : 4, 100), frameLeft);
        row("body right of left edge", false, QPoint(onResize ? 6 : 5, 100), body);
        row("left edge top row", false, QPoint(3, 0), frameLeft);
        row("right edge", false, QPoint(395, 100), frameRight);
        row("body left of right edge", false, QPoint(394, 100), body);
        row("top strip left", false, QPoint(0, 20), frameTop);
        row("top strip right", false, QPoint(399, 24), frameTop);
        row("body below top strip", false, QPoint(200, 25), body);
        row("body behind the caption", false, QPoint(200, 19), body);
        row("bottom edge left", false, QPoint(0, 261), frameBottom);
        row("bottom edge right", false, QPoint(399, 265), frameBottom);
        row("body above bottom edge", false, QPoint(200, 260), body);
        row("body middle", false, QPoint(200, 130), body);
    }
    // The left edge goes to x 10 twips on resize: less than a pixel, rounded to 1.
    QTest::newRow("RepaintOnResize: column 0 left of the left edge")
        << true << false << QPoint(0, 100) << QColor(body);
}

void SkinPaintingTest::piecesLandInPlace()
{
    QFETCH(bool, onResize);
    QFETCH(bool, onTitleBar);
    QFETCH(QPoint, at);
    AttachedControl control;
    QCOMPARE(control.skin->size(), QSize(400, 266));
    if (onResize) {
        putWithoutRepaint(*control.skin, makeSkin(false));
        control.skin->RepaintOnResize();
    } else {
        control.skin->setSkin(makeSkin(false));
    }
    const QImage &image =
        onTitleBar ? control.skin->titleBarSurface().image() : control.skin->bodySurface().image();
    QCOMPARE(image.size(), onTitleBar ? QSize(400, 20) : QSize(400, 266));
    QTEST(colourAt(image, at), "colour");
}

void SkinPaintingTest::maximisedHostShowsTheRestoreCellUntilTheNextResize()
{
    AttachedControl control;
    control.host.setWindowState(Qt::WindowMaximized);
    const QPoint maximiseGlyph(372, 12);
    control.skin->setSkin(makeSkin(false));
    QCOMPARE(colourAt(control.skin->titleBarSurface().image(), maximiseGlyph),
             QColor(restoreNormal));
    control.skin->RepaintOnResize();
    QCOMPARE(colourAt(control.skin->titleBarSurface().image(), maximiseGlyph),
             QColor(maximiseNormal));
}

void SkinPaintingTest::maximiseButtonInStateTwoSizesTheControlToItsHost()
{
    AttachedControl control;
    control.skin->setSkin(makeSkin(false));
    control.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control.host));
    control.skin->resize(300, 200);
    QCOMPARE(control.skin->titleBarSurface().image().width(), 300);

    control.skin->PaintMaxButton(Skin::Maximised);
    QCOMPARE(control.skin->size(), control.host.size());
    const QImage &strip = control.skin->titleBarSurface().image();
    QCOMPARE(strip.width(), control.host.width());
    // The resize repainted the strip, drawing the maximise cell over the restore cell.
    const int maximiseLeft = control.host.width() - 34;
    QCOMPARE(colourAt(strip, QPoint(maximiseLeft + 6, 12)), QColor(maximiseNormal));
}

void SkinPaintingTest::leftCapOnlyWhenRounded_data()
{
    QTest::addColumn<bool>("magentaKey");
    QTest::addColumn<QColor>("leftEnd");
    QTest::newRow("white key: stretched middle only") << false << QColor(captionMiddle);
    QTest::newRow("magenta key: left cap") << true << QColor(captionLeftCap);
}

void SkinPaintingTest::leftCapOnlyWhenRounded()
{
    QFETCH(bool, magentaKey);
    AttachedControl control(makeSkin(magentaKey));
    QCOMPARE(control.skin->isRounded(), magentaKey);
    for (const bool full : {false, true}) {
        if (full)
            control.skin->RepaintSkin();
        const QImage &strip = control.skin->titleBarSurface().image();
        // The cap is 235 twips wide: pixels 0 to 15.
        QTEST(colourAt(strip, QPoint(8, 10)), "leftEnd");
        QTEST(colourAt(strip, QPoint(15, 19)), "leftEnd");
        QCOMPARE(colourAt(strip, QPoint(16, 10)), QColor(captionMiddle));
        QCOMPARE(colourAt(strip, QPoint(0, 0)), QColor(magentaKey ? magenta : captionMiddle));
    }
}

void SkinPaintingTest::stretchedPiecesStayCrisp()
{
    QImage striped = makeSkin(false);
    for (int x = 20; x < 38; ++x) {
        for (int y = 14; y < 43; ++y)
            striped.setPixel(x, y, x % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
    AttachedControl control;
    control.skin->setSkin(striped);
    const QImage &strip = control.skin->titleBarSurface().image();
    QSet<QRgb> colours;
    for (int x = 0; x < 350; ++x)
        colours.insert(rgb(strip.pixel(x, 3)));
    QCOMPARE(colours, (QSet<QRgb>{rgb(qRgb(0, 0, 0)), rgb(qRgb(255, 255, 255))}));
}

void SkinPaintingTest::maskOnlyForMagentaKeyOnAttachedControl_data()
{
    QTest::addColumn<bool>("magentaKey");
    QTest::addColumn<bool>("attached");
    QTest::addColumn<bool>("masked");
    QTest::newRow("magenta, attached") << true << true << true;
    QTest::newRow("magenta, not attached") << true << false << false;
    QTest::newRow("white, attached") << false << true << false;
    QTest::newRow("white, not attached") << false << false << false;
}

void SkinPaintingTest::maskOnlyForMagentaKeyOnAttachedControl()
{
    QFETCH(bool, magentaKey);
    QFETCH(bool, attached);
    QWidget host;
    host.resize(400, 266);
    auto *skin = new TestableSkin;
    skin->setParent(&host);
    skin->setSkin(makeSkin(magentaKey));
    host.show();
    if (attached) {
        skin->Init_Skin(&host);
    } else {
        skin->resize(host.size());
        QCOMPARE(skin->titleBarSurface().image().width(), 400); // laid out
    }
    QFETCH(bool, masked);
    QCOMPARE(skin->isRounded(), masked);
    QCOMPARE(host.mask(), masked ? orvex::windowshape::roundedRegion(6000, 3990) : QRegion());
}

void SkinPaintingTest::roundedStaysAfterASkinWithoutTheKey()
{
    AttachedControl control(makeSkin(true));
    const QRegion rounded = control.host.mask();
    QCOMPARE(rounded, orvex::windowshape::roundedRegion(6000, 3990));

    control.skin->setSkin(makeSkin(false));
    control.host.resize(600, 400);
    control.skin->allocate();
    QCOMPARE(control.skin->size(), QSize(600, 400));
    QVERIFY(control.skin->isRounded());
    QCOMPARE(control.host.mask(), rounded);
    // The region reaches past the grown window: nothing of it is clipped.
    QVERIFY(rounded.contains(QPoint(599, 399)));
    QCOMPARE(colourAt(control.skin->titleBarSurface().image(), QPoint(8, 10)),
             QColor(captionLeftCap));
}

void SkinPaintingTest::menuBarTakesTheBodyColourOnEveryRepaint_data()
{
    QTest::addColumn<QString>("repaint");
    QTest::addColumn<bool>("attached");
    QTest::newRow("RepaintSkin") << "RepaintSkin" << true;
    QTest::newRow("RepaintOnResize, attached") << "RepaintOnResize" << true;
    QTest::newRow("RepaintOnResize, not attached") << "RepaintOnResize" << false;
    QTest::newRow("resize, attached") << "resize" << true;
    QTest::newRow("resize, not attached") << "resize" << false;
}

void SkinPaintingTest::menuBarTakesTheBodyColourOnEveryRepaint()
{
    QFETCH(QString, repaint);
    QFETCH(bool, attached);
    AttachedControl control;
    DetachedControl detached;
    TestableSkin &skin = attached ? *control.skin : *detached.skin;
    const QColor bodyColour(12, 34, 56);
    putWithoutRepaint(skin, makeSkin(false, bodyColour.rgb()));
    QVERIFY(skin.menuBarSurface().backColor() != bodyColour);

    if (repaint == "RepaintSkin") {
        skin.RepaintSkin();
    } else if (repaint == "RepaintOnResize") {
        skin.RepaintOnResize();
    } else if (attached) {
        control.host.resize(500, 300);
        skin.allocate();
    } else {
        skin.resize(500, 300);
        QCOMPARE(skin.titleBarSurface().image().width(), 500); // laid out
    }
    QCOMPARE(skin.GetSkinTheme(), bodyColour);
    QCOMPARE(skin.menuBarSurface().backColor(), bodyColour);
    const QImage &strip = skin.menuBarSurface().image();
    QVERIFY(!strip.isNull());
    QCOMPARE(colourAt(strip, QPoint(0, 0)), bodyColour);
    QCOMPARE(colourAt(strip, QPoint(strip.width() - 1, strip.height() - 1)), bodyColour);
}

void SkinPaintingTest::detachedRepaintSkinLeavesSurfacesUntouched()
{
    DetachedControl detached;
    TestableSkin &skin = *detached.skin;
    skin.resize(400, 266);
    const QImage body = skin.bodySurface().image();
    const QImage strip = skin.titleBarSurface().image();
    const QColor theme = skin.GetSkinTheme();
    skin.setSkin(makeSkin(false));
    skin.RepaintSkin();
    QCOMPARE(skin.bodySurface().image(), body);
    QCOMPARE(skin.titleBarSurface().image(), strip);
    QCOMPARE(skin.GetSkinTheme(), theme);
}

void SkinPaintingTest::detachedResizeDrawsFromTheControlsOwnSize()
{
    DetachedControl detached;
    TestableSkin &skin = *detached.skin;
    skin.setButtonMax(true);
    skin.setSkin(makeSkin(false));
    skin.resize(300, 200);
    const QImage &strip = skin.titleBarSurface().image();
    QCOMPARE(colourAt(strip, QPoint(280 + 6, 12)), QColor(closeNormal));
    QCOMPARE(colourAt(strip, QPoint(266 + 6, 12)), QColor(maximiseNormal));
    QCOMPARE(colourAt(strip, QPoint(252 + 6, 12)), QColor(captionMiddle)); // no minimise
    const QImage &image = skin.bodySurface().image();
    QCOMPARE(colourAt(image, QPoint(1, 100)), QColor(frameLeft));
    QCOMPARE(colourAt(image, QPoint(295, 100)), QColor(frameRight));
    QCOMPARE(colourAt(image, QPoint(150, 20)), QColor(frameTop));
    QCOMPARE(colourAt(image, QPoint(150, 199)), QColor(frameBottom));
    QCOMPARE(colourAt(image, QPoint(150, 100)), QColor(body));
}

void SkinPaintingTest::sourcePastTheBitmapDrawsOnlyWhatItHas_data()
{
    QTest::addColumn<int>("skinWidth");
    // The right edge's source covers pixel columns 200 to 208.
    QTest::newRow("207 wide: two columns missing") << 207;
    QTest::newRow("203 wide: six columns missing") << 203;
}

void SkinPaintingTest::sourcePastTheBitmapDrawsOnlyWhatItHas()
{
    QFETCH(int, skinWidth);
    AttachedControl control;
    control.skin->setSkin(makeSkin(false).copy(0, 0, skinWidth, 52));
    const QImage &image = control.skin->bodySurface().image();
    // The 9 source columns map onto the 5 target columns 395 to 399; only the
    // columns the bitmap has are drawn, in proportion, from the left.
    const int drawn = (5 * (skinWidth - 200) + 8) / 9;
    for (int x = 395; x < 400; ++x) {
        const QColor expected(x < 395 + drawn ? frameRight : body);
        QVERIFY2(colourAt(image, QPoint(x, 100)) == expected, qPrintable(QString::number(x)));
    }
}

void SkinPaintingTest::anySkinSizePaints_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("hasBodyPixel");
    QTest::newRow("1 x 1") << QSize(1, 1) << false;
    QTest::newRow("10 x 10") << QSize(10, 10) << false;
    QTest::newRow("164 x 23: one column short") << QSize(164, 23) << false;
    QTest::newRow("165 x 22: one row short") << QSize(165, 22) << false;
    QTest::newRow("165 x 23: just holds the body pixel") << QSize(165, 23) << true;
    QTest::newRow("odd 99 x 37") << QSize(99, 37) << false;
    QTest::newRow("odd 311 x 77") << QSize(311, 77) << true;
}

void SkinPaintingTest::anySkinSizePaints()
{
    QFETCH(QSize, size);
    QFETCH(bool, hasBodyPixel);
    const QColor before(body);
    const QColor plain(9, 99, 199);
    const QColor expected = hasBodyPixel ? plain : before;

    AttachedControl control;
    control.skin->setSkin(makeSkin(false));
    control.skin->setSkin(plainSkin(size, plain.rgb()));
    QCOMPARE(control.skin->GetSkinTheme(), expected);
    QCOMPARE(colourAt(control.skin->bodySurface().image(), QPoint(200, 130)), expected);
    QCOMPARE(control.skin->menuBarSurface().backColor(), expected);
    QVERIFY(!control.skin->isRounded());
    QVERIFY(control.host.mask().isEmpty());

    DetachedControl detached;
    detached.skin->setSkin(makeSkin(false));
    detached.skin->resize(300, 200);
    detached.skin->setSkin(plainSkin(size, plain.rgb()));
    detached.skin->resize(310, 210);
    QCOMPARE(detached.skin->GetSkinTheme(), expected);
    QCOMPARE(colourAt(detached.skin->bodySurface().image(), QPoint(150, 100)), expected);
}

QTEST_MAIN(SkinPaintingTest)
#include "tst_skinpainting.moc"
