#include "gui/document/CFocusNames.h"

#include "core/setup/FieldNames.h"
#include "gui/common/TextConvert.h"
#include "gui/editing/CCompletingCombo.h"
#include "gui/setup/DropdownListLoader.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct NameField {
    CWine::Field field;
    const char* listFile; // nullptr for the plain Notes field
};

// In tab order: the left column, then the right.
constexpr NameField kLeftColumn[] = {
    {CWine::Producer, "producer.cbi"}, {CWine::Designation, "xdesig.cbi"}, {CWine::Appellation, "app.cbi"},
    {CWine::Region, "region.cbi"},     {CWine::Country, "country.cbi"},    {CWine::WineType, "wtype.cbi"},
    {CWine::Vendor, "vendor.cbi"},
};
constexpr NameField kRightColumn[] = {
    {CWine::Bins, "bins.cbi"},   {CWine::Notes, nullptr},     {CWine::User1, "user1.cbi"},
    {CWine::User2, "user2.cbi"}, {CWine::User3, "user3.cbi"}, {CWine::User4, "user4.cbi"},
    {CWine::User5, "user5.cbi"},
};

constexpr int kFieldWidth = 150;

} // namespace

CFocusNames::CFocusNames(const FieldNames& fieldNames, const std::filesystem::path& startDirectory,
                         QWidget* parent)
    : QWidget(parent) {
    auto* methodBox = new QGroupBox(QStringLiteral("Method"));
    auto* methodRow = new QHBoxLayout(methodBox);
    const char* const methodTexts[] = {"New Focus Set", "Remove from Focus Set", "Add to Focus Set"};
    for (int method = 0; method < static_cast<int>(m_methods.size()); ++method) {
        m_methods[method] = new QRadioButton(QString::fromLatin1(methodTexts[method]));
        methodRow->addWidget(m_methods[method]);
    }
    methodRow->addStretch();
    m_methods[FocusCriteria::NewFocusSet]->setChecked(true);

    // Laid out first so that every control belongs to the page before its tab order is set.
    auto* page = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    page->addWidget(methodBox);
    page->addSpacing(6);
    page->addLayout(grid);
    page->addStretch();
    grid->setColumnMinimumWidth(2, 12);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    QWidget* previous = m_methods.back();
    auto addColumn = [&](const auto& fields, int column) {
        int row = 0;
        for (const NameField& name : fields) {
            QWidget* control = nullptr;
            if (name.listFile == nullptr) {
                m_notes = new QLineEdit;
                control = m_notes;
            } else {
                // Bins keep the bin order the loader gives them; other names are alphabetical.
                auto* combo = new CCompletingCombo(name.field != CWine::Bins);
                loadDropdownList(*combo, startDirectory, name.listFile);
                combo->setCurrentIndex(-1);
                m_combos[name.field] = combo;
                control = combo;
            }
            control->setMinimumWidth(kFieldWidth);
            const QString fieldName = toQt(fieldNames.name(name.field));
            control->setAccessibleName(fieldName);
            auto* label = new QLabel(QString(fieldName).replace(QLatin1Char('&'), QStringLiteral("&&")));
            label->setBuddy(control);
            grid->addWidget(label, row, column);
            grid->addWidget(control, row, column + 1);
            setTabOrder(previous, control);
            previous = control;
            ++row;
        }
    };
    addColumn(kLeftColumn, 0);
    addColumn(kRightColumn, 3);
}

void CFocusNames::saveTo(FocusCriteria& criteria) const {
    for (int method = 0; method < static_cast<int>(m_methods.size()); ++method) {
        if (m_methods[method]->isChecked())
            criteria.method = static_cast<FocusCriteria::Method>(method);
    }
    auto text = [this](CWine::Field field) { return fromQt(m_combos[field]->currentText()); };
    criteria.producer = text(CWine::Producer);
    criteria.designation = text(CWine::Designation);
    criteria.appellation = text(CWine::Appellation);
    criteria.region = text(CWine::Region);
    criteria.country = text(CWine::Country);
    criteria.wineType = text(CWine::WineType);
    criteria.vendor = text(CWine::Vendor);
    criteria.bins = text(CWine::Bins);
    criteria.notes = fromQt(m_notes->text());
    criteria.user1 = text(CWine::User1);
    criteria.user2 = text(CWine::User2);
    criteria.user3 = text(CWine::User3);
    criteria.user4 = text(CWine::User4);
    criteria.user5 = text(CWine::User5);
}
