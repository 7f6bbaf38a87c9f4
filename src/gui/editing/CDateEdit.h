#pragma once

#include "gui/editing/CSpinEdit.h"

// A date typed and shown as month-day-year with a two-digit year. Up, Down and the spin button step
// a day, a month with Ctrl and a year with Shift; only digits and "-" can be typed.
class CDateEdit : public CSpinEdit {
    Q_OBJECT
public:
    explicit CDateEdit(QWidget* parent = nullptr);

    // An empty text passes; otherwise shows the date message and returns false.
    bool Validate();
    void Step(int delta) override;
};
