#include "gui/document/CFocusDatesPage.h"

#include "core/setup/FieldNames.h"
#include "gui/common/TextConvert.h"
#include "gui/document/CRangeBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>

CFocusDatesPage::CFocusDatesPage(const FieldNames& fieldNames, QWidget* parent) : QWidget(parent) {
    auto box = [&](CWine::Field field) {
        m_boxes[field] = new CRangeBox(toQt(fieldNames.name(field)), new QLineEdit, new QLineEdit);
        return m_boxes[field];
    };

    auto* colors = new QGroupBox(QStringLiteral("Color must be one of:"));
    auto* colorRow = new QHBoxLayout(colors);
    const char* const colorNames[] = {"black", "red", "green", "blue"};
    for (int color = 0; color < static_cast<int>(m_colors.size()); ++color) {
        m_colors[color] = new QCheckBox(QString::fromLatin1(colorNames[color]));
        m_colors[color]->setChecked(true);
        colorRow->addWidget(m_colors[color]);
    }
    colorRow->addStretch();

    auto* grid = new QGridLayout(this);
    grid->addWidget(box(CWine::DateAcquired), 0, 0);
    grid->addWidget(box(CWine::TryDate), 0, 1);
    grid->addWidget(box(CWine::DrinkDate), 0, 2);
    grid->addWidget(box(CWine::DateModified), 1, 0);
    grid->addWidget(colors, 1, 1, 1, 2);
    grid->setRowStretch(2, 1);

    QWidget* previous = nullptr;
    for (const CWine::Field field :
         {CWine::DateAcquired, CWine::TryDate, CWine::DrinkDate, CWine::DateModified}) {
        if (previous != nullptr)
            setTabOrder(previous, m_boxes[field]->minEdit());
        previous = m_boxes[field]->maxEdit();
    }
    for (QCheckBox* color : m_colors) {
        setTabOrder(previous, color);
        previous = color;
    }
}

void CFocusDatesPage::saveTo(FocusCriteria& criteria) const {
    criteria.dateAcquired = m_boxes[CWine::DateAcquired]->range();
    criteria.tryDate = m_boxes[CWine::TryDate]->range();
    criteria.drinkDate = m_boxes[CWine::DrinkDate]->range();
    criteria.dateModified = m_boxes[CWine::DateModified]->range();
    for (int color = 0; color < static_cast<int>(m_colors.size()); ++color)
        criteria.colors[color] = m_colors[color]->isChecked();
}
