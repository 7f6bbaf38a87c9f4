#include "gui/document/CSelectionCriteriaSheet.h"

#include "gui/common/HelpWindow.h"
#include "gui/document/CFocusDatesPage.h"
#include "gui/document/CFocusNames.h"
#include "gui/document/CFocusNumbers.h"

#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

CSelectionCriteriaSheet::CSelectionCriteriaSheet(const FieldNames& fieldNames,
                                                 std::filesystem::path startDirectory, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Focus Criteria"));

    m_names = new CFocusNames(fieldNames, startDirectory);
    m_numbers = new CFocusNumbers(fieldNames);
    m_dates = new CFocusDatesPage(fieldNames);
    m_tabs = new QTabWidget;
    m_tabs->addTab(m_names, QStringLiteral("Names"));
    m_tabs->addTab(m_numbers, QStringLiteral("Numbers and Vintage"));
    m_tabs->addTab(m_dates, QStringLiteral("Dates and Color"));

    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { showHelpContext(kHelpContext); });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [] { showHelpContext(kHelpContext); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Not a name field: with SmartSelect on, a focused empty dropdown would open its list at once.
    m_names->methodButton(FocusCriteria::NewFocusSet)->setFocus();
}

FocusCriteria CSelectionCriteriaSheet::criteria() const {
    FocusCriteria criteria;
    m_names->saveTo(criteria);
    m_numbers->saveTo(criteria);
    m_dates->saveTo(criteria);
    return criteria;
}
