#include "core/document/CBottlewrightDoc.h"
#include "core/setup/FieldNames.h"
#include "gui/exchange/CExchangeCommands.h"
#include "gui/exchange/CFieldMapDlg.h"
#include "gui/exchange/ExchangeHost.h"
#include "helpers/MessageBoxCatcher.h"
#include "helpers/ModalDialogCatcher.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The application's part, with a document of its own.
class FakeHost : public ExchangeHost {
public:
    explicit FakeHost(std::filesystem::path folder) : m_folder(std::move(folder)) {}
    QWidget* mainWindow() override { return nullptr; }
    CBottlewrightDoc* workingFile() override { return m_doc.get(); }
    bool closeWorkingFileForExchange() override {
        m_doc.reset();
        return true;
    }
    CBottlewrightDoc* newWorkingFileForExchange() override {
        m_doc = std::make_unique<CBottlewrightDoc>(m_folder);
        return m_doc.get();
    }
    const FieldNames& currentFieldNames() override { return m_names; }
    std::filesystem::path enterStartDirectory() override { return m_folder; }

    std::filesystem::path m_folder;
    FieldNames m_names;
    std::unique_ptr<CBottlewrightDoc> m_doc;
};

int position(int mapField) {
    const auto& order = FieldMap::dialogOrder();
    return static_cast<int>(std::find(order.begin(), order.end(), mapField) - order.begin());
}

} // namespace

class ExchangeCommandsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fieldButtonsNumberInClickOrderAndExportRefusesARepeat() {
        CFieldMapDlg dialog(CFieldMapDlg::Mode::Export, {}, FieldNames(), QDir::tempPath().toStdString());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Fields to Export"));
        for (int field : {FieldMap::Producer, FieldMap::Vintage, FieldMap::Cost})
            dialog.fieldButton(position(field))->click();
        QCOMPARE(dialog.numberBox(position(FieldMap::Cost))->text(), QStringLiteral("3"));
        dialog.numberBox(position(FieldMap::Cost))->setText(QStringLiteral("2"));
        MessageBoxCatcher boxes;
        dialog.accept();
        QTRY_COMPARE(boxes.count(), 1);
        QVERIFY(boxes.lastText().startsWith("Please enter consecutive numerals beggining with \"1\""));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.focusWidget(), dialog.numberBox(position(FieldMap::Cost)));
        QCOMPARE(dialog.numberBox(position(FieldMap::Cost))->selectedText(), QStringLiteral("2"));
    }

    void importTextFillsANewWorkingFileThroughTheMapDialog() {
        QTemporaryDir folder;
        FakeHost host(folder.path().toStdString());
        CExchangeCommands commands(host);
        commands.setFilePrompt([](FilePrompt::Mode, const QString& caption, const std::filesystem::path&,
                                  const QString& filter, const QString&) {
            return caption == "Tab Separated Text File for Import" && filter == "Text Files (*.txt)"
                       ? std::filesystem::path(BW_TEST_DATA "/exchange/wines.txt")
                       : std::filesystem::path();
        });
        ModalDialogCatcher<CFieldMapDlg> map([](CFieldMapDlg* dialog) {
            QCOMPARE(dialog->columnCount(), 6);
            dialog->numberBox(position(FieldMap::Vintage))->setText("1");
            dialog->numberBox(position(FieldMap::Producer))->setText("2");
            dialog->accept();
        });
        MessageBoxCatcher boxes;
        commands.importText();
        QVERIFY(map.seen());
        QCOMPARE(boxes.lastText(),
                 QStringLiteral(
                     "Bottlewright found 5 entries. 2 errors were\nencountered; 3 entries were imported."));
        QVERIFY(host.m_doc != nullptr);
        QCOMPARE(host.m_doc->focusCount(), 3);
        QVERIFY(host.m_doc->isModified());
        QCOMPARE(host.m_doc->focusEntry(1)->m_strProducer, std::string("Krug"));
    }
};

QTEST_MAIN(ExchangeCommandsTest)
#include "exchangecommands_test.moc"
