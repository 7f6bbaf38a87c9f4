#pragma once

#include "core/document/FocusCriteria.h"
#include "core/model/CWine.h"

#include <array>
#include <filesystem>

#include <QWidget>

class CCompletingCombo;
class FieldNames;
class QLineEdit;
class QRadioButton;

// "Names": the method of the Focus Criteria sheet and the name criteria, each a dropdown of known
// names (Notes a plain field) labelled with the user's field name.
class CFocusNames : public QWidget {
    Q_OBJECT
public:
    CFocusNames(const FieldNames& fieldNames, const std::filesystem::path& startDirectory,
                QWidget* parent = nullptr);

    QRadioButton* methodButton(FocusCriteria::Method method) const { return m_methods[method]; }
    // The dropdown of a name field (not Notes), or nullptr.
    CCompletingCombo* combo(CWine::Field field) const { return m_combos[field]; }
    QLineEdit* notesEdit() const { return m_notes; }

    void saveTo(FocusCriteria& criteria) const;

private:
    std::array<QRadioButton*, 3> m_methods{};
    std::array<CCompletingCombo*, CWine::FieldCount> m_combos{};
    QLineEdit* m_notes = nullptr;
};
