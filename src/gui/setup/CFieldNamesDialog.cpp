#include "gui/setup/CFieldNamesDialog.h"

#include "core/setup/FieldNames.h"
#include "gui/common/FilePrompt.h"
#include "gui/common/TextConvert.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kColumns = 3;
constexpr int kRows = (CWine::FieldCount + kColumns - 1) / kColumns;
const char* const kFilter = "Field Names (*.fnm)";

} // namespace

CFieldNamesDialog::CFieldNamesDialog(FieldNames& table, std::filesystem::path startDirectory, QWidget* parent)
    : QDialog(parent), m_table(table), m_startDirectory(std::move(startDirectory)), m_names(table.names()) {
    setWindowTitle("Field Names");

    // Down the columns in field index order; the names themselves say which field each edit is.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    for (int field = 0; field < CWine::FieldCount; ++field) {
        auto* edit = new QLineEdit;
        edit->setObjectName(QString("fieldName%1").arg(field));
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(16, 'x')));
        grid->addWidget(edit, field % kRows, field / kRows);
        m_edits[field] = edit;
    }

    auto* saveButton = new QPushButton("Save");
    auto* retrieveButton = new QPushButton("Retrieve");
    auto* defaultsButton = new QPushButton("Get Defaults");
    m_cancelButton = new QPushButton("Cancel");
    m_okButton = new QPushButton("OK");
    saveButton->setObjectName("saveButton");
    retrieveButton->setObjectName("retrieveButton");
    defaultsButton->setObjectName("defaultsButton");
    m_cancelButton->setObjectName("cancelButton");
    m_okButton->setObjectName("okButton");
    m_okButton->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveButton);
    buttons->addWidget(retrieveButton);
    buttons->addWidget(defaultsButton);
    buttons->addSpacing(24);
    buttons->addStretch();
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_okButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(saveButton, &QPushButton::clicked, this, &CFieldNamesDialog::save);
    connect(retrieveButton, &QPushButton::clicked, this, &CFieldNamesDialog::retrieve);
    connect(defaultsButton, &QPushButton::clicked, this, &CFieldNamesDialog::getDefaults);
    connect(m_cancelButton, &QPushButton::clicked, this, &CFieldNamesDialog::reject);
    connect(m_okButton, &QPushButton::clicked, this, &CFieldNamesDialog::accept);

    showNames();
}

void CFieldNamesDialog::accept() {
    takeNamesFromEdits();
    m_table.setNames(m_names);
    QDialog::accept();
}

void CFieldNamesDialog::reject() {
    // Escape and the window's close box obey the disabled Cancel too: the table has already changed.
    if (!m_cancelButton->isEnabled()) {
        QApplication::beep();
        return;
    }
    QDialog::reject();
}

std::filesystem::path CFieldNamesDialog::askFileToRetrieve() {
    return FilePrompt::ask(this, FilePrompt::Mode::Open, "Retrieve Stored Field Names", m_startDirectory,
                           kFilter, "fnm");
}

std::filesystem::path CFieldNamesDialog::askFileToStore() {
    return FilePrompt::ask(this, FilePrompt::Mode::Save, "Store Field Names", m_startDirectory, kFilter,
                           "fnm");
}

void CFieldNamesDialog::save() {
    const std::filesystem::path path = askFileToStore();
    if (path.empty())
        return;
    takeNamesFromEdits();
    tableChanged();
    m_table.setNames(m_names);
    // Nothing to tell the user when the write fails: the names are in the table all the same.
    m_table.write(path);
}

void CFieldNamesDialog::retrieve() {
    const std::filesystem::path path = askFileToRetrieve();
    if (path.empty())
        return;
    if (!m_table.read(path)) {
        QMessageBox::information(this, QApplication::applicationDisplayName(),
                                 "Unables to read specified\nField Names File.");
        return;
    }
    m_names = m_table.names();
    showNames();
    tableChanged();
}

void CFieldNamesDialog::getDefaults() {
    m_table.setDefaults();
    m_names = m_table.names();
    showNames();
    tableChanged();
}

void CFieldNamesDialog::takeNamesFromEdits() {
    for (int field = 0; field < CWine::FieldCount; ++field)
        m_names[field] = fromQt(m_edits[field]->text());
}

void CFieldNamesDialog::showNames() {
    for (int field = 0; field < CWine::FieldCount; ++field)
        m_edits[field]->setText(toQt(m_names[field]));
}

void CFieldNamesDialog::tableChanged() {
    m_cancelButton->setEnabled(false);
    m_okButton->setText("Close");
}
