#include "core/document/Statistics.h"

#include "core/document/CBottlewrightDoc.h"

#include <cmath>
#include <cstdio>

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
    char text[400];
    if (thousands != 0.0)
        std::snprintf(text, sizeof text, "$%.0f,%06.2f", thousands, rest);
    else
        std::snprintf(text, sizeof text, "$%3.2f", rest);
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
