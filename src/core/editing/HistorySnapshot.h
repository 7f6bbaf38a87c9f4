#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The bottles left, cost and value last recorded in an entry's history, so that editing them adds one
// history item per change. A value below 0.02 (or unreadable) stands for "same as the cost".
class HistorySnapshot {
public:
    // Cost and Value are the texts shown; unreadable cost counts as 0.
    static HistorySnapshot take(std::int32_t bottlesLeft, const std::string& costText,
                                const std::string& valueText);

    // The history item for a change against this snapshot, ended by the item end character, after
    // which the snapshot holds the new amounts; std::nullopt when nothing changed.
    std::optional<std::string> record(std::int32_t bottlesLeft, const std::string& costText,
                                      const std::string& valueText);

    std::int32_t bottlesLeft() const { return m_bottlesLeft; }
    float cost() const { return m_cost; }
    float value() const { return m_value; }

private:
    std::int32_t m_bottlesLeft = 0;
    float m_cost = 0.0f;
    float m_value = 0.0f;
};
