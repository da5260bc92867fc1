// The grid with 100,000 rows: setting the row count and filling the rows, sorting them, and
// scrolling a shown grid to a row and painting it. Runs on Qt's offscreen platform.
#include "Grid.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

constexpr int Rows = 100000;

void fill(controls::GridModel& model) {
    model.setCols(6);
    model.setFixedRows(1);
    model.setRows(Rows + 1);
    for (int r = 1; r <= Rows; ++r) {
        model.setText(r, 0, QStringLiteral("X5CrNi18-%1").arg(r % 977));
        model.setText(r, 2, QString::number(r));
        model.setText(r, 3, QString::number(r * 3));
        model.setText(r, 4, QString::number((r * 7919) % Rows));
        model.setText(r, 5, QStringLiteral("K"));
    }
}

void BM_FillHundredThousandRows(benchmark::State& state) {
    for (auto _ : state) {
        controls::GridModel model;
        fill(model);
        benchmark::DoNotOptimize(model.rows());
    }
}
BENCHMARK(BM_FillHundredThousandRows)->Unit(benchmark::kMillisecond);

void BM_FillShownGrid(benchmark::State& state) {
    for (auto _ : state) {
        controls::Grid grid;
        grid.resize(800, 600);
        grid.show();
        fill(grid.cells());
        benchmark::DoNotOptimize(grid.Rows());
    }
}
BENCHMARK(BM_FillShownGrid)->Unit(benchmark::kMillisecond);

void BM_SortHundredThousandRows(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        controls::GridModel model;
        fill(model);
        state.ResumeTiming();
        model.sort(controls::SortOrder::NumericAscending, 4);
        benchmark::DoNotOptimize(model.text(1, 4));
    }
}
BENCHMARK(BM_SortHundredThousandRows)->Unit(benchmark::kMillisecond);

void BM_ScrollAndPaint(benchmark::State& state) {
    controls::Grid grid;
    grid.resize(800, 600);
    fill(grid.cells());
    grid.setColWidth(2, 0);
    grid.setColWidth(3, 0);
    grid.show();
    QImage image(grid.size(), QImage::Format_ARGB32);
    int top = 1;
    for (auto _ : state) {
        top = (top + 7919) % Rows + 1;
        grid.setTopRow(top);
        QPainter painter(&image);
        grid.render(&painter);
    }
}
BENCHMARK(BM_ScrollAndPaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
