#include "document/CBottlewrightDoc.h"
#include "model/CellarFile.h"
#include "model/WineDates.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <numeric>
#include <random>
#include <string>

namespace {

constexpr int kEntries = 100000;

// A large cellar much like a real one: a few thousand producers, each with several vintages and
// bottlings, dates spread over three decades, ratings with the odd "+" or "-".
WineList makeCellar(int count) {
    std::mt19937 random(1993);
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const char* const prefixes[] = {"Chateau", "Domaine", "Bodega", "Weingut",
                                    "Tenuta",  "Cave",    "Clos",   "Quinta"};
    const char* const ratings[] = {"", "85", "88", "90-", "90", "90+", "92", "95+"};
    WineList entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i) {
        auto wine = std::make_unique<CWine>();
        wine->m_strProducer = std::string(prefixes[pick(0, 7)]) + " " + std::to_string(pick(1, 3000));
        wine->m_nVintage = pick(0, 20) == 0 ? 0 : pick(1960, 2023);
        wine->m_strAppellation = "Appellation " + std::to_string(pick(1, 400));
        wine->m_strDesignation = pick(0, 2) == 0 ? "" : "Cuvee " + std::to_string(pick(1, 50));
        wine->m_fCost = static_cast<float>(pick(500, 30000)) / 100.0f;
        wine->m_fValue = pick(0, 3) == 0 ? 0.0f : wine->m_fCost * 1.5f;
        wine->m_nNumberAcquired = pick(1, 24);
        wine->m_nNumberRemaining = pick(0, wine->m_nNumberAcquired);
        wine->m_strDateAcquired = formatWineDate(pick(1, 12), pick(1, 28), pick(1990, 2023));
        wine->m_strDrinkDate =
            pick(0, 4) == 0 ? "" : formatWineDate(pick(1, 12), pick(1, 28), pick(1995, 2040));
        wine->m_strRating = ratings[pick(0, 7)];
        wine->m_strBins = "Bin " + std::to_string(pick(1, 200));
        wine->m_strDateModified = formatWineDate(pick(1, 12), pick(1, 28), pick(2000, 2023));
        entries.push_back(std::move(wine));
    }
    return entries;
}

const WineList& cellar() {
    static const WineList entries = makeCellar(kEntries);
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
