#include "gui/editing/CMainPage.h"

#include "core/editing/BinCheck.h"
#include "core/editing/IntEditRules.h"
#include "core/setup/FieldNames.h"
#include "gui/common/AppSwitches.h"
#include "gui/common/TextConvert.h"
#include "gui/editing/CBinWarningDialog.h"
#include "gui/editing/CCompletingCombo.h"
#include "gui/editing/CDateEdit.h"
#include "gui/editing/CDecimalEdit.h"
#include "gui/editing/CIntEdit.h"
#include "gui/editing/CTransactionPage.h"
#include "gui/setup/DropdownListLoader.h"

#include <limits>
#include <utility>

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>

namespace {

struct NameField {
    CWine::Field field;
    const char* listFile;
    bool sorted; // ratings and bins keep the order the loader gives them
    std::string EntryBoxValues::*value;
};

constexpr std::array<NameField, 14> kNameFields{{
    {CWine::Producer, "producer.cbi", true, &EntryBoxValues::producer},
    {CWine::Appellation, "app.cbi", true, &EntryBoxValues::appellation},
    {CWine::Designation, "xdesig.cbi", true, &EntryBoxValues::designation},
    {CWine::Region, "region.cbi", true, &EntryBoxValues::region},
    {CWine::Country, "country.cbi", true, &EntryBoxValues::country},
    {CWine::WineType, "wtype.cbi", true, &EntryBoxValues::wineType},
    {CWine::Vendor, "vendor.cbi", true, &EntryBoxValues::vendor},
    {CWine::Bins, "bins.cbi", false, &EntryBoxValues::bins},
    {CWine::User1, "user1.cbi", true, &EntryBoxValues::user1},
    {CWine::User2, "user2.cbi", true, &EntryBoxValues::user2},
    {CWine::Rating, "quality.cbi", false, &EntryBoxValues::rating},
    {CWine::User3, "user3.cbi", true, &EntryBoxValues::user3},
    {CWine::User4, "user4.cbi", true, &EntryBoxValues::user4},
    {CWine::User5, "user5.cbi", true, &EntryBoxValues::user5},
}};

constexpr std::array<std::pair<CWine::Field, std::string EntryBoxValues::*>, 6> kTextFields{{
    {CWine::Cost, &EntryBoxValues::cost},
    {CWine::Value, &EntryBoxValues::value},
    {CWine::DateAcquired, &EntryBoxValues::dateAcquired},
    {CWine::TryDate, &EntryBoxValues::tryDate},
    {CWine::DrinkDate, &EntryBoxValues::drinkDate},
    {CWine::DateModified, &EntryBoxValues::dateModified},
}};

constexpr std::array<std::pair<CWine::Field, std::int32_t EntryBoxValues::*>, 3> kNumberFields{{
    {CWine::Vintage, &EntryBoxValues::vintage},
    {CWine::NumberAcquired, &EntryBoxValues::numberAcquired},
    {CWine::NumberRemaining, &EntryBoxValues::numberRemaining},
}};

struct Placement {
    CWine::Field field;
    int row;
    int side; // 0 left, 1 right
    bool narrow;
};

// Names down the left, numbers and dates down the right, the user's own fields below both; the
// order is also the Tab order.
constexpr std::array<Placement, 23> kPlacements{{
    {CWine::Vintage, 0, 0, true},
    {CWine::Producer, 1, 0, false},
    {CWine::Appellation, 2, 0, false},
    {CWine::Designation, 3, 0, false},
    {CWine::Region, 4, 0, false},
    {CWine::Country, 5, 0, false},
    {CWine::WineType, 6, 0, false},
    {CWine::Vendor, 7, 0, false},
    {CWine::Rating, 8, 0, false},
    {CWine::NumberAcquired, 0, 1, true},
    {CWine::NumberRemaining, 1, 1, true},
    {CWine::Bins, 2, 1, false},
    {CWine::Cost, 3, 1, true},
    {CWine::Value, 4, 1, true},
    {CWine::DateAcquired, 5, 1, true},
    {CWine::TryDate, 6, 1, true},
    {CWine::DrinkDate, 7, 1, true},
    {CWine::DateModified, 8, 1, true},
    {CWine::User1, 9, 0, false},
    {CWine::User2, 9, 1, false},
    {CWine::User3, 10, 0, false},
    {CWine::User4, 10, 1, false},
    {CWine::User5, 11, 0, false},
}};

} // namespace

CMainPage::CMainPage(const FieldNames& fieldNames, std::filesystem::path startDirectory, QWidget* parent)
    : CEntryBoxPage(parent), m_fieldNames(fieldNames), m_startDirectory(std::move(startDirectory)),
      m_binWarning(AppSwitches::binWarning()) {
    for (const NameField& name : kNameFields)
        m_controls[name.field] = new CCompletingCombo(name.sorted);
    const IntStepSettings vintage = IntEditRules::vintageSteps();
    m_controls[CWine::Vintage] =
        new CIntEdit(false, true, vintage.ctrlStep, vintage.shiftStep, vintage.minimum, vintage.maximum);
    m_controls[CWine::NumberAcquired] = new CIntEdit(false, true, 6, 12, 0, 2040);
    m_controls[CWine::NumberRemaining] = new CIntEdit(false, true, 6, 12, 0, 2040);
    m_controls[CWine::Cost] = new CDecimalEdit;
    m_controls[CWine::Value] = new CDecimalEdit;
    m_controls[CWine::DateAcquired] = new CDateEdit;
    for (const int date : {CWine::TryDate, CWine::DrinkDate}) {
        auto* edit = new QLineEdit;
        edit->setMaxLength(std::numeric_limits<int>::max()); // any text comes back unchanged
        m_controls[date] = edit;
    }
    auto* modified = new QLineEdit;
    modified->setReadOnly(true);
    modified->setFocusPolicy(Qt::ClickFocus);
    m_controls[CWine::DateModified] = modified;

    auto* grid = new QGridLayout(this);
    grid->setColumnMinimumWidth(2, 16);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(4, 2);
    grid->setRowStretch(static_cast<int>(kPlacements.back().row) + 1, 1);
    const int narrowWidth = fontMetrics().horizontalAdvance(QStringLiteral("00-00-0000")) + 32;
    QWidget* previous = nullptr;
    for (const Placement& place : kPlacements) {
        QWidget* control = m_controls[place.field];
        control->setObjectName(QStringLiteral("field%1").arg(place.field));
        auto* label = new QLabel;
        label->setBuddy(control);
        m_labels[place.field] = label;
        const int column = place.side * 3;
        grid->addWidget(label, place.row, column);
        if (place.narrow) {
            control->setFixedWidth(narrowWidth);
            grid->addWidget(control, place.row, column + 1, Qt::AlignLeft);
        } else {
            grid->addWidget(control, place.row, column + 1);
        }
        if (previous != nullptr)
            setTabOrder(previous, control);
        previous = control;
    }
    initialise();
}

void CMainPage::setValues(const EntryBoxValues& values) {
    m_values = values;
}

void CMainPage::initialise() {
    for (const NameField& name : kNameFields) {
        CCompletingCombo* list = combo(name.field);
        list->clear();
        loadDropdownList(*list, m_startDirectory, name.listFile);
    }
    for (int field = 0; field < CWine::FieldCount; ++field)
        if (m_labels[field] != nullptr)
            m_labels[field]->setText(toQt(m_fieldNames.name(field)));
}

void CMainPage::loadControls() {
    for (const auto& [field, value] : kNumberFields)
        edit(field)->setText(QString::number(m_values.*value));
    for (const NameField& name : kNameFields) {
        combo(name.field)->setCurrentIndex(-1);
        combo(name.field)->setEditText(toQt(m_values.*name.value));
    }
    for (const auto& [field, value] : kTextFields)
        edit(field)->setText(toQt(m_values.*value));
    m_snapshot = HistorySnapshot::take(m_values.numberRemaining, m_values.cost, m_values.value);
}

bool CMainPage::saveControls() {
    std::array<std::int32_t, kNumberFields.size()> numbers{};
    for (std::size_t i = 0; i < kNumberFields.size(); ++i)
        if (!readWholeNumber(kNumberFields[i].first, numbers[i]))
            return false;
    for (std::size_t i = 0; i < kNumberFields.size(); ++i)
        m_values.*kNumberFields[i].second = numbers[i];
    for (const NameField& name : kNameFields)
        m_values.*name.value = fromQt(combo(name.field)->currentText());
    for (const auto& [field, value] : kTextFields)
        m_values.*value = fromQt(edit(field)->text());

    if (auto item = m_snapshot.record(m_values.numberRemaining, m_values.cost, m_values.value);
        item && m_historyPage != nullptr)
        m_historyPage->appendToPendingHistory(*item);
    return true;
}

bool CMainPage::leavePage() {
    return !binWarningRefusesLeave() && saveControls();
}

void CMainPage::pageActivated() {
    loadControls();
    m_binWarning = AppSwitches::binWarning();
}

CCompletingCombo* CMainPage::combo(CWine::Field field) const {
    return static_cast<CCompletingCombo*>(m_controls[field]);
}

QLineEdit* CMainPage::edit(CWine::Field field) const {
    return static_cast<QLineEdit*>(m_controls[field]);
}

bool CMainPage::readWholeNumber(CWine::Field field, std::int32_t& number) {
    QLineEdit* control = edit(field);
    bool ok = false;
    number = control->text().trimmed().toInt(&ok);
    if (ok)
        return true;
    QMessageBox::warning(this, QApplication::applicationDisplayName(),
                         QStringLiteral("Please enter an integer."));
    control->setFocus();
    control->selectAll();
    return false;
}

bool CMainPage::binWarningRefusesLeave() {
    const int bottlesLeft = edit(CWine::NumberRemaining)->text().trimmed().toInt();
    if (!m_binWarning || !binsDisagreeWithBottlesLeft(fromQt(combo(CWine::Bins)->currentText()), bottlesLeft))
        return false;
    CBinWarningDialog dialog(this);
    const bool change = dialog.exec() == QDialog::Accepted;
    if (dialog.suppressWarnings()) {
        AppSwitches::setBinWarning(false);
        m_binWarning = false;
    }
    if (change)
        combo(CWine::Bins)->setFocus();
    return change;
}
