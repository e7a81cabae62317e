#include "ui/scheibe.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

// A full repaint of the target control, as every step of dragging a shot causes: 1000 x 1000
// pixels, all ten rings, 120 shots and the average point.
static void ScheibeMalen(benchmark::State &state)
{
    TScheibe scheibe;
    scheibe.SetZoom(11);
    TSchussArray schuesse;
    for (int n = 1; n <= MaxSchuss; ++n) {
        const float teiler = float(n * 20 % 2500);
        const quint8 status = n % 4 == 0 ? 0x85 : SchussVorhanden;
        schuesse[n] = {teiler, float(n * 37 % 360), float(10.9 - teiler / 250), status};
    }
    scheibe.ArraySetzen(schuesse);
    scheibe.SchussNrBereich(1, MaxSchuss);
    QImage bild(1000, 1000, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&bild);
        scheibe.Zeichnen(p, bild.size());
        p.end();
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(ScheibeMalen)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    // Painting into an image needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
