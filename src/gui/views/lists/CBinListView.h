#pragma once

#include "core/views/lists/BinList.h"
#include "gui/views/lists/CListView.h"

#include <functional>
#include <memory>

#include <QString>

class CPrinterHost;
class QPagedPaintDevice;

// The bins of the cellar: each bin's name and bottles, then one line per wine in it with its bottles
// there. It covers the whole Working File and can be printed.
class CBinListView : public CListView {
    Q_OBJECT
public:
    // The printer comes from printerHost; without one the view keeps a printer of its own.
    explicit CBinListView(CBottlewrightDoc& document, CPrinterHost* printerHost = nullptr,
                          QWidget* parent = nullptr);
    ~CBinListView() override;

    const BinList& list() const { return m_list; }
    int lineHeight() const;

    // Asks where to write the PDF when no printer is installed; empty to cancel.
    using PdfFilePrompt = std::function<QString()>;
    void setPdfFilePrompt(PdfFilePrompt prompt) { m_pdfPrompt = std::move(prompt); }

    bool hasCommand(int commandId) const override;
    void runCommand(int commandId) override;
    // The print dialog first unless direct; a PDF file when no printer is installed.
    void print(bool direct);
    void printPreview();
    // Draws every page on the device; returns the number of pages.
    int printPages(QPagedPaintDevice& device) const;

protected:
    void rebuildList() override;
    int lineCount() const override { return m_list.totalLines(); }
    int linesPerPage() const override;
    void paintList(QPainter& painter, const QRect& region) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool keepsTopOnRebuild() const override { return true; }

private:
    void drawLines(QPainter& painter, int firstLine, int count, int lineHeight) const;
    void printToPdf();

    BinList m_list;
    CPrinterHost* m_printerHost;
    std::unique_ptr<CPrinterHost> m_ownPrinter;
    PdfFilePrompt m_pdfPrompt;
};
