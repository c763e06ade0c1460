// Loading the menu file through the menu model, against the floor of reading
// the same file and splitting its lines, for 10,000 and 100,000 lines; and the
// control's full load with its title labels and menu actions.

#include "core/menu/menubar.h"
#include "core/menu/menufile.h"
#include "core/text/textlines.h"
#include "skin/skin_p.h"

#include <OrvexSkin/skin.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <vector>

using orvex::Skin;
using orvex::SkinPrivate;

namespace {

constexpr int titleCount = 8;

// A folder holding a menu.txt of `lines` lines: eight titles, each followed by
// an equal share of the items.
const QString &folderWithMenuFile(int lines)
{
    static QTemporaryDir root;
    static std::map<int, QString> folders;
    auto found = folders.find(lines);
    if (found != folders.end())
        return found->second;

    const QString folder = root.filePath(QString::number(lines));
    QDir().mkpath(folder);
    QByteArray bytes;
    const int linesPerTitle = lines / titleCount;
    for (int line = 0; line < lines; ++line) {
        if (line % linesPerTitle == 0 && line / linesPerTitle < titleCount)
            bytes += QStringLiteral("Menu%1!Title %1\r\n").arg(line / linesPerTitle).toLatin1();
        else
            bytes += QStringLiteral("Item%1!....Caption of item %1\r\n").arg(line).toLatin1();
    }
    QFile file(orvex::menufile::path(folder));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the benchmark's menu file");
    return folders.emplace(lines, folder).first->second;
}

void readAndSplitLines(benchmark::State &state)
{
    const QString file = orvex::menufile::path(folderWithMenuFile(int(state.range(0))));
    for (auto _ : state) {
        QFile input(file);
        if (!input.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot open the menu file");
        benchmark::DoNotOptimize(orvex::textlines::split(input.readAll()));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

void buildModelFromLines(benchmark::State &state)
{
    const auto read =
        orvex::menufile::read(orvex::menufile::path(folderWithMenuFile(int(state.range(0)))));
    if (!read.ok() || !read.value())
        state.SkipWithError("the menu file did not load");
    const QStringList fileLines = read.ok() ? read.value().value_or(QStringList()) : QStringList();
    for (auto _ : state) {
        // Lines of their own, as the loader hands them over after reading.
        state.PauseTiming();
        QStringList lines;
        lines.reserve(fileLines.size());
        for (const QString &line : fileLines)
            lines.append(QString(line.constData(), line.size()));
        state.ResumeTiming();
        benchmark::DoNotOptimize(orvex::menubar::build(std::move(lines)));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

void loadModel(benchmark::State &state)
{
    const QString &folder = folderWithMenuFile(int(state.range(0)));
    for (auto _ : state) {
        const orvex::Result<orvex::menubar::Menus> result = orvex::menubar::load(folder);
        if (!result.ok() || result->titles.size() != titleCount)
            state.SkipWithError("the menu file did not load");
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

// A whole control created on the menu file: the loader with its title labels
// and its item actions (the control's own creation is part of it).
void loadMenusIntoControl(benchmark::State &state)
{
    const QString folder = folderWithMenuFile(int(state.range(0)));
    for (auto _ : state) {
        Skin skin(folder, nullptr);
        const orvex::MenuStrip &menus = SkinPrivate::get(&skin)->m_menus;
        if (menus.itemNames(0).size() < 2)
            state.SkipWithError("the menu file did not load");
        benchmark::DoNotOptimize(menus.titles());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

// The first request for a loaded menu, which puts its items into the QMenu.
void fillMenuOnFirstRequest(benchmark::State &state)
{
    const QString folder = folderWithMenuFile(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto skin = std::make_unique<Skin>(folder, nullptr);
        state.ResumeTiming();
        benchmark::DoNotOptimize(SkinPrivate::get(skin.get())->m_menus.menu(0)->actions().size());
        state.PauseTiming();
        skin.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0) / titleCount);
}

} // namespace

// Each case for 10,000 and 100,000 lines, with the fitted linear cost and the
// fastest repetition (the least disturbed by other work on the machine).
void menuFileSizes(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
    benchmark->ComputeStatistics("min", [](const std::vector<double> &values) {
        return *std::min_element(values.begin(), values.end());
    });
}

BENCHMARK(readAndSplitLines)->Apply(menuFileSizes);
BENCHMARK(buildModelFromLines)->Apply(menuFileSizes);
BENCHMARK(loadModel)->Apply(menuFileSizes);
BENCHMARK(loadMenusIntoControl)->Apply(menuFileSizes);
BENCHMARK(fillMenuOnFirstRequest)->Apply(menuFileSizes);

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
