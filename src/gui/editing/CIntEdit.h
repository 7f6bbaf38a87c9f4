#pragma once

#include "core/editing/IntEditRules.h"
#include "gui/editing/CSpinEdit.h"

// A non-negative whole number. Up, Down and the spin button step 1, ctrlStep with Ctrl, shiftStep
// with Shift, and go to the maximum or minimum with both; stepping keeps within the range.
class CIntEdit : public CSpinEdit {
    Q_OBJECT
public:
    CIntEdit(bool blankAllowed, bool hasSpin, int ctrlStep, int shiftStep, int minimum, int maximum,
             QWidget* parent = nullptr);

    // Checks the form, not the range; shows the message and returns false on failure.
    bool Validate();
    void SetRange(int minimum, int maximum);
    void Step(int delta) override;

private:
    bool m_blankAllowed;
    IntStepSettings m_steps;
};
