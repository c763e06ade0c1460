// One full repaint and one resize (layout plus repaint) of an installer-sized
// control (410 x 210 pixels, attached to a host of that size), against the
// floor of the same drawing calls issued by a bare QPainter loop. Runs with
// QT_QPA_PLATFORM=offscreen.

#include "core/frame/skinpainter.h"
#include "core/frame/twips.h"
#include "skin/skin_p.h"

#include <OrvexSkin/skin.h>
#include <QApplication>
#include <QPainter>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

using orvex::Skin;
using orvex::SkinPrivate;

namespace {

namespace sp = orvex::skinpainter;

constexpr QSize installerSize(410, 210);

// The host window with its attached control: both caption buttons and the
// default skin, whose magenta key rounds the window, so that a full repaint
// makes all nine copies.
struct Installer
{
    Installer()
    {
        host.setWindowTitle(QStringLiteral("Skin repaint benchmark"));
        host.resize(installerSize);
        skin->setParent(&host);
        skin->setButtonMax(true);
        skin->setButtonMin(true);
        skin->Init_Skin(&host);
        host.show();
        QApplication::processEvents();
    }

    QWidget host;
    Skin *skin = new Skin;
    // The repaint and resize procedures the benchmark calls.
    SkinPrivate &parts = *SkinPrivate::get(skin);
};

// Made in main, inside the application's lifetime.
Installer *theInstaller = nullptr;

Installer &installer()
{
    return *theInstaller;
}

void checkAttached(benchmark::State &state, const Installer &installer)
{
    if (!installer.skin->isAttached() || !installer.parts.m_rounded ||
        installer.skin->size() != installerSize)
        state.SkipWithError("the control is not attached, rounded and installer-sized");
}

void fullRepaint(benchmark::State &state)
{
    SkinPrivate &parts = installer().parts;
    checkAttached(state, installer());
    for (auto _ : state) {
        parts.RepaintSkin();
        benchmark::DoNotOptimize(parts.m_body.image().constBits());
    }
}

void resize(benchmark::State &state)
{
    SkinPrivate &parts = installer().parts;
    checkAttached(state, installer());
    for (auto _ : state) {
        parts.UserControl_Resize();
        benchmark::DoNotOptimize(parts.m_body.image().constBits());
    }
}

// One stretching copy: the same pixel rectangles the control draws with.
struct Copy
{
    QImage *target;
    QRect to;
    QRect from;
};

// The floor: the control's surfaces as bare images, cleared, the same nine
// copies in the same order through one painter per surface, one pixel read
// and the menu strip filled with the body colour.
void bareQPainterFloor(benchmark::State &state)
{
    using orvex::twips::fromPixels;
    using orvex::twips::toPixelRect;
    const QImage skin = installer().skin->skin();
    const double width = fromPixels(installerSize.width());
    const double height = fromPixels(installerSize.height());
    const double titleBarHeight = 300;
    const double thickness = sp::frameThickness;
    QImage body(installerSize, QImage::Format_RGB32);
    QImage titleBar(QSize(installerSize.width(), 20), QImage::Format_RGB32);
    QImage menuBar(toPixelRect(QRectF(90, 400, width - 170, 240)).size(), QImage::Format_RGB32);
    const auto cell = [](int left) {
        return QRectF(left, 0, sp::cellSize, sp::cellSize);
    };
    const auto button = [](double left) {
        return QRectF(left, 90, 195, 195);
    };
    const std::vector<Copy> titleBarCopies = {
        {&titleBar, toPixelRect(QRectF(0, 0, width, sp::captionPieceHeight)),
         toPixelRect(sp::captionMiddle)},
        {&titleBar, toPixelRect(QRectF(0, 0, sp::captionLeftCapWidth, sp::captionPieceHeight)),
         toPixelRect(sp::captionLeftCap)},
        {&titleBar, toPixelRect(button(width - 300)), toPixelRect(cell(sp::closeCell))},
        {&titleBar, toPixelRect(button(width - 720)), toPixelRect(cell(sp::minimiseCell))},
        {&titleBar, toPixelRect(button(width - 510)), toPixelRect(cell(sp::maximiseCell))},
    };
    const std::vector<Copy> frameCopies = {
        {&body, toPixelRect(QRectF(0, 0, thickness, height)), toPixelRect(sp::frameLeftEdge)},
        {&body, toPixelRect(QRectF(width - thickness, 0, thickness, height)),
         toPixelRect(sp::frameRightEdge)},
        {&body, toPixelRect(QRectF(0, titleBarHeight, width, thickness)),
         toPixelRect(sp::frameTopStrip)},
        {&body, toPixelRect(QRectF(0, height - thickness, width, thickness)),
         toPixelRect(sp::frameBottomEdge)},
    };
    const auto copyAll = [&skin](QImage &target, const std::vector<Copy> &copies) {
        QPainter painter(&target);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const Copy &copy : copies)
            painter.drawImage(copy.to, skin, copy.from);
    };
    for (auto _ : state) {
        const QColor bodyColour = QColor::fromRgb(skin.pixel(164, 22));
        body.fill(bodyColour);
        copyAll(titleBar, titleBarCopies);
        copyAll(body, frameCopies);
        menuBar.fill(bodyColour);
        benchmark::DoNotOptimize(body.constBits());
    }
}

// The fastest repetition is the one least disturbed by other work on the machine.
void repaintCase(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
    benchmark->ComputeStatistics("min", [](const std::vector<double> &values) {
        return *std::min_element(values.begin(), values.end());
    });
}

BENCHMARK(bareQPainterFloor)->Apply(repaintCase);
BENCHMARK(fullRepaint)->Apply(repaintCase);
BENCHMARK(resize)->Apply(repaintCase);

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    Installer window;
    theInstaller = &window;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
