#include "gui/views/entrylist/CFindDialog.h"

#include "core/setup/DropdownList.h"
#include "core/setup/FieldNames.h"
#include "gui/common/TextConvert.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Two radio buttons in a titled group; the first is chosen.
QGroupBox* pair(const QString& caption, const QString& first, const QString& second,
                QRadioButton*& chosenSecond) {
    auto* box = new QGroupBox(caption);
    auto* layout = new QVBoxLayout(box);
    auto* one = new QRadioButton(first);
    chosenSecond = new QRadioButton(second);
    layout->addWidget(one);
    layout->addWidget(chosenSecond);
    one->setChecked(true);
    return box;
}

} // namespace

CFindDialog::CFindDialog(const FieldNames& fieldNames, std::filesystem::path startDirectory, QWidget* parent)
    : QDialog(parent), m_fieldNames(fieldNames), m_startDirectory(std::move(startDirectory)) {
    setWindowTitle(QStringLiteral("Find"));
    auto* layout = new QGridLayout(this);
    m_text = new QComboBox;
    m_text->setEditable(true);
    m_text->setInsertPolicy(QComboBox::NoInsert);
    m_text->setMinimumWidth(260);
    layout->addWidget(new QLabel(QStringLiteral("Find What:")), 0, 0);
    layout->addWidget(m_text, 0, 1, 1, 2);

    auto* lookIn = new QGroupBox(QStringLiteral("Look In:"));
    auto* lookLayout = new QGridLayout(lookIn);
    auto* all = new QRadioButton(QStringLiteral("All Fields "));
    m_allFields = all;
    auto* checkedFields = new QRadioButton(QStringLiteral("Checked Fields "));
    all->setChecked(true);
    lookLayout->addWidget(all, 0, 0);
    lookLayout->addWidget(checkedFields, 0, 1);
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        m_fields[i] = new QCheckBox;
        lookLayout->addWidget(m_fields[i], 1 + static_cast<int>(i) / 2, static_cast<int>(i) % 2);
    }
    layout->addWidget(lookIn, 1, 0, 2, 2);
    layout->addWidget(
        pair(QStringLiteral("Search Direction"), QStringLiteral("Down"), QStringLiteral("Up"), m_up), 1, 2);
    layout->addWidget(pair(QStringLiteral("Wrap"), QStringLiteral("Wrapped Search "),
                           QStringLiteral("Stop At List Start or End "), m_stop),
                      2, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons, 3, 0, 1, 3);
}

int CFindDialog::exec() {
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setText(toQt(m_fieldNames.name(EntrySearch::kFindFields[i])));
    const QString current = m_text->currentText();
    m_text->clear();
    for (const std::string& item : DropdownList::readItems(m_startDirectory / DropdownList::kFindListFile))
        m_text->addItem(toQt(item));
    m_text->setEditText(current);
    return QDialog::exec();
}

void CFindDialog::accept() {
    std::vector<std::string> items;
    for (int i = 0; i < m_text->count(); ++i)
        items.push_back(fromQt(m_text->itemText(i)));
    const std::size_t before = items.size();
    DropdownList::rememberSearchText(items, fromQt(text()));
    if (items.size() != before)
        m_text->insertItem(0, text());
    // A list that cannot be written is not worth a message; the search goes on.
    (void)DropdownList::writeItems(m_startDirectory / DropdownList::kFindListFile, items,
                                   DropdownList::kFindListLimit);
    QDialog::accept();
}

QString CFindDialog::text() const {
    return m_text->currentText();
}

EntrySearch::FindOptions CFindDialog::options() const {
    EntrySearch::FindOptions options;
    options.allFields = m_allFields->isChecked();
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        options.checked[i] = m_fields[i]->isChecked();
    options.up = m_up->isChecked();
    options.stopAtEnd = m_stop->isChecked();
    return options;
}
