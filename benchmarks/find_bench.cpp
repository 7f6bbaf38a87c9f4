// Find across a Focus Set of 100,000 entries: a text that no entry holds makes it look at every one.

#include "LargeCellar.h"
#include "core/views/entrylist/EntrySearch.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kEntries = 100000;

const WineList& cellar() {
    static const WineList entries = makeLargeCellar(kEntries);
    return entries;
}

void BM_FindEveryField(benchmark::State& state) {
    const WineList& entries = cellar();
    const EntrySearch::FindOptions options;
    const std::string search = state.range(0) != 0 ? "no such wine" : "chateau";
    for (auto _ : state) {
        const auto found = EntrySearch::find(kEntries, 0, true, true, [&](int position) {
            return EntrySearch::findMatches(*entries[static_cast<std::size_t>(position)], search, options);
        });
        benchmark::DoNotOptimize(found);
    }
}

BENCHMARK(BM_FindEveryField)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
