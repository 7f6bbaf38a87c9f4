#include "core/document/IntegerOrBlank.h"

#include <cstdio>

namespace IntegerOrBlank {

namespace {
constexpr std::size_t kCharactersRead = 31;
}

std::string toText(int value, int blankValue, int minimum, int maximum) {
    if (value == blankValue || value < minimum || value > maximum)
        return {};
    return std::to_string(value);
}

bool take(const std::string& text, int& member, int blankValue, int minimum, int maximum) {
    const std::string read = text.substr(0, kCharactersRead);
    if (read.empty()) {
        member = blankValue;
        return true;
    }
    return std::sscanf(read.c_str(), "%d", &member) == 1 && member >= minimum && member <= maximum;
}

std::optional<int> fromText(const std::string& text, int blankValue, int minimum, int maximum) {
    int value = blankValue;
    if (!take(text, value, blankValue, minimum, maximum))
        return std::nullopt;
    return value;
}

std::string message(int minimum, int maximum) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer,
                  "Please enter an integer between %d and %d\nor leave this field blank.", minimum, maximum);
    return buffer;
}

} // namespace IntegerOrBlank
