#pragma once

#include "core/document/FocusCriteria.h"

#include <QGroupBox>

class QLineEdit;

// A box captioned with a field name holding the Min and Max fields of a range criterion, each under
// its static text "Min" or "Max".
class CRangeBox : public QGroupBox {
    Q_OBJECT
public:
    // Takes over the two fields; the caption is shown as it is, "&" included.
    CRangeBox(const QString& fieldName, QLineEdit* minEdit, QLineEdit* maxEdit, QWidget* parent = nullptr);

    QLineEdit* minEdit() const { return m_min; }
    QLineEdit* maxEdit() const { return m_max; }
    // The two texts exactly as typed.
    FocusCriteria::Range range() const;

private:
    QLineEdit* m_min;
    QLineEdit* m_max;
};
