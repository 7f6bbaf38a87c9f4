#include "gui/app/ViewFactory.h"

#include "gui/views/graphs/CAppellationGraphView.h"
#include "gui/views/graphs/CCostGraphView.h"
#include "gui/views/graphs/CCountryGraphView.h"
#include "gui/views/graphs/CProducerGraphView.h"
#include "gui/views/graphs/CRegionGraphView.h"
#include "gui/views/graphs/CSpendingGraphView.h"
#include "gui/views/graphs/CValueGraphView.h"
#include "gui/views/graphs/CVendorGraphView.h"
#include "gui/views/graphs/CVintageGraphView.h"
#include "gui/views/graphs/CWineTypeGraphView.h"
#include "gui/views/lists/CBinListView.h"
#include "gui/views/lists/CHistoryListView.h"

QWidget* createView(ViewKind kind, CBottlewrightDoc& document, CPrinterHost* printers) {
    switch (kind) {
    case ViewKind::EntryList:
        break;
    case ViewKind::HistoryList:
        return new CHistoryListView(document);
    case ViewKind::BinList:
        return new CBinListView(document, printers);
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
