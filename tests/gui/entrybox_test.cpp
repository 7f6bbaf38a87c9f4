#include "core/model/Today.h"
#include "gui/common/AppSwitches.h"
#include "gui/common/HelpWindow.h"
#include "gui/editing/CBinWarningDialog.h"
#include "gui/editing/CEntryBox.h"
#include "gui/editing/CEntryBoxOwner.h"
#include "gui/editing/CMainPage.h"
#include "gui/editing/CNotesPage.h"
#include "helpers/MessageBoxCatcher.h"
#include "helpers/ModalDialogCatcher.h"
#include "helpers/TestFixtures.h"

#include <algorithm>
#include <fstream>
#include <memory>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

// Stands in for the Entry List: stores the box into the selected entry and moves where the core's
// navigation says.
class FakeOwner : public CEntryBoxOwner {
public:
    using Step = EntryBoxNavigation::Step;
    using Mode = EntryBoxNavigation::Mode;
    using Action = EntryBoxNavigation::Move::Action;

    explicit FakeOwner(CBottlewrightDoc& document) : m_document(document) {}

    CBottlewrightDoc& document() const override { return m_document; }
    int selectedEntry() const override { return selected; }
    void navigateEntryBox(Step step) override {
        steps.append(step);
        if (step != Step::AfterDelete)
            box->values().storeInto(*m_document.focusEntry(selected));
        const auto move = EntryBoxNavigation::next(step, selected, m_document.focusCount(), true);
        if (move.action == Action::AddNew)
            selected = m_document.addNewEntry();
        else if (move.action == Action::CopySelected)
            selected = m_document.copyEntry(selected);
        else
            selected = move.position;
        open(selected, move.mode);
    }
    void redrawAfterEntryBox() override { ++redraws; }

    void open(int position, Mode mode) {
        selected = position;
        box->setMode(mode);
        box->fill(EntryBoxValues::fromWine(*m_document.focusEntry(position)));
        box->show();
    }

    CEntryBox* box = nullptr;
    int selected = -1;
    QList<Step> steps;
    int redraws = 0;

private:
    CBottlewrightDoc& m_document;
};

void writeList(const std::filesystem::path& path, const char* text) {
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace

class EntryBoxTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<EmptyCellar> m_cellar;
    std::unique_ptr<FakeOwner> m_owner;
    std::unique_ptr<CEntryBox> m_box;

    CEntryBox& makeBox() {
        m_owner = std::make_unique<FakeOwner>(m_cellar->document);
        m_box = std::make_unique<CEntryBox>(*m_owner, m_cellar->names, m_cellar->start.path());
        m_owner->box = m_box.get();
        return *m_box;
    }
    CWine& addWine(int bottlesLeft, const char* bins = "") {
        CWine& wine = *m_cellar->document.focusEntry(m_cellar->document.addNewEntry());
        wine.m_strProducer = "Producer " + std::to_string(m_cellar->document.entryCount());
        wine.m_nNumberRemaining = bottlesLeft;
        wine.m_fCost = 10.0f;
        wine.m_strBins = bins;
        return wine;
    }
    CMainPage& general() const { return *m_box->findChild<CMainPage*>(); }
    QLineEdit* field(CWine::Field field) const { return qobject_cast<QLineEdit*>(general().control(field)); }
    QTabWidget& tabs() const { return *m_box->findChild<QTabWidget*>(); }
    void clickTab(int index) {
        QTabBar* bar = tabs().tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    bool activate() {
        m_box->activateWindow();
        return QTest::qWaitForWindowActive(m_box.get());
    }
    void click(const char* name) { QTest::mouseClick(pushButton(*m_box, name), Qt::LeftButton); }

private Q_SLOTS:
    void init() {
        m_cellar = std::make_unique<EmptyCellar>();
        AppSwitches::setBinWarning(true);
        setTodayOverride(CalendarDate{2001, 7, 3});
    }
    void cleanup() {
        m_box.reset();
        m_owner.reset();
        m_cellar.reset();
        AppSwitches::setBinWarning(true);
        setTodayOverride(std::nullopt);
        HelpWindow::destroyInstance();
    }

    void buttonRowPagesAndHelp() {
        addWine(1);
        CEntryBox& box = makeBox();
        QCOMPARE(box.windowTitle(), QString("Entry Box"));
        m_owner->open(0, FakeOwner::Mode::View);
        QCOMPARE(box.windowTitle(), QString("View/Delete/Modify"));
        QStringList pages;
        for (int i = 0; i < tabs().count(); ++i)
            pages << tabs().tabText(i);
        QCOMPARE(pages, (QStringList{"General", "Notes", "History"}));

        QList<QPushButton*> buttons = box.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
        std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
        QStringList captions;
        for (QPushButton* button : buttons)
            captions << button->text();
        QCOMPARE(captions, (QStringList{"&<<", "&>>", "&Copy", "&Add", "&Delete", "OK", "Cancel"}));
        QVERIFY(pushButton(box, "okButton")->isDefault());
        QVERIFY(pushButton(box, "nextButton")->width() < pushButton(box, "copyButton")->width());

        QVERIFY(activate());
        QTest::keyClick(&box, Qt::Key_F1);
        QVERIFY(HelpWindow::instance() != nullptr);
        QCOMPARE(HelpWindow::instance()->currentPage(), HelpWindow::pageOfContext(CEntryBox::kHelpContext));
    }

    void cancelRemovesOnlyAnAddedOrCopiedEntry() {
        addWine(1);
        makeBox();
        m_owner->open(m_cellar->document.addNewEntry(), FakeOwner::Mode::Add);
        click("cancelButton");
        QVERIFY(!m_box->isVisible());
        QCOMPARE(m_cellar->document.entryCount(), 1);
        QVERIFY(!m_cellar->document.isModified());

        m_owner->open(0, FakeOwner::Mode::View);
        field(CWine::Vintage)->setText("1999");
        click("cancelButton");
        QCOMPARE(m_cellar->document.entryCount(), 1);
        QCOMPARE(m_cellar->document.entry(0)->m_nVintage, 1993);

        m_owner->open(0, FakeOwner::Mode::View);
        click("copyButton"); // stores the entry, then shows the copy
        QCOMPARE(m_box->mode(), FakeOwner::Mode::Copy);
        QCOMPARE(m_cellar->document.entryCount(), 2);
        click("cancelButton");
        QCOMPARE(m_cellar->document.entryCount(), 1);
    }

    void deleteAsksUnderTheDescriptionAndClosesAfterTheLast() {
        addWine(1);
        addWine(2);
        makeBox();
        QStringList captions;
        ModalDialogCatcher<QMessageBox> answers([&](QMessageBox* box) {
            captions << box->windowTitle() << box->text();
            box->button(QMessageBox::Yes)->click();
        });
        m_owner->open(1, FakeOwner::Mode::View);
        const QString description = QString::fromStdString(m_cellar->document.focusEntry(1)->description());
        click("deleteButton");
        QTRY_COMPARE(captions, (QStringList{description, "Are you sure you want to delete this entry?\n"}));
        QCOMPARE(m_owner->steps, QList<FakeOwner::Step>{FakeOwner::Step::AfterDelete});
        QVERIFY(m_box->isVisible());
        QCOMPARE(m_owner->selected, 0);
        QVERIFY(m_cellar->document.isModified());

        click("deleteButton");
        QTRY_COMPARE(m_cellar->document.entryCount(), 0);
        QVERIFY(!m_box->isVisible());
        QCOMPARE(m_owner->redraws, 1);
        QCOMPARE(m_owner->steps.size(), 1);
    }

    void binWarningChangeRefusesButtonsTabsAndOkAndIgnoreLetsThrough() {
        addWine(4, "A3-2, B5");
        addWine(3, "A3-2, B5");
        makeBox();
        int warnings = 0;
        bool suppress = false;
        ModalDialogCatcher<CBinWarningDialog> answer([&](CBinWarningDialog* dialog) {
            ++warnings;
            QCOMPARE(dialog->windowTitle(), QString("Bin Warning"));
            QCOMPARE(
                dialog->findChild<QLabel*>("warningText")->text(),
                QString("The \"Bins\" field is either misformatted or the\nnumber of bottles specified there "
                        "differs from\nthe number on hand.\n\nWould you like to change this now?"));
            dialog->findChild<QCheckBox*>("suppressCheck")->setChecked(suppress);
            pushButton(*dialog, suppress ? "ignoreButton" : "changeButton")->click();
        });
        m_owner->open(0, FakeOwner::Mode::View);
        QVERIFY(activate());
        QSignalSpy tabChanges(&tabs(), &QTabWidget::currentChanged); // a refused page never shows
        click("nextButton");
        QCOMPARE(warnings, 1);
        QVERIFY(m_owner->steps.isEmpty());
        clickTab(1);
        QVERIFY(activate()); // offscreen, closing the warning leaves no window active
        QTest::keyClick(field(CWine::Vintage), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(warnings, 3);
        QCOMPARE(tabChanges.count(), 0);
        QVERIFY(general().isVisible());
        click("okButton");
        QCOMPARE(warnings, 4);
        QVERIFY(m_box->isVisible());

        field(CWine::NumberRemaining)->setText("3"); // two bins with three bottles now agree
        click("nextButton");
        QCOMPARE(warnings, 4);
        QCOMPARE(m_owner->selected, 1);
        clickTab(1);
        QCOMPARE(tabs().currentIndex(), 1);
        QCOMPARE(warnings, 4);

        // Ignored with the suppress box ticked, the warning stays off until further notice.
        clickTab(0);
        field(CWine::NumberRemaining)->setText("4");
        suppress = true;
        for (const int tab : {1, 0, 1})
            clickTab(tab);
        QCOMPARE(warnings, 5);
        QCOMPARE(tabs().currentIndex(), 1);
        QVERIFY(!AppSwitches::binWarning());
    }

    void changedBottlesGiveOneHistoryItemPerChange() {
        addWine(12).m_fValue = 0.01f;
        makeBox();
        m_owner->open(0, FakeOwner::Mode::View);
        field(CWine::NumberRemaining)->setText("11");
        clickTab(1);
        const std::string item = "7-3-1\t11\t12\t10.00\t10.00\t10.00\t10.00\x06";
        for (const int tab : {0, 1, 0})
            clickTab(tab);
        QCOMPARE(m_box->values().history, item);
        field(CWine::NumberRemaining)->setText("10");
        click("okButton");
        QVERIFY(!m_box->isVisible());
        QCOMPARE(m_box->values().history, item + "7-3-1\t10\t11\t10.00\t10.00\t10.00\t10.00\x06");
        QCOMPARE(m_box->values().numberRemaining, 10);
    }

    void bottlesMustBeWholeNumbers() {
        addWine(1);
        makeBox();
        m_owner->open(0, FakeOwner::Mode::View);
        QVERIFY(activate());
        field(CWine::NumberAcquired)->setText("");
        MessageBoxCatcher boxes;
        click("okButton");
        QCOMPARE(boxes.texts(), QStringList{"Please enter an integer."});
        QVERIFY(m_box->isVisible());
        QCOMPARE(m_box->focusWidget(), field(CWine::NumberAcquired));
    }

    void labelsAndDropdownsComeFromTheStartDirectory() {
        m_cellar->names.setName(CWine::User1, "Glass");
        writeList(m_cellar->start.path() / "quality.cbi", "90\r\n100\r\n95\r\n");
        writeList(m_cellar->start.path() / "producer.cbi", "Berrow\r\n\r\nbellwick\r\n");
        addWine(1);
        makeBox();
        m_owner->open(0, FakeOwner::Mode::View);
        QCOMPARE(general().label(CWine::User1)->text(), QString("Glass"));
        QCOMPARE(general().label(CWine::Vintage)->text(), QString("Vint"));
        QCOMPARE(general().label(CWine::NumberAcquired)->text(), QString("Acq"));
        const auto items = [this](CWine::Field field) {
            auto* combo = qobject_cast<QComboBox*>(general().control(field));
            QStringList texts{combo->currentText()};
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
            return texts;
        };
        QCOMPARE(items(CWine::Rating).mid(1), (QStringList{"100", "95", "90"}));
        QCOMPARE(items(CWine::Producer), (QStringList{"Producer 1", "bellwick", "Berrow"}));

        m_cellar->names.setName(CWine::User1, "Decanter");
        m_box->reject();
        m_owner->open(0, FakeOwner::Mode::View);
        QCOMPARE(general().label(CWine::User1)->text(), QString("Decanter"));
        QCOMPARE(items(CWine::Producer).size(), 3);
    }

    void notesKeepCarriageReturnsAndEnterStaysInThem() {
        addWine(1).m_strNotes = "one\r\ntwo";
        addWine(2).m_strNotes = "lone\nfeed";
        makeBox();
        m_owner->open(0, FakeOwner::Mode::View);
        clickTab(1);
        auto* notes = m_box->findChild<CNotesPage*>();
        QCOMPARE(notes->label()->text(),
                 QString::fromStdString(m_cellar->document.focusEntry(0)->description()));
        QPlainTextEdit* edit = notes->notesEdit();
        QCOMPARE(edit->toPlainText(), QString("one\ntwo"));
        QVERIFY(activate());
        edit->selectAll();
        pushButton(*m_box, "okButton")->setFocus();
        edit->setFocus();
        QVERIFY(edit->hasFocus());
        QVERIFY(!edit->textCursor().hasSelection());
        edit->moveCursor(QTextCursor::End);
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(edit, "three");
        QVERIFY(m_box->isVisible());
        click("nextButton");
        click("previousButton"); // the untouched second notes stay as they were
        QCOMPARE(m_cellar->document.focusEntry(1)->m_strNotes, std::string("lone\nfeed"));
        QCOMPARE(m_cellar->document.focusEntry(0)->m_strNotes, std::string("one\r\ntwo\r\nthree"));
        QCOMPARE(edit->toPlainText(), QString("one\ntwo\nthree"));
        QCOMPARE(tabs().currentIndex(), 1);
    }
};

QTEST_MAIN(EntryBoxTest)
#include "entrybox_test.moc"
