// The Entry List's print, preview, print style and print boundary commands.
#include "core/document/CBottlewrightDoc.h"
#include "gui/common/CPrinterHost.h"
#include "gui/common/FilePrompt.h"
#include "gui/views/entrylist/CEntryListPrinter.h"
#include "gui/views/entrylist/CEntryListView.h"
#include "gui/views/entrylist/CPrintStyleDialog.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

void CEntryListView::computePrintBoundary() {
    QPrinter* printer = m_printers != nullptr ? &m_printers->printer() : nullptr;
    if (printer == nullptr)
        return;
    if (const auto metrics = CEntryListPrinter::metricsFor(*printer, m_printStyle, m_font))
        m_shared.printBoundaryX = metrics->boundaryX;
}

void CEntryListView::printPages(QPrinter& printer) {
    // The column layout starts at the left while the pages are made; the pane shows nothing meanwhile.
    const int offset = m_horizontalOffset;
    scrollHorizontally(ScrollCode::ThumbPosition, 0);
    m_printing = true;
    CEntryListPrinter pages(m_document, m_columns, m_font, m_printStyle);
    pages.print(printer);
    m_printing = false;
    scrollHorizontally(ScrollCode::ThumbPosition, offset);
    repaintBothPanes();
}

void CEntryListView::print() {
    QPrinter* printer = m_printers != nullptr ? &m_printers->printer() : nullptr;
    if (printer == nullptr)
        return;
    if (m_printers->hasInstalledPrinter()) {
        QPrintDialog dialog(printer, this);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        CEntryListPrinter pages(m_document, m_columns, m_font, m_printStyle);
        dialog.setMinMax(1, std::max(pages.paginate(*printer), 1));
        if (dialog.exec() != QDialog::Accepted)
            return;
    } else {
        const std::filesystem::path file = FilePrompt::ask(
            this, FilePrompt::Mode::Save, QStringLiteral("Print to PDF File"), m_document.startDirectory(),
            QStringLiteral("PDF Files (*.pdf)"), QStringLiteral("pdf"));
        if (file.empty())
            return;
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(FilePrompt::toQtPath(file));
        printer->setPrintRange(QPrinter::AllPages);
    }
    printPages(*printer);
}

void CEntryListView::printPreview() {
    QPrinter* printer = m_printers != nullptr ? &m_printers->printer() : nullptr;
    if (printer == nullptr)
        return;
    QPrintPreviewDialog preview(printer, this);
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* shown) { printPages(*shown); });
    preview.exec();
}

void CEntryListView::setPrintStyle() {
    const int orientation = m_printers != nullptr ? m_printers->printOrientation() : 1;
    CPrintStyleDialog dialog(m_printStyle, orientation, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_printStyle = dialog.style();
    if (m_printers != nullptr)
        m_printers->setPrintOrientation(dialog.orientation());
    computePrintBoundary();
    repaintBothPanes();
}
