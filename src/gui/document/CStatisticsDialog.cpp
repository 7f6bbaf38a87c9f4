#include "gui/document/CStatisticsDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char* const kKindTexts[] = {"Wines Remaining", "Wines Consumed", "Wines Acquired"};
const char* const kScopeTitles[] = {"Focus Set", "Working File"};
const char* const kRowLabels[] = {
    "Entries:", "Bottles:", "Total Cost:", "Average Bottle Cost:", "Total Value:", "Average Bottle Value:"};

} // namespace

CStatisticsDialog::CStatisticsDialog(const Statistics& statistics, const QString& caption, QWidget* parent)
    : QDialog(parent), m_statistics(statistics) {
    setWindowTitle(caption);

    auto* kinds = new QHBoxLayout;
    auto* kindGroup = new QButtonGroup(this);
    for (int kind = 0; kind < kKindCount; ++kind) {
        m_kindButtons[kind] = new QRadioButton(QString::fromLatin1(kKindTexts[kind]));
        kindGroup->addButton(m_kindButtons[kind], kind);
        kinds->addWidget(m_kindButtons[kind]);
    }
    kinds->addStretch();
    connect(kindGroup, &QButtonGroup::idClicked, this,
            [this](int kind) { showKind(static_cast<Kind>(kind)); });

    auto* groups = new QHBoxLayout;
    for (int scope = 0; scope < kScopeCount; ++scope) {
        auto* group = new QGroupBox(QString::fromLatin1(kScopeTitles[scope]));
        auto* rows = new QGridLayout(group);
        rows->setColumnMinimumWidth(1, fontMetrics().horizontalAdvance(QStringLiteral("$000,000.00")));
        for (int row = 0; row < kRowCount; ++row) {
            rows->addWidget(new QLabel(QString::fromLatin1(kRowLabels[row])), row, 0);
            m_values[scope][row] = new QLabel;
            m_values[scope][row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            rows->addWidget(m_values[scope][row], row, 1);
        }
        groups->addWidget(group);
    }
    m_values[FocusSet][Entries]->setNum(m_statistics.focusSet.entries);
    m_values[WorkingFile][Entries]->setNum(m_statistics.workingFile.entries);

    auto* close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kinds);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_kindButtons[Remaining]->setChecked(true);
    showKind(Remaining);
}

QString CStatisticsDialog::text(Scope scope, Row row) const {
    return m_values[scope][row]->text();
}

void CStatisticsDialog::showKind(Kind kind) {
    const auto totals = [kind](const Statistics::Scope& scope) -> const Statistics::Totals& {
        switch (kind) {
        case Consumed:
            return scope.consumed;
        case Acquired:
            return scope.acquired;
        case Remaining:
            break;
        }
        return scope.remaining;
    };
    const Statistics::Scope* scopes[] = {&m_statistics.focusSet, &m_statistics.workingFile};
    for (int scope = 0; scope < kScopeCount; ++scope) {
        const Statistics::Texts texts = Statistics::texts(totals(*scopes[scope]));
        const std::string* shown[] = {&texts.bottles, &texts.totalCost, &texts.averageCost, &texts.totalValue,
                                      &texts.averageValue};
        for (int row = Bottles; row < kRowCount; ++row)
            m_values[scope][row]->setText(QString::fromStdString(*shown[row - Bottles]));
    }
}
