#include "LargeCellar.h"
#include "core/document/CBottlewrightDoc.h"
#include "core/model/CellarFile.h"
#include "core/views/lists/BinList.h"
#include "core/views/lists/HistoryList.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>

namespace {

constexpr int kEntries = 100000;

// The large cellar with three history items an entry over 25 years, and every fifth entry in two bins,
// saved and opened again so its entries lie in memory as a user's opened file does.
class CellarWithHistory {
public:
    CellarWithHistory()
        : m_folder(std::filesystem::temp_directory_path() /
                   ("bw-lists-bench-" + std::to_string(std::random_device{}()))) {
        std::filesystem::create_directories(m_folder);
        WineList entries = makeLargeCellar(kEntries);
        addHistoryAndBins(entries);
        const std::filesystem::path file = m_folder / "large.bwf";
        if (!CellarFile::save(file, entries).empty())
            throw std::runtime_error("cannot save the large cellar");
        m_doc = std::make_unique<CBottlewrightDoc>(m_folder);
        if (!m_doc->open(file).empty())
            throw std::runtime_error("cannot open the large cellar");
        m_doc->selectAllWines();
    }
    ~CellarWithHistory() {
        m_doc.reset();
        std::filesystem::remove_all(m_folder);
    }

    CBottlewrightDoc& doc() { return *m_doc; }

private:
    std::filesystem::path m_folder;
    std::unique_ptr<CBottlewrightDoc> m_doc;
};

CellarWithHistory& cellar() {
    static CellarWithHistory large;
    return large;
}

void rebuildHistoryList(benchmark::State& state) {
    HistoryList list;
    CBottlewrightDoc& doc = cellar().doc(); // made once, outside the timing
    for (auto _ : state) {
        list.rebuild(doc);
        benchmark::DoNotOptimize(list.count());
    }
    state.counters["records"] = list.count();
}
BENCHMARK(rebuildHistoryList)->Unit(benchmark::kMillisecond);

void rebuildBinList(benchmark::State& state) {
    BinList list;
    CBottlewrightDoc& doc = cellar().doc();
    for (auto _ : state) {
        list.rebuild(doc);
        benchmark::DoNotOptimize(list.totalLines());
    }
    state.counters["bins"] = static_cast<double>(list.bins().size());
    state.counters["lines"] = list.totalLines();
}
BENCHMARK(rebuildBinList)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
