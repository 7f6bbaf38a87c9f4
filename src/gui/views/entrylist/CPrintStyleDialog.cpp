#include "gui/views/entrylist/CPrintStyleDialog.h"

#include "gui/common/HelpWindow.h"
#include "gui/common/TextConvert.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

constexpr int kHelpTopic = 1275;

QGroupBox* choice(const QString& caption, QRadioButton*& yes, const QString& yesText, QRadioButton*& no,
                  const QString& noText) {
    auto* box = new QGroupBox(caption);
    auto* layout = new QHBoxLayout(box);
    yes = new QRadioButton(yesText);
    no = new QRadioButton(noText);
    layout->addWidget(yes);
    layout->addWidget(no);
    auto* group = new QButtonGroup(box);
    group->addButton(yes);
    group->addButton(no);
    return box;
}

QLineEdit* numberEdit(const QString& pattern) {
    auto* edit = new QLineEdit;
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
    edit->setMaximumWidth(70);
    return edit;
}

// The standard range message of a dialog field; the field is selected for correction.
bool refuse(QLineEdit* edit, const QString& message) {
    QMessageBox::warning(edit->window(), QApplication::applicationDisplayName(), message);
    edit->selectAll();
    edit->setFocus();
    return false;
}

} // namespace

CPrintStyleDialog::CPrintStyleDialog(const PrintStyle& style, int orientation, QWidget* parent)
    : QDialog(parent), m_style(style), m_orientation(orientation) {
    setWindowTitle(QStringLiteral("Entry List Print Style"));
    auto* layout = new QVBoxLayout(this);

    auto* cellarBook = choice(QStringLiteral("Cellar Book Style"), m_cellarBookYes, QStringLiteral("Yes"),
                              m_cellarBookNo, QStringLiteral("No"));
    m_entriesPerPage = numberEdit(QStringLiteral("[0-9]{0,2}"));
    auto* perPage = new QFormLayout;
    perPage->addRow(QStringLiteral("Entries Per Page:"), m_entriesPerPage);
    static_cast<QHBoxLayout*>(cellarBook->layout())->addLayout(perPage);
    layout->addWidget(cellarBook);

    auto* grid = choice(QStringLiteral("Grid Lines"), m_gridYes, QStringLiteral("Yes"), m_gridNo,
                        QStringLiteral("No (Wine List Style)"));
    m_title = new QLineEdit;
    auto* titleRow = new QFormLayout;
    titleRow->addRow(QStringLiteral("Wine List Title:"), m_title);
    auto* gridLayout = new QVBoxLayout;
    gridLayout->addWidget(grid);
    gridLayout->addLayout(titleRow);
    layout->addLayout(gridLayout);

    layout->addWidget(choice(QStringLiteral("Wrap Notes"), m_wrapYes, QStringLiteral("Yes"), m_wrapNo,
                             QStringLiteral("No")));
    layout->addWidget(choice(QStringLiteral("Paper Orientation"), m_portrait, QStringLiteral("Portrait"),
                             m_landscape, QStringLiteral("Landscape")));

    auto* margins = new QGroupBox(QStringLiteral("Print Margins (Inches)"));
    auto* marginLayout = new QGridLayout(margins);
    const char* names[] = {"Left", "Right", "Top", "Bottom"};
    const float values[] = {style.leftMargin, style.rightMargin, style.topMargin, style.bottomMargin};
    for (int i = 0; i < 4; ++i) {
        auto* edit = numberEdit(QStringLiteral("[0-9]{0,2}(\\.[0-9]{0,3})?"));
        edit->setText(QString::number(static_cast<double>(values[i]), 'f', 2));
        m_margins[static_cast<std::size_t>(i)] = edit;
        marginLayout->addWidget(new QLabel(QString::fromLatin1(names[i])), i / 2, (i % 2) * 2);
        marginLayout->addWidget(edit, i / 2, (i % 2) * 2 + 1);
    }
    layout->addWidget(margins);

    auto* buttons = new QDialogButtonBox;
    QPushButton* close = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::AcceptRole);
    close->setDefault(true);
    QPushButton* help = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, [] { showHelpContext(kHelpTopic); });
    layout->addWidget(buttons);

    (style.cellarBook ? m_cellarBookYes : m_cellarBookNo)->setChecked(true);
    (style.wineList ? m_gridNo : m_gridYes)->setChecked(true);
    (style.wrappedNotes ? m_wrapYes : m_wrapNo)->setChecked(true);
    (orientation == 2 ? m_landscape : m_portrait)->setChecked(true);
    m_entriesPerPage->setText(QString::number(style.entriesPerPage));
    m_title->setText(toQt(style.title));
    for (QRadioButton* button : {m_cellarBookYes, m_cellarBookNo, m_gridYes, m_gridNo})
        connect(button, &QRadioButton::toggled, this, &CPrintStyleDialog::applyEnabling);
    applyEnabling();
}

void CPrintStyleDialog::applyEnabling() {
    const bool cellarBook = m_cellarBookYes->isChecked();
    for (QWidget* gridChoice : {m_gridYes, m_gridNo, m_wrapYes, m_wrapNo})
        gridChoice->setEnabled(!cellarBook);
    m_entriesPerPage->setEnabled(cellarBook);
    m_title->setEnabled(!cellarBook && m_gridNo->isChecked());
}

void CPrintStyleDialog::accept() {
    bool ok = false;
    const int perPage = m_entriesPerPage->text().toInt(&ok);
    if (!ok || perPage < PrintStyle::kMinEntriesPerPage || perPage > PrintStyle::kMaxEntriesPerPage) {
        refuse(m_entriesPerPage, QStringLiteral("Please enter an integer between 1 and 12."));
        return;
    }
    std::array<float, 4> margins{};
    for (std::size_t i = 0; i < margins.size(); ++i) {
        margins[i] = m_margins[i]->text().toFloat(&ok);
        if (!ok || margins[i] < 0.0f || margins[i] > PrintStyle::kMaxMargin) {
            refuse(m_margins[i], QStringLiteral("Please enter a number between 0.0 and 3.5."));
            return;
        }
    }
    m_style.cellarBook = m_cellarBookYes->isChecked();
    m_style.entriesPerPage = perPage;
    m_style.wineList = m_gridNo->isChecked();
    m_style.wrappedNotes = m_wrapYes->isChecked();
    m_style.title = fromQt(m_title->text());
    m_style.leftMargin = margins[0];
    m_style.rightMargin = margins[1];
    m_style.topMargin = margins[2];
    m_style.bottomMargin = margins[3];
    m_orientation = m_landscape->isChecked() ? 2 : 1;
    QDialog::accept();
}
