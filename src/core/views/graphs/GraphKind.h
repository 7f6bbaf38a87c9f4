#pragma once

#include "core/model/CWine.h"

#include <array>

// The ten bar graphs of the Focus Set.
enum class GraphKind {
    Producer,
    Vintage,
    Cost,
    Value,
    Appellation,
    Region,
    WineType,
    Vendor,
    Country,
    Spending,
};

struct GraphKindInfo {
    GraphKind kind;
    const char* className; // also the section of its settings
    const char* cliName;   // the KIND of "bottlewright-cli graph"
    int field;             // the text field a category graph counts by, or -1
    const char* titleVertical;
    const char* titleHorizontal;
};

inline constexpr std::array<GraphKindInfo, 10> kGraphKinds{{
    {GraphKind::Producer, "CProducerGraphView", "producer", CWine::Producer, "Bottles vs. Producer",
     "Producer vs. Bottles"},
    {GraphKind::Vintage, "CVintageGraphView", "vintage", -1, "Bottles vs. Vintage", "Vintage vs. Bottles"},
    {GraphKind::Cost, "CCostGraphView", "cost", -1, "Bottles vs. Cost", "Cost vs. Bottles"},
    {GraphKind::Value, "CValueGraphView", "value", -1, "Bottles vs. Value", "Value vs. Bottles"},
    {GraphKind::Appellation, "CAppellationGraphView", "appellation", CWine::Appellation,
     "Bottles vs. Appellation/Varietal", "Appellation/Varietal vs. Bottles"},
    {GraphKind::Region, "CRegionGraphView", "region", CWine::Region, "Bottles vs. Region",
     "Region vs. Bottles"},
    {GraphKind::WineType, "CWineTypeGraphView", "wine-type", CWine::WineType, "Bottles vs. Wine Type",
     "Wine Type vs. Bottles"},
    {GraphKind::Vendor, "CVendorGraphView", "vendor", CWine::Vendor, "Bottles vs. Source/Vendor",
     "Source/Vendor vs. Bottles"},
    {GraphKind::Country, "CCountryGraphView", "country", CWine::Country, "Bottles vs. Country",
     "Country vs. Bottles"},
    {GraphKind::Spending, "CSpendingGraphView", "spending", -1, "Spending($) vs. Month",
     "Month vs. Spending($)"},
}};

inline const GraphKindInfo& graphKindInfo(GraphKind kind) {
    return kGraphKinds[static_cast<int>(kind)];
}

// Cost, value and spending keep their bars in bucket order.
inline bool isUnsortedGraph(GraphKind kind) {
    return kind == GraphKind::Cost || kind == GraphKind::Value || kind == GraphKind::Spending;
}

inline bool isCategoryGraph(GraphKind kind) {
    return graphKindInfo(kind).field >= 0;
}

inline bool hasGraphRange(GraphKind kind) {
    return kind == GraphKind::Cost || kind == GraphKind::Value || kind == GraphKind::Vintage;
}
