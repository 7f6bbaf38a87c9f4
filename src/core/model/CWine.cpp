#include "core/model/CWine.h"

#include "core/model/Today.h"

#include <charconv>
#include <new>
#include <type_traits>

std::string CWine::description() const {
    std::string text;
    appendDescription(text);
    return text;
}

void CWine::appendDescription(std::string& out) const {
    if (m_nVintage == 0) {
        out += "  NV";
    } else {
        char digits[12];
        out.append(digits, std::to_chars(digits, digits + sizeof digits, m_nVintage).ptr);
    }
    for (const WineText* part : {&m_strProducer, &m_strAppellation, &m_strDesignation}) {
        out += ' ';
        out += part->view();
    }
}

void CWine::copyFrom(const CWine& source, bool whole) {
    if (whole) {
        *this = source;
        return;
    }
    m_nVintage = source.m_nVintage;
    m_strProducer = source.m_strProducer;
    m_strDesignation = source.m_strDesignation;
    m_strWineType = source.m_strWineType;
    m_strAppellation = source.m_strAppellation;
    m_strRegion = source.m_strRegion;
    m_fCost = source.m_fCost;
    m_fValue = source.m_fValue;
    m_strTryDate = source.m_strTryDate;
    m_strDrinkDate = source.m_strDrinkDate;
    m_strRating = source.m_strRating;
    m_strCountry = source.m_strCountry;
    m_strVendor = source.m_strVendor;
    m_strUser1 = source.m_strUser1;
    m_strUser2 = source.m_strUser2;
    m_strUser3 = source.m_strUser3;
    m_strUser4 = source.m_strUser4;
    m_strUser5 = source.m_strUser5;
    m_strSpare = source.m_strSpare;

    m_strBins.clear();
    m_strDateAcquired.clear();
    m_strHistory.clear();
    m_strNotes.clear();
    m_nNumberAcquired = 0;
    m_nNumberRemaining = 0;
    m_nLetterColor = Black;
    m_strDateModified = todayText();
}

const WineText* CWine::textField(int fieldIndex) const {
    switch (fieldIndex) {
    case Producer:
        return &m_strProducer;
    case Appellation:
        return &m_strAppellation;
    case Designation:
        return &m_strDesignation;
    case WineType:
        return &m_strWineType;
    case Bins:
        return &m_strBins;
    case Region:
        return &m_strRegion;
    case Rating:
        return &m_strRating;
    case TryDate:
        return &m_strTryDate;
    case DrinkDate:
        return &m_strDrinkDate;
    case Notes:
        return &m_strNotes;
    case Country:
        return &m_strCountry;
    case Vendor:
        return &m_strVendor;
    case User1:
        return &m_strUser1;
    case User2:
        return &m_strUser2;
    case User3:
        return &m_strUser3;
    case User4:
        return &m_strUser4;
    case User5:
        return &m_strUser5;
    case DateModified:
        return &m_strDateModified;
    case DateAcquired:
        return &m_strDateAcquired;
    default:
        return nullptr;
    }
}

WineText* CWine::textField(int fieldIndex) {
    return const_cast<WineText*>(static_cast<const CWine*>(this)->textField(fieldIndex));
}

std::unique_ptr<CWine> CWine::packed(const CWine& wine) {
    std::string_view texts[kTextCount];
    std::size_t i = 0;
    visitMembers(wine, [&](const char*, const auto& member) {
        if constexpr (std::is_same_v<std::decay_t<decltype(member)>, WineText>)
            texts[i++] = member;
    });
    return packed(wine, texts);
}

std::unique_ptr<CWine> CWine::packed(const CWine& numbers,
                                     std::span<const std::string_view, kTextCount> texts) {
    std::size_t space = 0;
    for (const std::string_view text : texts)
        space += WineText::lentSpace(text);

    void* block = ::operator new(sizeof(CWine) + space);
    std::unique_ptr<CWine> entry(new (block) CWine);
    entry->m_nVintage = numbers.m_nVintage;
    entry->m_nLetterColor = numbers.m_nLetterColor;
    entry->m_fCost = numbers.m_fCost;
    entry->m_fValue = numbers.m_fValue;
    entry->m_nNumberAcquired = numbers.m_nNumberAcquired;
    entry->m_nNumberRemaining = numbers.m_nNumberRemaining;
    char* cursor = static_cast<char*>(block) + sizeof(CWine);
    std::size_t i = 0;
    visitMembers(*entry, [&](const char*, auto& member) {
        if constexpr (std::is_same_v<std::decay_t<decltype(member)>, WineText>)
            cursor = member.lend(texts[i++], cursor);
    });
    return entry;
}
