#include "cli/WhereOption.h"

#include "core/model/Cp1252.h"

#include <algorithm>
#include <array>
#include <utility>

namespace WhereOption {

const char* const kKeysHelp =
    "      texts:  producer designation appellation region country wine-type vendor bins notes\n"
    "              user1 user2 user3 user4 user5 (found anywhere, ignoring case; \"blank\": empty)\n"
    "      ranges: number-left number-acquired number-gone rating vintage cost value date-acquired\n"
    "              try-date drink-date date-modified, each as KEY-min and KEY-max\n"
    "              (\"blank\" as a rating or date -min: empty)\n"
    "      colors: colors=black,red,green,blue (the letter colours allowed)\n";

namespace {

constexpr std::pair<const char*, std::string FocusCriteria::*> kTexts[] = {
    {"producer", &FocusCriteria::producer},
    {"designation", &FocusCriteria::designation},
    {"appellation", &FocusCriteria::appellation},
    {"region", &FocusCriteria::region},
    {"country", &FocusCriteria::country},
    {"wine-type", &FocusCriteria::wineType},
    {"vendor", &FocusCriteria::vendor},
    {"bins", &FocusCriteria::bins},
    {"notes", &FocusCriteria::notes},
    {"user1", &FocusCriteria::user1},
    {"user2", &FocusCriteria::user2},
    {"user3", &FocusCriteria::user3},
    {"user4", &FocusCriteria::user4},
    {"user5", &FocusCriteria::user5},
};

constexpr std::pair<const char*, FocusCriteria::Range FocusCriteria::*> kRanges[] = {
    {"number-left", &FocusCriteria::numberLeft},
    {"number-acquired", &FocusCriteria::numberAcquired},
    {"number-gone", &FocusCriteria::numberGone},
    {"rating", &FocusCriteria::rating},
    {"vintage", &FocusCriteria::vintage},
    {"cost", &FocusCriteria::cost},
    {"value", &FocusCriteria::value},
    {"date-acquired", &FocusCriteria::dateAcquired},
    {"try-date", &FocusCriteria::tryDate},
    {"drink-date", &FocusCriteria::drinkDate},
    {"date-modified", &FocusCriteria::dateModified},
};

constexpr std::array<const char*, 4> kColors = {"black", "red", "green", "blue"};

std::string applyColors(const std::string& list, FocusCriteria& criteria) {
    criteria.colors = {false, false, false, false};
    std::size_t start = 0;
    while (start <= list.size() && !list.empty()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string name = list.substr(start, comma - start);
        bool known = false;
        for (std::size_t color = 0; color < kColors.size(); ++color) {
            if (name == kColors[color]) {
                criteria.colors[color] = true;
                known = true;
            }
        }
        if (!known)
            return "unknown colour \"" + name + "\" in --where colors (black, red, green, blue)";
        start = comma + 1;
    }
    return {};
}

} // namespace

std::string apply(const std::string& keyValue, FocusCriteria& criteria) {
    const std::size_t equals = keyValue.find('=');
    if (equals == std::string::npos)
        return "--where needs KEY=VALUE, not \"" + keyValue + "\"";
    const std::string key = keyValue.substr(0, equals);
    const std::string value = Cp1252::fromUtf8(keyValue.substr(equals + 1));
    if (key == "colors")
        return applyColors(keyValue.substr(equals + 1), criteria);
    for (const auto& [name, member] : kTexts) {
        if (key == name) {
            criteria.*member = value;
            return {};
        }
    }
    for (const auto& [name, member] : kRanges) {
        if (key == std::string(name) + "-min") {
            (criteria.*member).min = value;
            return {};
        }
        if (key == std::string(name) + "-max") {
            (criteria.*member).max = value;
            return {};
        }
    }
    return "unknown --where key \"" + key + "\"";
}

} // namespace WhereOption
