#pragma once

#include "core/document/FocusCriteria.h"
#include "core/model/CWine.h"

#include <array>

#include <QWidget>

class CRangeBox;
class FieldNames;

// "Numbers and Vintage": Min and Max of the bottle counts, rating, vintage, cost and value, each pair
// in a box captioned with the user's field name.
class CFocusNumbers : public QWidget {
    Q_OBJECT
public:
    explicit CFocusNumbers(const FieldNames& fieldNames, QWidget* parent = nullptr);

    // The box of Number Left (NumberRemaining), Number Acquired, Number Gone (NumberConsumed), Rating,
    // Vintage, Cost or Value; nullptr for other fields.
    CRangeBox* rangeBox(CWine::Field field) const { return m_boxes[field]; }

    void saveTo(FocusCriteria& criteria) const;

private:
    std::array<CRangeBox*, CWine::FieldCount> m_boxes{};
};
