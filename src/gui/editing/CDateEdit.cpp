#include "gui/editing/CDateEdit.h"

#include "core/editing/DateEditRules.h"
#include "gui/common/TextConvert.h"

CDateEdit::CDateEdit(QWidget* parent) : CSpinEdit(DateEditRules::kAcceptedCharacters, true, parent) {}

bool CDateEdit::Validate() {
    if (DateEditRules::isValid(fromQt(text())))
        return true;
    showCheckMessage(DateEditRules::kInvalidMessage);
    return false;
}

void CDateEdit::Step(int delta) {
    setText(toQt(DateEditRules::step(fromQt(text()), delta, ctrlDown(), shiftDown())));
}
