#include "gui/editing/CIntEdit.h"

#include "gui/common/TextConvert.h"

CIntEdit::CIntEdit(bool blankAllowed, bool hasSpin, int ctrlStep, int shiftStep, int minimum, int maximum,
                   QWidget* parent)
    : CSpinEdit(IntEditRules::kAcceptedCharacters, hasSpin, parent),
      m_blankAllowed(blankAllowed), m_steps{ctrlStep, shiftStep, minimum, maximum} {}

bool CIntEdit::Validate() {
    const std::string message = IntEditRules::validationMessage(fromQt(text()), m_blankAllowed);
    if (message.empty())
        return true;
    showCheckMessage(message.c_str());
    return false;
}

void CIntEdit::SetRange(int minimum, int maximum) {
    m_steps.minimum = minimum;
    m_steps.maximum = maximum;
}

void CIntEdit::Step(int delta) {
    setText(toQt(IntEditRules::step(fromQt(text()), delta, ctrlDown(), shiftDown(), m_steps)));
}
