#include "gui/editing/CSpinEdit.h"

#include "core/editing/TypedCharacterFilter.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>

CSpinEdit::CSpinEdit(std::string_view acceptedCharacters, bool hasSpin, QWidget* parent)
    : QLineEdit(parent), m_acceptedCharacters(acceptedCharacters) {
    // Typed text must arrive as key events so that the filter sees every character.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    if (!hasSpin)
        return;
    m_up = addSpinArrow(Qt::UpArrow, 1);
    m_down = addSpinArrow(Qt::DownArrow, -1);
    // The text stops where the spin button starts.
    setTextMargins(0, 0, style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this), 0);
    placeSpinButton();
}

QToolButton* CSpinEdit::addSpinArrow(Qt::ArrowType arrow, int delta) {
    auto* button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::ArrowCursor);
    button->setAutoRepeat(true);
    connect(button, &QToolButton::pressed, this, [this] { setFocus(Qt::MouseFocusReason); });
    connect(button, &QToolButton::clicked, this, [this, delta] { Step(delta); });
    return button;
}

// The button fills the edit's inside right edge, one scroll bar wide, upper arrow above lower.
void CSpinEdit::placeSpinButton() {
    if (m_up == nullptr)
        return;
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const QRect inside = rect().adjusted(frame, frame, -frame, -frame);
    const int upHeight = inside.height() / 2;
    m_up->setGeometry(inside.right() + 1 - extent, inside.top(), extent, upHeight);
    m_down->setGeometry(inside.right() + 1 - extent, inside.top() + upHeight, extent,
                        inside.height() - upHeight);
}

void CSpinEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    placeSpinButton();
}

bool CSpinEdit::acceptsKey(const QKeyEvent& event) const {
    if (event.key() == Qt::Key_Backspace)
        return true;
    // Ctrl shortcuts (select all, copy, paste, undo) are not typed characters.
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier))
        return true;
    const QString text = event.text();
    if (text.isEmpty())
        return true; // moves the cursor or deletes: not a typed character
    const QChar typed = text.front();
    if (typed.unicode() < 0x20)
        return true; // Enter, Escape, Tab: left to the edit and its dialog
    return text.size() == 1 && typed.unicode() < 0x80 &&
           acceptsTypedCharacter(m_acceptedCharacters, static_cast<char>(typed.unicode()));
}

void CSpinEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Control:
        m_ctrlDown = true;
        break;
    case Qt::Key_Shift:
        m_shiftDown = true;
        break;
    case Qt::Key_Up:
        Step(1);
        event->accept();
        return;
    case Qt::Key_Down:
        Step(-1);
        event->accept();
        return;
    default:
        break;
    }
    if (!acceptsKey(*event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CSpinEdit::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Control)
        m_ctrlDown = false;
    else if (event->key() == Qt::Key_Shift)
        m_shiftDown = false;
    QLineEdit::keyReleaseEvent(event);
}

void CSpinEdit::showCheckMessage(const char* text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Bottlewright"), QString::fromLatin1(text),
                    QMessageBox::Ok, this);
    box.exec();
}
