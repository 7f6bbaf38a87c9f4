// Printing 100,000 entries in grid style to PDF: laying out and painting cost the same for every page.
// Run offscreen: QT_QPA_PLATFORM=offscreen.

#include "LargeCellar.h"
#include "core/document/CBottlewrightDoc.h"
#include "core/views/entrylist/EntryListColumns.h"
#include "gui/views/entrylist/CEntryListPrinter.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <random>

#include <QPrinter>
#include <QTemporaryDir>

namespace {

void BM_PrintGridToPdf(benchmark::State& state) {
    QTemporaryDir folder;
    CBottlewrightDoc document(folder.path().toStdString());
    for (std::unique_ptr<CWine>& wine : makeLargeCellar(static_cast<int>(state.range(0))))
        *document.focusEntry(document.addNewEntry()) = std::move(*wine);
    EntryListColumns columns;
    columns.installDefaults();
    columns.bindCellTexts();
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    int pages = 0;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("grid.pdf")));
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        CEntryListPrinter printing(document, columns, font, PrintStyle{});
        pages = printing.print(printer);
    }
    state.counters["pages"] = pages;
    state.counters["pages/s"] = benchmark::Counter(
        static_cast<double>(pages) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["entries"] = static_cast<double>(state.range(0));
}

BENCHMARK(BM_PrintGridToPdf)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
