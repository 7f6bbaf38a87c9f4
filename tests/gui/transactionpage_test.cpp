#include "gui/editing/CTransactionPage.h"
#include "helpers/MessageBoxCatcher.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace {

const char kEnd = '\x06';
const QString kQuantityMessage = QStringLiteral("Please enter a\nnon-negative integer");
const QString kAmountMessage = QStringLiteral("Please enter a valid dollar amount.");
const QString kLeaveMessage = QStringLiteral("Please delete the current item\nor return it to the list.");
const QString kSelectMessage =
    QStringLiteral("Before making a new selection, you\nmust add or return the Current Item\nto the list, or "
                   "delete it.");
const QStringList kFieldNames{"dateEdit",    "newQtyEdit",   "oldQtyEdit",  "newCostEdit",
                              "oldCostEdit", "newValueEdit", "oldValueEdit"};

std::string item(const char* date, const char* oldValue = "15.00") {
    return std::string(date) + "\t6\t12\t10.00\t10.00\t15.00\t" + oldValue;
}

} // namespace

// The page inside a dialog with an OK button of its own, the way the Entry Box holds it.
class TransactionPageTest : public QObject {
    Q_OBJECT
private:
    QDialog* m_dialog = nullptr;
    CTransactionPage* m_page = nullptr;
    QPushButton* m_sheetDelete = nullptr;
    QPushButton* m_ok = nullptr;

    QLineEdit* field(const QString& name) const { return m_page->findChild<QLineEdit*>(name); }
    QListWidget* list() const { return m_page->findChild<QListWidget*>("itemList"); }
    void click(const char* button) {
        QTest::mouseClick(m_page->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    // Fills the current item's fields in order.
    void type(const QStringList& texts) {
        for (qsizetype i = 0; i < texts.size(); ++i)
            field(kFieldNames[i])->setText(texts[i]);
    }
    QStringList listTexts() const {
        QStringList texts;
        for (int row = 0; row < list()->count(); ++row)
            texts << list()->item(row)->text();
        return texts;
    }
    QStringList currentItem() const {
        QStringList texts;
        for (const QString& name : kFieldNames)
            texts << field(name)->text();
        return texts;
    }
    void highlight(int row) { list()->setCurrentRow(row, QItemSelectionModel::ClearAndSelect); }
    void load(const std::string& history) {
        m_page->setPendingHistory(history);
        m_page->pageActivated();
    }

private Q_SLOTS:
    void init() {
        m_dialog = new QDialog;
        m_page = new CTransactionPage;
        m_sheetDelete = new QPushButton("&Delete");
        m_ok = new QPushButton("OK");
        m_ok->setDefault(true);
        connect(m_ok, &QPushButton::clicked, m_dialog, &QDialog::accept);
        auto* layout = new QVBoxLayout(m_dialog);
        layout->addWidget(m_page);
        layout->addWidget(m_sheetDelete);
        layout->addWidget(m_ok);
        m_page->setDeleteButton(m_sheetDelete);
        m_dialog->show();
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog));
    }
    void cleanup() { delete m_dialog; }

    void loadsNewestFirstWithTheDescription() {
        m_page->setLabelText("1990 Bellwick Pinot Noir Reserve");
        // The last item lacks its end character; the empty item ends reading.
        load(item("12-31-94") + kEnd + item("") + kEnd + item("3-2-96") + kEnd + item("1-5-95"));
        QCOMPARE(m_page->findChild<QLabel*>("description")->text(),
                 QString("1990 Bellwick Pinot Noir Reserve"));
        QCOMPARE(listTexts(), (QStringList{item("3-2-96").c_str(), item("1-5-95").c_str(),
                                           item("12-31-94").c_str(), item("").c_str()}));
        QVERIFY(m_page->leavePage());
        QCOMPARE(m_page->pendingHistory(),
                 item("3-2-96") + kEnd + item("1-5-95") + kEnd + item("12-31-94") + kEnd + item("") + kEnd);

        load(item("1-5-95") + kEnd + kEnd + item("3-2-96") + kEnd);
        QCOMPARE(list()->count(), 1);
    }

    void addChecksEachFieldInOrder_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("failing");
        const QStringList good{"1-5-95", "6", "12", "10", "10.00", "15.5", "15"};
        auto with = [&good](int index, const QString& text) {
            QStringList typed = good;
            typed[index] = text;
            return typed;
        };
        const QString date =
            "Please enter a valid date formatted as\nmm-dd-yy, m-dd-yy, mm-d-yy, or m-d-yy.\n"
            "For example, 10-31-92 or 5-1-95.";
        QTest::newRow("bad date") << with(0, "13-1-95") << date << "dateEdit";
        QTest::newRow("new qty empty") << with(1, "") << kQuantityMessage << "newQtyEdit";
        QTest::newRow("old qty negative") << with(2, "-5") << kQuantityMessage << "oldQtyEdit";
        QTest::newRow("new cost empty") << with(3, "") << kAmountMessage << "newCostEdit";
        QTest::newRow("old cost two points") << with(4, "1.2.3") << kAmountMessage << "oldCostEdit";
        QTest::newRow("new value lone point") << with(5, ".") << kAmountMessage << "newValueEdit";
        QTest::newRow("old value empty") << with(6, "") << kAmountMessage << "oldValueEdit";
    }
    void addChecksEachFieldInOrder() {
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(QString, failing);
        type(typed);
        MessageBoxCatcher boxes;
        click("addButton");
        QCOMPARE(boxes.texts(), QStringList{message});
        QCOMPARE(list()->count(), 0);
        QCOMPARE(currentItem(), typed);
        // The box has taken the activation; the field gets the focus when the page's window has it back.
        QCOMPARE(m_dialog->focusWidget(), field(failing));
        QCOMPARE(field(failing)->selectedText(), field(failing)->text());
    }

    void addStoresNormalisedAmountsInDatePlace() {
        load(item("3-2-96") + kEnd + item("12-31-94") + kEnd);
        MessageBoxCatcher boxes;
        type({"1-5-95", "6", "12", "12.5", "7", "0", "15.456"});
        // Enter in a field adds the item and leaves the sheet open.
        field("oldValueEdit")->setFocus();
        QTest::keyClick(field("oldValueEdit"), Qt::Key_Return);
        QCOMPARE(listTexts()[1], QString("1-5-95\t6\t12\t12.50\t7.00\t0.00\t15.46"));
        QCOMPARE(currentItem(), QStringList(7, QString()));
        QVERIFY(m_dialog->isVisible());

        // An empty date is allowed and sorts last; an empty current item adds nothing.
        type({"", "1", "2", "3", "4", "5", "6"});
        click("addButton");
        QCOMPARE(listTexts().last(), QString("\t1\t2\t3.00\t4.00\t5.00\t6.00"));
        QTest::keyClick(field("dateEdit"), Qt::Key_Enter);
        QCOMPARE(list()->count(), 4);
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    }

    void correctedItemReturnsToItsPlace() {
        load(item("3-2-96") + kEnd + item("1-5-95") + kEnd + item("12-31-94") + kEnd);
        MessageBoxCatcher boxes;
        list()->clearSelection();
        click("selectButton"); // nothing highlighted: nothing happens
        QCOMPARE(list()->count(), 3);
        highlight(1);
        click("selectButton");
        QCOMPARE(currentItem(), (QStringList{"1-5-95", "6", "12", "10.00", "10.00", "15.00", "15.00"}));
        QCOMPARE(listTexts(), (QStringList{item("3-2-96").c_str(), item("12-31-94").c_str()}));
        QCOMPARE(QApplication::focusWidget(), field("dateEdit"));
        // While an item is being corrected, no other may be taken out.
        highlight(0);
        click("selectButton");
        QCOMPARE(boxes.texts(), QStringList{kSelectMessage});
        QCOMPARE(list()->count(), 2);
        field("oldValueEdit")->setText("16");
        click("addButton");
        QCOMPARE(listTexts(), (QStringList{item("3-2-96").c_str(), item("1-5-95", "16.00").c_str(),
                                           item("12-31-94").c_str()}));

        // A double-click takes the item out as well.
        const QRect rect = list()->visualItemRect(list()->item(2));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(field("dateEdit")->text(), QString("12-31-94"));
        QCOMPARE(list()->count(), 2);
    }

    void leavingNeedsAnEmptyCurrentItemAndDeletedItemsAreGone() {
        load(item("3-2-96") + kEnd + item("1-5-95") + kEnd);
        m_page->pageActivated();
        QVERIFY(!m_sheetDelete->isEnabled());
        highlight(0);
        click("selectButton");
        MessageBoxCatcher boxes;
        QVERIFY(!m_page->leavePage());
        QCOMPARE(boxes.texts(), QStringList{kLeaveMessage});
        QCOMPARE(field("dateEdit")->text(), QString("3-2-96"));
        QVERIFY(!m_sheetDelete->isEnabled());

        click("deleteItemButton");
        QCOMPARE(currentItem(), QStringList(7, QString()));
        QVERIFY(m_page->leavePage());
        QVERIFY(m_sheetDelete->isEnabled());
        QCOMPARE(m_page->pendingHistory(), item("1-5-95") + kEnd);
        m_page->pageActivated();
        QCOMPARE(listTexts(), QStringList{item("1-5-95").c_str()});
    }

    void generalPageItemsAppearAtTheNextLoad() {
        load(item("1-5-95") + kEnd);
        m_page->appendToPendingHistory(item("3-2-96") + kEnd);
        QCOMPARE(list()->count(), 1);
        m_page->loadControls();
        QCOMPARE(listTexts().first(), QString(item("3-2-96").c_str()));

        // Saving before the list has shown a newly given or extended text keeps that text.
        m_page->setPendingHistory(item("12-31-94") + kEnd);
        QVERIFY(m_page->leavePage());
        QCOMPARE(m_page->pendingHistory(), item("12-31-94") + kEnd);
        m_page->appendToPendingHistory(item("3-2-96") + kEnd);
        QVERIFY(m_page->saveControls());
        QCOMPARE(m_page->pendingHistory(), item("12-31-94") + kEnd + item("3-2-96") + kEnd);
    }
};

QTEST_MAIN(TransactionPageTest)
#include "transactionpage_test.moc"
