#include "core/setup/DropdownList.h"
#include "gui/setup/CSetupPage.h"
#include "gui/setup/CSetupSheet.h"
#include "gui/views/entrylist/CEntryListPrinter.h"
#include "gui/views/entrylist/CFindDialog.h"
#include "gui/views/entrylist/CFindReplaceDialog.h"
#include "gui/views/entrylist/CPrintStyleDialog.h"
#include "helpers/MessageBoxCatcher.h"
#include "helpers/ModalDialogCatcher.h"
#include "helpers/TestFixtures.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace {

// A PDF printer on letter paper, printable to its edges.
void toPdf(QPrinter& printer, const QString& file) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

} // namespace

class EntryListPrintingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void panePrintsItsPagesToPdf();
    void printStyleDialogEnablesAndRefusesOutOfRange();
    void findSelectsAndReplaceAllReports();
    void setupSheetWritesOnlyShownPages();
};

void EntryListPrintingTest::panePrintsItsPagesToPdf() {
    EmptyCellar cellar;
    auto pane = showEntryList(cellar, 120);
    QPrinter printer(QPrinter::HighResolution);
    const QString file = cellar.start.filePath(QStringLiteral("grid.pdf"));
    toPdf(printer, file);
    pane->printPages(printer);
    QVERIFY(QFileInfo(file).size() > 1000);

    EntryListColumns columns;
    columns.installDefaults();
    columns.bindCellTexts();
    PrintStyle book;
    book.cellarBook = true;
    book.entriesPerPage = 12;
    CEntryListPrinter pages(cellar.document, columns, pane->listFont(), book);
    // Entries per page are lowered until each gets 7 rows.
    const int perPage = PrintPagination::cellarBookEntriesPerPage(
        pages.metricsFor(printer, book, pane->listFont())->rowsPerPage, 12);
    QCOMPARE(pages.paginate(printer), PrintPagination::pageCount(120, perPage));
    QVERIFY(perPage < 12);
}

void EntryListPrintingTest::printStyleDialogEnablesAndRefusesOutOfRange() {
    IsolatedSettings settings;
    CPrintStyleDialog dialog(PrintStyle{}, 1);
    QVERIFY(!dialog.entriesPerPage()->isEnabled());
    QVERIFY(!dialog.title()->isEnabled());
    dialog.gridNo()->setChecked(true);
    QVERIFY(dialog.title()->isEnabled());
    dialog.cellarBookYes()->setChecked(true);
    QVERIFY(dialog.entriesPerPage()->isEnabled());
    QVERIFY(!dialog.gridNo()->isEnabled() && !dialog.title()->isEnabled());

    dialog.show();
    MessageBoxCatcher boxes;
    dialog.entriesPerPage()->setText(QStringLiteral("13"));
    dialog.accept();
    QTRY_COMPARE(boxes.lastText(), QStringLiteral("Please enter an integer between 1 and 12."));
    QVERIFY(dialog.isVisible());
    dialog.entriesPerPage()->setText(QStringLiteral("6"));
    dialog.margin(0)->setText(QStringLiteral("1.5"));
    dialog.accept();
    QCOMPARE(dialog.style().entriesPerPage, 6);
    QCOMPARE(PrintStyle::marginToStored(dialog.style().leftMargin), 1500);
    QVERIFY(dialog.style().cellarBook);
}

void EntryListPrintingTest::findSelectsAndReplaceAllReports() {
    EmptyCellar cellar;
    auto pane = showEntryList(cellar, 30);
    {
        ModalDialogCatcher<CFindDialog> find([](CFindDialog* dialog) {
            dialog->textBox()->setEditText(QStringLiteral("PRODUCER 12"));
            dialog->accept();
        });
        pane->find();
        QVERIFY(find.seen());
    }
    QCOMPARE(pane->selectedEntry(), 12);
    QVERIFY(pane->hasSearchString());
    QCOMPARE(DropdownList::readItems(cellar.start.path() / "find.cbi"),
             std::vector<std::string>{"PRODUCER 12"});

    MessageBoxCatcher boxes;
    ModalDialogCatcher<CFindReplaceDialog> replace([](CFindReplaceDialog* dialog) {
        dialog->findWhat()->setText(QStringLiteral("Producer"));
        dialog->replaceWith()->setText(QStringLiteral("Maker"));
        dialog->replaceAll();
        dialog->fieldButton(0)->setChecked(true);
        dialog->replaceAll();
        dialog->accept();
    });
    pane->replace();
    QCOMPARE(boxes.texts(),
             (QStringList{QStringLiteral("Please specify the field for\nsearch/replace."),
                          QStringLiteral("\"Producer\" replaced with\n \"Maker\" in 30 entries.")}));
    QCOMPARE(cellar.document.focusEntry(3)->m_strProducer, std::string("Maker 3"));
    QVERIFY(cellar.document.isModified());
}

void EntryListPrintingTest::setupSheetWritesOnlyShownPages() {
    EmptyCellar cellar;
    fillDocument(cellar.document, 5);
    CSetupSheet sheet(cellar.document, cellar.names, cellar.start.path());
    QCOMPARE(sheet.tabs()->tabText(13), QStringLiteral("Bin(s)"));
    sheet.show();
    CSetupPage* producers = sheet.page(0);
    producers->addAllFromFocusSet();
    producers->addAllFromFocusSet();
    producers->textField()->setText(QStringLiteral("Aardvark"));
    producers->add();
    QCOMPARE(producers->list()->count(), 6);
    producers->list()->setFocus(); // Enter in the text field would only add
    sheet.accept();
    const auto written = DropdownList::readItems(cellar.start.path() / "producer.cbi");
    QCOMPARE(written.size(), std::size_t{6});
    QCOMPARE(written.front(), std::string("Aardvark"));
    QVERIFY(!std::filesystem::exists(cellar.start.path() / "app.cbi"));
}

QTEST_MAIN(EntryListPrintingTest)
#include "entrylistprinting_test.moc"
