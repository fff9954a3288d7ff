// The FFT window at its largest, n = 512: the transform alone, and "FFT" in the window, which
// reads the input grid and writes the result grid; also turning "Potenz von 2" from 1 to 9,
// which grows both grids. Each should stay well below 50 ms.
//
//   build/bench/linalg/fft_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only
#include "bench/hilfe/qt_main.h"
#include "modules/linalg/fftdlg.h"
#include "modules/linalg/fftrechnung.h"
#include "shell/eingabe/zahleingaben.h"
#include "shell/rahmen/stringgrid.h"

#include <QAction>
#include <QApplication>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

using namespace zol;

void BM_Transformation512(benchmark::State& state) {
    Komplexfolge x(512);
    for (std::size_t i = 0; i < x.size(); ++i)
        x[i] = {std::sin(0.1L * i), std::cos(0.3L * i)};
    for (auto _ : state) {
        Komplexfolge a = x;
        fft_transformieren(a, Fftrichtung::hin);
        benchmark::DoNotOptimize(a.data());
    }
}
BENCHMARK(BM_Transformation512)->Unit(benchmark::kMicrosecond);

std::unique_ptr<Tfftdlg> fenster512() {
    auto f = std::make_unique<Tfftdlg>();
    f->findChild<Tspineditin*>("spineditin1")->setValue(9);
    for (int r = 1; r <= 512; ++r) {
        f->eingabegitter()->setCell(1, r, QString::number(r % 17) + ",25");
        f->eingabegitter()->setCell(2, r, QString::number(-(r % 5)));
    }
    f->show();
    QApplication::processEvents();
    return f;
}

// "FFT" in the window: 1024 cells read, 1024 written, and the grid repainted.
void BM_FensterFft512(benchmark::State& state) {
    auto f = fenster512();
    QAction* fft = f->findChild<QAction*>("FFT");
    for (auto _ : state) {
        fft->trigger();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FensterFft512)->Unit(benchmark::kMillisecond);

// "Potenz von 2" from 1 to 9: both grids grow from 2 to 512 rows of "0".
void BM_FensterPotenzNeun(benchmark::State& state) {
    Tfftdlg f;
    auto* k = f.findChild<Tspineditin*>("spineditin1");
    f.show();
    QApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        k->setValue(1);
        QApplication::processEvents();
        state.ResumeTiming();
        k->setValue(9);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FensterPotenzNeun)->Unit(benchmark::kMillisecond);

} // namespace

ZOL_QT_BENCHMARK_MAIN()
