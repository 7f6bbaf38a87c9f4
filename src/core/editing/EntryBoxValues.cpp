#include "core/editing/EntryBoxValues.h"

#include "core/model/Today.h"

#include <array>
#include <cstdio>
#include <utility>

namespace {

using TextPair = std::pair<std::string EntryBoxValues::*, WineText CWine::*>;

// The texts the box edits and the entry members they go to; the spare text is not among them.
constexpr std::array<TextPair, 20> kTexts{{
    {&EntryBoxValues::producer, &CWine::m_strProducer},
    {&EntryBoxValues::appellation, &CWine::m_strAppellation},
    {&EntryBoxValues::designation, &CWine::m_strDesignation},
    {&EntryBoxValues::region, &CWine::m_strRegion},
    {&EntryBoxValues::country, &CWine::m_strCountry},
    {&EntryBoxValues::wineType, &CWine::m_strWineType},
    {&EntryBoxValues::vendor, &CWine::m_strVendor},
    {&EntryBoxValues::bins, &CWine::m_strBins},
    {&EntryBoxValues::user1, &CWine::m_strUser1},
    {&EntryBoxValues::user2, &CWine::m_strUser2},
    {&EntryBoxValues::user3, &CWine::m_strUser3},
    {&EntryBoxValues::user4, &CWine::m_strUser4},
    {&EntryBoxValues::user5, &CWine::m_strUser5},
    {&EntryBoxValues::rating, &CWine::m_strRating},
    {&EntryBoxValues::dateAcquired, &CWine::m_strDateAcquired},
    {&EntryBoxValues::tryDate, &CWine::m_strTryDate},
    {&EntryBoxValues::drinkDate, &CWine::m_strDrinkDate},
    {&EntryBoxValues::dateModified, &CWine::m_strDateModified},
    {&EntryBoxValues::notes, &CWine::m_strNotes},
    {&EntryBoxValues::history, &CWine::m_strHistory},
}};

std::string amountText(float amount) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", amount);
    return text;
}

// The amount read from the text with "%f", or the fallback when nothing can be read.
float readAmount(const std::string& text, float fallback) {
    float amount = 0.0f;
    return std::sscanf(text.c_str(), "%f", &amount) == 1 ? amount : fallback;
}

} // namespace

EntryBoxValues EntryBoxValues::fromWine(const CWine& wine) {
    EntryBoxValues values;
    values.vintage = wine.m_nVintage;
    values.numberAcquired = wine.m_nNumberAcquired;
    values.numberRemaining = wine.m_nNumberRemaining;
    for (const auto& [boxText, wineText] : kTexts)
        values.*boxText = wine.*wineText;
    values.cost = amountText(wine.m_fCost);
    values.value = amountText(wine.m_fValue);
    values.description = wine.description();
    return values;
}

bool EntryBoxValues::holdsNoSignificantInformation() const {
    return vintage == 1993 && numberRemaining == 0 && numberAcquired == 0 && appellation.empty() &&
           producer.empty() && designation.empty() && region.empty() && country.empty() && notes.empty();
}

bool EntryBoxValues::differsFrom(const CWine& wine) const {
    if (vintage != wine.m_nVintage || numberRemaining != wine.m_nNumberRemaining ||
        numberAcquired != wine.m_nNumberAcquired)
        return true;
    for (const auto& [boxText, wineText] : kTexts)
        if (this->*boxText != wine.*wineText)
            return true;
    return readAmount(cost, wine.m_fCost) != wine.m_fCost ||
           readAmount(value, wine.m_fValue) != wine.m_fValue;
}

void EntryBoxValues::storeInto(CWine& wine) const {
    wine.m_nVintage = vintage;
    wine.m_nNumberAcquired = numberAcquired;
    wine.m_nNumberRemaining = numberRemaining;
    for (const auto& [boxText, wineText] : kTexts)
        wine.*wineText = this->*boxText;
    wine.m_fCost = readAmount(cost, wine.m_fCost);
    wine.m_fValue = readAmount(value, wine.m_fValue);
    wine.m_strDateModified = todayText();
}
