#include "core/document/FocusCriteria.h"

#include "core/model/CWine.h"
#include "core/model/Cp1252.h"
#include "core/model/WineDates.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr const char* kBlank = "blank";

constexpr int kWholeMin = 0;
constexpr int kWholeMax = 2500;
constexpr const char* kRatingMin = "0";
constexpr const char* kRatingMax = "100";
constexpr const char* kDateMin = "1-1-51";
// A year alone: dates inside 2049 compare after it, so the default range ends with 2048.
constexpr const char* kDateMax = "2049";
constexpr float kAmountMin = 0.0f;
constexpr float kAmountMax = 250000.0f;

// Whether the criterion occurs anywhere in the field, ignoring case; "blank" asks for an empty field.
bool matchesText(std::string_view field, const std::string& criterion) {
    if (criterion.empty())
        return true;
    if (criterion == kBlank)
        return field.empty();
    const auto found = std::search(field.begin(), field.end(), criterion.begin(), criterion.end(),
                                   [](char a, char b) { return Cp1252::toLower(a) == Cp1252::toLower(b); });
    return found != field.end();
}

int readWhole(const std::string& text, int fallback) {
    int number = 0;
    return std::sscanf(text.c_str(), "%d", &number) == 1 ? number : fallback;
}

float readAmount(const std::string& text, float fallback) {
    float amount = 0.0f;
    return std::sscanf(text.c_str(), "%f", &amount) == 1 ? amount : fallback;
}

bool matchesWhole(int number, const FocusCriteria::Range& range) {
    if (!range.inForce())
        return true;
    return readWhole(range.min, kWholeMin) <= number && number <= readWhole(range.max, kWholeMax);
}

bool matchesAmount(float amount, const FocusCriteria::Range& range) {
    if (!range.inForce())
        return true;
    return readAmount(range.min, kAmountMin) <= amount && amount <= readAmount(range.max, kAmountMax);
}

const std::string& orDefault(const std::string& bound, const std::string& fallback) {
    return bound.empty() ? fallback : bound;
}

bool matchesRating(std::string_view rating, const FocusCriteria::Range& range) {
    if (!range.inForce())
        return true;
    if (range.min == kBlank)
        return rating.empty();
    static const std::string min = kRatingMin;
    static const std::string max = kRatingMax;
    return compareNumberText(rating, orDefault(range.min, min), true) >= 0 &&
           compareNumberText(rating, orDefault(range.max, max), true) <= 0;
}

bool matchesDate(std::string_view date, const FocusCriteria::Range& range) {
    if (!range.inForce())
        return true;
    if (range.min == kBlank)
        return date.empty();
    static const std::string min = kDateMin;
    static const std::string max = kDateMax;
    return compareDates(date, orDefault(range.min, min)) >= 0 &&
           compareDates(date, orDefault(range.max, max)) <= 0;
}

bool matchesColor(int color, const std::array<bool, 4>& colors) {
    return color >= 0 && color < static_cast<int>(colors.size()) && colors[static_cast<std::size_t>(color)];
}

} // namespace

bool MatchesCriteria(const CWine& wine, const FocusCriteria& criteria) {
    return matchesColor(wine.m_nLetterColor, criteria.colors) &&
           matchesWhole(wine.m_nNumberAcquired, criteria.numberAcquired) &&
           matchesWhole(wine.m_nVintage, criteria.vintage) &&
           matchesWhole(wine.m_nNumberRemaining, criteria.numberLeft) &&
           matchesWhole(wine.numberConsumed(), criteria.numberGone) &&
           matchesRating(wine.m_strRating, criteria.rating) &&
           matchesDate(wine.m_strDateAcquired, criteria.dateAcquired) &&
           matchesDate(wine.m_strDateModified, criteria.dateModified) &&
           matchesDate(wine.m_strTryDate, criteria.tryDate) &&
           matchesDate(wine.m_strDrinkDate, criteria.drinkDate) &&
           matchesAmount(wine.m_fCost, criteria.cost) &&
           matchesAmount(wine.effectiveValue(), criteria.value) &&
           matchesText(wine.m_strProducer, criteria.producer) &&
           matchesText(wine.m_strAppellation, criteria.appellation) &&
           matchesText(wine.m_strBins, criteria.bins) && matchesText(wine.m_strCountry, criteria.country) &&
           matchesText(wine.m_strDesignation, criteria.designation) &&
           matchesText(wine.m_strNotes, criteria.notes) && matchesText(wine.m_strRegion, criteria.region) &&
           matchesText(wine.m_strVendor, criteria.vendor) && matchesText(wine.m_strUser1, criteria.user1) &&
           matchesText(wine.m_strUser2, criteria.user2) && matchesText(wine.m_strUser3, criteria.user3) &&
           matchesText(wine.m_strUser4, criteria.user4) && matchesText(wine.m_strUser5, criteria.user5) &&
           matchesText(wine.m_strWineType, criteria.wineType);
}
