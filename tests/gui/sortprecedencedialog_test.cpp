#include "document/CSortPrecedenceDialog.h"
#include "helpers/MessageBoxCatcher.h"
#include "helpers/ModalDialogCatcher.h"
#include "setup/FieldNames.h"

#include <fstream>
#include <sstream>
#include <vector>

#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The dialog with its file prompts answered by the test.
class PromptedSortPrecedenceDialog : public CSortPrecedenceDialog {
public:
    using CSortPrecedenceDialog::CSortPrecedenceDialog;

    std::filesystem::path fileToRetrieve;
    std::filesystem::path fileToStore;

protected:
    std::filesystem::path askFileToRetrieve() override { return fileToRetrieve; }
    std::filesystem::path askFileToStore() override { return fileToStore; }
};

class RealPromptDialog : public CSortPrecedenceDialog {
public:
    using CSortPrecedenceDialog::askFileToRetrieve;
    using CSortPrecedenceDialog::askFileToStore;
    using CSortPrecedenceDialog::CSortPrecedenceDialog;
};

QPushButton* button(const QDialog& dialog, const char* name) {
    auto* found = dialog.findChild<QPushButton*>(name);
    Q_ASSERT(found != nullptr);
    return found;
}

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const QString kInvalidNumber = "Please enter an integer between 1 and 25\nor leave this field blank.";

} // namespace

class SortPrecedenceDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void checkBoxesShowTheFieldNamesInThreeColumns();
    void showsNumbersAndDirections();
    void clearThenNumberButtonsCountFromOne();
    void numberButtonDoesNothingWithoutClear();
    void okWithABadNumberSaysSoAndStaysOnThatBox();
    void cancelLeavesThePrecedenceAlone();
    void storeWritesTheSchemeAndForbidsCancel();
    void storeWithABadNumberWritesNothing();
    void retrieveShowsTheSchemeRead();
    void retrieveOfABadFileSaysSoAndKeepsTheBoxes();
    void cancelledPromptsChangeNothing();
    void helpAsksForItsContext();
    void promptsAskInTheStartDirectoryForSortingSchemes();

private:
    std::filesystem::path folder() const { return m_folder.path().toStdU16String(); }

    QTemporaryDir m_folder;
    FieldNames m_names;
};

void SortPrecedenceDialogTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_folder.isValid());
}

void SortPrecedenceDialogTest::checkBoxesShowTheFieldNamesInThreeColumns() {
    FieldNames names;
    names.setName(CWine::User1, "Glass");
    names.setName(CWine::Vintage, "Year");
    SortPrecedence precedence;
    CSortPrecedenceDialog dialog(precedence, names, folder());
    dialog.show();

    QCOMPARE(dialog.windowTitle(), QString("Sort Precedence"));
    QCOMPARE(dialog.descendingBox(CWine::User1)->text(), QString("Glass"));
    QCOMPARE(dialog.descendingBox(CWine::Vintage)->text(), QString("Year"));
    QCOMPARE(dialog.descendingBox(CWine::NumberConsumed)->text(), QString("Drk"));
    QVERIFY(dialog.descendingBox(CWine::Notes) == nullptr);

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
    QCOMPARE(dialog.numberButton(CWine::Rating)->text(), QString("#"));
}

void SortPrecedenceDialogTest::showsNumbersAndDirections() {
    SortPrecedence precedence;
    precedence.setPrecedence(CWine::Cost, 1);
    precedence.setDescending(CWine::Cost, true);
    precedence.setDescending(CWine::Region, true);
    CSortPrecedenceDialog dialog(precedence, m_names, folder());
    QCOMPARE(dialog.numberEdit(CWine::Cost)->text(), QString("1"));
    QVERIFY(dialog.descendingBox(CWine::Cost)->isChecked());
    QCOMPARE(dialog.numberEdit(CWine::Region)->text(), QString());
    QVERIFY(dialog.descendingBox(CWine::Region)->isChecked());
    QCOMPARE(dialog.numberEdit(CWine::Vintage)->text(), QString());
    QVERIFY(!dialog.descendingBox(CWine::Vintage)->isChecked());
}

void SortPrecedenceDialogTest::clearThenNumberButtonsCountFromOne() {
    SortPrecedence precedence;
    precedence.setPrecedence(CWine::Cost, 1);
    precedence.setDescending(CWine::Cost, true);
    CSortPrecedenceDialog dialog(precedence, m_names, folder());
    dialog.show();

    button(dialog, "clearButton")->click();
    QCOMPARE(dialog.numberEdit(CWine::Cost)->text(), QString());
    QVERIFY(!dialog.descendingBox(CWine::Cost)->isChecked());
    // Clearing alone changes nothing until OK.
    QCOMPARE(precedence.precedence(CWine::Cost), 1);

    dialog.numberButton(CWine::Producer)->click();
    dialog.numberButton(CWine::Vintage)->click();
    QCOMPARE(dialog.numberEdit(CWine::Producer)->text(), QString("1"));
    QCOMPARE(dialog.numberEdit(CWine::Vintage)->text(), QString("2"));

    button(dialog, "okButton")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    SortPrecedence expected;
    expected.setPrecedence(CWine::Producer, 1);
    expected.setPrecedence(CWine::Vintage, 2);
    QVERIFY(precedence == expected);
}

void SortPrecedenceDialogTest::numberButtonDoesNothingWithoutClear() {
    SortPrecedence precedence;
    precedence.setPrecedence(CWine::Producer, 3);
    CSortPrecedenceDialog dialog(precedence, m_names, folder());
    dialog.numberButton(CWine::Producer)->click();
    dialog.numberButton(CWine::Vintage)->click();
    QCOMPARE(dialog.numberEdit(CWine::Producer)->text(), QString("3"));
    QCOMPARE(dialog.numberEdit(CWine::Vintage)->text(), QString());
}

void SortPrecedenceDialogTest::okWithABadNumberSaysSoAndStaysOnThatBox() {
    SortPrecedence precedence;
    precedence.setPrecedence(CWine::Rating, 4);
    CSortPrecedenceDialog dialog(precedence, m_names, folder());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.numberEdit(CWine::Producer)->setText("3");
    dialog.numberEdit(CWine::Rating)->setText("26");

    MessageBoxCatcher boxes;
    button(dialog, "okButton")->click();
    QCOMPARE(boxes.texts(), QStringList{kInvalidNumber});
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.focusWidget(), dialog.numberEdit(CWine::Rating));
    QCOMPARE(dialog.numberEdit(CWine::Rating)->selectedText(), QString("26"));
    // Boxes before the bad one are taken already, and stay taken even if the user now cancels.
    QCOMPARE(precedence.precedence(CWine::Producer), 3);

    dialog.numberEdit(CWine::Rating)->setText("0");
    button(dialog, "okButton")->click();
    QCOMPARE(boxes.texts(), (QStringList{kInvalidNumber, kInvalidNumber}));
    QVERIFY(dialog.isVisible());

    button(dialog, "cancelButton")->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(precedence.precedence(CWine::Producer), 3);
}

void SortPrecedenceDialogTest::cancelLeavesThePrecedenceAlone() {
    SortPrecedence precedence;
    precedence.setPrecedence(CWine::Cost, 1);
    CSortPrecedenceDialog dialog(precedence, m_names, folder());
    dialog.show();
    button(dialog, "clearButton")->click();
    dialog.numberButton(CWine::Vintage)->click();
    button(dialog, "cancelButton")->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    SortPrecedence expected;
    expected.setPrecedence(CWine::Cost, 1);
    QVERIFY(precedence == expected);
}

void SortPrecedenceDialogTest::storeWritesTheSchemeAndForbidsCancel() {
    SortPrecedence precedence;
    PromptedSortPrecedenceDialog dialog(precedence, m_names, folder());
    dialog.show();
    dialog.fileToStore = folder() / "stored.bws";
    dialog.numberEdit(CWine::Bins)->setText("1");
    dialog.descendingBox(CWine::Bins)->setChecked(true);

    button(dialog, "storeButton")->click();
    QVERIFY(!button(dialog, "cancelButton")->isEnabled());
    QCOMPARE(precedence.precedence(CWine::Bins), 1);
    QVERIFY(precedence.descending(CWine::Bins));
    const std::string text = fileText(dialog.fileToStore);
    QCOMPARE(text.substr(0, text.find('\n') + 1), std::string("1 1\n"));
    SortPrecedence stored;
    QVERIFY(stored.read(dialog.fileToStore));
    QVERIFY(stored == precedence);

    // Escape cannot cancel either.
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
}

void SortPrecedenceDialogTest::storeWithABadNumberWritesNothing() {
    SortPrecedence precedence;
    PromptedSortPrecedenceDialog dialog(precedence, m_names, folder());
    dialog.show();
    dialog.fileToStore = folder() / "unwritten.bws";
    dialog.numberEdit(CWine::Vintage)->setText("2");
    dialog.numberEdit(CWine::Cost)->setText("x");

    MessageBoxCatcher boxes;
    button(dialog, "storeButton")->click();
    QCOMPARE(boxes.texts(), QStringList{kInvalidNumber});
    QVERIFY(!std::filesystem::exists(dialog.fileToStore));
    QVERIFY(!button(dialog, "cancelButton")->isEnabled());
    QCOMPARE(precedence.precedence(CWine::Vintage), 2);
}

void SortPrecedenceDialogTest::retrieveShowsTheSchemeRead() {
    SortPrecedence scheme;
    scheme.setPrecedence(CWine::DrinkDate, 1);
    scheme.setDescending(CWine::DrinkDate, true);
    scheme.setPrecedence(CWine::User3, 2);
    const std::filesystem::path path = folder() / "retrieved.bws";
    QVERIFY(scheme.write(path));

    SortPrecedence precedence;
    PromptedSortPrecedenceDialog dialog(precedence, m_names, folder());
    dialog.show();
    dialog.fileToRetrieve = path;
    button(dialog, "retrieveButton")->click();
    QVERIFY(!button(dialog, "cancelButton")->isEnabled());
    QVERIFY(precedence == scheme);
    QCOMPARE(dialog.numberEdit(CWine::DrinkDate)->text(), QString("1"));
    QVERIFY(dialog.descendingBox(CWine::DrinkDate)->isChecked());
    QCOMPARE(dialog.numberEdit(CWine::User3)->text(), QString("2"));
}

void SortPrecedenceDialogTest::retrieveOfABadFileSaysSoAndKeepsTheBoxes() {
    const std::filesystem::path path = folder() / "short.bws";
    std::ofstream(path) << "5 1\n6 0\n";

    SortPrecedence precedence;
    PromptedSortPrecedenceDialog dialog(precedence, m_names, folder());
    dialog.show();
    dialog.numberEdit(CWine::Vintage)->setText("1");
    dialog.fileToRetrieve = path;

    MessageBoxCatcher boxes;
    button(dialog, "retrieveButton")->click();
    QCOMPARE(boxes.texts(), QStringList{"Unable to retrieve the specified sorting scheme."});
    QVERIFY(!button(dialog, "cancelButton")->isEnabled());
    QCOMPARE(dialog.numberEdit(CWine::Vintage)->text(), QString("1"));
    QCOMPARE(dialog.numberEdit(CWine::Bins)->text(), QString());

    // The pairs read before the failure are replaced by the boxes when OK is pressed.
    button(dialog, "okButton")->click();
    SortPrecedence expected;
    expected.setPrecedence(CWine::Vintage, 1);
    QVERIFY(precedence == expected);
}

void SortPrecedenceDialogTest::cancelledPromptsChangeNothing() {
    SortPrecedence precedence;
    PromptedSortPrecedenceDialog dialog(precedence, m_names, folder());
    dialog.numberEdit(CWine::Vintage)->setText("1");
    button(dialog, "storeButton")->click();
    button(dialog, "retrieveButton")->click();
    QVERIFY(button(dialog, "cancelButton")->isEnabled());
    QVERIFY(precedence == SortPrecedence{});
}

void SortPrecedenceDialogTest::helpAsksForItsContext() {
    SortPrecedence precedence;
    CSortPrecedenceDialog dialog(precedence, m_names, folder());
    QSignalSpy spy(&dialog, &CSortPrecedenceDialog::helpRequested);
    button(dialog, "helpButton")->click();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 122);
}

void SortPrecedenceDialogTest::promptsAskInTheStartDirectoryForSortingSchemes() {
    struct Prompt {
        QString title;
        QStringList filters;
        QString folder;
        QFileDialog::AcceptMode mode;
        QFileDialog::FileMode fileMode;
        QString suffix;
        bool confirmsOverwrite;
    };
    std::vector<Prompt> prompts;
    ModalDialogCatcher<QFileDialog> catcher([&](QFileDialog* prompt) {
        prompts.push_back({prompt->windowTitle(), prompt->nameFilters(),
                           QDir(prompt->directory()).canonicalPath(), prompt->acceptMode(),
                           prompt->fileMode(), prompt->defaultSuffix(),
                           !prompt->testOption(QFileDialog::DontConfirmOverwrite)});
        prompt->reject();
    });
    SortPrecedence precedence;
    RealPromptDialog dialog(precedence, m_names, folder());
    QVERIFY(dialog.askFileToRetrieve().empty());
    QVERIFY(dialog.askFileToStore().empty());

    QCOMPARE(prompts.size(), 2u);
    const QString start = QDir(m_folder.path()).canonicalPath();
    for (const Prompt& prompt : prompts) {
        QCOMPARE(prompt.filters, QStringList{"Sorting Schemes (*.bws)"});
        QCOMPARE(prompt.folder, start);
        QCOMPARE(prompt.suffix, QString("bws"));
    }
    QCOMPARE(prompts[0].title, QString("Retrieve Sorting Scheme"));
    QCOMPARE(prompts[0].mode, QFileDialog::AcceptOpen);
    QCOMPARE(prompts[0].fileMode, QFileDialog::ExistingFile);
    QCOMPARE(prompts[1].title, QString("Save Sorting Scheme"));
    QCOMPARE(prompts[1].mode, QFileDialog::AcceptSave);
    QVERIFY(prompts[1].confirmsOverwrite);
}

QTEST_MAIN(SortPrecedenceDialogTest)
#include "sortprecedencedialog_test.moc"
