// The program's windows on a cellar of a million entries, each with three history items: opening the
// file into an Entry List, scrolling, a New Focus Set, sorting, statistics, and opening each graph and
// list window. Each action is timed up to the first full paint of the window it changes.
// It needs about 2 GB of memory.

#include "LargeCellar.h"
#include "core/document/CBottlewrightDoc.h"
#include "core/document/Statistics.h"
#include "core/model/CellarFile.h"
#include "core/setup/FieldNames.h"
#include "gui/views/entrylist/CEntryListView.h"
#include "gui/views/graphs/CBarGraphView.h"
#include "gui/views/lists/CBinListView.h"
#include "gui/views/lists/CHistoryListView.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <random>
#include <stdexcept>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

namespace {

constexpr int kEntries = 1000000;

// The cellar file, written once for all the benchmarks.
class MillionCellar {
public:
    MillionCellar() {
        WineList entries = makeLargeCellar(kEntries);
        addHistoryAndBins(entries);
        if (!CellarFile::save(file(), entries).empty())
            throw std::runtime_error("cannot write the million-entry cellar");
    }
    std::string file() const { return m_folder.filePath(QStringLiteral("million.bwf")).toStdString(); }
    std::string folder() const { return m_folder.path().toStdString(); }

private:
    QTemporaryDir m_folder;
};

const MillionCellar& cellar() {
    static const MillionCellar made;
    return made;
}

void paint(QWidget& window) {
    QImage image(window.size(), QImage::Format_RGB32);
    window.render(&image);
    benchmark::DoNotOptimize(image.constBits());
}

// The document open in an Entry List, as the program shows a file it has opened.
class OpenWindow {
public:
    OpenWindow() : m_document(cellar().folder()) {
        const std::string error = m_document.open(cellar().file());
        if (!error.empty())
            throw std::runtime_error(error);
        m_view = std::make_unique<CEntryListView>(m_document, m_fieldNames, m_shared);
        m_view->resize(1200, 800);
        m_view->show();
        QApplication::processEvents();
        paint(*m_view);
    }
    CBottlewrightDoc& document() { return m_document; }
    CEntryListView& view() { return *m_view; }

private:
    CBottlewrightDoc m_document;
    const FieldNames m_fieldNames;
    EntryListSharedState m_shared;
    std::unique_ptr<CEntryListView> m_view;
};

// Made once and closed before the application ends, which its widgets cannot outlive.
OpenWindow& openWindow() {
    static std::unique_ptr<OpenWindow> window;
    if (!window) {
        window = std::make_unique<OpenWindow>();
        qAddPostRoutine([] { window.reset(); });
    }
    return *window;
}

void BM_OpenFileIntoEntryList(benchmark::State& state) {
    cellar();
    for (auto _ : state) {
        auto window = std::make_unique<OpenWindow>();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

void BM_ScrollEntryList(benchmark::State& state) {
    OpenWindow& window = openWindow();
    std::mt19937 random(5);
    std::uniform_int_distribution<int> row(0, window.document().focusCount() - 1);
    for (auto _ : state) {
        window.view().scrollVertically(CEntryListView::ScrollCode::ThumbPosition, row(random));
        paint(window.view());
    }
}

void BM_NewFocusSet(benchmark::State& state) {
    OpenWindow& window = openWindow();
    FocusCriteria criteria;
    criteria.producer = "chateau";
    criteria.dateAcquired = {"1-1-00", ""};
    for (auto _ : state) {
        window.document().newFocusSet(criteria);
        paint(window.view());
        state.PauseTiming();
        window.document().selectAllWines();
        window.document().sortFocusSet();
        state.ResumeTiming();
    }
}

void BM_SortByNewPrecedence(benchmark::State& state) {
    OpenWindow& window = openWindow();
    bool byDrinkDate = false;
    for (auto _ : state) {
        byDrinkDate = !byDrinkDate;
        window.document().sortPrecedence().setPrecedence(CWine::DrinkDate,
                                                         byDrinkDate ? 1 : SortPrecedence::kNoKey);
        window.document().resortByNewPrecedence();
        paint(window.view());
    }
}

void BM_Statistics(benchmark::State& state) {
    OpenWindow& window = openWindow();
    for (auto _ : state)
        benchmark::DoNotOptimize(Statistics::compute(window.document()));
}

template <typename View, typename... Arguments>
void openView(benchmark::State& state, Arguments... arguments) {
    OpenWindow& window = openWindow();
    for (auto _ : state) {
        View view(window.document(), arguments...);
        view.resize(1000, 700);
        view.show();
        QApplication::processEvents();
        paint(view);
        state.PauseTiming();
        view.close();
        state.ResumeTiming();
    }
}

void BM_OpenGraph(benchmark::State& state) {
    openView<CBarGraphView>(state, static_cast<ViewKind>(state.range(0)));
}
void BM_OpenHistoryList(benchmark::State& state) {
    openView<CHistoryListView>(state);
}
void BM_OpenBinList(benchmark::State& state) {
    openView<CBinListView>(state);
}

BENCHMARK(BM_OpenFileIntoEntryList)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ScrollEntryList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NewFocusSet)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SortByNewPrecedence)->Unit(benchmark::kMillisecond)->Iterations(4);
BENCHMARK(BM_Statistics)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenGraph)
    ->DenseRange(static_cast<int>(ViewKind::ProducerGraph), static_cast<int>(ViewKind::SpendingGraph))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_OpenHistoryList)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenBinList)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
