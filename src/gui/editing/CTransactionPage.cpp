#include "gui/editing/CTransactionPage.h"

#include "gui/common/TextConvert.h"
#include "gui/editing/CDateEdit.h"
#include "gui/editing/CDecimalEdit.h"
#include "gui/editing/CIntEdit.h"
#include "gui/editing/TabStopItemDelegate.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// Where the list's fields start, in dialog units.
const QList<int> kTabStops{50, 92, 135, 178, 221, 263};

struct FieldName {
    const char* label;
    const char* objectName;
    const char* widest; // the widest text the field usually holds
};
// In the order of an item's fields.
constexpr FieldName kFieldNames[HistoryItemList::FieldCount]{
    {"Date", "dateEdit", "12-31-94"},         {"New Qty", "newQtyEdit", "9999"},
    {"Old Qty", "oldQtyEdit", "9999"},        {"New Cost", "newCostEdit", "1234.56"},
    {"Old Cost", "oldCostEdit", "1234.56"},   {"New Value", "newValueEdit", "1234.56"},
    {"Old Value", "oldValueEdit", "1234.56"},
};

// Room for the text beside the spin button, inside the frame.
int widthFor(const QLineEdit& edit, const char* text) {
    const QMargins margins = edit.textMargins();
    const int frame = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit);
    return edit.fontMetrics().horizontalAdvance(QString::fromLatin1(text)) + margins.left() +
           margins.right() + 2 * frame + 8;
}

} // namespace

CTransactionPage::CTransactionPage(QWidget* parent)
    : CEntryBoxPage(parent), m_description(new QLabel(this)), m_date(new CDateEdit),
      m_newQty(new CIntEdit(false, true, 6, 12, 0, 9999)),
      m_oldQty(new CIntEdit(false, true, 6, 12, 0, 9999)), m_newCost(new CDecimalEdit),
      m_oldCost(new CDecimalEdit), m_newValue(new CDecimalEdit), m_oldValue(new CDecimalEdit),
      m_list(new QListWidget),
      m_addButton(new QPushButton(QStringLiteral("&Add or Return Current Item to List"))),
      m_selectButton(new QPushButton(QStringLiteral("&Select Highlighted Item"))),
      m_deleteItemButton(new QPushButton(QStringLiteral("&Delete Current Item"))) {
    m_description->setObjectName(QStringLiteral("description"));
    m_list->setObjectName(QStringLiteral("itemList"));
    m_addButton->setObjectName(QStringLiteral("addButton"));
    m_selectButton->setObjectName(QStringLiteral("selectButton"));
    m_deleteItemButton->setObjectName(QStringLiteral("deleteItemButton"));

    m_list->setItemDelegate(new TabStopItemDelegate(kTabStops, m_list));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* itemLayout = new QGridLayout;
    const auto edits = fields();
    for (int column = 0; column < HistoryItemList::FieldCount; ++column) {
        auto* label = new QLabel(QString::fromLatin1(kFieldNames[column].label));
        label->setBuddy(edits[column]);
        edits[column]->setObjectName(QString::fromLatin1(kFieldNames[column].objectName));
        edits[column]->setFixedWidth(widthFor(*edits[column], kFieldNames[column].widest));
        itemLayout->addWidget(label, 0, column);
        itemLayout->addWidget(edits[column], 1, column);
    }
    itemLayout->setColumnStretch(HistoryItemList::FieldCount, 1);
    // The captions are wider than some fields; keep a gap so neighbours never run together.
    itemLayout->setHorizontalSpacing(fontMetrics().averageCharWidth() * 2);
    auto* itemButtons = new QHBoxLayout;
    itemButtons->addWidget(m_addButton);
    itemButtons->addWidget(m_deleteItemButton);
    itemButtons->addStretch();
    itemLayout->addLayout(itemButtons, 2, 0, 1, HistoryItemList::FieldCount + 1);
    auto* itemBox = new QGroupBox(QStringLiteral("Current Item"));
    itemBox->setLayout(itemLayout);

    auto* listBox = new QGroupBox(QStringLiteral("List"));
    auto* listLayout = new QVBoxLayout(listBox);
    listLayout->addWidget(m_list);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(m_selectButton);
    listButtons->addStretch();
    listLayout->addLayout(listButtons);

    auto* page = new QVBoxLayout(this);
    page->addWidget(m_description);
    page->addWidget(itemBox);
    page->addWidget(listBox, 1);

    connect(m_addButton, &QPushButton::clicked, this, &CTransactionPage::addCurrentItem);
    connect(m_selectButton, &QPushButton::clicked, this, &CTransactionPage::selectHighlightedItem);
    connect(m_deleteItemButton, &QPushButton::clicked, this, &CTransactionPage::deleteCurrentItem);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CTransactionPage::selectHighlightedItem);
}

void CTransactionPage::setLabelText(const QString& text) {
    m_description->setText(text);
}

void CTransactionPage::loadControls() {
    // A current item left by a cancelled box does not belong to the entry now shown.
    clearCurrentItem();
    m_items.load(m_pendingHistory);
    m_list->clear();
    for (const std::string& item : m_items.items())
        m_list->addItem(toQt(item));
    m_listShowsPending = true;
}

bool CTransactionPage::saveControls() {
    clearCurrentItem();
    if (m_listShowsPending)
        m_pendingHistory = m_items.historyText();
    return true;
}

bool CTransactionPage::leavePage() {
    if (!currentItemIsEmpty()) {
        showMessage(QStringLiteral("Please delete the current item\nor return it to the list."));
        return false; // the page stays on show, and with it the Delete button stays disabled
    }
    if (m_deleteButton != nullptr)
        m_deleteButton->setEnabled(true);
    return saveControls();
}

void CTransactionPage::pageActivated() {
    if (m_deleteButton != nullptr)
        m_deleteButton->setEnabled(false);
    loadControls();
}

void CTransactionPage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        addCurrentItem();
        event->accept();
        return;
    }
    CEntryBoxPage::keyPressEvent(event);
}

void CTransactionPage::addCurrentItem() {
    if (currentItemIsEmpty())
        return;
    if (!m_date->Validate()) {
        markFailed(m_date);
        return;
    }
    for (CIntEdit* quantity : {m_newQty, m_oldQty}) {
        if (!quantity->Validate()) {
            markFailed(quantity);
            return;
        }
    }
    HistoryItemList::Fields item = currentItem();
    const std::array<CDecimalEdit*, 4> amounts{m_newCost, m_oldCost, m_newValue, m_oldValue};
    for (std::size_t i = 0; i < amounts.size(); ++i) {
        const QString amount = amounts[i]->GetNormalizedText();
        if (amount.isEmpty()) {
            showMessage(QStringLiteral("Please enter a valid dollar amount."));
            markFailed(amounts[i]);
            return;
        }
        item[HistoryItemList::NewCost + i] = fromQt(amount);
    }
    const std::string line = HistoryItemList::joinFields(item);
    m_list->insertItem(static_cast<int>(m_items.insertSorted(line)), toQt(line));
    clearCurrentItem();
}

void CTransactionPage::selectHighlightedItem() {
    if (!currentItemIsEmpty()) {
        QApplication::beep();
        showMessage(QStringLiteral(
            "Before making a new selection, you\nmust add or return the Current Item\nto the list, or "
            "delete it."));
        return;
    }
    const QList<QListWidgetItem*> highlighted = m_list->selectedItems();
    if (highlighted.isEmpty()) {
        QApplication::beep();
        return;
    }
    const int row = m_list->row(highlighted.first());
    delete m_list->takeItem(row);
    const HistoryItemList::Fields item =
        HistoryItemList::splitFields(m_items.takeAt(static_cast<std::size_t>(row)));
    const auto edits = fields();
    for (std::size_t i = 0; i < edits.size(); ++i)
        edits[i]->setText(toQt(item[i]));
    m_list->clearSelection();
    m_date->setFocus();
}

void CTransactionPage::deleteCurrentItem() {
    clearCurrentItem();
}

std::array<QLineEdit*, HistoryItemList::FieldCount> CTransactionPage::fields() const {
    return {m_date, m_newQty, m_oldQty, m_newCost, m_oldCost, m_newValue, m_oldValue};
}

HistoryItemList::Fields CTransactionPage::currentItem() const {
    HistoryItemList::Fields item;
    const auto edits = fields();
    for (std::size_t i = 0; i < edits.size(); ++i)
        item[i] = fromQt(edits[i]->text());
    return item;
}

bool CTransactionPage::currentItemIsEmpty() const {
    return HistoryItemList::allEmpty(currentItem());
}

void CTransactionPage::clearCurrentItem() {
    for (QLineEdit* edit : fields())
        edit->clear();
}

void CTransactionPage::markFailed(QLineEdit* field) {
    field->selectAll();
    field->setFocus();
}

void CTransactionPage::showMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, this);
    box.exec();
}
