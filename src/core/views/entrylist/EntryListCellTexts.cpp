#include "core/views/entrylist/EntryListCellTexts.h"

#include <charconv>

namespace {

// Formatting here must not follow the user's locale: the grid always shows "12.50".
std::string padLeft(const char* first, const char* last, std::size_t width) {
    std::string text(first, last);
    if (text.size() < width)
        text.insert(0, width - text.size(), ' ');
    return text;
}

std::string formatInteger(std::int32_t value, std::size_t width) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return padLeft(buffer, result.ptr, width);
}

// "%6.2f"
std::string formatMoney(float amount) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(amount),
                                      std::chars_format::fixed, 2);
    return padLeft(buffer, result.ptr, 6);
}

} // namespace

void EntryListCellTexts::fill(const CWine& wine) {
    for (int field = 0; field < CWine::FieldCount; ++field) {
        std::string& text = m_texts[field];
        switch (field) {
        case CWine::Vintage:
            text = wine.m_nVintage == 0 ? std::string("NV") : formatInteger(wine.m_nVintage, 0);
            break;
        case CWine::NumberRemaining:
            text = formatInteger(wine.m_nNumberRemaining, 3);
            break;
        case CWine::Cost:
            text = formatMoney(wine.m_fCost);
            break;
        case CWine::Value:
            text = formatMoney(wine.effectiveValue());
            break;
        case CWine::NumberAcquired:
            text = formatInteger(wine.m_nNumberAcquired, 3);
            break;
        case CWine::NumberConsumed:
            text = formatInteger(wine.numberConsumed(), 3);
            break;
        default:
            text = *wine.textField(field);
            break;
        }
    }
}
