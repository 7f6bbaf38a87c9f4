// A full repaint of an Entry List pane draws only the rows that fit, so it costs the same for a
// Focus Set of 100 entries as for one of 100,000. Run offscreen: QT_QPA_PLATFORM=offscreen.

#include "core/document/CBottlewrightDoc.h"
#include "core/setup/FieldNames.h"
#include "gui/views/entrylist/CEntryListView.h"

#include <benchmark/benchmark.h>
#include <memory>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>

namespace {

void fillDocument(CBottlewrightDoc& document, int count) {
    for (int i = 0; i < count; ++i) {
        CWine& wine = *document.focusEntry(document.addNewEntry());
        wine.m_nVintage = 1970 + i % 40;
        wine.m_strProducer = "Producer " + std::to_string(i);
        wine.m_strAppellation = "Cabernet Sauvignon";
        wine.m_strDesignation = "Reserve";
        wine.m_strWineType = "Red";
        wine.m_strRegion = "Napa Valley";
        wine.m_strCountry = "USA";
        wine.m_strBins = std::string("A").append(std::to_string(i % 50));
        wine.m_nNumberAcquired = 12;
        wine.m_nNumberRemaining = i % 13;
        wine.m_fCost = 10.0f + static_cast<float>(i % 90);
        wine.m_fValue = 2.0f * wine.m_fCost;
        wine.m_strNotes = "Decant an hour before serving\nthen enjoy";
        wine.m_nLetterColor = i % 4;
    }
}

// scrolledToMiddle: whether the pane shows rows from the middle of the Focus Set.
void repaint(benchmark::State& state, bool scrolledToMiddle) {
    QTemporaryDir startDirectory;
    CBottlewrightDoc document(startDirectory.path().toStdString());
    fillDocument(document, static_cast<int>(state.range(0)));
    const FieldNames fieldNames;
    EntryListSharedState shared;
    auto view = std::make_unique<CEntryListView>(document, fieldNames, shared);
    view->resize(1200, 800);
    view->show();
    QApplication::processEvents();
    if (scrolledToMiddle)
        view->scrollVertically(CEntryListView::ScrollCode::ThumbPosition, document.focusCount() / 2);
    QImage image(view->viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        view->viewport()->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["rows"] = view->geometry().rowsPerPage;
    view.reset();
}

void BM_EntryListRepaint(benchmark::State& state) {
    repaint(state, false);
}
void BM_EntryListRepaintScrolled(benchmark::State& state) {
    repaint(state, true);
}

BENCHMARK(BM_EntryListRepaint)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EntryListRepaintScrolled)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace
