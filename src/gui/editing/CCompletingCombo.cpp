#include "gui/editing/CCompletingCombo.h"

#include "gui/common/AppSwitches.h"

#include <limits>

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

CCompletingCombo::CCompletingCombo(bool sorted, QWidget* parent) : QComboBox(parent), m_sorted(sorted) {
    setEditable(true);
    // Completion is this control's own, and only while SmartSelect is on; typed text never joins the list.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    // A text of any length shows whole, so that it is stored back unchanged.
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    connect(lineEdit(), &QLineEdit::textEdited, this, &CCompletingCombo::completeTypedText);
    view()->installEventFilter(this);
}

// The open list takes the keyboard; typing and editing keys still belong to the text, as in a
// dropdown whose list never takes the focus. Up, Down, Enter and Escape stay with the list.
bool CCompletingCombo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view() && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool editingKey = key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete ||
                                key->key() == Qt::Key_Left || key->key() == Qt::Key_Right ||
                                key->key() == Qt::Key_Home || key->key() == Qt::Key_End;
        const bool typed = !key->text().isEmpty() && key->text().front().isPrint();
        if (editingKey || typed) {
            QCoreApplication::sendEvent(lineEdit(), key);
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

void CCompletingCombo::addListItem(const QString& text) {
    if (!m_sorted) {
        addItem(text);
        return;
    }
    // After every item that does not sort later, so equal items keep the order they came in.
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (QString::compare(itemText(middle), text, Qt::CaseInsensitive) > 0)
            high = middle;
        else
            low = middle + 1;
    }
    insertItem(low, text);
}

bool CCompletingCombo::isListOpen() const {
    return view() != nullptr && view()->isVisible();
}

void CCompletingCombo::completeTypedText(const QString& typed) {
    if (!AppSwitches::smartSelect() || !isListOpen())
        return;
    const int row = findText(typed, Qt::MatchStartsWith);
    if (row >= 0) {
        setCurrentIndex(row);
        view()->setCurrentIndex(model()->index(row, modelColumn(), rootModelIndex()));
    }
    // The completed remainder stays selected, so typing on replaces it.
    const int typedLength = static_cast<int>(typed.size());
    lineEdit()->setSelection(typedLength, static_cast<int>(lineEdit()->text().size()) - typedLength);
}

void CCompletingCombo::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    // Coming back from the list itself must not open it again.
    if (event->reason() != Qt::PopupFocusReason && AppSwitches::smartSelect() && currentText().isEmpty())
        showPopup();
}

void CCompletingCombo::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && AppSwitches::smartSelect() && currentText().isEmpty()) {
        setFocus(Qt::MouseFocusReason);
        if (!isListOpen())
            showPopup();
        event->accept();
        return;
    }
    QComboBox::mousePressEvent(event);
}
