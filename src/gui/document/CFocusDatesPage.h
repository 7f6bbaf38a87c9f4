#pragma once

#include "core/document/FocusCriteria.h"
#include "core/model/CWine.h"

#include <array>

#include <QWidget>

class CRangeBox;
class FieldNames;
class QCheckBox;

// "Dates and Color": Min and Max of the four dates, each pair in a box captioned with the user's
// field name, and the letter colours an entry may have.
class CFocusDatesPage : public QWidget {
    Q_OBJECT
public:
    explicit CFocusDatesPage(const FieldNames& fieldNames, QWidget* parent = nullptr);

    // The box of Date Acquired, Try Date, Drink Date or Date Modified; nullptr for other fields.
    CRangeBox* rangeBox(CWine::Field field) const { return m_boxes[field]; }
    QCheckBox* colorBox(CWine::LetterColor color) const { return m_colors[color]; }

    void saveTo(FocusCriteria& criteria) const;

private:
    std::array<CRangeBox*, CWine::FieldCount> m_boxes{};
    std::array<QCheckBox*, 4> m_colors{};
};
