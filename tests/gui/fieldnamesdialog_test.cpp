#include "core/setup/FieldNames.h"
#include "gui/setup/CFieldNamesDialog.h"
#include "helpers/MessageBoxCatcher.h"
#include "helpers/PromptedDialog.h"
#include "helpers/TestFixtures.h"

#include <fstream>
#include <memory>

#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Dialog = PromptedDialog<CFieldNamesDialog>;

void writeLines(const std::filesystem::path& path, int count) {
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < count; ++i)
        out << "Stored" << i << "\r\n";
}

} // namespace

class FieldNamesDialogTest : public QObject {
    Q_OBJECT
private:
    std::filesystem::path folder() const { return m_folder.path().toStdU16String(); }
    Dialog& open() {
        m_dialog = std::make_unique<Dialog>(m_table, folder());
        m_dialog->show();
        return *m_dialog;
    }
    void click(const char* button) { QTest::mouseClick(pushButton(*m_dialog, button), Qt::LeftButton); }
    // After Save, Retrieve or Get Defaults the table has changed already: Cancel is gone and OK reads Close.
    void checkCancelAllowed(bool allowed) {
        QCOMPARE(pushButton(*m_dialog, "cancelButton")->isEnabled(), allowed);
        QCOMPARE(pushButton(*m_dialog, "okButton")->text(), allowed ? QString("OK") : QString("Close"));
    }

    QTemporaryDir m_folder;
    FieldNames m_table;
    std::unique_ptr<Dialog> m_dialog;

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { m_table = FieldNames(); }
    void cleanup() { m_dialog.reset(); }

    void showsTheTableInFieldIndexOrder() {
        m_table.setName(CWine::Region, "R\xE9gion"); // Windows-1252 e acute
        Dialog& dialog = open();
        QCOMPARE(dialog.windowTitle(), QString("Field Names"));
        QCOMPARE(dialog.findChildren<QLineEdit*>().size(), CWine::FieldCount);
        QCOMPARE(dialog.nameEdit(0)->text(), QString("Vint"));
        QCOMPARE(dialog.nameEdit(CWine::Region)->text(), QString::fromUtf8("Région"));
        QCOMPARE(dialog.nameEdit(CWine::NumberConsumed)->text(), QString("Drk"));
        QStringList captions;
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            captions << button->text();
        QCOMPARE(captions, (QStringList{"Save", "Retrieve", "Get Defaults", "Cancel", "OK"}));
    }

    void okCopiesTheEditsAndCancelDropsThem() {
        open().nameEdit(CWine::User1)->setText("Glass");
        MessageBoxCatcher boxes;
        click("saveButton"); // both prompts cancelled
        click("retrieveButton");
        QCOMPARE(boxes.count(), 0);
        checkCancelAllowed(true);
        click("cancelButton");
        QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_table, FieldNames());

        open().nameEdit(CWine::User1)->setText("Glass");
        m_dialog->nameEdit(CWine::Region)->setText(QString::fromUtf8("Région"));
        m_dialog->nameEdit(CWine::User3)->setText(QString(60, 'x')); // names have no length limit
        QCOMPARE(m_table.name(CWine::User1), std::string("User1"));
        click("okButton");
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_table.name(CWine::User1), std::string("Glass"));
        QCOMPARE(m_table.name(CWine::Region), std::string("R\xE9gion"));
        QCOMPARE(m_table.name(CWine::User2), std::string("User2"));
        QCOMPARE(m_table.name(CWine::User3), std::string(60, 'x'));
    }

    void saveStoresTheEditsAndForbidsCancel() {
        Dialog& dialog = open();
        dialog.fileToStore = folder() / "glass.fnm";
        dialog.nameEdit(CWine::User1)->setText("Glass");
        click("saveButton");
        checkCancelAllowed(false);
        QCOMPARE(m_table.name(CWine::User1), std::string("Glass"));
        FieldNames stored;
        QVERIFY(stored.read(dialog.fileToStore));
        QCOMPARE(stored, m_table);

        // Neither the disabled button nor Escape closes the dialog now.
        click("cancelButton");
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        click("okButton");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(m_table.name(CWine::User1), std::string("Glass"));
    }

    void retrieveRefusesAShortFileAndShowsAWholeOneAndGetDefaultsResets() {
        writeLines(folder() / "short.fnm", 24);
        writeLines(folder() / "stored.fnm", 25);
        m_table.setName(CWine::User1, "Glass");
        m_table.setName(CWine::NumberRemaining, "Left");
        const FieldNames before = m_table;
        Dialog& dialog = open();
        dialog.fileToRetrieve = folder() / "short.fnm";
        MessageBoxCatcher boxes;
        click("retrieveButton");
        QCOMPARE(boxes.texts(), QStringList{"Unables to read specified\nField Names File."});
        QCOMPARE(m_table, before);
        QCOMPARE(dialog.nameEdit(0)->text(), QString("Vint"));
        checkCancelAllowed(true);

        click("defaultsButton"); // changes the table at once too
        QCOMPARE(m_table, FieldNames());
        QCOMPARE(dialog.nameEdit(CWine::User1)->text(), QString("User1"));
        QCOMPARE(dialog.nameEdit(CWine::NumberRemaining)->text(), QString("Qty"));
        checkCancelAllowed(false);

        dialog.fileToRetrieve = folder() / "stored.fnm";
        click("retrieveButton");
        QCOMPARE(m_table.name(0), std::string("Stored0"));
        QCOMPARE(m_table.name(24), std::string("Stored24"));
        QCOMPARE(dialog.nameEdit(0)->text(), QString("Stored0"));
        QCOMPARE(dialog.nameEdit(24)->text(), QString("Stored24"));
        checkCancelAllowed(false);
        dialog.nameEdit(CWine::User2)->setText("Shelf");
        click("okButton");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(m_table.name(CWine::User2), std::string("Shelf"));
    }

    void promptsAskInTheStartDirectoryForFieldNameFiles() {
        Dialog dialog(m_table, folder());
        const std::vector<FilePromptRecorder::Prompt> prompts = realPrompts(dialog);
        QCOMPARE(prompts.size(), 2u);
        for (const FilePromptRecorder::Prompt& prompt : prompts) {
            QCOMPARE(prompt.filters, QStringList{"Field Names (*.fnm)"});
            QCOMPARE(prompt.folder, QDir(m_folder.path()).canonicalPath());
        }
        QCOMPARE(prompts[0].title, QString("Retrieve Stored Field Names"));
        QCOMPARE(prompts[0].mode, QFileDialog::AcceptOpen);
        QCOMPARE(prompts[0].fileMode, QFileDialog::ExistingFile);
        QCOMPARE(prompts[1].title, QString("Store Field Names"));
        QCOMPARE(prompts[1].mode, QFileDialog::AcceptSave);
        QCOMPARE(prompts[1].suffix, QString("fnm"));
        QVERIFY(prompts[1].confirmsOverwrite);
    }
};

QTEST_MAIN(FieldNamesDialogTest)
#include "fieldnamesdialog_test.moc"
