#include "helpers/MessageBoxCatcher.h"
#include "helpers/ModalDialogCatcher.h"
#include "setup/CFieldNamesDialog.h"
#include "setup/FieldNames.h"

#include <fstream>
#include <vector>

#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The dialog with its file prompts answered by the test.
class PromptedFieldNamesDialog : public CFieldNamesDialog {
public:
    using CFieldNamesDialog::askFileToRetrieve;
    using CFieldNamesDialog::askFileToStore;
    using CFieldNamesDialog::CFieldNamesDialog;

    std::filesystem::path fileToRetrieve;
    std::filesystem::path fileToStore;

protected:
    std::filesystem::path askFileToRetrieve() override { return fileToRetrieve; }
    std::filesystem::path askFileToStore() override { return fileToStore; }
};

class RealPromptDialog : public CFieldNamesDialog {
public:
    using CFieldNamesDialog::askFileToRetrieve;
    using CFieldNamesDialog::askFileToStore;
    using CFieldNamesDialog::CFieldNamesDialog;
};

QPushButton* button(const QDialog& dialog, const char* name) {
    auto* found = dialog.findChild<QPushButton*>(name);
    Q_ASSERT(found != nullptr);
    return found;
}

void writeLines(const std::filesystem::path& path, int count) {
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < count; ++i)
        out << "Stored" << i << "\r\n";
}

} // namespace

class FieldNamesDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void showsTheTableInFieldIndexOrder();
    void okCopiesTheEditsIntoTheTable();
    void cancelLeavesTheTableAlone();
    void saveStoresTheEditsAndForbidsCancel();
    void retrieveOfAShortFileSaysSoAndKeepsTheTable();
    void retrieveShowsTheStoredNames();
    void getDefaultsChangesTheTableAtOnce();
    void cancelledPromptsChangeNothing();
    void promptsAskInTheStartDirectoryForFieldNameFiles();

private:
    std::filesystem::path folder() const { return m_folder.path().toStdU16String(); }

    QTemporaryDir m_folder;
};

void FieldNamesDialogTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_folder.isValid());
}

void FieldNamesDialogTest::showsTheTableInFieldIndexOrder() {
    FieldNames table;
    table.setName(CWine::Region, "R\xE9gion"); // Windows-1252 e acute
    PromptedFieldNamesDialog dialog(table, folder());
    QCOMPARE(dialog.windowTitle(), QString("Field Names"));
    QCOMPARE(dialog.findChildren<QLineEdit*>().size(), CWine::FieldCount);
    QCOMPARE(dialog.nameEdit(0)->text(), QString("Vint"));
    QCOMPARE(dialog.nameEdit(CWine::Region)->text(), QString::fromUtf8("Région"));
    QCOMPARE(dialog.nameEdit(CWine::NumberConsumed)->text(), QString("Drk"));
    QStringList captions;
    for (QPushButton* pushButton : dialog.findChildren<QPushButton*>())
        captions << pushButton->text();
    QCOMPARE(captions, (QStringList{"Save", "Retrieve", "Get Defaults", "Cancel", "OK"}));
}

void FieldNamesDialogTest::okCopiesTheEditsIntoTheTable() {
    FieldNames table;
    PromptedFieldNamesDialog dialog(table, folder());
    dialog.show();
    dialog.nameEdit(CWine::User1)->setText("Glass");
    dialog.nameEdit(CWine::Region)->setText(QString::fromUtf8("Région"));
    QCOMPARE(table.name(CWine::User1), std::string("User1"));
    QTest::mouseClick(button(dialog, "okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(table.name(CWine::User1), std::string("Glass"));
    QCOMPARE(table.name(CWine::Region), std::string("R\xE9gion"));
    QCOMPARE(table.name(CWine::User2), std::string("User2"));
}

void FieldNamesDialogTest::cancelLeavesTheTableAlone() {
    FieldNames table;
    PromptedFieldNamesDialog dialog(table, folder());
    dialog.show();
    dialog.nameEdit(CWine::User1)->setText("Glass");
    QTest::mouseClick(button(dialog, "cancelButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(table, FieldNames());
}

void FieldNamesDialogTest::saveStoresTheEditsAndForbidsCancel() {
    FieldNames table;
    PromptedFieldNamesDialog dialog(table, folder());
    dialog.fileToStore = folder() / "glass.fnm";
    dialog.show();
    dialog.nameEdit(CWine::User1)->setText("Glass");
    QTest::mouseClick(button(dialog, "saveButton"), Qt::LeftButton);

    QVERIFY(!button(dialog, "cancelButton")->isEnabled());
    QCOMPARE(button(dialog, "okButton")->text(), QString("Close"));
    QCOMPARE(table.name(CWine::User1), std::string("Glass"));
    FieldNames stored;
    QVERIFY(stored.read(dialog.fileToStore));
    QCOMPARE(stored, table);

    // Neither the disabled button nor Escape closes the dialog now.
    QTest::mouseClick(button(dialog, "cancelButton"), Qt::LeftButton);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QCOMPARE(table.name(CWine::User1), std::string("Glass"));

    QTest::mouseClick(button(dialog, "okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void FieldNamesDialogTest::retrieveOfAShortFileSaysSoAndKeepsTheTable() {
    writeLines(folder() / "short.fnm", 24);
    FieldNames table;
    table.setName(CWine::User1, "Glass");
    const FieldNames before = table;
    PromptedFieldNamesDialog dialog(table, folder());
    dialog.fileToRetrieve = folder() / "short.fnm";
    dialog.show();

    MessageBoxCatcher boxes;
    QTest::mouseClick(button(dialog, "retrieveButton"), Qt::LeftButton);
    QCOMPARE(boxes.texts(), QStringList{"Unables to read specified\nField Names File."});
    QCOMPARE(table, before);
    QCOMPARE(dialog.nameEdit(0)->text(), QString("Vint"));
    QVERIFY(button(dialog, "cancelButton")->isEnabled());
    QCOMPARE(button(dialog, "okButton")->text(), QString("OK"));
}

void FieldNamesDialogTest::retrieveShowsTheStoredNames() {
    writeLines(folder() / "stored.fnm", 25);
    FieldNames table;
    PromptedFieldNamesDialog dialog(table, folder());
    dialog.fileToRetrieve = folder() / "stored.fnm";
    dialog.show();
    QTest::mouseClick(button(dialog, "retrieveButton"), Qt::LeftButton);

    QCOMPARE(table.name(0), std::string("Stored0"));
    QCOMPARE(table.name(24), std::string("Stored24"));
    QCOMPARE(dialog.nameEdit(0)->text(), QString("Stored0"));
    QCOMPARE(dialog.nameEdit(24)->text(), QString("Stored24"));
    QVERIFY(!button(dialog, "cancelButton")->isEnabled());
    QCOMPARE(button(dialog, "okButton")->text(), QString("Close"));
}

void FieldNamesDialogTest::getDefaultsChangesTheTableAtOnce() {
    FieldNames table;
    table.setName(CWine::User1, "Glass");
    table.setName(CWine::NumberRemaining, "Left");
    PromptedFieldNamesDialog dialog(table, folder());
    dialog.show();
    QTest::mouseClick(button(dialog, "defaultsButton"), Qt::LeftButton);

    QCOMPARE(table, FieldNames());
    QCOMPARE(dialog.nameEdit(CWine::User1)->text(), QString("User1"));
    QCOMPARE(dialog.nameEdit(CWine::NumberRemaining)->text(), QString("Qty"));
    QVERIFY(!button(dialog, "cancelButton")->isEnabled());
    QCOMPARE(button(dialog, "okButton")->text(), QString("Close"));

    dialog.nameEdit(CWine::User2)->setText("Shelf");
    QTest::mouseClick(button(dialog, "okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(table.name(CWine::User2), std::string("Shelf"));
}

void FieldNamesDialogTest::cancelledPromptsChangeNothing() {
    FieldNames table;
    PromptedFieldNamesDialog dialog(table, folder());
    dialog.show();
    dialog.nameEdit(CWine::User1)->setText("Glass");
    MessageBoxCatcher boxes;
    QTest::mouseClick(button(dialog, "saveButton"), Qt::LeftButton);
    QTest::mouseClick(button(dialog, "retrieveButton"), Qt::LeftButton);
    QCOMPARE(table, FieldNames());
    QCOMPARE(boxes.count(), 0);
    QVERIFY(button(dialog, "cancelButton")->isEnabled());
    QCOMPARE(button(dialog, "okButton")->text(), QString("OK"));
}

void FieldNamesDialogTest::promptsAskInTheStartDirectoryForFieldNameFiles() {
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
    FieldNames table;
    RealPromptDialog dialog(table, folder());
    QVERIFY(dialog.askFileToRetrieve().empty());
    QVERIFY(dialog.askFileToStore().empty());

    QCOMPARE(prompts.size(), 2u);
    const QString start = QDir(m_folder.path()).canonicalPath();
    for (const Prompt& prompt : prompts) {
        QCOMPARE(prompt.filters, QStringList{"Field Names (*.fnm)"});
        QCOMPARE(prompt.folder, start);
    }
    QCOMPARE(prompts[0].title, QString("Retrieve Stored Field Names"));
    QCOMPARE(prompts[0].mode, QFileDialog::AcceptOpen);
    QCOMPARE(prompts[0].fileMode, QFileDialog::ExistingFile);
    QCOMPARE(prompts[1].title, QString("Store Field Names"));
    QCOMPARE(prompts[1].mode, QFileDialog::AcceptSave);
    QCOMPARE(prompts[1].suffix, QString("fnm"));
    QVERIFY(prompts[1].confirmsOverwrite);
}

QTEST_MAIN(FieldNamesDialogTest)
#include "fieldnamesdialog_test.moc"
