#pragma once

#include <QComboBox>

class QFocusEvent;
class QMouseEvent;

// An editable dropdown of known names. While SmartSelect is on it completes what is typed from its
// list while the list is open, and opens an empty field's list when it gains the focus or its button
// is pressed.
class CCompletingCombo : public QComboBox {
    Q_OBJECT
public:
    // A sorted dropdown keeps its items in alphabetical order, ignoring case; others keep the order
    // in which items were added.
    explicit CCompletingCombo(bool sorted, QWidget* parent = nullptr);
    bool isSorted() const { return m_sorted; }
    void addListItem(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void completeTypedText(const QString& typed);
    bool isListOpen() const;

    bool m_sorted;
};
