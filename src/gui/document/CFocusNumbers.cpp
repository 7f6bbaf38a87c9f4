#include "gui/document/CFocusNumbers.h"

#include "core/setup/FieldNames.h"
#include "gui/common/TextConvert.h"
#include "gui/document/CRangeBox.h"
#include "gui/editing/CDecimalEdit.h"
#include "gui/editing/CIntEdit.h"

#include <QGridLayout>
#include <QLineEdit>

namespace {

// Bottle counts step by 6 with Ctrl and 12 with Shift; an empty bound is allowed.
CIntEdit* countEdit() {
    return new CIntEdit(true, true, 6, 12, 0, 2040);
}

} // namespace

CFocusNumbers::CFocusNumbers(const FieldNames& fieldNames, QWidget* parent) : QWidget(parent) {
    auto box = [&](CWine::Field field, QLineEdit* minEdit, QLineEdit* maxEdit) {
        m_boxes[field] = new CRangeBox(toQt(fieldNames.name(field)), minEdit, maxEdit);
        return m_boxes[field];
    };

    // A row of counts, then rating and vintage, then money; the tab order runs along the rows.
    auto* grid = new QGridLayout(this);
    grid->addWidget(box(CWine::NumberRemaining, countEdit(), countEdit()), 0, 0);
    grid->addWidget(box(CWine::NumberAcquired, countEdit(), countEdit()), 0, 1);
    grid->addWidget(box(CWine::NumberConsumed, countEdit(), countEdit()), 0, 2);
    grid->addWidget(box(CWine::Rating, new QLineEdit, new QLineEdit), 1, 0);
    grid->addWidget(box(CWine::Vintage, new QLineEdit, new QLineEdit), 1, 1);
    grid->addWidget(box(CWine::Cost, new CDecimalEdit, new CDecimalEdit), 2, 0);
    grid->addWidget(box(CWine::Value, new CDecimalEdit, new CDecimalEdit), 2, 1);
    grid->setRowStretch(3, 1);

    const CWine::Field order[] = {
        CWine::NumberRemaining, CWine::NumberAcquired, CWine::NumberConsumed, CWine::Rating,
        CWine::Vintage,         CWine::Cost,           CWine::Value};
    QWidget* previous = nullptr;
    for (const CWine::Field field : order) {
        if (previous != nullptr)
            setTabOrder(previous, m_boxes[field]->minEdit());
        previous = m_boxes[field]->maxEdit();
    }
}

void CFocusNumbers::saveTo(FocusCriteria& criteria) const {
    criteria.numberLeft = m_boxes[CWine::NumberRemaining]->range();
    criteria.numberAcquired = m_boxes[CWine::NumberAcquired]->range();
    criteria.numberGone = m_boxes[CWine::NumberConsumed]->range();
    criteria.rating = m_boxes[CWine::Rating]->range();
    criteria.vintage = m_boxes[CWine::Vintage]->range();
    criteria.cost = m_boxes[CWine::Cost]->range();
    criteria.value = m_boxes[CWine::Value]->range();
}
