#include "document/CBottlewrightDoc.h"
#include "document/FocusCriteria.h"
#include "document/Statistics.h"
#include "model/WineDates.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

namespace {

constexpr int kEntries = 100000;

// A Working File of 100,000 entries much like a real cellar: a few thousand producers under eight
// prefixes, acquisition dates over three decades, ratings with the odd "+" or "-".
class LargeCellar {
public:
    LargeCellar()
        : m_folder(std::filesystem::temp_directory_path() /
                   ("bw-focusset-bench-" + std::to_string(std::random_device{}()))) {
        std::filesystem::create_directories(m_folder);
        m_doc = std::make_unique<CBottlewrightDoc>(m_folder);
        std::mt19937 random(1993);
        auto pick = [&random](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        const char* const prefixes[] = {"Chateau", "Domaine", "Bodega", "Weingut",
                                        "Tenuta",  "Cave",    "Clos",   "Quinta"};
        const char* const ratings[] = {"", "85", "88", "90-", "90", "90+", "92", "95+"};
        for (int i = 0; i < kEntries; ++i) {
            CWine& wine = *m_doc->focusEntry(m_doc->addNewEntry());
            wine.m_strProducer = std::string(prefixes[pick(0, 7)]) + " " + std::to_string(pick(1, 3000));
            wine.m_nVintage = pick(0, 20) == 0 ? 0 : pick(1960, 2023);
            wine.m_strAppellation = "Appellation " + std::to_string(pick(1, 400));
            wine.m_strDesignation = pick(0, 2) == 0 ? "" : "Cuvee " + std::to_string(pick(1, 50));
            wine.m_fCost = static_cast<float>(pick(500, 30000)) / 100.0f;
            wine.m_fValue = pick(0, 3) == 0 ? 0.0f : wine.m_fCost * 1.5f;
            wine.m_nNumberAcquired = pick(1, 24);
            wine.m_nNumberRemaining = pick(0, wine.m_nNumberAcquired);
            wine.m_strDateAcquired =
                pick(0, 9) == 0 ? "" : formatWineDate(pick(1, 12), pick(1, 28), pick(1990, 2023));
            wine.m_strRating = ratings[pick(0, 7)];
            wine.m_strBins = "Bin " + std::to_string(pick(1, 200));
            wine.m_strDateModified = formatWineDate(pick(1, 12), pick(1, 28), pick(2000, 2023));
        }
        m_doc->selectAllWines();
    }
    ~LargeCellar() {
        m_doc.reset();
        std::filesystem::remove_all(m_folder);
    }

    CBottlewrightDoc& doc() { return *m_doc; }

private:
    std::filesystem::path m_folder;
    std::unique_ptr<CBottlewrightDoc> m_doc;
};

LargeCellar& cellar() {
    static LargeCellar large;
    return large;
}

// Producers containing "chateau" in any case, acquired from June 2005 to 2015.
FocusCriteria producerAndDates() {
    FocusCriteria criteria;
    criteria.producer = "chateau";
    criteria.dateAcquired = {"6-1-05", "2015"};
    return criteria;
}

// "New Focus Set" from every entry, then the sort by Producer and Vintage, as the command does it.
void BM_NewFocusSetProducerAndDateRange(benchmark::State& state) {
    CBottlewrightDoc& doc = cellar().doc();
    const FocusCriteria criteria = producerAndDates();
    for (auto _ : state) {
        doc.newFocusSet(criteria);
        benchmark::DoNotOptimize(doc.focusCount());
    }
    state.counters["members"] = doc.focusCount();
    state.SetItemsProcessed(state.iterations() * kEntries);
}

// "Add to Focus Set" of every Chateau onto the wines with bottles left.
void BM_AddToFocusSet(benchmark::State& state) {
    CBottlewrightDoc& doc = cellar().doc();
    FocusCriteria criteria;
    criteria.producer = "chateau";
    for (auto _ : state) {
        state.PauseTiming();
        doc.selectOneOrMoreBottleWines();
        state.ResumeTiming();
        doc.addToFocusSet(criteria);
        benchmark::DoNotOptimize(doc.focusCount());
    }
    state.counters["members"] = doc.focusCount();
}

// "Remove from Focus Set" of the wines acquired from June 2005 on, out of all wines.
void BM_RemoveFromFocusSet(benchmark::State& state) {
    CBottlewrightDoc& doc = cellar().doc();
    FocusCriteria criteria;
    criteria.dateAcquired = {"6-1-05", ""};
    for (auto _ : state) {
        state.PauseTiming();
        doc.selectAllWines();
        state.ResumeTiming();
        doc.removeFromFocusSet(criteria);
        benchmark::DoNotOptimize(doc.focusCount());
    }
    state.counters["members"] = doc.focusCount();
}

void BM_Statistics(benchmark::State& state) {
    CBottlewrightDoc& doc = cellar().doc();
    doc.selectAllWines();
    for (auto _ : state)
        benchmark::DoNotOptimize(Statistics::compute(doc));
    state.SetItemsProcessed(state.iterations() * kEntries * 2);
}

} // namespace

BENCHMARK(BM_NewFocusSetProducerAndDateRange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddToFocusSet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveFromFocusSet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Statistics)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
