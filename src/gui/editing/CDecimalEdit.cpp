#include "CDecimalEdit.h"

#include "app/TextConvert.h"
#include "editing/DecimalEditRules.h"

CDecimalEdit::CDecimalEdit(QWidget* parent)
    : CSpinEdit(DecimalEditRules::kAcceptedCharacters, true, parent) {}

QString CDecimalEdit::GetNormalizedText() const {
    return toQt(DecimalEditRules::normalizedText(fromQt(text())));
}

void CDecimalEdit::Step(int delta) {
    setText(toQt(DecimalEditRules::step(fromQt(text()), delta, ctrlDown(), shiftDown())));
}
