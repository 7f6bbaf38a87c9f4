#include "LargeCellar.h"
#include "core/views/graphs/GraphBars.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kEntries = 100000;

// What a graph does after a Focus Set change: build its bars from every entry and sort them.
void BM_RebuildGraph(benchmark::State& state) {
    static const WineList wines = makeLargeCellar(kEntries);
    FocusEntries focus;
    for (const auto& wine : wines)
        focus.push_back(wine.get());
    const GraphKind kind = static_cast<GraphKind>(state.range(0));
    GraphSettings settings;
    forceFixedSettings(kind, settings);
    const SpendingClock clock{{12, 2015}, {12, 2015}};
    int bars = 0;
    for (auto _ : state) {
        GraphBars built = buildBars(kind, focus, settings, clock);
        sortBars(kind, built, settings.sort);
        bars = built.size();
        benchmark::DoNotOptimize(built.maxCount);
    }
    state.SetLabel(graphKindInfo(kind).cliName);
    state.counters["bars"] = bars;
    state.SetItemsProcessed(state.iterations() * kEntries);
}

} // namespace

BENCHMARK(BM_RebuildGraph)->DenseRange(0, 9)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
