#include "core/document/Statistics.h"

#include "core/document/CBottlewrightDoc.h"

#include <charconv>
#include <cmath>

namespace {

// The product is formed in double precision, the sum rounded back to a float at once.
void add(float& total, int bottles, float amount) {
    total = static_cast<float>(static_cast<double>(total) + bottles * static_cast<double>(amount));
}

void count(Statistics::Scope& scope, const CWine& wine) {
    ++scope.entries;
    scope.remaining.bottles += wine.m_nNumberRemaining;
    add(scope.remaining.cost, wine.m_nNumberRemaining, wine.m_fCost);
    add(scope.remaining.value, wine.m_nNumberRemaining, wine.effectiveValue());
    scope.acquired.bottles += wine.m_nNumberAcquired;
    add(scope.acquired.cost, wine.m_nNumberAcquired, wine.m_fCost);
    add(scope.acquired.value, wine.m_nNumberAcquired, wine.effectiveValue());
}

void finish(Statistics::Scope& scope) {
    scope.consumed.bottles = scope.acquired.bottles - scope.remaining.bottles;
    scope.consumed.cost = scope.acquired.cost - scope.remaining.cost;
    scope.consumed.value = scope.acquired.value - scope.remaining.value;
}

std::string unsignedMoneyText(double amount) {
    // Truncated in double precision and written without decimals: "%d" of an int for every amount an
    // int can hold, and no overflow for the rest.
    const double thousands = std::trunc(amount * 0.001);
    const double rest = amount - thousands * 1000.0;
    // std::to_chars writes what "%.0f" and "%.2f" write, many times faster (the History List writes
    // two money texts per record).
    char buffer[400];
    std::string text = "$";
    if (thousands != 0.0) {
        text.append(
            buffer,
            std::to_chars(buffer, buffer + sizeof buffer, thousands, std::chars_format::fixed, 0).ptr);
        text += ',';
        const char* end =
            std::to_chars(buffer, buffer + sizeof buffer, rest, std::chars_format::fixed, 2).ptr;
        const auto length = static_cast<std::size_t>(end - buffer);
        if (length < 6) // "%06.2f": zeros before digits, spaces before "inf" or "nan"
            text.append(6 - length, buffer[0] >= '0' && buffer[0] <= '9' ? '0' : ' ');
        text.append(buffer, length);
    } else {
        text.append(buffer,
                    std::to_chars(buffer, buffer + sizeof buffer, rest, std::chars_format::fixed, 2).ptr);
    }
    return text;
}

float average(float total, int bottles) {
    return bottles > 0 ? total / static_cast<float>(bottles) : 0.0f;
}

} // namespace

Statistics Statistics::compute(const CBottlewrightDoc& document) {
    Statistics statistics;
    for (const auto& wine : document.entries())
        count(statistics.workingFile, *wine);
    for (int position = 0; position < document.focusCount(); ++position)
        count(statistics.focusSet, *document.focusEntry(position));
    finish(statistics.workingFile);
    finish(statistics.focusSet);
    return statistics;
}

Statistics::Texts Statistics::texts(const Totals& totals) {
    return {std::to_string(totals.bottles), moneyText(totals.cost),
            moneyText(average(totals.cost, totals.bottles)), moneyText(totals.value),
            moneyText(average(totals.value, totals.bottles))};
}

std::string moneyText(float amount) {
    const std::string magnitude = unsignedMoneyText(std::fabs(static_cast<double>(amount)));
    if (amount < 0.0f && magnitude != "$0.00")
        return "-" + magnitude;
    return magnitude;
}
