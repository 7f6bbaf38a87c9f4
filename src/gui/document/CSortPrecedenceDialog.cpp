#include "gui/document/CSortPrecedenceDialog.h"

#include "core/setup/FieldNames.h"
#include "gui/common/FilePrompt.h"
#include "gui/common/TextConvert.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const kFilter = "Sorting Schemes (*.bws)";
// Each column of the dialog holds a check box, a number box and a "#" button per row, then a gap.
constexpr int kGridColumnsPerField = 4;
constexpr int kColumnGap = 18;

QPushButton* commandButton(const char* text, const char* name) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CSortPrecedenceDialog::CSortPrecedenceDialog(SortPrecedence& precedence, const FieldNames& fieldNames,
                                             std::filesystem::path startDirectory, QWidget* parent)
    : QDialog(parent), m_precedence(precedence), m_startDirectory(std::move(startDirectory)) {
    setWindowTitle("Sort Precedence");

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    const auto& layout = SortPrecedenceForm::layout();
    for (int slot = 0; slot < static_cast<int>(layout.size()); ++slot) {
        const int field = layout[slot];
        const int row = slot % SortPrecedenceForm::kRows;
        const int column = slot / SortPrecedenceForm::kRows * kGridColumnsPerField;

        auto* check = new QCheckBox(toQt(fieldNames.name(field)));
        check->setObjectName(QString("descending%1").arg(field));
        auto* edit = new QLineEdit;
        edit->setObjectName(QString("number%1").arg(field));
        edit->setAlignment(Qt::AlignRight);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("0000") + 12);
        auto* button = new QPushButton("#");
        button->setObjectName(QString("numberButton%1").arg(field));
        button->setAutoDefault(false);
        button->setFixedWidth(button->fontMetrics().horizontalAdvance("##") + 16);

        grid->addWidget(check, row, column);
        grid->addWidget(edit, row, column + 1);
        grid->addWidget(button, row, column + 2);
        m_checks[field] = check;
        m_edits[field] = edit;
        m_numberButtons[field] = button;
        connect(button, &QPushButton::clicked, this, [this, field] { number(field); });
    }
    for (int column = 1; column < SortPrecedenceForm::kColumns; ++column)
        grid->setColumnMinimumWidth(column * kGridColumnsPerField - 1, kColumnGap);

    auto* clearButton = commandButton("&Clear", "clearButton");
    auto* retrieveButton = commandButton("&Retrieve", "retrieveButton");
    auto* storeButton = commandButton("&Store", "storeButton");
    auto* helpButton = commandButton("&Help", "helpButton");
    m_cancelButton = commandButton("Cancel", "cancelButton");
    auto* okButton = commandButton("OK", "okButton");
    okButton->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clearButton);
    buttons->addWidget(retrieveButton);
    buttons->addWidget(storeButton);
    buttons->addWidget(helpButton);
    buttons->addStretch();
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(okButton);

    auto* mainLayout = new QVBoxLayout(this);
    mainLayout->addLayout(grid);
    mainLayout->addSpacing(8);
    mainLayout->addLayout(buttons);
    mainLayout->setSizeConstraint(QLayout::SetFixedSize);

    connect(clearButton, &QPushButton::clicked, this, &CSortPrecedenceDialog::clear);
    connect(retrieveButton, &QPushButton::clicked, this, &CSortPrecedenceDialog::retrieve);
    connect(storeButton, &QPushButton::clicked, this, &CSortPrecedenceDialog::store);
    connect(helpButton, &QPushButton::clicked, this, [this] { Q_EMIT helpRequested(kHelpContext); });
    connect(m_cancelButton, &QPushButton::clicked, this, &CSortPrecedenceDialog::reject);
    connect(okButton, &QPushButton::clicked, this, &CSortPrecedenceDialog::accept);

    m_form.fill(m_precedence);
    showForm();
}

void CSortPrecedenceDialog::accept() {
    if (!takeValues())
        return;
    m_form.endNumbering();
    QDialog::accept();
}

void CSortPrecedenceDialog::reject() {
    // Escape and the window's close box obey the disabled Cancel too: the precedence has changed.
    if (!m_cancelButton->isEnabled()) {
        QApplication::beep();
        return;
    }
    m_form.endNumbering();
    QDialog::reject();
}

std::filesystem::path CSortPrecedenceDialog::askFileToRetrieve() {
    return FilePrompt::ask(this, FilePrompt::Mode::Open, "Retrieve Sorting Scheme", m_startDirectory, kFilter,
                           "bws");
}

std::filesystem::path CSortPrecedenceDialog::askFileToStore() {
    return FilePrompt::ask(this, FilePrompt::Mode::Save, "Save Sorting Scheme", m_startDirectory, kFilter,
                           "bws");
}

void CSortPrecedenceDialog::clear() {
    m_form.clear();
    showForm();
}

void CSortPrecedenceDialog::number(int field) {
    if (m_form.number(field))
        m_edits[field]->setText(toQt(m_form.text(field)));
}

void CSortPrecedenceDialog::store() {
    const std::filesystem::path path = askFileToStore();
    if (path.empty())
        return;
    const bool taken = takeValues();
    // Even a failed take has changed the boxes before the bad one.
    m_cancelButton->setEnabled(false);
    // A scheme with a box the user has still to correct is not worth keeping.
    if (taken)
        m_precedence.write(path); // a scheme that cannot be written goes unreported
}

void CSortPrecedenceDialog::retrieve() {
    const std::filesystem::path path = askFileToRetrieve();
    if (path.empty())
        return;
    m_cancelButton->setEnabled(false);
    if (!m_precedence.read(path)) {
        QMessageBox::warning(this, QApplication::applicationDisplayName(),
                             "Unable to retrieve the specified sorting scheme.");
        return;
    }
    m_form.fill(m_precedence);
    showForm();
}

bool CSortPrecedenceDialog::takeValues() {
    for (const int field : SortPrecedenceForm::layout()) {
        m_form.setText(field, fromQt(m_edits[field]->text()));
        m_form.setDescending(field, m_checks[field]->isChecked());
    }
    const std::optional<int> badField = m_form.take(m_precedence);
    if (!badField)
        return true;
    QMessageBox::warning(this, QApplication::applicationDisplayName(),
                         toQt(SortPrecedenceForm::invalidNumberMessage()));
    QLineEdit* edit = m_edits[*badField];
    edit->setFocus();
    edit->selectAll();
    return false;
}

void CSortPrecedenceDialog::showForm() {
    for (const int field : SortPrecedenceForm::layout()) {
        m_edits[field]->setText(toQt(m_form.text(field)));
        m_checks[field]->setChecked(m_form.isDescending(field));
    }
}
