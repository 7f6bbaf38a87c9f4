#include "core/document/SortPrecedence.h"

#include "core/model/AtomicFile.h"
#include "core/model/WineDates.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

namespace {

int sign(std::int64_t difference) {
    return (difference > 0) - (difference < 0);
}

// Cost and Value compare by the sign of their difference, so amounts a rounding apart still differ.
int compareAmounts(float a, float b) {
    const float difference = a - b;
    return (difference > 0.0f) - (difference < 0.0f);
}

// Byte order with unsigned bytes, case-sensitive: every capital comes before every small letter.
int compareText(const std::string& a, const std::string& b) {
    return std::strcmp(a.c_str(), b.c_str());
}

std::int64_t numberConsumed(const CWine& wine) {
    return std::int64_t{wine.m_nNumberAcquired} - wine.m_nNumberRemaining;
}

int compareField(int field, const CWine& a, const CWine& b) {
    switch (field) {
    case CWine::Vintage:
        return sign(std::int64_t{a.m_nVintage} - b.m_nVintage);
    case CWine::NumberRemaining:
        return sign(std::int64_t{a.m_nNumberRemaining} - b.m_nNumberRemaining);
    case CWine::NumberAcquired:
        return sign(std::int64_t{a.m_nNumberAcquired} - b.m_nNumberAcquired);
    case CWine::NumberConsumed:
        return sign(numberConsumed(a) - numberConsumed(b));
    case CWine::Cost:
        return compareAmounts(a.m_fCost, b.m_fCost);
    case CWine::Value:
        return compareAmounts(a.effectiveValue(), b.effectiveValue());
    case CWine::Rating:
        return compareNumberText(a.m_strRating, b.m_strRating, true);
    case CWine::Bins:
        return compareNumberText(a.m_strBins, b.m_strBins, false);
    case CWine::TryDate:
        return compareDates(a.m_strTryDate, b.m_strTryDate);
    case CWine::DrinkDate:
        return compareDates(a.m_strDrinkDate, b.m_strDrinkDate);
    case CWine::DateAcquired:
        return compareDates(a.m_strDateAcquired, b.m_strDateAcquired);
    case CWine::DateModified:
        return compareDates(a.m_strDateModified, b.m_strDateModified);
    default:
        return compareText(*a.textField(field), *b.textField(field));
    }
}

} // namespace

const std::array<int, SortPrecedence::kSortableCount>& SortPrecedence::fileOrder() {
    static const std::array<int, kSortableCount> order{
        CWine::Bins,           CWine::Cost,
        CWine::Country,        CWine::DateAcquired,
        CWine::DateModified,   CWine::Designation,
        CWine::DrinkDate,      CWine::NumberAcquired,
        CWine::NumberConsumed, CWine::NumberRemaining,
        CWine::Producer,       CWine::Rating,
        CWine::Region,         CWine::Vendor,
        CWine::TryDate,        CWine::User1,
        CWine::User2,          CWine::User3,
        CWine::User4,          CWine::User5,
        CWine::Value,          CWine::Appellation,
        CWine::Vintage,        CWine::WineType,
    };
    return order;
}

const std::array<int, SortPrecedence::kSortableCount>& SortPrecedence::testingOrder() {
    static const std::array<int, kSortableCount> order{
        CWine::Vintage, CWine::NumberRemaining, CWine::NumberAcquired, CWine::NumberConsumed, CWine::Cost,
        CWine::Value,   CWine::Producer,        CWine::Rating,         CWine::Designation,    CWine::Country,
        CWine::Region,  CWine::Appellation,     CWine::Vendor,         CWine::WineType,       CWine::Bins,
        CWine::User1,   CWine::User2,           CWine::User3,          CWine::User4,          CWine::User5,
        CWine::TryDate, CWine::DrinkDate,       CWine::DateAcquired,   CWine::DateModified,
    };
    return order;
}

SortPrecedence::SortPrecedence() {
    clear();
}

void SortPrecedence::setPrecedence(int field, int number) {
    m_precedence[field] = number;
    planKeys();
}

void SortPrecedence::clear() {
    m_precedence.fill(kNoKey);
    m_descending.fill(0);
    planKeys();
}

void SortPrecedence::planKeys() {
    m_keyCount = 0;
    for (int number = 1; number <= kSortableCount; ++number) {
        int keyField = -1;
        for (const int field : testingOrder()) {
            if (m_precedence[field] == number) {
                keyField = field;
                break;
            }
        }
        if (keyField < 0)
            return; // a gap ends the keys; Producer and Vintage take over from there
        m_keys[m_keyCount++] = keyField;
    }
}

bool SortPrecedence::read(const std::filesystem::path& path) {
    std::string text;
    std::string error;
    return readWholeFile(path, text, error) && parse(text);
}

bool SortPrecedence::parse(const std::string& text) {
    int pairsRead = 0;
    const char* cursor = text.c_str();
    for (const int field : fileOrder()) {
        int consumed = 0;
        // Like fscanf: after the first pair that does not scan, none of the later ones does.
        if (std::sscanf(cursor, "%d %d%n", &m_precedence[field], &m_descending[field], &consumed) != 2)
            break;
        cursor += consumed;
        ++pairsRead;
    }
    planKeys();
    return pairsRead == kSortableCount;
}

bool SortPrecedence::write(const std::filesystem::path& path) const {
    std::string text;
    for (const int field : fileOrder())
        text += std::to_string(m_precedence[field]) + ' ' + std::to_string(m_descending[field]) + '\n';
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return writeFileAtomically(path, {bytes, text.size()}).empty();
}

int SortPrecedence::compare(const CWine& a, const CWine& b) const {
    for (int k = 0; k < m_keyCount; ++k) {
        const int field = m_keys[k];
        const int result = compareField(field, a, b);
        if (result != 0)
            return m_descending[field] != 0 ? -result : result;
    }
    if (m_keyCount == kSortableCount)
        return 0;
    const int producer = compareText(a.m_strProducer, b.m_strProducer);
    if (producer != 0)
        return m_descending[CWine::Producer] != 0 ? -producer : producer;
    const int vintage = sign(std::int64_t{a.m_nVintage} - b.m_nVintage);
    return m_descending[CWine::Vintage] != 0 ? -vintage : vintage;
}

void SortPrecedence::sort(std::vector<int>& focus, int count, const WineList& entries) const {
    sortRange(focus.data(), 0, count - 1, entries);
}

void SortPrecedence::sortRange(int* focus, int lo, int hi, const WineList& entries) const {
    while (lo < hi) {
        std::swap(focus[lo], focus[(lo + hi) / 2]);
        int last = lo;
        for (int i = lo + 1; i <= hi; ++i) {
            if (compare(*entries[focus[i]], *entries[focus[lo]]) < 0) {
                ++last;
                std::swap(focus[last], focus[i]);
            }
        }
        std::swap(focus[lo], focus[last]);
        sortRange(focus, lo, last - 1, entries);
        lo = last + 1;
    }
}
