#pragma once

#include "gui/editing/CEntryBoxPage.h"

#include <string>
#include <utility>

class QLabel;
class QPlainTextEdit;

// The Entry Box's "Notes" page: the entry's free-text notes under its one-line description.
class CNotesPage : public CEntryBoxPage {
    Q_OBJECT
public:
    explicit CNotesPage(QWidget* parent = nullptr);

    // Line ends are carriage return and line feed pairs, as the notes are stored.
    const std::string& notes() const { return m_notes; }
    void setNotes(std::string notes) { m_notes = std::move(notes); }
    void setLabelText(const QString& text) { m_labelText = text; }

    QPlainTextEdit* notesEdit() const { return m_edit; }
    QLabel* label() const { return m_label; }

    void loadControls() override;
    bool saveControls() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string m_notes;
    QString m_labelText;
    QLabel* m_label;
    QPlainTextEdit* m_edit;
};
