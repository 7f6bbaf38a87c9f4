#include "core/views/graphs/GraphSettings.h"

namespace {

constexpr GraphSettingKey kKeys[] = {
    {"Sort", &GraphSettings::sort},
    {"Bar Style", &GraphSettings::barStyle},
    {"User Bar Length", &GraphSettings::userBarLength},
    {"Number Bars", &GraphSettings::numberBars},
    {"Vertical", &GraphSettings::vertical},
    {"Scope", &GraphSettings::scope},
    {"GridLines", &GraphSettings::gridLines},
    {"Text Color", &GraphSettings::textColor},
    {"Border Color", &GraphSettings::borderColor},
    {"Background Color", &GraphSettings::backgroundColor},
    {"Bar Color", &GraphSettings::barColor},
    {"Font Height", &GraphSettings::fontHeight},
    {"Font Weight", &GraphSettings::fontWeight},
    {"FontIsItalic", &GraphSettings::fontIsItalic},
};

constexpr GraphSettingKey kVintageKeys[] = {{"Min Vintage", &GraphSettings::minVintage},
                                            {"Max Vintage", &GraphSettings::maxVintage}};
constexpr GraphSettingKey kCostKeys[] = {{"Min Cost", &GraphSettings::minCost},
                                         {"Max Cost", &GraphSettings::maxCost}};
constexpr GraphSettingKey kValueKeys[] = {{"Min Value", &GraphSettings::minValue},
                                          {"Max Value", &GraphSettings::maxValue}};

} // namespace

std::span<const GraphSettingKey> graphSettingKeys() {
    return kKeys;
}

std::span<const GraphSettingKey> graphRangeKeys(GraphKind kind) {
    switch (kind) {
    case GraphKind::Vintage:
        return kVintageKeys;
    case GraphKind::Cost:
        return kCostKeys;
    case GraphKind::Value:
        return kValueKeys;
    default:
        return {};
    }
}

void forceFixedSettings(GraphKind kind, GraphSettings& settings) {
    if (isUnsortedGraph(kind))
        settings.sort = -1;
    if (kind == GraphKind::Spending)
        settings.scope = -1;
}

void copyAppearance(GraphSettings& to, const GraphSettings& from, GraphKind toKind) {
    to.gridLines = from.gridLines;
    to.backgroundColor = from.backgroundColor;
    to.barColor = from.barColor;
    to.borderColor = from.borderColor;
    to.textColor = from.textColor;
    to.barStyle = from.barStyle;
    to.userBarLength = from.userBarLength;
    to.numberBars = from.numberBars;
    // "remaining" and "ascending alphabetic" are the defaults, so they do not override a choice
    if (from.scope > 0)
        to.scope = from.scope;
    if (from.sort > 0)
        to.sort = from.sort;
    forceFixedSettings(toKind, to);
    to.vertical = from.vertical;
}

GraphRange graphRange(GraphKind kind, const GraphSettings& settings) {
    const auto keys = graphRangeKeys(kind);
    if (keys.empty())
        return {};
    return {settings.*(keys[0].member), settings.*(keys[1].member)};
}

void setGraphRange(GraphKind kind, GraphSettings& settings, GraphRange range) {
    const auto keys = graphRangeKeys(kind);
    if (keys.empty())
        return;
    settings.*(keys[0].member) = range.minimum;
    settings.*(keys[1].member) = range.maximum;
}
