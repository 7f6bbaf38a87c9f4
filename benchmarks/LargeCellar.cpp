#include "LargeCellar.h"

#include "core/model/WineDates.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>

WineList makeLargeCellar(int count) {
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
        wine->m_strDateAcquired =
            pick(0, 9) == 0 ? "" : formatWineDate(pick(1, 12), pick(1, 28), pick(1990, 2023));
        wine->m_strDrinkDate =
            pick(0, 4) == 0 ? "" : formatWineDate(pick(1, 12), pick(1, 28), pick(1995, 2040));
        wine->m_strRating = ratings[pick(0, 7)];
        wine->m_strBins = "Bin " + std::to_string(pick(1, 200));
        wine->m_strDateModified = formatWineDate(pick(1, 12), pick(1, 28), pick(2000, 2023));
        entries.push_back(std::move(wine));
    }
    return entries;
}

void addHistoryAndBins(WineList& entries) {
    std::mt19937 random(7);
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (std::unique_ptr<CWine>& wine : entries) {
        int left = 0;
        for (int item = 0; item < 3; ++item) {
            const int now = item == 0 ? pick(1, 12) : std::max(left - pick(0, 3), 0);
            char text[160];
            std::snprintf(text, sizeof text, "%d-%d-%d\t%d\t%d\t%.2f\t%.2f\t%.2f\t%.2f", pick(1, 12),
                          pick(1, 28), pick(0, 24), now, left, 20.0, 20.0, 30.0, 30.0);
            wine->m_strHistory += std::string(text) + kHistoryItemEnd;
            left = now;
        }
        wine->m_nNumberRemaining = left;
        if (pick(0, 4) == 0)
            wine->m_strBins += "-1, Bin " + std::to_string(pick(1, 200)) + "-1";
    }
}
