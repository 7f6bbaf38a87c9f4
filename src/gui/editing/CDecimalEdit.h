#pragma once

#include "gui/editing/CSpinEdit.h"

// A non-negative amount with two decimals (dollars, inches). Up, Down and the spin button step 0.25,
// 1 with Ctrl and 10 with Shift; only digits and "." can be typed.
class CDecimalEdit : public CSpinEdit {
    Q_OBJECT
public:
    explicit CDecimalEdit(QWidget* parent = nullptr);

    // The text as a "%.2f" amount, or empty when it holds no valid amount. Shows no message.
    QString GetNormalizedText() const;
    void Step(int delta) override;
};
