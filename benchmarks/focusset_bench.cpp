#include "LargeCellar.h"
#include "core/document/CBottlewrightDoc.h"
#include "core/document/FocusCriteria.h"
#include "core/document/Statistics.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

namespace {

constexpr int kEntries = 100000;

// A Working File of 100,000 entries much like a real cellar.
class LargeCellar {
public:
    LargeCellar()
        : m_folder(std::filesystem::temp_directory_path() /
                   ("bw-focusset-bench-" + std::to_string(std::random_device{}()))) {
        std::filesystem::create_directories(m_folder);
        m_doc = std::make_unique<CBottlewrightDoc>(m_folder);
        for (std::unique_ptr<CWine>& wine : makeLargeCellar(kEntries))
            *m_doc->focusEntry(m_doc->addNewEntry()) = std::move(*wine);
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
