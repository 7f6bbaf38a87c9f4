#pragma once

#include "core/views/entrylist/PrintStyle.h"

#include <array>

#include <QDialog>

class QLineEdit;
class QRadioButton;

// "Entry List Print Style": cellar book or grid or wine list, entries per page, wrapped notes, the
// list title, the paper orientation and the four margins. Close takes the values after checking their
// ranges; a value out of range keeps the dialog open.
class CPrintStyleDialog : public QDialog {
    Q_OBJECT
public:
    // orientation: 1 portrait, 2 landscape.
    CPrintStyleDialog(const PrintStyle& style, int orientation, QWidget* parent = nullptr);

    PrintStyle style() const { return m_style; }
    int orientation() const { return m_orientation; }

    QRadioButton* cellarBookYes() const { return m_cellarBookYes; }
    QRadioButton* gridNo() const { return m_gridNo; }
    QLineEdit* entriesPerPage() const { return m_entriesPerPage; }
    QLineEdit* title() const { return m_title; }
    QLineEdit* margin(int index) const { return m_margins[static_cast<std::size_t>(index)]; }

    void accept() override;

private:
    void applyEnabling();

    PrintStyle m_style;
    int m_orientation;
    QRadioButton* m_cellarBookYes = nullptr;
    QRadioButton* m_cellarBookNo = nullptr;
    QRadioButton* m_gridYes = nullptr;
    QRadioButton* m_gridNo = nullptr;
    QRadioButton* m_wrapYes = nullptr;
    QRadioButton* m_wrapNo = nullptr;
    QRadioButton* m_portrait = nullptr;
    QRadioButton* m_landscape = nullptr;
    QLineEdit* m_entriesPerPage = nullptr;
    QLineEdit* m_title = nullptr;
    std::array<QLineEdit*, 4> m_margins{}; // left, right, top, bottom
};
