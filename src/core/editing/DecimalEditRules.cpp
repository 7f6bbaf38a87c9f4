#include "core/editing/DecimalEditRules.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string formatAmount(float amount) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", amount);
    return buffer;
}

bool isPlainNumber(const std::string& text) {
    const bool onlyDigitsAndPoints =
        std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
    return onlyDigitsAndPoints && std::count(text.begin(), text.end(), '.') <= 1;
}

} // namespace

namespace DecimalEditRules {

std::string step(const std::string& text, int delta, bool ctrlDown, bool shiftDown) {
    float amount = 0.0f;
    if (std::sscanf(text.c_str(), "%f", &amount) != 1)
        amount = 0.0f;
    if (ctrlDown)
        amount += static_cast<float>(delta);
    else if (shiftDown)
        amount += static_cast<float>(delta) * 10.0f;
    else
        amount += static_cast<float>(delta) * 0.25f;
    return formatAmount(std::max(amount, 0.0f));
}

std::string normalizedText(const std::string& text) {
    if (!isPlainNumber(text))
        return {};
    float amount = 0.0f;
    if (std::sscanf(text.c_str(), "%f", &amount) != 1 || amount < 0.0f)
        return {};
    return formatAmount(amount);
}

} // namespace DecimalEditRules
