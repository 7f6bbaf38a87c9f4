#include "core/setup/FieldNames.h"
#include "gui/document/CSortPrecedenceDialog.h"
#include "helpers/MessageBoxCatcher.h"
#include "helpers/PromptedDialog.h"
#include "helpers/TestFixtures.h"

#include <fstream>
#include <memory>

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Dialog = PromptedDialog<CSortPrecedenceDialog>;

const QString kInvalidNumber = "Please enter an integer between 1 and 25\nor leave this field blank.";

SortPrecedence precedenceOf(std::initializer_list<std::pair<int, int>> fieldsAndNumbers) {
    SortPrecedence precedence;
    for (const auto& [field, number] : fieldsAndNumbers)
        precedence.setPrecedence(field, number);
    return precedence;
}

} // namespace

class SortPrecedenceDialogTest : public QObject {
    Q_OBJECT
private:
    std::filesystem::path folder() const { return m_folder.path().toStdU16String(); }
    Dialog& open() {
        m_dialog = std::make_unique<Dialog>(m_precedence, m_names, folder());
        m_dialog->show();
        return *m_dialog;
    }
    void click(const char* button) { pushButton(*m_dialog, button)->click(); }
    bool cancelEnabled() { return pushButton(*m_dialog, "cancelButton")->isEnabled(); }

    QTemporaryDir m_folder;
    SortPrecedence m_precedence;
    FieldNames m_names;
    std::unique_ptr<Dialog> m_dialog;

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        m_precedence = SortPrecedence();
        m_names = FieldNames();
    }
    void cleanup() { m_dialog.reset(); }

    void showsNamesNumbersAndDirectionsInThreeColumns() {
        m_names.setName(CWine::User1, "Glass");
        m_names.setName(CWine::Vintage, "Year");
        m_precedence.setPrecedence(CWine::Cost, 1);
        m_precedence.setDescending(CWine::Cost, true);
        m_precedence.setDescending(CWine::Region, true);
        Dialog& dialog = open();
        QCOMPARE(dialog.windowTitle(), QString("Sort Precedence"));
        QCOMPARE(dialog.numberEdit(CWine::Cost)->text(), QString("1"));
        QVERIFY(dialog.descendingBox(CWine::Cost)->isChecked());
        QCOMPARE(dialog.numberEdit(CWine::Region)->text(), QString());
        QVERIFY(dialog.descendingBox(CWine::Region)->isChecked());
        QCOMPARE(dialog.numberEdit(CWine::Vintage)->text(), QString());
        QVERIFY(!dialog.descendingBox(CWine::Vintage)->isChecked());
        QCOMPARE(dialog.descendingBox(CWine::User1)->text(), QString("Glass"));
        QCOMPARE(dialog.descendingBox(CWine::Vintage)->text(), QString("Year"));
        QCOMPARE(dialog.descendingBox(CWine::NumberConsumed)->text(), QString("Drk"));
        QVERIFY(dialog.descendingBox(CWine::Notes) == nullptr);
        QCOMPARE(dialog.numberButton(CWine::Rating)->text(), QString("#"));

        // Vintage tops the first column and Bins ends it; Number Acquired and Cost top the others.
        auto position = [&](int field) { return dialog.descendingBox(field)->mapTo(&dialog, QPoint(0, 0)); };
        QCOMPARE(position(CWine::NumberAcquired).y(), position(CWine::Vintage).y());
        QCOMPARE(position(CWine::Cost).y(), position(CWine::Vintage).y());
        QVERIFY(position(CWine::Vintage).x() < position(CWine::NumberAcquired).x());
        QVERIFY(position(CWine::NumberAcquired).x() < position(CWine::Cost).x());
        QCOMPARE(position(CWine::Bins).x(), position(CWine::Vintage).x());
        QCOMPARE(position(CWine::Bins).y(), position(CWine::Vendor).y());
        QCOMPARE(position(CWine::Bins).y(), position(CWine::User5).y());
        QVERIFY(position(CWine::Bins).y() > position(CWine::WineType).y());

        QSignalSpy help(&dialog, &CSortPrecedenceDialog::helpRequested);
        click("helpButton");
        QCOMPARE(help.count(), 1);
        QCOMPARE(help.at(0).at(0).toInt(), 122);
    }

    // When the number buttons count is the core's rule; here only that Clear and the buttons reach it.
    void numberButtonsCountFromOneOnlyAfterClear() {
        m_precedence.setPrecedence(CWine::Cost, 1);
        Dialog& dialog = open();
        click("clearButton");
        QCOMPARE(m_precedence.precedence(CWine::Cost), 1); // nothing changes until OK
        dialog.numberButton(CWine::Producer)->click();
        dialog.numberButton(CWine::Vintage)->click();
        click("okButton");
        QVERIFY(m_precedence == precedenceOf({{CWine::Producer, 1}, {CWine::Vintage, 2}}));
    }

    void okWithABadNumberSaysSoAndStaysOnThatBox() {
        m_precedence.setPrecedence(CWine::Rating, 4);
        Dialog& dialog = open();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.numberEdit(CWine::Producer)->setText("3");
        MessageBoxCatcher boxes;
        dialog.numberEdit(CWine::Rating)->setText("26"); // which numbers are bad is the core's test
        click("okButton");
        QCOMPARE(boxes.texts(), QStringList{kInvalidNumber});
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.focusWidget(), dialog.numberEdit(CWine::Rating));
        QCOMPARE(dialog.numberEdit(CWine::Rating)->selectedText(), QString("26"));
        // Boxes before the bad one are taken already, and stay taken even if the user now cancels.
        click("cancelButton");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(m_precedence.precedence(CWine::Producer), 3);
    }

    void storeWritesTheSchemeOnlyWhenValidAndForbidsCancel() {
        Dialog& dialog = open();
        dialog.fileToStore = folder() / "stored.bws";
        dialog.numberEdit(CWine::Vintage)->setText("2");
        dialog.numberEdit(CWine::Cost)->setText("x");
        MessageBoxCatcher boxes;
        click("storeButton");
        QCOMPARE(boxes.texts(), QStringList{kInvalidNumber});
        QVERIFY(!std::filesystem::exists(dialog.fileToStore));
        QVERIFY(!cancelEnabled());
        QCOMPARE(m_precedence.precedence(CWine::Vintage), 2);

        dialog.numberEdit(CWine::Vintage)->clear();
        dialog.numberEdit(CWine::Cost)->clear();
        dialog.numberEdit(CWine::Bins)->setText("1");
        dialog.descendingBox(CWine::Bins)->setChecked(true);
        click("storeButton");
        QVERIFY(!cancelEnabled());
        QCOMPARE(m_precedence.precedence(CWine::Bins), 1);
        QVERIFY(m_precedence.descending(CWine::Bins));
        SortPrecedence stored; // the file's layout is the core's test
        QVERIFY(stored.read(dialog.fileToStore));
        QVERIFY(stored == m_precedence);

        QTest::keyClick(&dialog, Qt::Key_Escape); // Escape cannot cancel either
        QVERIFY(dialog.isVisible());
    }

    void retrieveShowsTheSchemeReadAndABadFileKeepsTheBoxes() {
        SortPrecedence scheme = precedenceOf({{CWine::DrinkDate, 1}, {CWine::User3, 2}});
        scheme.setDescending(CWine::DrinkDate, true);
        QVERIFY(scheme.write(folder() / "retrieved.bws"));
        std::ofstream(folder() / "short.bws") << "5 1\n6 0\n";
        Dialog& dialog = open();
        dialog.fileToRetrieve = folder() / "retrieved.bws";
        click("retrieveButton");
        QVERIFY(!cancelEnabled());
        QVERIFY(m_precedence == scheme);
        QCOMPARE(dialog.numberEdit(CWine::DrinkDate)->text(), QString("1"));
        QVERIFY(dialog.descendingBox(CWine::DrinkDate)->isChecked());
        QCOMPARE(dialog.numberEdit(CWine::User3)->text(), QString("2"));

        dialog.numberEdit(CWine::Vintage)->setText("3");
        dialog.fileToRetrieve = folder() / "short.bws";
        MessageBoxCatcher boxes;
        click("retrieveButton");
        QCOMPARE(boxes.texts(), QStringList{"Unable to retrieve the specified sorting scheme."});
        QCOMPARE(dialog.numberEdit(CWine::Vintage)->text(), QString("3"));
        QCOMPARE(dialog.numberEdit(CWine::Bins)->text(), QString());
        // The pairs read before the failure are replaced by the boxes when OK is pressed.
        click("okButton");
        scheme.setPrecedence(CWine::Vintage, 3);
        QVERIFY(m_precedence == scheme);
    }

    void cancelledPromptsAndCancelChangeNothing() {
        m_precedence.setPrecedence(CWine::Cost, 1);
        open().numberEdit(CWine::Vintage)->setText("1");
        click("storeButton");
        click("retrieveButton");
        QVERIFY(cancelEnabled());
        click("clearButton");
        m_dialog->numberButton(CWine::Producer)->click();
        click("cancelButton");
        QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
        QVERIFY(!m_dialog->isVisible());
        QVERIFY(m_precedence == precedenceOf({{CWine::Cost, 1}}));
    }

    void promptsAskInTheStartDirectoryForSortingSchemes() {
        Dialog dialog(m_precedence, m_names, folder());
        const std::vector<FilePromptRecorder::Prompt> prompts = realPrompts(dialog);
        QCOMPARE(prompts.size(), 2u);
        for (const FilePromptRecorder::Prompt& prompt : prompts) {
            QCOMPARE(prompt.filters, QStringList{"Sorting Schemes (*.bws)"});
            QCOMPARE(prompt.folder, QDir(m_folder.path()).canonicalPath());
            QCOMPARE(prompt.suffix, QString("bws"));
        }
        QCOMPARE(prompts[0].title, QString("Retrieve Sorting Scheme"));
        QCOMPARE(prompts[0].mode, QFileDialog::AcceptOpen);
        QCOMPARE(prompts[0].fileMode, QFileDialog::ExistingFile);
        QCOMPARE(prompts[1].title, QString("Save Sorting Scheme"));
        QCOMPARE(prompts[1].mode, QFileDialog::AcceptSave);
        QVERIFY(prompts[1].confirmsOverwrite);
    }
};

QTEST_MAIN(SortPrecedenceDialogTest)
#include "sortprecedencedialog_test.moc"
