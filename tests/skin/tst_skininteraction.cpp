// Mouse behaviour of the control, driven with synthesised mouse events that Qt
// routes as it routes real ones: caption-button looks and actions, moving,
// maximising, border resizing and the events raised to the host.
#include "skin.h"
#include "skintesting.h"
#include "twips.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

using namespace skintesting;
using orvex::framelayout::ButtonSpan;

namespace {

constexpr int cellMiddle = 97;    // twips from a button's left end to its middle
constexpr int buttonMiddleY = 12; // pixels: 90 + 97 twips down the strip
const QSize normalSize(400, 300); // 6000 x 4500 twips

// A shown host window carrying an attached control with the test skin; close
// and minimise always, maximise as asked.
struct SkinnedWindow
{
    explicit SkinnedWindow(bool buttonMax = true,
                           const QString &title = QStringLiteral("Interaction Host"),
                           QSize size = normalSize)
    {
        host.setWindowTitle(title);
        host.resize(size);
        host.move(40, 30);
        skin->setMessagePresenter(&messages);
        skin->setSkin(makeSkin(false));
        skin->setButtonMin(true);
        skin->setButtonMax(buttonMax);
        skin->Init_Skin(&host);
        host.show();
    }

    QWidget *titleBar() const { return skin->findChild<QWidget *>(QStringLiteral("TitleBar")); }
    QLabel *capLabel() const { return skin->findChild<QLabel *>(QStringLiteral("CapLabel")); }

    RecordingMessages messages;
    QWidget host;
    Skin *skin = new Skin(&host);
};

// Sends a mouse action through the window system at `pos` in `widget`'s
// coordinates, so that Qt picks the receiver, grabs and synthesises
// double-clicks as it does for a real pointer.
void mouse(QTest::MouseAction action, QWidget *widget, QPoint pos,
           Qt::MouseButton button = Qt::NoButton, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *window = widget->window();
    QTest::mouseEvent(action, window->windowHandle(), button, modifiers,
                      widget->mapTo(window, pos));
}

// A pointer move with `held` buttons, delivered straight to `target` at a
// position that may lie between pixels.
void sendMove(QWidget *target, QPointF pos, Qt::MouseButtons held = Qt::NoButton)
{
    QMouseEvent move(QEvent::MouseMove, pos, target->mapToGlobal(pos), Qt::NoButton, held,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

// A left-button drag through the window system, given in global coordinates
// so that it stays a drag while the window moves under it.
void dragGlobally(QWidget *window, QPoint from, QPoint by, Qt::MouseButton button)
{
    QWindow *handle = window->windowHandle();
    mouse(QTest::MouseMove, window, window->mapFromGlobal(from));
    QTest::mousePress(handle, button, {}, window->mapFromGlobal(from));
    constexpr int steps = 4;
    for (int step = 1; step <= steps; ++step)
        QTest::mouseMove(handle, window->mapFromGlobal(from + by * step / steps));
    QTest::mouseRelease(handle, button, {}, window->mapFromGlobal(from + by));
}

// The look a caption button shows, read from the middle of its cell.
QString lookOf(const Skin &skin, const ButtonSpan &span)
{
    if (!span.present())
        return QStringLiteral("absent");
    static const QHash<QRgb, QString> names = {
        {closeNormal, QStringLiteral("close")},     {closeHover, QStringLiteral("close hover")},
        {minimiseNormal, QStringLiteral("min")},    {minimiseHover, QStringLiteral("min hover")},
        {maximiseNormal, QStringLiteral("max")},    {maximiseHover, QStringLiteral("max hover")},
        {restoreNormal, QStringLiteral("restore")}, {restoreHover, QStringLiteral("restore hover")},
    };
    const QRgb colour = at(skin.titleBarSurface().image(),
                           orvex::twips::toPixelEdge(span.left + cellMiddle), buttonMiddleY);
    return names.value(colour, QStringLiteral("#%1").arg(colour, 6, 16, QLatin1Char('0')));
}

// Looks of close, minimise and maximise, in that order.
QStringList looks(const Skin &skin)
{
    const auto &spans = skin.buttonSpans();
    return {lookOf(skin, spans.close), lookOf(skin, spans.minimise), lookOf(skin, spans.maximise)};
}

// A point on the caption strip, in its pixels, named as the tests name them.
QPoint stripPoint(const SkinnedWindow &window, const QString &where)
{
    const auto &spans = window.skin->buttonSpans();
    auto pixel = [](double twips) {
        return QPoint(orvex::twips::toPixelEdge(twips), 10);
    };
    if (where == QLatin1String("close"))
        return pixel((spans.close.left + spans.close.right) / 2.0);
    if (where == QLatin1String("min") && spans.maximise.present())
        return pixel((spans.minimise.left + spans.maximise.left) / 2.0); // left of the overlap
    if (where == QLatin1String("min"))
        return pixel((spans.minimise.left + spans.minimise.right) / 2.0);
    if (where == QLatin1String("max"))
        return pixel((spans.minimise.right + spans.maximise.right) / 2.0); // right of the overlap
    return QPoint(window.titleBar()->width() / 2, 10);
}

// Moves the pointer (no button held) to a named place: a caption button, the
// empty strip, the caption text, the control's body, or out of the window.
void pointTo(SkinnedWindow &window, const QString &where)
{
    if (where == QLatin1String("body")) {
        mouse(QTest::MouseMove, window.skin, QPoint(200, 150));
    } else if (where == QLatin1String("caption text")) {
        mouse(QTest::MouseMove, window.capLabel(), QPoint(3, 3));
    } else if (where == QLatin1String("leave")) {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(window.titleBar(), &leave);
        QApplication::sendEvent(window.skin, &leave);
    } else {
        const QPoint at = stripPoint(window, where);
        QVERIFY2(!window.titleBar()->childAt(at), qPrintable(where));
        mouse(QTest::MouseMove, window.titleBar(), at);
    }
}

bool waitForMaximised(SkinnedWindow &window)
{
    window.host.setWindowState(Qt::WindowMaximized);
    return QTest::qWaitFor([&] {
        return window.host.size() != normalSize && window.skin->size() == window.host.size();
    });
}

} // namespace

class SkinInteractionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void hitTestExcludesSpanEnds_data();
    void hitTestExcludesSpanEnds();
    void hoverLooksFollowThePointer_data();
    void hoverLooksFollowThePointer();
    void captionTextCoordinatesGetNoOffset();
    void pressActsWithAnyButton_data();
    void pressActsWithAnyButton();
    void maximiseAndRestoreByPress();
    void doubleClick_data();
    void doubleClick();
    void doubleClickBeforeAttachChangesNoState();
    void dragMovesTheHostByTheDrag_data();
    void dragMovesTheHostByTheDrag();
    void maximisedHostNeverMoves_data();
    void maximisedHostNeverMoves();
    void dragBeforeAttachMovesNothing();
    void pointerShapesOnTheBody_data();
    void pointerShapesOnTheBody();
    void resizeOnRelease_data();
    void resizeOnRelease();
    void mouseDownReachesTheHost_data();
    void mouseDownReachesTheHost();
    void mouseMoveReachesTheHost_data();
    void mouseMoveReachesTheHost();
    void childrenKeepTheirMouseEvents_data();
    void childrenKeepTheirMouseEvents();

private:
    QTemporaryDir m_settings;
};

void SkinInteractionTest::initTestCase()
{
    QVERIFY(m_settings.isValid());
    isolateSettings(m_settings);
}

void SkinInteractionTest::hitTestExcludesSpanEnds_data()
{
    QTest::addColumn<bool>("buttonMax");
    QTest::addColumn<double>("x");
    QTest::addColumn<QStringList>("looks");
    const QStringList none = {"close", "min", "max"};
    const QStringList close = {"close hover", "min", "max"};
    const QStringList min = {"close", "min hover", "max"};
    const QStringList max = {"close", "min", "max hover"};
    // A 400-pixel strip is 6000 twips: close 5700-5895, minimise 5280-5520,
    // maximise 5490-5670.
    const struct
    {
        double x;
        QStringList looks;
    } withMax[] = {{5279, none},  {5280, none}, {5281, min},  {5489, min},  {5490, min},
                   {5491, min},   {5519, min},  {5520, max},  {5521, max},  {5669, max},
                   {5670, none},  {5671, none}, {5699, none}, {5700, none}, {5701, close},
                   {5894, close}, {5895, none}, {5896, none}};
    for (const auto &row : withMax)
        QTest::addRow("maximise on, x %g", row.x) << true << row.x << row.looks;
    // Without maximise the minimise button takes 5490-5670.
    const QStringList noneAlone = {"close", "min", "absent"};
    const QStringList minAlone = {"close", "min hover", "absent"};
    const struct
    {
        double x;
        QStringList looks;
    } withoutMax[] = {
        {5300, noneAlone}, {5489, noneAlone}, {5490, noneAlone},
        {5491, minAlone},  {5669, minAlone},  {5670, noneAlone},
        {5671, noneAlone}, {5700, noneAlone}, {5701, QStringList{"close hover", "min", "absent"}}};
    for (const auto &row : withoutMax)
        QTest::addRow("maximise off, x %g", row.x) << false << row.x << row.looks;
}

void SkinInteractionTest::hitTestExcludesSpanEnds()
{
    QFETCH(bool, buttonMax);
    QFETCH(double, x);
    SkinnedWindow window(buttonMax);
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));
    sendMove(window.titleBar(), QPointF(x / orvex::twips::perPixel, 10));
    QTEST(looks(*window.skin), "looks");
    QCOMPARE(window.host.pos(), QPoint(40, 30));
}

void SkinInteractionTest::hoverLooksFollowThePointer_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<QStringList>("looks");
    const auto row = [](const char *name, const QStringList &path, const QStringList &looks,
                        bool maximised = false) {
        QTest::newRow(name) << path << maximised << looks;
    };
    row("onto close", {"close"}, {"close hover", "min", "max"});
    row("onto minimise", {"min"}, {"close", "min hover", "max"});
    row("onto maximise", {"max"}, {"close", "min", "max hover"});
    row("onto restore", {"max"}, {"close", "min", "restore hover"}, true);
    row("close to minimise", {"close", "min"}, {"close", "min hover", "max"});
    row("minimise to close", {"min", "close"}, {"close hover", "min", "max"});
    row("maximise to minimise", {"max", "min"}, {"close", "min hover", "max"});
    row("minimise to maximise", {"min", "max"}, {"close", "min", "max hover"});
    row("close to the strip", {"close", "strip"}, {"close", "min", "max"});
    row("minimise to the strip", {"min", "strip"}, {"close", "min hover", "max"});
    row("maximise to the strip", {"max", "strip"}, {"close", "min", "max hover"});
    row("maximise to the caption text", {"max", "caption text"}, {"close", "min", "max hover"});
    row("minimise out of the window", {"min", "leave"}, {"close", "min hover", "max"});
    row("maximise onto the body", {"max", "body"}, {"close", "min", "max"});
    row("close onto the body", {"close", "body"}, {"close", "min", "max"});
    row("restore onto the body", {"max", "body"}, {"close", "min", "restore"}, true);
}

void SkinInteractionTest::hoverLooksFollowThePointer()
{
    QFETCH(QStringList, path);
    QFETCH(bool, maximised);
    SkinnedWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));
    if (maximised)
        QVERIFY(waitForMaximised(window));
    for (const QString &where : path)
        pointTo(window, where);
    QTEST(looks(*window.skin), "looks");
    QVERIFY(window.messages.shown.isEmpty());
}

void SkinInteractionTest::captionTextCoordinatesGetNoOffset()
{
    // A narrow window with a long caption: the caption text reaches over the
    // close button (2100-2295 twips, pixels 140-153 of the strip).
    SkinnedWindow window(false, QStringLiteral("A caption long enough to cover the buttons"),
                         QSize(160, 250));
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));
    QLabel *text = window.capLabel();
    QCOMPARE(text->x(), 8);
    QVERIFY2(text->width() > 150, "the caption must reach past the close button");

    // Pixel 146 of the text is pixel 154 of the strip, past the close button;
    // the text's own position is what counts.
    mouse(QTest::MouseMove, text, QPoint(146, 3));
    QCOMPARE(looks(*window.skin), (QStringList{"close hover", "min", "absent"}));
    mouse(QTest::MouseMove, text, QPoint(130, 3));
    QCOMPARE(looks(*window.skin), (QStringList{"close", "min hover", "absent"}));
    mouse(QTest::MouseMove, text, QPoint(20, 3));
    QCOMPARE(looks(*window.skin), (QStringList{"close", "min hover", "absent"}));
}

void SkinInteractionTest::pressActsWithAnyButton_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("stillShown");
    QTest::addColumn<Qt::WindowStates>("state");
    QTest::addColumn<QStringList>("looks");
    const QList<std::pair<const char *, Qt::MouseButton>> buttons = {
        {"left", Qt::LeftButton}, {"right", Qt::RightButton}, {"middle", Qt::MiddleButton}};
    for (const auto &[name, button] : buttons) {
        QTest::addRow("%s on close", name)
            << button << "close" << false << Qt::WindowStates(Qt::WindowNoState)
            << QStringList{"close hover", "min", "max"};
        QTest::addRow("%s on minimise", name)
            << button << "min" << true << Qt::WindowStates(Qt::WindowMinimized)
            << QStringList{"close", "min", "max"};
        QTest::addRow("%s on the strip", name)
            << button << "strip" << true << Qt::WindowStates(Qt::WindowNoState)
            << QStringList{"close", "min", "max"};
    }
}

void SkinInteractionTest::pressActsWithAnyButton()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QString, where);
    SkinnedWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));
    pointTo(window, where);
    mouse(QTest::MouseClick, window.titleBar(), stripPoint(window, where), button);
    QTEST(window.host.isVisible(), "stillShown");
    QTEST(window.host.windowState(), "state");
    QTEST(looks(*window.skin), "looks");
    QCOMPARE(window.host.pos(), QPoint(40, 30));
}

void SkinInteractionTest::maximiseAndRestoreByPress()
{
    SkinnedWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
        pointTo(window, QStringLiteral("max"));
        mouse(QTest::MouseClick, window.titleBar(), stripPoint(window, QStringLiteral("max")),
              button);
        QVERIFY(window.host.windowState().testFlag(Qt::WindowMaximized));
        // The window grows later; the control follows and the buttons move
        // to the new right end.
        QTRY_VERIFY(window.host.width() > normalSize.width());
        QTRY_COMPARE(window.skin->size(), window.host.size());
        const int widthTwips = window.host.width() * orvex::twips::perPixel;
        QCOMPARE(window.skin->buttonSpans().close.right, widthTwips - 105);
        QTRY_COMPARE(looks(*window.skin), (QStringList{"close", "min", "restore"}));

        pointTo(window, QStringLiteral("max"));
        QCOMPARE(looks(*window.skin), (QStringList{"close", "min", "restore hover"}));
        mouse(QTest::MouseClick, window.titleBar(), stripPoint(window, QStringLiteral("max")),
              button);
        QVERIFY(!window.host.windowState().testFlag(Qt::WindowMaximized));
        QTRY_COMPARE(window.host.size(), normalSize);
        QTRY_COMPARE(window.skin->size(), normalSize);
        QCOMPARE(window.skin->buttonSpans().close, (ButtonSpan{5700, 5895}));
        QTRY_COMPARE(looks(*window.skin), (QStringList{"close", "min", "max"}));
    }
}

void SkinInteractionTest::doubleClick_data()
{
    QTest::addColumn<bool>("buttonMax");
    QTest::addColumn<bool>("startMaximised");
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("endMaximised");
    QTest::newRow("maximise on, normal") << true << false << "strip" << true;
    QTest::newRow("maximise on, maximised") << true << true << "strip" << false;
    QTest::newRow("maximise off") << false << false << "strip" << false;
    QTest::newRow("on the caption text") << true << false << "caption text" << false;
}

void SkinInteractionTest::doubleClick()
{
    QFETCH(bool, buttonMax);
    QFETCH(bool, startMaximised);
    QFETCH(QString, where);
    SkinnedWindow window(buttonMax);
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));
    if (startMaximised)
        QVERIFY(waitForMaximised(window));
    const QSize before = window.host.size();
    // The frame drawn at a resize starts one pixel in; the double-click's
    // frame repaint starts at the window's left edge.
    const int midHeight = window.skin->height() / 2;
    QCOMPARE(at(window.skin->bodySurface().image(), 0, midHeight), body);

    if (where == QLatin1String("caption text"))
        mouse(QTest::MouseDClick, window.capLabel(), QPoint(3, 3), Qt::LeftButton);
    else
        mouse(QTest::MouseDClick, window.titleBar(), stripPoint(window, where), Qt::LeftButton);

    QFETCH(bool, endMaximised);
    QCOMPARE(window.host.windowState().testFlag(Qt::WindowMaximized), endMaximised);
    if (startMaximised == endMaximised) {
        QCOMPARE(at(window.skin->bodySurface().image(), 0, midHeight),
                 where == QLatin1String("strip") ? frameLeft : body);
    }
    if (startMaximised != endMaximised) {
        QTRY_VERIFY(window.host.size() != before);
        QTRY_COMPARE(window.skin->size(), window.host.size());
        QCOMPARE(window.skin->buttonSpans().close.right,
                 window.host.width() * orvex::twips::perPixel - 105);
    }
    QVERIFY(window.messages.shown.isEmpty());
}

void SkinInteractionTest::doubleClickBeforeAttachChangesNoState()
{
    QWidget host;
    host.resize(normalSize);
    auto *skin = new TestableSkin;
    skin->setParent(&host);
    RecordingMessages messages;
    skin->setMessagePresenter(&messages);
    skin->setButtonMax(true);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    skin->TitleBar_DblClick();
    QCOMPARE(host.windowState(), Qt::WindowNoState);
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown.front().text, Skin::attachHintText());
}

void SkinInteractionTest::dragMovesTheHostByTheDrag_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("moves");
    QTest::newRow("left on the strip") << "strip" << Qt::LeftButton << true;
    QTest::newRow("left on the caption text") << "caption text" << Qt::LeftButton << true;
    QTest::newRow("left on the body") << "body" << Qt::LeftButton << true;
    QTest::newRow("right on the strip") << "strip" << Qt::RightButton << false;
    QTest::newRow("middle on the body") << "body" << Qt::MiddleButton << false;
}

void SkinInteractionTest::dragMovesTheHostByTheDrag()
{
    QFETCH(QString, where);
    QFETCH(Qt::MouseButton, button);
    SkinnedWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));
    QPoint from;
    if (where == QLatin1String("strip"))
        from = window.titleBar()->mapToGlobal(stripPoint(window, where));
    else if (where == QLatin1String("caption text"))
        from = window.capLabel()->mapToGlobal(QPoint(3, 3));
    else
        from = window.skin->mapToGlobal(QPoint(200, 150));
    const QPoint by(37, 23);
    dragGlobally(&window.host, from, by, button);

    QFETCH(bool, moves);
    const QPoint expected = QPoint(40, 30) + (moves ? by : QPoint());
    QCOMPARE(window.host.pos(), expected);
    QCOMPARE(window.host.size(), normalSize);
    // With the button up the window stays where it is.
    mouse(QTest::MouseMove, window.skin, QPoint(100, 100));
    mouse(QTest::MouseMove, window.titleBar(), stripPoint(window, QStringLiteral("strip")));
    QCOMPARE(window.host.pos(), expected);
}

void SkinInteractionTest::maximisedHostNeverMoves_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("strip") << "strip";
    QTest::newRow("body") << "body";
}

void SkinInteractionTest::maximisedHostNeverMoves()
{
    QFETCH(QString, where);
    SkinnedWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));
    QVERIFY(waitForMaximised(window));
    const QRect maximised = window.host.geometry();
    const QPoint from = where == QLatin1String("strip")
                            ? window.titleBar()->mapToGlobal(stripPoint(window, where))
                            : window.skin->mapToGlobal(QPoint(200, 150));
    dragGlobally(&window.host, from, QPoint(30, 40), Qt::LeftButton);
    QCOMPARE(window.host.geometry(), maximised);
}

void SkinInteractionTest::dragBeforeAttachMovesNothing()
{
    QWidget host;
    host.resize(normalSize);
    host.move(40, 30);
    auto *skin = new Skin(&host);
    RecordingMessages messages;
    skin->setMessagePresenter(&messages);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    dragGlobally(&host, skin->mapToGlobal(QPoint(200, 150)), QPoint(30, 10), Qt::LeftButton);
    QCOMPARE(host.pos(), QPoint(40, 30));
    // One hint for the move to the start and one for each of the four steps.
    QCOMPARE(messages.shown.size(), 5);
}

void SkinInteractionTest::pointerShapesOnTheBody_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<Qt::MouseButton>("held");
    QTest::addColumn<int>("shape");
    QTest::addColumn<Qt::CursorShape>("cursor");
    // The body is 6000 x 4500 twips: the right zone starts past pixel 386.67,
    // the bottom zone past 286.67, the top band ends at 26.67.
    const auto row = [](const char *name, QPoint pos, int shape, Qt::CursorShape cursor,
                        Qt::MouseButton held = Qt::NoButton) {
        QTest::newRow(name) << pos << held << shape << cursor;
    };
    row("free body", {200, 150}, 0, Qt::ArrowCursor);
    row("right edge", {387, 150}, 9, Qt::SizeHorCursor);
    row("left of the right zone", {386, 150}, 0, Qt::ArrowCursor);
    row("bottom edge", {200, 287}, 7, Qt::SizeVerCursor);
    row("above the bottom zone", {200, 286}, 0, Qt::ArrowCursor);
    row("corner", {387, 287}, 8, Qt::SizeFDiagCursor);
    row("far corner", {399, 299}, 8, Qt::SizeFDiagCursor);
    row("right zone in the top band", {397, 26}, 0, Qt::ArrowCursor);
    row("right zone below the top band", {397, 27}, 9, Qt::SizeHorCursor);
    row("right edge, right button held", {387, 150}, 9, Qt::SizeHorCursor, Qt::RightButton);
    row("corner, middle button held", {390, 290}, 8, Qt::SizeFDiagCursor, Qt::MiddleButton);
}

void SkinInteractionTest::pointerShapesOnTheBody()
{
    QFETCH(QPoint, pos);
    QFETCH(Qt::MouseButton, held);
    SkinnedWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));
    QCOMPARE(window.skin->childAt(pos), nullptr);
    if (held != Qt::NoButton) {
        mouse(QTest::MouseMove, window.skin, QPoint(200, 150));
        QTest::mousePress(window.host.windowHandle(), held, {}, QPoint(200, 150));
    }
    mouse(QTest::MouseMove, window.skin, pos);
    QTEST(window.skin->pointerShape(), "shape");
    QTEST(window.skin->cursor().shape(), "cursor");
    // The children keep the arrow whatever the body shows.
    for (const QWidget *child : window.skin->findChildren<QWidget *>()) {
        if (child->isVisible())
            QCOMPARE(child->cursor().shape(), Qt::ArrowCursor);
    }
    if (held != Qt::NoButton) {
        // A release brings the arrow back.
        QTest::mouseRelease(window.host.windowHandle(), held, {}, pos);
        QCOMPARE(window.skin->pointerShape(), 0);
        QCOMPARE(window.skin->cursor().shape(), Qt::ArrowCursor);
    }
    QCOMPARE(window.host.size(), normalSize);
    QCOMPARE(window.host.pos(), QPoint(40, 30));
}

void SkinInteractionTest::resizeOnRelease_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QList<QPoint>>("moves");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<QSize>("size");
    // Points in the control's pixels; the window is 400 x 300.
    const QPoint corner(395, 295);
    const QPoint right(395, 150);
    const QPoint bottom(200, 295);
    QTest::newRow("corner") << corner << QList<QPoint>{{396, 296}, {398, 298}} << QPoint(500, 420)
                            << QSize(500, 420);
    QTest::newRow("corner, shrinking")
        << corner << QList<QPoint>{{396, 296}} << QPoint(300, 250) << QSize(300, 250);
    QTest::newRow("corner, left the zone while held")
        << corner << QList<QPoint>{{396, 296}, {300, 250}, {200, 200}} << QPoint(320, 240)
        << QSize(320, 240);
    QTest::newRow("corner, minimum size")
        << corner << QList<QPoint>{{394, 294}} << QPoint(66, 33) << QSize(250, 218);
    QTest::newRow("right edge") << right << QList<QPoint>{{396, 160}} << QPoint(450, 200)
                                << QSize(450, 300);
    QTest::newRow("right edge, minimum width")
        << right << QList<QPoint>{{390, 150}} << QPoint(100, 150) << QSize(250, 300);
    QTest::newRow("right edge, released below the bottom zone")
        << right << QList<QPoint>{{396, 200}, {396, 298}} << QPoint(460, 380) << QSize(460, 300);
    QTest::newRow("bottom edge") << bottom << QList<QPoint>{{210, 296}} << QPoint(250, 350)
                                 << QSize(400, 350);
    QTest::newRow("bottom edge, minimum height")
        << bottom << QList<QPoint>{{200, 290}} << QPoint(200, 100) << QSize(400, 218);
    QTest::newRow("press and release, no move")
        << corner << QList<QPoint>{} << corner << normalSize;
    QTest::newRow("right zone in the top band")
        << QPoint(397, 24) << QList<QPoint>{{398, 25}, {398, 150}} << QPoint(450, 200)
        << normalSize;
}

void SkinInteractionTest::resizeOnRelease()
{
    QFETCH(QPoint, press);
    QFETCH(QList<QPoint>, moves);
    QFETCH(QPoint, release);
    SkinnedWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));
    QWindow *handle = window.host.windowHandle();
    mouse(QTest::MouseMove, window.skin, press);
    QTest::mousePress(handle, Qt::LeftButton, {}, press);
    for (const QPoint &pos : moves)
        QTest::mouseMove(handle, pos);
    // Nothing changes while the button is held.
    QCOMPARE(window.host.geometry(), QRect(QPoint(40, 30), normalSize));
    QCOMPARE(window.skin->isResizing(), !moves.isEmpty());

    if (!window.host.rect().contains(release))
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("occurs outside target window")));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, release);
    QFETCH(QSize, size);
    QTRY_COMPARE(window.host.size(), size);
    QTRY_COMPARE(window.skin->size(), size);
    QCOMPARE(window.host.pos(), QPoint(40, 30));
    QVERIFY(!window.skin->isResizing());
    QCOMPARE(window.skin->pointerShape(), 0);
    QCOMPARE(window.skin->cursor().shape(), Qt::ArrowCursor);
}

void SkinInteractionTest::mouseDownReachesTheHost_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<short>("buttonArg");
    QTest::addColumn<short>("shiftArg");
    QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers() << short(1) << short(0);
    QTest::newRow("right") << Qt::RightButton << Qt::KeyboardModifiers() << short(2) << short(0);
    QTest::newRow("middle") << Qt::MiddleButton << Qt::KeyboardModifiers() << short(4) << short(0);
    QTest::newRow("shift") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << short(1)
                           << short(1);
    QTest::newRow("ctrl") << Qt::RightButton << Qt::KeyboardModifiers(Qt::ControlModifier)
                          << short(2) << short(2);
    QTest::newRow("alt") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::AltModifier) << short(1)
                         << short(4);
    QTest::newRow("all three") << Qt::MiddleButton
                               << Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::ControlModifier |
                                                        Qt::AltModifier)
                               << short(4) << short(7);
}

void SkinInteractionTest::mouseDownReachesTheHost()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    SkinnedWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));
    QSignalSpy down(window.skin, &Skin::MouseDown);
    mouse(QTest::MouseClick, window.skin, QPoint(200, 150), button, modifiers);
    // An edge press is a press on the surface too.
    mouse(QTest::MouseClick, window.skin, QPoint(399, 299), button, modifiers);
    // The caption strip has its own handlers.
    mouse(QTest::MouseClick, window.titleBar(), stripPoint(window, QStringLiteral("strip")), button,
          modifiers);
    QCOMPARE(down.size(), 2);
    const QList<QVariant> free = down.at(0);
    QTEST(free.at(0).value<short>(), "buttonArg");
    QTEST(free.at(1).value<short>(), "shiftArg");
    QCOMPARE(free.at(2).toFloat(), 3000.0f);
    QCOMPARE(free.at(3).toFloat(), 2250.0f);
    QCOMPARE(down.at(1).at(2).toFloat(), 5985.0f);
    QCOMPARE(down.at(1).at(3).toFloat(), 4485.0f);
}

void SkinInteractionTest::mouseMoveReachesTheHost_data()
{
    QTest::addColumn<QList<Qt::MouseButton>>("held");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("events");
    QTest::addColumn<short>("buttonArg");
    QTest::addColumn<short>("shiftArg");
    using Buttons = QList<Qt::MouseButton>;
    const Qt::KeyboardModifiers none;
    QTest::newRow("no button") << Buttons{} << none << 1 << short(0) << short(0);
    QTest::newRow("no button, shift and alt")
        << Buttons{} << Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::AltModifier) << 1 << short(0)
        << short(5);
    QTest::newRow("ctrl") << Buttons{} << Qt::KeyboardModifiers(Qt::ControlModifier) << 1
                          << short(0) << short(2);
    QTest::newRow("right drag") << Buttons{Qt::RightButton} << none << 1 << short(2) << short(0);
    QTest::newRow("middle drag") << Buttons{Qt::MiddleButton} << none << 1 << short(4) << short(0);
    QTest::newRow("left and right drag")
        << Buttons{Qt::LeftButton, Qt::RightButton} << none << 1 << short(3) << short(0);
    QTest::newRow("left drag") << Buttons{Qt::LeftButton} << none << 0 << short(0) << short(0);
}

void SkinInteractionTest::mouseMoveReachesTheHost()
{
    QFETCH(QList<Qt::MouseButton>, held);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    SkinnedWindow window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.host));
    QWindow *handle = window.host.windowHandle();
    QSignalSpy moved(window.skin, &Skin::MouseMove);
    // Moves over the caption strip are the strip's own.
    mouse(QTest::MouseMove, window.titleBar(), stripPoint(window, QStringLiteral("close")));
    QCOMPARE(moved.size(), 0);
    mouse(QTest::MouseMove, window.skin, QPoint(100, 100));
    QCOMPARE(moved.size(), 1);
    for (const Qt::MouseButton button : held)
        QTest::mousePress(handle, button, {}, QPoint(100, 100));
    moved.clear();
    QTest::mouseEvent(QTest::MouseMove, handle, Qt::NoButton, modifiers, QPoint(200, 150));
    const int events = int(moved.size());
    for (const Qt::MouseButton button : held)
        QTest::mouseRelease(handle, button, {}, QPoint(200, 150));

    QTEST(events, "events");
    if (!moved.isEmpty()) {
        QTEST(moved.at(0).at(0).value<short>(), "buttonArg");
        QTEST(moved.at(0).at(1).value<short>(), "shiftArg");
        QCOMPARE(moved.at(0).at(2).toFloat(), 3000.0f);
        QCOMPARE(moved.at(0).at(3).toFloat(), 2250.0f);
    }
}

void SkinInteractionTest::childrenKeepTheirMouseEvents_data()
{
    QTest::addColumn<QString>("child");
    QTest::addColumn<bool>("onHost");
    QTest::addColumn<bool>("beforeAttach");
    QTest::addColumn<QRect>("geometry");
    // Each child covers part of the right or bottom edge zone or the free body.
    for (const bool beforeAttach : {true, false}) {
        const char *when = beforeAttach ? "added before attach" : "added after attach";
        QTest::addRow("label on the control, %s", when)
            << "label" << false << beforeAttach << QRect(300, 100, 100, 120);
        QTest::addRow("combo box on the control, %s", when)
            << "combo" << false << beforeAttach << QRect(250, 260, 150, 40);
        QTest::addRow("label on the host, %s", when)
            << "label" << true << beforeAttach << QRect(100, 120, 300, 180);
    }
}

void SkinInteractionTest::childrenKeepTheirMouseEvents()
{
    QFETCH(QString, child);
    QFETCH(bool, onHost);
    QFETCH(bool, beforeAttach);
    QFETCH(QRect, geometry);
    RecordingMessages messages;
    QWidget host;
    host.setWindowTitle(QStringLiteral("Children Host"));
    host.resize(normalSize);
    host.move(40, 30);
    auto *skin = new Skin(&host);
    skin->setMessagePresenter(&messages);
    skin->setSkin(makeSkin(false));
    QWidget *widget = nullptr;
    const auto addChild = [&] {
        QWidget *parent = onHost ? static_cast<QWidget *>(&host) : skin;
        if (child == QLatin1String("combo")) {
            auto *combo = new QComboBox(parent);
            combo->addItems({QStringLiteral("/media/stick"), QStringLiteral("/")});
            widget = combo;
        } else {
            widget = new QLabel(QStringLiteral("Some text"), parent);
        }
        widget->setGeometry(geometry);
        widget->raise();
        widget->show();
    };
    if (beforeAttach)
        addChild();
    skin->Init_Skin(&host);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    if (!beforeAttach)
        addChild();
    QCoreApplication::processEvents();

    QSignalSpy down(skin, &Skin::MouseDown);
    QSignalSpy moved(skin, &Skin::MouseMove);
    // From the child's part of the edge zone (or its middle), a left drag
    // that would resize or move the window were it the control's.
    const QPoint start(geometry.right() - 2, geometry.bottom() - 2);
    QCOMPARE(host.childAt(start), widget);
    mouse(QTest::MouseMove, &host, start);
    QCOMPARE(widget->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(skin->pointerShape(), 0);
    dragGlobally(&host, host.mapToGlobal(start), QPoint(-60, -40), Qt::LeftButton);
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        combo->hidePopup();

    QCOMPARE(host.geometry(), QRect(QPoint(40, 30), normalSize));
    QCOMPARE(skin->size(), normalSize);
    QVERIFY(!skin->isResizing());
    QCOMPARE(down.size(), 0);
    QCOMPARE(moved.size(), 0);
    QVERIFY(messages.shown.isEmpty());
}

QTEST_MAIN(SkinInteractionTest)
#include "tst_skininteraction.moc"
