// Reading and writing a Cellar File of 100,000 realistic entries.
// `cellarfile_bench --save-list=PATH` writes that list to PATH instead, for measuring a load's memory.
#include "core/model/CellarFile.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <random>

namespace {

constexpr int kEntryCount = 100000;

std::string pick(std::mt19937& random, std::initializer_list<const char*> choices) {
    return *(choices.begin() + random() % choices.size());
}

std::string date(std::mt19937& random) {
    return std::to_string(1 + random() % 12) + '-' + std::to_string(1 + random() % 28) + '-' +
           std::to_string(random() % 100);
}

// Texts of the lengths a real cellar holds; one entry in four has a note of a few hundred bytes and
// most have a history of one to four items.
WineList realisticEntries() {
    std::mt19937 random(1993);
    WineList entries;
    entries.reserve(kEntryCount);
    for (int i = 0; i < kEntryCount; ++i) {
        auto wine = std::make_unique<CWine>();
        wine->m_nVintage = random() % 10 == 0 ? 0 : 1960 + static_cast<int>(random() % 62);
        wine->m_strProducer = pick(random, {"Ch\xE2teau Lafite Rothschild",
                                            "Domaine de la Roman\xE9"
                                            "e-Conti",
                                            "Ridge Vineyards", "Antinori", "Krug", "Penfolds", "Muga",
                                            "Bodega Catena Zapata", "Weingut Dr. Loosen"});
        wine->m_strDesignation = pick(random, {"", "Reserva", "Grand Vin", "Monte Bello", "Estate"});
        wine->m_strWineType = pick(random, {"Red", "White", "Ros\xE9", "Sparkling", "Dessert"});
        wine->m_strAppellation =
            pick(random, {"Pauillac", "Cabernet Sauvignon", "Rioja", "Champagne", "Riesling", "Barolo"});
        wine->m_strRegion = pick(random, {"Bordeaux", "Burgundy", "Napa Valley", "Tuscany", "Mosel", ""});
        wine->m_fCost = static_cast<float>(random() % 30000) / 100.0f;
        wine->m_fValue = random() % 3 == 0 ? 0.0f : wine->m_fCost * 1.5f;
        wine->m_nNumberAcquired = 1 + static_cast<int>(random() % 24);
        wine->m_nNumberRemaining = static_cast<int>(random() % (wine->m_nNumberAcquired + 1));
        wine->m_strDateAcquired = date(random);
        wine->m_strTryDate = date(random);
        wine->m_strDrinkDate = date(random);
        wine->m_strRating = std::to_string(80 + random() % 20) + pick(random, {"", "+", "-"});
        wine->m_strCountry = pick(random, {"France", "USA", "Italy", "Spain", "Germany", "Australia"});
        wine->m_strBins = "A";
        wine->m_strBins += std::to_string(random() % 40) + "-" + std::to_string(random() % 12);
        wine->m_strVendor = pick(random, {"Sherry-Lehmann", "K&L", "Winery", "Auction", ""});
        wine->m_strUser1 = pick(random, {"750ml", "750ml", "1.5L", "375ml"});
        wine->m_strUser2 = random() % 4 == 0 ? "Futures" : "";
        const int items = static_cast<int>(random() % 5);
        for (int item = 0; item < items; ++item)
            wine->m_strHistory += date(random) + "\t6\t12\t24.95\t24.95\t37.43\t24.95" + kHistoryItemEnd;
        wine->m_strDateModified = date(random);
        wine->m_nLetterColor = static_cast<int>(random() % 4);
        if (random() % 4 == 0)
            wine->m_strNotes.assign(100 + random() % 400, 'n');
        entries.push_back(std::move(wine));
    }
    return entries;
}

const WineList& entries() {
    static const WineList list = realisticEntries();
    return list;
}

void writeToBytes(benchmark::State& state) {
    std::size_t size = 0;
    for (auto _ : state) {
        const std::vector<std::uint8_t> bytes = CellarFile::write(entries());
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
    state.counters["fileMB"] = static_cast<double>(size) / 1e6;
}
BENCHMARK(writeToBytes)->Unit(benchmark::kMillisecond);

void readFromBytes(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = CellarFile::write(entries());
    for (auto _ : state) {
        CellarReadResult result = CellarFile::read(bytes);
        if (!result.ok() || result.entries.size() != kEntryCount)
            state.SkipWithError(result.error.c_str());
        benchmark::DoNotOptimize(result.entries.data());
        state.PauseTiming(); // freeing the entries is no part of reading them
        result.entries.clear();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(readFromBytes)->Unit(benchmark::kMillisecond);

void saveAndLoad(benchmark::State& state) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("bw-bench-" + std::to_string(std::random_device{}()) + ".bwf");
    for (auto _ : state) {
        if (const std::string error = CellarFile::save(path, entries()); !error.empty())
            state.SkipWithError(error.c_str());
        CellarReadResult result = CellarFile::load(path);
        if (!result.ok())
            state.SkipWithError(result.error.c_str());
        benchmark::DoNotOptimize(result.entries.data());
        state.PauseTiming();
        result.entries.clear();
        state.ResumeTiming();
    }
    std::filesystem::remove(path);
}
BENCHMARK(saveAndLoad)->Unit(benchmark::kMillisecond);

void loadFromFile(benchmark::State& state) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("bw-bench-" + std::to_string(std::random_device{}()) + ".bwf");
    if (const std::string error = CellarFile::save(path, entries()); !error.empty())
        state.SkipWithError(error.c_str());
    for (auto _ : state) {
        CellarReadResult result = CellarFile::load(path);
        if (!result.ok())
            state.SkipWithError(result.error.c_str());
        benchmark::DoNotOptimize(result.entries.data());
        state.PauseTiming();
        result.entries.clear();
        state.ResumeTiming();
    }
    std::filesystem::remove(path);
}
BENCHMARK(loadFromFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    constexpr const char* kSaveList = "--save-list=";
    if (argc == 2 && std::strncmp(argv[1], kSaveList, std::strlen(kSaveList)) == 0) {
        const std::string error = CellarFile::save(argv[1] + std::strlen(kSaveList), entries());
        if (!error.empty())
            std::cerr << error << '\n';
        return error.empty() ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
