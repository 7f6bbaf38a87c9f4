#include "ViewFactory.h"

#include "views/graphs/CAppellationGraphView.h"
#include "views/graphs/CCostGraphView.h"
#include "views/graphs/CCountryGraphView.h"
#include "views/graphs/CProducerGraphView.h"
#include "views/graphs/CRegionGraphView.h"
#include "views/graphs/CSpendingGraphView.h"
#include "views/graphs/CValueGraphView.h"
#include "views/graphs/CVendorGraphView.h"
#include "views/graphs/CVintageGraphView.h"
#include "views/graphs/CWineTypeGraphView.h"
#include "views/lists/CBinListView.h"
#include "views/lists/CHistoryListView.h"

QWidget* createView(ViewKind kind, CBottlewrightDoc& document) {
    switch (kind) {
    case ViewKind::EntryList:
        break;
    case ViewKind::HistoryList:
        return new CHistoryListView(document);
    case ViewKind::BinList:
        return new CBinListView(document);
    case ViewKind::ProducerGraph:
        return new CProducerGraphView(document);
    case ViewKind::VintageGraph:
        return new CVintageGraphView(document);
    case ViewKind::CostGraph:
        return new CCostGraphView(document);
    case ViewKind::ValueGraph:
        return new CValueGraphView(document);
    case ViewKind::AppellationGraph:
        return new CAppellationGraphView(document);
    case ViewKind::RegionGraph:
        return new CRegionGraphView(document);
    case ViewKind::WineTypeGraph:
        return new CWineTypeGraphView(document);
    case ViewKind::VendorGraph:
        return new CVendorGraphView(document);
    case ViewKind::CountryGraph:
        return new CCountryGraphView(document);
    case ViewKind::SpendingGraph:
        return new CSpendingGraphView(document);
    }
    return nullptr;
}
