#pragma once

#include <string_view>

#include <QLineEdit>

class QKeyEvent;
class QResizeEvent;
class QToolButton;

// A single-line edit with a spin button inside its right edge. Up and Down keys and the spin button
// step the value; Ctrl and Shift held while this edit sees them choose a larger step. Typed
// characters other than the accepted ones are dropped.
class CSpinEdit : public QLineEdit {
    Q_OBJECT
public:
    bool ctrlDown() const { return m_ctrlDown; }
    bool shiftDown() const { return m_shiftDown; }
    virtual void Step(int delta) = 0;

    // The spin button's arrows, or null when the edit has none.
    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

protected:
    CSpinEdit(std::string_view acceptedCharacters, bool hasSpin, QWidget* parent);
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    // The message of a failed check: one OK button, no icon.
    void showCheckMessage(const char* text);

private:
    bool acceptsKey(const QKeyEvent& event) const;
    QToolButton* addSpinArrow(Qt::ArrowType arrow, int delta);
    void placeSpinButton();

    std::string_view m_acceptedCharacters;
    bool m_ctrlDown = false;
    bool m_shiftDown = false;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
};
