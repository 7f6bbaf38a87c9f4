#include "app/AppSwitches.h"
#include "app/CBottlewrightApp.h"
#include "app/CMainFrame.h"
#include "app/CommandId.h"
#include "app/HelpWindow.h"
#include "app/TextConvert.h"
#include "document/CBottlewrightDoc.h"
#include "document/CFocusDatesPage.h"
#include "document/CFocusNames.h"
#include "document/CFocusNumbers.h"
#include "document/CRangeBox.h"
#include "document/CSelectionCriteriaSheet.h"
#include "editing/CCompletingCombo.h"
#include "helpers/IsolatedSettings.h"
#include "helpers/ModalDialogCatcher.h"
#include "helpers/TestStartDirectory.h"
#include "setup/FieldNames.h"

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

QStringList items(const QComboBox& combo) {
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts << combo.itemText(i);
    return texts;
}

// The label that names a control.
QString labelOf(const QWidget& page, const QWidget* control) {
    for (const QLabel* label : page.findChildren<QLabel*>()) {
        if (label->buddy() == control)
            return label->text();
    }
    return QStringLiteral("<no label>");
}

// Every criterion in force, one "name=text" per line, then the method and the ticked colours.
QStringList describe(const FocusCriteria& criteria) {
    QStringList lines;
    const std::pair<const char*, const std::string*> texts[] = {{"producer", &criteria.producer},
                                                                {"designation", &criteria.designation},
                                                                {"appellation", &criteria.appellation},
                                                                {"region", &criteria.region},
                                                                {"country", &criteria.country},
                                                                {"wineType", &criteria.wineType},
                                                                {"vendor", &criteria.vendor},
                                                                {"bins", &criteria.bins},
                                                                {"notes", &criteria.notes},
                                                                {"user1", &criteria.user1},
                                                                {"user2", &criteria.user2},
                                                                {"user3", &criteria.user3},
                                                                {"user4", &criteria.user4},
                                                                {"user5", &criteria.user5}};
    for (const auto& [name, text] : texts) {
        if (!text->empty())
            lines << QString::fromLatin1(name) + "=" + toQt(*text);
    }
    const std::pair<const char*, const FocusCriteria::Range*> ranges[] = {
        {"numberLeft", &criteria.numberLeft},
        {"numberAcquired", &criteria.numberAcquired},
        {"numberGone", &criteria.numberGone},
        {"rating", &criteria.rating},
        {"vintage", &criteria.vintage},
        {"cost", &criteria.cost},
        {"value", &criteria.value},
        {"dateAcquired", &criteria.dateAcquired},
        {"tryDate", &criteria.tryDate},
        {"drinkDate", &criteria.drinkDate},
        {"dateModified", &criteria.dateModified}};
    for (const auto& [name, range] : ranges) {
        if (range->inForce())
            lines << QString::fromLatin1(name) + "=" + toQt(range->min) + ".." + toQt(range->max);
    }
    lines << QStringLiteral("method=%1").arg(int(criteria.method));
    QString colors;
    for (const bool allowed : criteria.colors)
        colors += allowed ? '1' : '0';
    lines << QStringLiteral("colors=") + colors;
    return lines;
}

// Types into a control as the user would, so that the controls' character filters apply.
void type(QWidget* control, const QString& text) {
    auto* combo = qobject_cast<QComboBox*>(control);
    QTest::keyClicks(combo != nullptr ? static_cast<QWidget*>(combo->lineEdit()) : control, text);
}

QPushButton* button(const CSelectionCriteriaSheet& sheet, QDialogButtonBox::StandardButton which) {
    return sheet.findChild<QDialogButtonBox*>()->button(which);
}

// The controls of a page that Tab reaches, in the order it reaches them, starting from the first.
QList<QWidget*> tabOrder(const QWidget& page, const QList<QWidget*>& controls) {
    QList<QWidget*> reached;
    QWidget* widget = controls.front();
    do {
        if (controls.contains(widget) && (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled())
            reached << widget;
        qDebug() << widget << widget->focusPolicy() << controls.contains(widget);
        widget = widget->nextInFocusChain();
    } while (widget != controls.front() && page.window()->isAncestorOf(widget));
    return reached;
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
        QCOMPARE(sheet.tabs()->count(), 3);
        QCOMPARE(sheet.tabs()->tabText(0), QString("Names"));
        QCOMPARE(sheet.tabs()->tabText(1), QString("Numbers and Vintage"));
        QCOMPARE(sheet.tabs()->tabText(2), QString("Dates and Color"));
        QCOMPARE(sheet.tabs()->widget(0), &names());
        QCOMPARE(sheet.tabs()->widget(1), &numbers());
        QCOMPARE(sheet.tabs()->widget(2), &dates());

        QStringList buttons;
        for (const QAbstractButton* button : sheet.findChild<QDialogButtonBox*>()->buttons())
            buttons << button->text().remove('&');
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"Cancel", "Help", "OK"}));

        // A loaded list does not put its first item into the field.
        QCOMPARE(names().combo(CWine::Producer)->count(), 1);
        for (const QLineEdit* edit : sheet.findChildren<QLineEdit*>())
            QVERIFY2(edit->text().isEmpty(), qPrintable(edit->accessibleName()));
        QCOMPARE(describe(sheet.criteria()), (QStringList{"method=0", "colors=1111"}));
        QVERIFY(names().methodButton(FocusCriteria::NewFocusSet)->isChecked());
        QCOMPARE(names().methodButton(FocusCriteria::RemoveFromFocusSet)->text(),
                 QString("Remove from Focus Set"));
        QCOMPARE(names().methodButton(FocusCriteria::AddToFocusSet)->text(), QString("Add to Focus Set"));
        QCOMPARE(dates().colorBox(CWine::Black)->text(), QString("black"));
        QCOMPARE(dates().colorBox(CWine::Blue)->text(), QString("blue"));
        QStringList captions;
        for (const QGroupBox* box : dates().findChildren<QGroupBox*>())
            captions << box->title();
        QVERIFY(captions.contains("Color must be one of:"));

        // Each opening starts afresh: what the last one was given is gone.
        type(names().combo(CWine::Producer), "chat");
        dates().colorBox(CWine::Red)->setChecked(false);
        names().methodButton(FocusCriteria::AddToFocusSet)->setChecked(true);
        QCOMPARE(describe(open().criteria()), (QStringList{"method=0", "colors=1111"}));
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
        writeList(m_start->path() / "producer.cbi", {"Zeller", "", "bellwick", "Berrow"});
        writeList(m_start->path() / "bins.cbi", {"B1", "A10", "A2"});
        // Ratings have no dropdown here, so their list must not turn up anywhere.
        writeList(m_start->path() / "quality.cbi", {"95"});
        open();

        for (const auto& [field, file] : files)
            QCOMPARE(items(*names().combo(field)), QStringList{file});
        QCOMPARE(items(*names().combo(CWine::Producer)), (QStringList{"bellwick", "Berrow", "Zeller"}));
        QCOMPARE(items(*names().combo(CWine::Bins)), (QStringList{"A2", "A10", "B1"}));
        QCOMPARE(m_sheet->findChildren<CCompletingCombo*>().size(), 13);
        for (const CCompletingCombo* combo : m_sheet->findChildren<CCompletingCombo*>()) {
            QVERIFY(combo->currentText().isEmpty());
            QVERIFY(!items(*combo).contains("95"));
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
        QCOMPARE(describe(criteria), (QStringList{"producer=chat",
                                                  "designation=Reserve ",
                                                  QString::fromUtf8("appellation=Côte"),
                                                  "region=blank",
                                                  "country=Blank",
                                                  "wineType=red",
                                                  "vendor=Shop",
                                                  "bins=A3",
                                                  "notes=oak",
                                                  "user1=u1",
                                                  "user5=u5",
                                                  "numberLeft=1..",
                                                  "numberAcquired=..12",
                                                  "numberGone=2..5",
                                                  "rating=blank..95",
                                                  "vintage=..1990",
                                                  "cost=12.5..",
                                                  "value=..20",
                                                  "dateAcquired=blank..",
                                                  "tryDate=1-1-95..2049",
                                                  "drinkDate=..12-31-30",
                                                  "dateModified=5-2024..",
                                                  "method=1",
                                                  "colors=1010"}));
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

    void everyControlIsReachedByTabInPageOrder() {
        AppSwitches::setSmartSelect(true);
        writeList(m_start->path() / "producer.cbi", {"Bellwick"});
        CSelectionCriteriaSheet& sheet = open();
        sheet.show();
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        // The sheet opens on the method, so no empty dropdown opens its list by itself.
        QCOMPARE(QApplication::focusWidget(), names().methodButton(FocusCriteria::NewFocusSet));
        QCOMPARE(QApplication::activePopupWidget(), nullptr);

        // Tab stops at the chosen method only; the arrow keys move between the methods.
        QList<QWidget*> nameControls{names().methodButton(FocusCriteria::NewFocusSet)};
        for (const CWine::Field field :
             {CWine::Producer, CWine::Designation, CWine::Appellation, CWine::Region, CWine::Country,
              CWine::WineType, CWine::Vendor, CWine::Bins})
            nameControls << names().combo(field);
        nameControls << names().notesEdit();
        for (const CWine::Field field :
             {CWine::User1, CWine::User2, CWine::User3, CWine::User4, CWine::User5})
            nameControls << names().combo(field);
        QCOMPARE(tabOrder(names(), nameControls), nameControls);

        QList<QWidget*> numberControls;
        for (const CWine::Field field : {CWine::NumberRemaining, CWine::NumberAcquired, CWine::NumberConsumed,
                                         CWine::Rating, CWine::Vintage, CWine::Cost, CWine::Value})
            numberControls << numbers().rangeBox(field)->minEdit() << numbers().rangeBox(field)->maxEdit();
        QCOMPARE(tabOrder(numbers(), numberControls), numberControls);

        QList<QWidget*> dateControls;
        for (const CWine::Field field :
             {CWine::DateAcquired, CWine::TryDate, CWine::DrinkDate, CWine::DateModified})
            dateControls << dates().rangeBox(field)->minEdit() << dates().rangeBox(field)->maxEdit();
        for (const CWine::LetterColor color : {CWine::Black, CWine::Red, CWine::Green, CWine::Blue})
            dateControls << dates().colorBox(color);
        QCOMPARE(tabOrder(dates(), dateControls), dateControls);
    }

    void helpButtonAndF1OpenTheFocusCriteriaTopic() {
        const QString topic = HelpWindow::pageOfContext(123).fileName();
        QCOMPARE(topic, QString("focus-criteria.html"));
        CSelectionCriteriaSheet& sheet = open();
        sheet.show();
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        QTest::mouseClick(button(sheet, QDialogButtonBox::Help), Qt::LeftButton);
        QVERIFY(HelpWindow::instance() != nullptr);
        QCOMPARE(HelpWindow::instance()->currentPage().fileName(), topic);
        QVERIFY(sheet.isVisible());

        HelpWindow::destroyInstance();
        sheet.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        QTest::keyClick(&sheet, Qt::Key_F1);
        QVERIFY(HelpWindow::instance() != nullptr);
        QCOMPARE(HelpWindow::instance()->currentPage().fileName(), topic);
    }

    void specifyFocusSetNarrowsTheEntryListAndCancelKeepsIt() {
        m_start.emplace(TestStartDirectory::WithSample);
        CBottlewrightApp app(m_start->path(), CBottlewrightApp::Show::Hidden);
        CBottlewrightDoc& document = *app.document();
        const int entries = document.entryCount();
        const std::string producer = document.entry(0)->m_strProducer.substr(0, 4);
        int matching = 0;
        for (int index = 0; index < entries; ++index)
            matching += containsIgnoringCase(document.entry(index)->m_strProducer, producer) ? 1 : 0;
        QVERIFY(matching > 0 && matching < entries);
        QAction* specify = app.mainFrame().action(CommandId::SpecifyFocusSet);
        const QLabel* status = app.mainFrame().statusBar()->findChild<QLabel*>();

        {
            ModalDialogCatcher<CSelectionCriteriaSheet> cancel([](CSelectionCriteriaSheet* sheet) {
                type(sheet->namesPage()->combo(CWine::Producer), "no such producer");
                QTest::mouseClick(button(*sheet, QDialogButtonBox::Cancel), Qt::LeftButton);
            });
            specify->trigger();
            QVERIFY(cancel.seen());
        }
        QCOMPARE(document.focusCount(), entries);

        {
            ModalDialogCatcher<CSelectionCriteriaSheet> ok([&](CSelectionCriteriaSheet* sheet) {
                type(sheet->namesPage()->combo(CWine::Producer), toQt(producer).toUpper());
                QTest::mouseClick(button(*sheet, QDialogButtonBox::Ok), Qt::LeftButton);
            });
            specify->trigger();
            QVERIFY(ok.seen());
        }
        QCOMPARE(document.focusCount(), matching);
        for (int position = 0; position < matching; ++position)
            QVERIFY(containsIgnoringCase(document.focusEntry(position)->m_strProducer, producer));
        QCOMPARE(status->text(),
                 QStringLiteral("%1 entries, %2 in the Focus Set").arg(entries).arg(matching));
        QVERIFY(!document.isModified());
    }
};

QTEST_MAIN(FocusCriteriaSheetTest)
#include "focuscriteriasheet_test.moc"
