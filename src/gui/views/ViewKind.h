#pragma once

#include <array>

// The kinds of window on the Working File; one window of each kind at most.
enum class ViewKind {
    EntryList,
    HistoryList,
    BinList,
    ProducerGraph,
    VintageGraph,
    CostGraph,
    ValueGraph,
    AppellationGraph,
    RegionGraph,
    WineTypeGraph,
    VendorGraph,
    CountryGraph,
    SpendingGraph,
};

struct ViewKindInfo {
    ViewKind kind;
    int command;
    const char* menuText;
    const char* caption;
};

inline constexpr std::array<ViewKindInfo, 13> kViewKinds{{
    {ViewKind::EntryList, 33000, "&Entry List", "Entry List"},
    {ViewKind::HistoryList, 33001, "&History List", "History List"},
    {ViewKind::BinList, 33002, "&Bin List", "Bin List"},
    {ViewKind::ProducerGraph, 33003, "&Producer", "Producer Graph"},
    {ViewKind::VintageGraph, 33004, "Vinta&ge", "Vintage Graph"},
    {ViewKind::CostGraph, 33005, "&Cost", "Cost Graph"},
    {ViewKind::ValueGraph, 33006, "&Value", "Value Graph"},
    {ViewKind::AppellationGraph, 33007, "&Appellation/Varietal", "Appellation/Varietal Graph"},
    {ViewKind::RegionGraph, 33008, "&Region", "Region Graph"},
    {ViewKind::WineTypeGraph, 33009, "&Wine Type", "Wine Type Graph"},
    {ViewKind::VendorGraph, 33010, "Source/&Vendor", "Source/Vendor Graph"},
    {ViewKind::CountryGraph, 33011, "C&ountry ", "Country Graph"},
    {ViewKind::SpendingGraph, 33012, "&Spending History", "Spending History Graph"},
}};

inline const ViewKindInfo& viewKindInfo(ViewKind kind) {
    return kViewKinds[static_cast<int>(kind)];
}

inline bool isGraph(ViewKind kind) {
    return kind >= ViewKind::ProducerGraph;
}
