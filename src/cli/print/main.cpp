// bottlewright-print: the print command of bottlewright-cli, which needs Qt to paint. It draws the
// pages with the program's own printing code on an offscreen display.
#include "cli/CliSupport.h"
#include "cli/FocusSetOptions.h"
#include "cli/PrintOptions.h"
#include "core/app/LargePageHeap.h"
#include "core/setup/FieldNames.h"
#include "core/views/entrylist/ColumnArrangementFile.h"
#include "core/views/entrylist/EntryListColumns.h"
#include "gui/views/entrylist/CEntryListPrinter.h"

#include <clocale>
#include <filesystem>
#include <iostream>

#include <QApplication>
#include <QPrinter>

namespace {

// The program's own small files in the current folder: column arrangement and field names.
void setUpColumns(EntryListColumns& columns) {
    if (!ColumnArrangementFile::load(columns, std::filesystem::current_path() / "colset.bw3"))
        columns.installDefaults();
    FieldNames names;
    if (!names.read(std::filesystem::current_path() / "LastUsed.fnm"))
        names.setDefaults();
    columns.bindCellTexts();
    columns.refreshHeadings(names);
}

int render(CBottlewrightDoc& doc, const PrintOptions& options) {
    EntryListColumns columns;
    setUpColumns(columns);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(options.output()));
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(options.landscape() ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    // The Entry List's default font: Arial, 12 pixels high.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    CEntryListPrinter pages(doc, columns, font, options.style());
    const int printed = pages.print(printer);
    if (printed == 0)
        return CliSupport::failed(options.output(), "the page has no room for a row");
    std::cout << printed << (printed == 1 ? " page\n" : " pages\n");
    return CliSupport::finishOutput();
}

} // namespace

int main(int argc, char** argv) {
    relaunchWithLargePageHeap(argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication qt(qtArgc, argv);
    std::setlocale(LC_NUMERIC, "C");

    CLI::App app("Prints the Entry List of a Cellar File to PDF.", "bottlewright-print");
    app.require_subcommand(1);
    CLI::App& command = *app.add_subcommand("print", "writes the printed pages to a PDF");
    std::string file;
    FocusSetOptions focus;
    PrintOptions options;
    command.add_option("FILE", file, "the Cellar File")->required();
    focus.addTo(command);
    options.addTo(command);
    try {
        app.parse(argc, argv);
        (void)options.style();
        return focus.withFocusSet(file, [&](CBottlewrightDoc& doc) { return render(doc, options); });
    } catch (const CLI::ParseError& wrong) {
        return app.exit(wrong);
    } catch (const CliSupport::UsageError& wrong) {
        std::cerr << "bottlewright-cli: " << wrong.what() << '\n';
        return CliSupport::kUsage;
    }
}
