#include "core/document/CBottlewrightDoc.h"
#include "core/setup/FieldNames.h"
#include "gui/common/AppSwitches.h"
#include "gui/common/CommandId.h"
#include "gui/common/HelpWindow.h"
#include "gui/common/TextConvert.h"
#include "gui/document/CFocusDatesPage.h"
#include "gui/document/CFocusNames.h"
#include "gui/document/CFocusNumbers.h"
#include "gui/document/CRangeBox.h"
#include "gui/document/CSelectionCriteriaSheet.h"
#include "gui/editing/CCompletingCombo.h"
#include "helpers/IsolatedSettings.h"
#include "helpers/ModalDialogCatcher.h"
#include "helpers/TestApp.h"
#include "helpers/WidgetItems.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <memory>
#include <optional>
#include <vector>

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

namespace {

void writeList(const std::filesystem::path& path, const std::vector<const char*>& items) {
    std::ofstream out(path, std::ios::binary);
    for (const char* item : items)
        out << item << "\r\n";
}

// The label that names a control.
QString labelOf(const QWidget& page, const QWidget* control) {
    for (const QLabel* label : page.findChildren<QLabel*>()) {
        if (label->buddy() == control)
            return label->text();
    }
    return QStringLiteral("<no label>");
}

// Every criterion in force as "name=text", then the method and the ticked colours, joined by ';'.
QString describe(const FocusCriteria& c) {
    const QStringList textNames = QStringLiteral("producer designation appellation region country wineType "
                                                 "vendor bins notes user1 user2 user3 user4 user5")
                                      .split(' ');
    const std::string* texts[] = {&c.producer, &c.designation, &c.appellation, &c.region, &c.country,
                                  &c.wineType, &c.vendor,      &c.bins,        &c.notes,  &c.user1,
                                  &c.user2,    &c.user3,       &c.user4,       &c.user5};
    const QStringList rangeNames = QStringLiteral("numberLeft numberAcquired numberGone rating vintage cost "
                                                  "value dateAcquired tryDate drinkDate dateModified")
                                       .split(' ');
    const FocusCriteria::Range* ranges[] = {&c.numberLeft, &c.numberAcquired, &c.numberGone,  &c.rating,
                                            &c.vintage,    &c.cost,           &c.value,       &c.dateAcquired,
                                            &c.tryDate,    &c.drinkDate,      &c.dateModified};
    QStringList lines;
    for (int i = 0; i < textNames.size(); ++i) {
        if (!texts[i]->empty())
            lines << textNames[i] + "=" + toQt(*texts[i]);
    }
    for (int i = 0; i < rangeNames.size(); ++i) {
        if (ranges[i]->inForce())
            lines << rangeNames[i] + "=" + toQt(ranges[i]->min) + ".." + toQt(ranges[i]->max);
    }
    QString colors;
    for (const bool allowed : c.colors)
        colors += allowed ? '1' : '0';
    return (lines << QStringLiteral("method=%1").arg(int(c.method)) << "colors=" + colors).join(';');
}

// Types into a control as the user would, so that the controls' character filters apply.
void type(QWidget* control, const QString& text) {
    auto* combo = qobject_cast<QComboBox*>(control);
    QTest::keyClicks(combo != nullptr ? static_cast<QWidget*>(combo->lineEdit()) : control, text);
}

QPushButton* button(const CSelectionCriteriaSheet& sheet, QDialogButtonBox::StandardButton which) {
    return sheet.findChild<QDialogButtonBox*>()->button(which);
}

bool containsIgnoringCase(std::string text, std::string part) {
    for (std::string* s : {&text, &part})
        std::transform(s->begin(), s->end(), s->begin(), [](unsigned char c) { return std::tolower(c); });
    return text.find(part) != std::string::npos;
}

} // namespace

class FocusCriteriaSheetTest : public QObject {
    Q_OBJECT
private:
    std::optional<IsolatedSettings> m_settings;
    std::optional<TestStartDirectory> m_start;
    FieldNames m_names;
    std::unique_ptr<CSelectionCriteriaSheet> m_sheet;

    CSelectionCriteriaSheet& open() {
        m_sheet = std::make_unique<CSelectionCriteriaSheet>(m_names, m_start->path());
        return *m_sheet;
    }
    CFocusNames& names() { return *m_sheet->namesPage(); }
    CFocusNumbers& numbers() { return *m_sheet->numbersPage(); }
    CFocusDatesPage& dates() { return *m_sheet->datesPage(); }

private Q_SLOTS:
    void init() {
        m_settings.emplace();
        m_start.emplace(TestStartDirectory::Empty);
        m_names = FieldNames();
        // Typing into a dropdown must not complete from its list in these tests.
        AppSwitches::setSmartSelect(false);
    }
    void cleanup() {
        m_sheet.reset();
        HelpWindow::destroyInstance();
        AppSwitches::setSmartSelect(true);
    }

    void opensWithThreePagesAndNoCriteria() {
        writeList(m_start->path() / "producer.cbi", {"Bellwick"});
        CSelectionCriteriaSheet& sheet = open();
        QCOMPARE(sheet.windowTitle(), QString("Focus Criteria"));
        QStringList texts;
        for (int page = 0; page < sheet.tabs()->count(); ++page)
            texts << sheet.tabs()->tabText(page);
        QCOMPARE(texts, (QStringList{"Names", "Numbers and Vintage", "Dates and Color"}));
        QStringList buttons;
        for (const QAbstractButton* button : sheet.findChild<QDialogButtonBox*>()->buttons())
            buttons << button->text().remove('&');
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"Cancel", "Help", "OK"}));

        // A loaded list does not put its first item into the field.
        QCOMPARE(names().combo(CWine::Producer)->count(), 1);
        for (const QLineEdit* edit : sheet.findChildren<QLineEdit*>())
            QVERIFY2(edit->text().isEmpty(), qPrintable(edit->accessibleName()));
        QCOMPARE(describe(sheet.criteria()), QString("method=0;colors=1111"));
        QVERIFY(names().methodButton(FocusCriteria::NewFocusSet)->isChecked());
        texts = QStringList{names().methodButton(FocusCriteria::RemoveFromFocusSet)->text(),
                            names().methodButton(FocusCriteria::AddToFocusSet)->text(),
                            dates().colorBox(CWine::Black)->text(), dates().colorBox(CWine::Blue)->text()};
        QCOMPARE(texts, (QStringList{"Remove from Focus Set", "Add to Focus Set", "black", "blue"}));
        bool colorCaption = false;
        for (const QGroupBox* box : dates().findChildren<QGroupBox*>())
            colorCaption = colorCaption || box->title() == "Color must be one of:";
        QVERIFY(colorCaption);

        // Each opening starts afresh: what the last one was given is gone.
        type(names().combo(CWine::Producer), "chat");
        dates().colorBox(CWine::Red)->setChecked(false);
        names().methodButton(FocusCriteria::AddToFocusSet)->setChecked(true);
        QCOMPARE(describe(open().criteria()), QString("method=0;colors=1111"));
    }

    void labelsAndCaptionsFollowTheFieldNames() {
        for (int field = 0; field < CWine::FieldCount; ++field)
            m_names.setName(field, "Name" + std::to_string(field));
        m_names.setName(CWine::Cost, "Cost & Tax");
        open();
        const std::pair<CWine::Field, int> labels[] = {
            {CWine::Producer, 1}, {CWine::Designation, 3}, {CWine::Appellation, 2}, {CWine::Region, 9},
            {CWine::Country, 14}, {CWine::WineType, 4},    {CWine::Vendor, 15},     {CWine::Bins, 8},
            {CWine::User1, 16},   {CWine::User2, 17},      {CWine::User3, 18},      {CWine::User4, 19},
            {CWine::User5, 20}};
        for (const auto& [field, index] : labels)
            QCOMPARE(labelOf(names(), names().combo(field)), QString("Name%1").arg(index));
        QCOMPARE(labelOf(names(), names().notesEdit()), QString("Name13"));

        const std::pair<CWine::Field, int> numberBoxes[] = {
            {CWine::NumberRemaining, 5}, {CWine::NumberAcquired, 22}, {CWine::NumberConsumed, 24},
            {CWine::Rating, 10},         {CWine::Vintage, 0},         {CWine::Value, 7}};
        for (const auto& [field, index] : numberBoxes)
            QCOMPARE(numbers().rangeBox(field)->title(), QString("Name%1").arg(index));
        // The name is shown as it is, not as a keyboard shortcut.
        QCOMPARE(numbers().rangeBox(CWine::Cost)->title(), QString("Cost && Tax"));
        const std::pair<CWine::Field, int> dateBoxes[] = {{CWine::DateAcquired, 23},
                                                          {CWine::TryDate, 11},
                                                          {CWine::DrinkDate, 12},
                                                          {CWine::DateModified, 21}};
        for (const auto& [field, index] : dateBoxes)
            QCOMPARE(dates().rangeBox(field)->title(), QString("Name%1").arg(index));

        for (CRangeBox* box : m_sheet->findChildren<CRangeBox*>()) {
            QCOMPARE(labelOf(*box, box->minEdit()), QString("Min"));
            QCOMPARE(labelOf(*box, box->maxEdit()), QString("Max"));
        }
    }

    void dropdownsAreFilledFromTheirListFiles() {
        const std::pair<CWine::Field, const char*> files[] = {
            {CWine::Designation, "xdesig.cbi"}, {CWine::Appellation, "app.cbi"},
            {CWine::Region, "region.cbi"},      {CWine::Country, "country.cbi"},
            {CWine::WineType, "wtype.cbi"},     {CWine::Vendor, "vendor.cbi"},
            {CWine::User1, "user1.cbi"},        {CWine::User2, "user2.cbi"},
            {CWine::User3, "user3.cbi"},        {CWine::User4, "user4.cbi"},
            {CWine::User5, "user5.cbi"}};
        for (const auto& [field, file] : files)
            writeList(m_start->path() / file, {file});
        // The files are Windows-1252 text.
        writeList(m_start->path() / "producer.cbi", {"Zeller", "", "bellwick", "R\xF4ne", "Berrow"});
        // Ratings have no dropdown here, so their list must not turn up anywhere.
        writeList(m_start->path() / "quality.cbi", {"95"});
        open();

        for (const auto& [field, file] : files)
            QCOMPARE(comboItems(*names().combo(field)), QStringList{file});
        QCOMPARE(comboItems(*names().combo(CWine::Producer)),
                 (QStringList{"bellwick", "Berrow", QString::fromUtf8("Rône"), "Zeller"}));
        QCOMPARE(m_sheet->findChildren<CCompletingCombo*>().size(), 13);
        for (const CCompletingCombo* combo : m_sheet->findChildren<CCompletingCombo*>()) {
            QVERIFY(combo->currentText().isEmpty());
            QVERIFY(!comboItems(*combo).contains("95"));
        }
    }

    void acceptedSheetGivesExactlyTheTextsTyped() {
        ModalDialogCatcher<CSelectionCriteriaSheet> catcher([this](CSelectionCriteriaSheet* sheet) {
            type(names().combo(CWine::Producer), "chat");
            type(names().combo(CWine::Designation), "Reserve ");
            // Typed keys are ASCII only; the accented name is pasted.
            names().combo(CWine::Appellation)->lineEdit()->insert(QString::fromUtf8("Côte"));
            type(names().combo(CWine::Region), "blank");
            type(names().combo(CWine::Country), "Blank");
            type(names().combo(CWine::WineType), "red");
            type(names().combo(CWine::Vendor), "Shop");
            type(names().combo(CWine::Bins), "A3");
            type(names().notesEdit(), "oak");
            type(names().combo(CWine::User1), "u1");
            type(names().combo(CWine::User5), "u5");
            QTest::mouseClick(names().methodButton(FocusCriteria::RemoveFromFocusSet), Qt::LeftButton);

            sheet->tabs()->setCurrentIndex(1);
            type(numbers().rangeBox(CWine::NumberRemaining)->minEdit(), "1");
            type(numbers().rangeBox(CWine::NumberAcquired)->maxEdit(), "12");
            type(numbers().rangeBox(CWine::NumberConsumed)->minEdit(), "2");
            type(numbers().rangeBox(CWine::NumberConsumed)->maxEdit(), "5");
            type(numbers().rangeBox(CWine::Rating)->minEdit(), "blank");
            type(numbers().rangeBox(CWine::Rating)->maxEdit(), "95");
            type(numbers().rangeBox(CWine::Vintage)->maxEdit(), "1990");
            type(numbers().rangeBox(CWine::Cost)->minEdit(), "12.5");
            type(numbers().rangeBox(CWine::Value)->maxEdit(), "20");

            sheet->tabs()->setCurrentIndex(2);
            type(dates().rangeBox(CWine::DateAcquired)->minEdit(), "blank");
            type(dates().rangeBox(CWine::TryDate)->minEdit(), "1-1-95");
            type(dates().rangeBox(CWine::TryDate)->maxEdit(), "2049");
            type(dates().rangeBox(CWine::DrinkDate)->maxEdit(), "12-31-30");
            type(dates().rangeBox(CWine::DateModified)->minEdit(), "5-2024");
            QTest::mouseClick(dates().colorBox(CWine::Red), Qt::LeftButton);
            QTest::mouseClick(dates().colorBox(CWine::Blue), Qt::LeftButton);

            QTest::mouseClick(button(*sheet, QDialogButtonBox::Ok), Qt::LeftButton);
        });
        QCOMPARE(open().exec(), int(QDialog::Accepted));
        QVERIFY(catcher.seen());
        const FocusCriteria criteria = m_sheet->criteria();
        QCOMPARE(describe(criteria),
                 QString::fromUtf8(
                     "producer=chat;designation=Reserve ;appellation=Côte;region=blank;country=Blank;"
                     "wineType=red;vendor=Shop;bins=A3;notes=oak;user1=u1;user5=u5;numberLeft=1..;"
                     "numberAcquired=..12;numberGone=2..5;rating=blank..95;vintage=..1990;"
                     "cost=12.5..;value=..20;dateAcquired=blank..;tryDate=1-1-95..2049;"
                     "drinkDate=..12-31-30;dateModified=5-2024..;method=1;colors=1010"));
        // Entries are Windows-1252 text, and so are the criteria.
        QCOMPARE(criteria.appellation, std::string("C\xF4te"));
    }

    void cancelAndEscapeReject() {
        for (const bool escape : {false, true}) {
            ModalDialogCatcher<CSelectionCriteriaSheet> catcher([escape](CSelectionCriteriaSheet* sheet) {
                type(sheet->namesPage()->combo(CWine::Producer), "chat");
                if (escape)
                    QTest::keyClick(sheet, Qt::Key_Escape);
                else
                    QTest::mouseClick(button(*sheet, QDialogButtonBox::Cancel), Qt::LeftButton);
            });
            QCOMPARE(open().exec(), int(QDialog::Rejected));
            QVERIFY(catcher.seen());
        }
    }

    void opensOnTheMethodWithNoListOpenedByItself() {
        AppSwitches::setSmartSelect(true);
        writeList(m_start->path() / "producer.cbi", {"Bellwick"});
        CSelectionCriteriaSheet& sheet = open();
        sheet.show();
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        QCOMPARE(QApplication::focusWidget(), names().methodButton(FocusCriteria::NewFocusSet));
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
    }

    void helpButtonAndF1OpenTheFocusCriteriaTopic() {
        CSelectionCriteriaSheet& sheet = open();
        sheet.show();
        for (const bool key : {false, true}) {
            HelpWindow::destroyInstance();
            sheet.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&sheet));
            if (key)
                QTest::keyClick(&sheet, Qt::Key_F1);
            else
                QTest::mouseClick(button(sheet, QDialogButtonBox::Help), Qt::LeftButton);
            QVERIFY(HelpWindow::instance() != nullptr);
            QCOMPARE(HelpWindow::instance()->currentPage().fileName(), QString("focus-criteria.html"));
            QVERIFY(sheet.isVisible());
        }
    }

    void specifyFocusSetNarrowsTheEntryListAndCancelKeepsIt() {
        TestApp program;
        CBottlewrightDoc& document = *program.start().document();
        const int entries = document.entryCount();
        const std::string producer = document.entry(0)->m_strProducer.substr(0, 4);
        int matching = 0;
        for (int index = 0; index < entries; ++index)
            matching += containsIgnoringCase(document.entry(index)->m_strProducer, producer) ? 1 : 0;
        QVERIFY(matching > 0 && matching < entries);
        const QLabel* status = program.frame().statusBar()->findChild<QLabel*>();
        for (const auto answer : {QDialogButtonBox::Cancel, QDialogButtonBox::Ok}) {
            ModalDialogCatcher<CSelectionCriteriaSheet> catcher([&](CSelectionCriteriaSheet* sheet) {
                type(sheet->namesPage()->combo(CWine::Producer), toQt(producer).toUpper());
                QTest::mouseClick(button(*sheet, answer), Qt::LeftButton);
            });
            program.action(CommandId::SpecifyFocusSet)->trigger();
            QVERIFY(catcher.seen());
            QCOMPARE(document.focusCount(), answer == QDialogButtonBox::Ok ? matching : entries);
        }
        for (int position = 0; position < matching; ++position)
            QVERIFY(containsIgnoringCase(document.focusEntry(position)->m_strProducer, producer));
        QCOMPARE(status->text(),
                 QStringLiteral("%1 entries, %2 in the Focus Set").arg(entries).arg(matching));
        QVERIFY(!document.isModified());
    }
};

QTEST_MAIN(FocusCriteriaSheetTest)
#include "focuscriteriasheet_test.moc"
