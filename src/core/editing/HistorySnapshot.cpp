#include "core/editing/HistorySnapshot.h"

#include "core/model/CWine.h"
#include "core/model/Today.h"

#include <cstdio>

namespace {

std::optional<float> readAmount(const std::string& text) {
    float amount = 0.0f;
    if (std::sscanf(text.c_str(), "%f", &amount) != 1)
        return std::nullopt;
    return amount;
}

// A value of less than two cents means the cost stands in for it.
float effectiveValue(const std::string& valueText, float cost) {
    const std::optional<float> value = readAmount(valueText);
    return value && *value >= 0.02f ? *value : cost;
}

} // namespace

HistorySnapshot HistorySnapshot::take(std::int32_t bottlesLeft, const std::string& costText,
                                      const std::string& valueText) {
    HistorySnapshot snapshot;
    snapshot.m_bottlesLeft = bottlesLeft;
    snapshot.m_cost = readAmount(costText).value_or(0.0f);
    snapshot.m_value = effectiveValue(valueText, snapshot.m_cost);
    return snapshot;
}

std::optional<std::string> HistorySnapshot::record(std::int32_t bottlesLeft, const std::string& costText,
                                                   const std::string& valueText) {
    const HistorySnapshot now = take(bottlesLeft, costText, valueText);
    if (now.m_bottlesLeft == m_bottlesLeft && now.m_cost == m_cost && now.m_value == m_value)
        return std::nullopt;
    const CalendarDate date = today();
    char item[512];
    std::snprintf(item, sizeof item, "%d-%d-%d\t%d\t%d\t%.2f\t%.2f\t%.2f\t%.2f", date.month, date.day,
                  date.year % 100, now.m_bottlesLeft, m_bottlesLeft, static_cast<double>(now.m_cost),
                  static_cast<double>(m_cost), static_cast<double>(now.m_value),
                  static_cast<double>(m_value));
    *this = now;
    return std::string(item) + kHistoryItemEnd;
}
