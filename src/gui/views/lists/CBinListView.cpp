#include "gui/views/lists/CBinListView.h"

#include "core/model/AtomicFile.h"
#include "gui/common/CPrinterHost.h"
#include "gui/common/CommandId.h"
#include "gui/common/FilePrompt.h"
#include "gui/common/TextConvert.h"

#include <QBuffer>
#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// A printer for a view that was given none: a PDF writer when no printer is installed.
class COwnPrinter : public CPrinterHost {
public:
    QPrinter& printer() override {
        if (m_printer == nullptr) {
            m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            if (QPrinterInfo::availablePrinterNames().isEmpty())
                m_printer->setOutputFormat(QPrinter::PdfFormat);
        }
        m_printer->setPageOrientation(m_orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
        return *m_printer;
    }
    bool hasInstalledPrinter() const override { return !QPrinterInfo::availablePrinterNames().isEmpty(); }
    int printOrientation() const override { return m_orientation; }
    void setPrintOrientation(int orientation) override { m_orientation = orientation == 2 ? 2 : 1; }

private:
    std::unique_ptr<QPrinter> m_printer;
    int m_orientation = 1;
};

// Portrait for one print job; the orientation setting comes back when the job ends or is cancelled.
class PortraitJob {
public:
    explicit PortraitJob(CPrinterHost& host) : m_host(host), m_saved(host.printOrientation()) {
        m_host.setPrintOrientation(1);
    }
    ~PortraitJob() {
        m_host.setPrintOrientation(m_saved);
        m_host.printer();
    }
    PortraitJob(const PortraitJob&) = delete;
    PortraitJob& operator=(const PortraitJob&) = delete;

private:
    CPrinterHost& m_host;
    int m_saved;
};

bool noPrinterInstalled(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat && QPrinterInfo::availablePrinterNames().isEmpty();
}

} // namespace

CBinListView::CBinListView(CBottlewrightDoc& document, CPrinterHost* printerHost, QWidget* parent)
    : CListView(document, "Bin List", parent), m_printerHost(printerHost) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (m_printerHost == nullptr) {
        m_ownPrinter = std::make_unique<COwnPrinter>();
        m_printerHost = m_ownPrinter.get();
    }
    m_pdfPrompt = [this] {
        return FilePrompt::toQtPath(
            FilePrompt::ask(this, FilePrompt::Mode::Save, QStringLiteral("Print to PDF"),
                            FilePrompt::fromQtPath(QDir::currentPath()), QStringLiteral("PDF Files (*.pdf)"),
                            QStringLiteral("pdf")));
    };
    rebuild();
}

CBinListView::~CBinListView() = default;

void CBinListView::rebuildList() {
    m_list.rebuild(document());
}

int CBinListView::lineHeight() const {
    return QFontMetrics(listFont()).boundingRect(QStringLiteral("AQaqgyY")).height() + 2;
}

int CBinListView::linesPerPage() const {
    return viewport()->height() / lineHeight();
}

void CBinListView::drawLines(QPainter& painter, int firstLine, int count, int height) const {
    const int ascent = painter.fontMetrics().ascent();
    int y = 0;
    for (const BinList::Line& line : m_list.lines(firstLine, count)) {
        painter.drawText(BinList::lineX(line), y + ascent, toQt(m_list.lineText(document(), line)));
        y += height;
    }
}

void CBinListView::paintList(QPainter& painter, const QRect&) {
    painter.save();
    painter.setPen(Qt::black);
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRect(viewport()->rect().adjusted(0, 0, -1, -1));
    painter.restore();
    drawLines(painter, topLine(), linesPerPage(), lineHeight());
}

void CBinListView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton)
        viewport()->update();
    CListView::mousePressEvent(event);
}

bool CBinListView::hasCommand(int commandId) const {
    return CListView::hasCommand(commandId) || commandId == CommandId::Print ||
           commandId == CommandId::PrintDirect || commandId == CommandId::PrintPreview;
}

void CBinListView::runCommand(int commandId) {
    if (commandId == CommandId::Print || commandId == CommandId::PrintDirect)
        print(commandId == CommandId::PrintDirect);
    else if (commandId == CommandId::PrintPreview)
        printPreview();
    else
        CListView::runCommand(commandId);
}

int CBinListView::printPages(QPagedPaintDevice& device) const {
    QPainter painter(&device);
    // Hundredths of an inch over the printable area.
    const double scale = device.logicalDpiY() / 100.0;
    painter.scale(scale, scale);
    QFont font = listFont();
    font.setPixelSize(font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(listFont()).pixelSize());
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int height = QFontMetrics(font, &device).height() + 2;
    const double printable = device.pageLayout().paintRectPixels(device.logicalDpiY()).height() / scale;
    const int perPage = std::max(static_cast<int>(printable) / height, 1);
    const int pages = BinList::pageCount(m_list.totalLines(), perPage);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        drawLines(painter, page * perPage, perPage, height);
    }
    return pages;
}

void CBinListView::print(bool direct) {
    PortraitJob job(*m_printerHost);
    QPrinter& printer = m_printerHost->printer();
    if (noPrinterInstalled(printer)) {
        printToPdf();
        return;
    }
    if (!direct) {
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    printPages(printer);
}

void CBinListView::printToPdf() {
    const QString path = m_pdfPrompt ? m_pdfPrompt() : QString();
    if (path.isEmpty())
        return;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setPageLayout(m_printerHost->printer().pageLayout());
        printPages(writer);
    }
    const QByteArray& bytes = buffer.data();
    const std::string error = writeFileAtomically(
        FilePrompt::fromQtPath(path), std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                                static_cast<std::size_t>(bytes.size())));
    if (!error.empty())
        QMessageBox::warning(this, QStringLiteral("Bottlewright"), QString::fromStdString(error));
}

void CBinListView::printPreview() {
    PortraitJob job(*m_printerHost);
    QPrintPreviewDialog preview(&m_printerHost->printer(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { printPages(*printer); });
    preview.exec();
}
