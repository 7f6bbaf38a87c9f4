#include "LargeCellar.h"
#include "core/document/CBottlewrightDoc.h"
#include "core/model/CellarFile.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <numeric>
#include <random>
#include <string>

namespace {

constexpr int kEntries = 100000;

const WineList& cellar() {
    static const WineList entries = makeLargeCellar(kEntries);
    return entries;
}

void sortAll(benchmark::State& state, const SortPrecedence& precedence) {
    const WineList& entries = cellar();
    std::vector<int> focus(entries.size());
    for (auto _ : state) {
        std::iota(focus.begin(), focus.end(), 0); // document order, as after opening
        precedence.sort(focus, static_cast<int>(focus.size()), entries);
        benchmark::DoNotOptimize(focus.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(entries.size()));
}

void BM_SortDefaultPrecedence(benchmark::State& state) {
    sortAll(state, SortPrecedence{});
}

void BM_SortDrinkDateRatingCost(benchmark::State& state) {
    SortPrecedence precedence;
    precedence.setPrecedence(CWine::DrinkDate, 1);
    precedence.setPrecedence(CWine::Rating, 2);
    precedence.setDescending(CWine::Rating, true);
    precedence.setPrecedence(CWine::Cost, 3);
    sortAll(state, precedence);
}

// Open as the program does it: read the file, every entry into the Focus Set, sort by Producer and
// Vintage, tell the views.
void BM_OpenAllWines(benchmark::State& state) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("bw-document-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / "Large.bwf";
    if (const std::string error = CellarFile::save(file, cellar()); !error.empty()) {
        state.SkipWithError(error.c_str());
        std::filesystem::remove_all(folder);
        return;
    }
    for (auto _ : state) {
        CBottlewrightDoc doc(folder);
        if (const std::string error = doc.open(file); !error.empty()) {
            state.SkipWithError(error.c_str());
            break;
        }
        benchmark::DoNotOptimize(doc.focusMember(0));
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
    std::filesystem::remove_all(folder);
}

} // namespace

BENCHMARK(BM_SortDefaultPrecedence)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortDrinkDateRatingCost)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenAllWines)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
