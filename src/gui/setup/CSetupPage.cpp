#include "gui/setup/CSetupPage.h"

#include "core/document/CBottlewrightDoc.h"
#include "core/setup/DropdownList.h"
#include "gui/common/TextConvert.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

CSetupPage::CSetupPage(CBottlewrightDoc& document, int field, std::string fileName,
                       std::filesystem::path startDirectory, QWidget* parent)
    : QWidget(parent), m_document(document), m_field(field), m_fileName(std::move(fileName)),
      m_startDirectory(std::move(startDirectory)) {
    auto* layout = new QGridLayout(this);
    m_text = new QLineEdit;
    m_list = new QListWidget;
    m_list->setSortingEnabled(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* addButton = new QPushButton(QStringLiteral("Add"));
    auto* deleteButton = new QPushButton(QStringLiteral("Delete Selected Items"));
    auto* addAllButton = new QPushButton(QStringLiteral("Add All Items from the Focus Set"));
    for (QPushButton* button : {addButton, deleteButton, addAllButton})
        button->setAutoDefault(false);
    layout->addWidget(m_text, 0, 0);
    layout->addWidget(addButton, 0, 1);
    layout->addWidget(m_list, 1, 0, 3, 1);
    layout->addWidget(deleteButton, 1, 1);
    layout->addWidget(addAllButton, 2, 1);
    layout->setRowStretch(3, 1);
    connect(addButton, &QPushButton::clicked, this, &CSetupPage::add);
    connect(deleteButton, &QPushButton::clicked, this, &CSetupPage::deleteSelected);
    connect(addAllButton, &QPushButton::clicked, this, &CSetupPage::addAllFromFocusSet);

    if (!m_fileName.empty()) {
        for (const std::string& item : DropdownList::readItems(m_startDirectory / m_fileName))
            m_list->addItem(toQt(item));
    }
}

std::vector<std::string> CSetupPage::items() const {
    std::vector<std::string> result;
    for (int row = 0; row < m_list->count(); ++row)
        result.push_back(fromQt(m_list->item(row)->text()));
    return result;
}

void CSetupPage::add() {
    if (!m_text->text().isEmpty())
        m_list->addItem(m_text->text());
    m_text->clear();
    m_text->setFocus();
}

void CSetupPage::deleteSelected() {
    for (int row = m_list->count() - 1; row >= 0; --row) {
        if (m_list->item(row)->isSelected())
            delete m_list->takeItem(row);
    }
}

void CSetupPage::addAllFromFocusSet() {
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(m_document.focusCount()));
    for (int position = 0; position < m_document.focusCount(); ++position)
        texts.push_back(*m_document.focusEntry(position)->textField(m_field));
    std::vector<std::string> list = items();
    const std::size_t before = list.size();
    DropdownList::addMissingItems(list, texts, m_field == DropdownList::kBinsField);
    for (std::size_t i = before; i < list.size(); ++i)
        m_list->addItem(toQt(list[i]));
}

void CSetupPage::store() const {
    // A list that cannot be written is not reported; its old file stays.
    (void)DropdownList::writeItems(m_startDirectory / m_fileName, items());
}

void CSetupPage::showEvent(QShowEvent* event) {
    m_shown = true;
    QWidget::showEvent(event);
}
