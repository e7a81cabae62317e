#include "geometry/ringwerte.h"

#include <benchmark/benchmark.h>

#include <vector>

// Teiler to tenth rings, as the diagram window and every corrected shot need it: 10^6
// conversions per iteration over Teiler values spread across the whole air rifle target.
static void TeilerZuZehntelringen(benchmark::State &state)
{
    const TScheibenmasse masse = GetScheibenmasse(Sch_LG10);
    constexpr int Anzahl = 1000000;
    std::vector<float> teiler(Anzahl);
    for (int i = 0; i < Anzahl; ++i)
        teiler[i] = float(i % 2800);
    const bool centreMode = state.range(0) != 0;
    for (auto _ : state) {
        for (float t : teiler)
            benchmark::DoNotOptimize(GetZehntelringe(masse, 4.5, centreMode, t));
    }
    state.SetItemsProcessed(state.iterations() * Anzahl);
}
BENCHMARK(TeilerZuZehntelringen)
        ->ArgName("centreMode")
        ->Arg(0)
        ->Arg(1)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(10)
        ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
