#include "gui/editing/CDecimalEdit.h"

#include "core/editing/DecimalEditRules.h"
#include "gui/common/TextConvert.h"

CDecimalEdit::CDecimalEdit(QWidget* parent)
    : CSpinEdit(DecimalEditRules::kAcceptedCharacters, true, parent) {}

QString CDecimalEdit::GetNormalizedText() const {
    return toQt(DecimalEditRules::normalizedText(fromQt(text())));
}

void CDecimalEdit::Step(int delta) {
    setText(toQt(DecimalEditRules::step(fromQt(text()), delta, ctrlDown(), shiftDown())));
}
