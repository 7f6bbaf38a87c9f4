#include "gui/document/CRangeBox.h"

#include "gui/common/TextConvert.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

// Wide enough for seven digits, or a date such as 12-31-95, next to a spin button.
int fieldWidth(const QLineEdit& edit) {
    return edit.fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 26;
}

QLabel* fieldLabel(const char* text, QLineEdit* edit) {
    auto* label = new QLabel(QString::fromLatin1(text));
    label->setBuddy(edit);
    return label;
}

} // namespace

CRangeBox::CRangeBox(const QString& fieldName, QLineEdit* minEdit, QLineEdit* maxEdit, QWidget* parent)
    : QGroupBox(QString(fieldName).replace(QLatin1Char('&'), QStringLiteral("&&")), parent), m_min(minEdit),
      m_max(maxEdit) {
    m_min->setAccessibleName(fieldName + QStringLiteral(" Min"));
    m_max->setAccessibleName(fieldName + QStringLiteral(" Max"));
    m_min->setFixedWidth(fieldWidth(*m_min));
    m_max->setFixedWidth(fieldWidth(*m_max));

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    grid->addWidget(fieldLabel("Min", m_min), 0, 0);
    grid->addWidget(fieldLabel("Max", m_max), 0, 1);
    grid->addWidget(m_min, 1, 0);
    grid->addWidget(m_max, 1, 1);
    setTabOrder(m_min, m_max);
}

FocusCriteria::Range CRangeBox::range() const {
    return {fromQt(m_min->text()), fromQt(m_max->text())};
}
