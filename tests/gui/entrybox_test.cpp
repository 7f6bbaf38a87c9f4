#include "gui/common/AppSwitches.h"
#include "gui/editing/CBinWarningDialog.h"
#include "gui/editing/CEntryBox.h"
#include "gui/editing/CMainPage.h"
#include "gui/editing/CNotesPage.h"
#include "helpers/MessageBoxCatcher.h"
#include "helpers/ModalDialogCatcher.h"
#include "helpers/TestFixtures.h"
#include "helpers/WidgetItems.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <optional>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

// What the Entry Box itself does on top of the Entry List's commands (tested in entrylistinteraction_test)
// and the core's values and navigation: its captions, labels and dropdowns, its refusals and its notes.
class EntryBoxTest : public QObject {
    Q_OBJECT
private:
    std::optional<EmptyCellar> m_cellar;
    std::unique_ptr<CEntryListView> m_view;

    CWine& showOneEntry() {
        m_view = showEntryList(*m_cellar, 1);
        m_view->selectEntry(0);
        return *m_cellar->document.focusEntry(0);
    }
    // Opens the box on the selected entry; `handle` acts in it while it runs.
    void runBox(const std::function<void(CEntryBox*)>& handle) {
        ModalDialogCatcher<CEntryBox> catcher(handle);
        m_view->viewEntry();
        QVERIFY(catcher.seen());
    }
    static CMainPage& general(CEntryBox* box) { return *box->findChild<CMainPage*>(); }
    static QLineEdit* field(CEntryBox* box, CWine::Field field) {
        return qobject_cast<QLineEdit*>(general(box).control(field));
    }

private Q_SLOTS:
    void init() {
        m_cellar.emplace();
        AppSwitches::setBinWarning(true);
    }
    void cleanup() {
        m_view.reset();
        m_cellar.reset();
        AppSwitches::setBinWarning(true);
    }

    void captionsLabelsAndDropdowns() {
        m_cellar->names.setName(CWine::User1, "Glass");
        std::ofstream(m_cellar->start.path() / "producer.cbi", std::ios::binary)
            << "Berrow\r\n\r\nbellwick\r\n";
        showOneEntry();
        runBox([](CEntryBox* box) {
            QCOMPARE(box->windowTitle(), QString("View/Delete/Modify"));
            auto* tabs = box->findChild<QTabWidget*>();
            QCOMPARE((QStringList{tabs->tabText(0), tabs->tabText(1), tabs->tabText(2)}),
                     (QStringList{"General", "Notes", "History"}));
            QList<QPushButton*> buttons = box->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
            std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
            QStringList captions;
            for (QPushButton* button : buttons)
                captions << button->text();
            QCOMPARE(captions, (QStringList{"&<<", "&>>", "&Copy", "&Add", "&Delete", "OK", "Cancel"}));
            QVERIFY(pushButton(*box, "okButton")->isDefault());
            QCOMPARE(general(box).label(CWine::User1)->text(), QString("Glass"));
            QCOMPARE(general(box).label(CWine::Vintage)->text(), QString("Vint"));
            auto* producer = qobject_cast<QComboBox*>(general(box).control(CWine::Producer));
            QCOMPARE(producer->currentText(), QString("Producer 0"));
            QCOMPARE(comboItems(*producer), (QStringList{"bellwick", "Berrow"}));
            box->reject();
        });
    }

    void binWarningRefusesTabsAndOkUntilIgnored() {
        CWine& wine = showOneEntry();
        wine.m_nNumberRemaining = 4;
        wine.m_strBins = "A3-2, B5";
        int warnings = 0;
        bool suppress = false;
        ModalDialogCatcher<CBinWarningDialog> answer([&](CBinWarningDialog* dialog) {
            ++warnings;
            QCOMPARE(
                dialog->findChild<QLabel*>("warningText")->text(),
                QString("The \"Bins\" field is either misformatted or the\nnumber of bottles specified there "
                        "differs from\nthe number on hand.\n\nWould you like to change this now?"));
            dialog->findChild<QCheckBox*>("suppressCheck")->setChecked(suppress);
            pushButton(*dialog, suppress ? "ignoreButton" : "changeButton")->click();
        });
        runBox([&](CEntryBox* box) {
            auto* tabs = box->findChild<QTabWidget*>();
            QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
            QCOMPARE(warnings, 1);
            QCOMPARE(tabs->currentIndex(), 0);
            pushButton(*box, "okButton")->click();
            QCOMPARE(warnings, 2);
            QVERIFY(box->isVisible());
            suppress = true;
            pushButton(*box, "okButton")->click();
            QCOMPARE(warnings, 3);
            QVERIFY(!box->isVisible());
        });
        QVERIFY(!AppSwitches::binWarning());
    }

    void bottlesMustBeWholeNumbersAndNotesKeepTheirLineEnds() {
        showOneEntry().m_strNotes = "one\r\ntwo";
        MessageBoxCatcher boxes;
        runBox([&](CEntryBox* box) {
            QVERIFY(QTest::qWaitForWindowActive(box));
            field(box, CWine::NumberAcquired)->setText("");
            pushButton(*box, "okButton")->click();
            QCOMPARE(boxes.texts(), QStringList{"Please enter an integer."});
            QCOMPARE(box->focusWidget(), field(box, CWine::NumberAcquired));
            field(box, CWine::NumberAcquired)->setText("12");

            box->findChild<QTabWidget*>()->setCurrentIndex(1);
            QPlainTextEdit* edit = box->findChild<CNotesPage*>()->notesEdit();
            QCOMPARE(edit->toPlainText(), QString("one\ntwo"));
            edit->setFocus();
            edit->moveCursor(QTextCursor::End);
            QTest::keyClick(edit, Qt::Key_Return); // a new line, not OK
            QTest::keyClicks(edit, "three");
            QVERIFY(box->isVisible());
            pushButton(*box, "okButton")->click();
        });
        QCOMPARE(m_cellar->document.focusEntry(0)->m_strNotes, std::string("one\r\ntwo\r\nthree"));
    }
};

QTEST_MAIN(EntryBoxTest)
#include "entrybox_test.moc"
