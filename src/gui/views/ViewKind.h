#pragma once

#include "gui/common/CommandId.h"

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
    {ViewKind::EntryList, CommandId::ViewEntryList, "&Entry List", "Entry List"},
    {ViewKind::HistoryList, CommandId::ViewHistoryList, "&History List", "History List"},
    {ViewKind::BinList, CommandId::ViewBinList, "&Bin List", "Bin List"},
    {ViewKind::ProducerGraph, CommandId::ViewProducerGraph, "&Producer", "Producer Graph"},
    {ViewKind::VintageGraph, CommandId::ViewVintageGraph, "Vinta&ge", "Vintage Graph"},
    {ViewKind::CostGraph, CommandId::ViewCostGraph, "&Cost", "Cost Graph"},
    {ViewKind::ValueGraph, CommandId::ViewValueGraph, "&Value", "Value Graph"},
    {ViewKind::AppellationGraph, CommandId::ViewAppellationGraph, "&Appellation/Varietal",
     "Appellation/Varietal Graph"},
    {ViewKind::RegionGraph, CommandId::ViewRegionGraph, "&Region", "Region Graph"},
    {ViewKind::WineTypeGraph, CommandId::ViewWineTypeGraph, "&Wine Type", "Wine Type Graph"},
    {ViewKind::VendorGraph, CommandId::ViewVendorGraph, "Source/&Vendor", "Source/Vendor Graph"},
    {ViewKind::CountryGraph, CommandId::ViewCountryGraph, "C&ountry ", "Country Graph"},
    {ViewKind::SpendingGraph, CommandId::ViewSpendingGraph, "&Spending History", "Spending History Graph"},
}};

inline const ViewKindInfo& viewKindInfo(ViewKind kind) {
    return kViewKinds[static_cast<int>(kind)];
}

inline bool isGraph(ViewKind kind) {
    return kind >= ViewKind::ProducerGraph;
}
