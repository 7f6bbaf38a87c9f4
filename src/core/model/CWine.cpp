#include "core/model/CWine.h"

#include "core/model/Today.h"

std::string CWine::description() const {
    if (m_nVintage == 0)
        return "  NV " + m_strProducer + ' ' + m_strAppellation + ' ' + m_strDesignation;
    return std::to_string(m_nVintage) + ' ' + m_strProducer + ' ' + m_strAppellation + ' ' + m_strDesignation;
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

const std::string* CWine::textField(int fieldIndex) const {
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

std::string* CWine::textField(int fieldIndex) {
    return const_cast<std::string*>(static_cast<const CWine*>(this)->textField(fieldIndex));
}
