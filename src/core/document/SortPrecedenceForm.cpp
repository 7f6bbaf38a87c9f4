#include "core/document/SortPrecedenceForm.h"

#include "core/document/IntegerOrBlank.h"

namespace {
constexpr int kFirstNumber = 1;
constexpr int kLastNumber = SortPrecedence::kNoKey;
} // namespace

const std::array<int, SortPrecedence::kSortableCount>& SortPrecedenceForm::layout() {
    static const std::array<int, SortPrecedence::kSortableCount> fields{
        CWine::Vintage,        CWine::Producer,       CWine::Appellation,     CWine::Designation,
        CWine::Region,         CWine::Country,        CWine::WineType,        CWine::Bins,
        CWine::NumberAcquired, CWine::NumberConsumed, CWine::NumberRemaining, CWine::DateAcquired,
        CWine::DateModified,   CWine::TryDate,        CWine::DrinkDate,       CWine::Vendor,
        CWine::Cost,           CWine::Value,          CWine::Rating,          CWine::User1,
        CWine::User2,          CWine::User3,          CWine::User4,           CWine::User5,
    };
    return fields;
}

void SortPrecedenceForm::fill(const SortPrecedence& precedence) {
    for (const int field : layout()) {
        m_texts[field] = IntegerOrBlank::toText(precedence.precedence(field), SortPrecedence::kNoKey,
                                                kFirstNumber, kLastNumber);
        m_descending[field] = precedence.descending(field);
    }
}

std::optional<int> SortPrecedenceForm::take(SortPrecedence& precedence) const {
    for (const int field : layout()) {
        precedence.setDescending(field, m_descending[field]);
        int number = precedence.precedence(field);
        const bool valid =
            IntegerOrBlank::take(m_texts[field], number, SortPrecedence::kNoKey, kFirstNumber, kLastNumber);
        precedence.setPrecedence(field, number);
        if (!valid)
            return field;
    }
    return std::nullopt;
}

std::string SortPrecedenceForm::invalidNumberMessage() {
    return IntegerOrBlank::message(kFirstNumber, kLastNumber);
}

void SortPrecedenceForm::clear() {
    for (const int field : layout()) {
        m_texts[field].clear();
        m_descending[field] = false;
    }
    m_numbering = true;
    m_nextNumber = 1;
}

bool SortPrecedenceForm::number(int field) {
    if (!m_numbering)
        return false;
    m_texts[field] = std::to_string(m_nextNumber++);
    return true;
}

void SortPrecedenceForm::endNumbering() {
    m_numbering = false;
    m_nextNumber = 1;
}
