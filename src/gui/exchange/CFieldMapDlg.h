#pragma once

#include "core/exchange/FieldMap.h"
#include "gui/exchange/ExchangePrompt.h"

#include <array>
#include <filesystem>

#include <QDialog>

class FieldNames;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Fields to Import" / "Fields to Export": which column of a tab-separated text each entry field comes
// from or goes to. Clicking the field buttons numbers them in click order; a mapping can be stored in
// a ".bwx" file and retrieved. Import mode lists the file's column names beside the boxes.
class CFieldMapDlg : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Import, Export };
    static constexpr int kImportHelpContext = 125;
    static constexpr int kExportHelpContext = 126;

    // path is the file to import (import mode only); its header line names the columns.
    CFieldMapDlg(Mode mode, const std::filesystem::path& path, const FieldNames& fieldNames,
                 std::filesystem::path startDirectory, QWidget* parent = nullptr);

    void setFilePrompt(ExchangePrompt prompt) { m_prompt = std::move(prompt); }

    // After OK: the column of each field (FieldMap::kUnmapped for none).
    const FieldMap& fieldMap() const { return m_map; }
    // Import mode: the number of columns of the file's header, and the number of filled boxes.
    int columnCount() const { return m_columnCount; }
    int filledCount() const { return m_filledCount; }

    // Buttons and boxes by their position in the dialog (FieldMap::dialogOrder()).
    QPushButton* fieldButton(int position) const { return m_buttons[position]; }
    QLineEdit* numberBox(int position) const { return m_boxes[position]; }
    QPlainTextEdit* headerText() const { return m_header; }

    void accept() override;

Q_SIGNALS:
    void helpRequested(int context);

private:
    void readHeader(const std::filesystem::path& path);
    void numberField(int position);
    void clear();
    void store();
    void retrieve();
    // Takes the boxes into the map; on a bad box says so and gives it the focus.
    bool takeBoxes();
    void showMap();
    void focusBox(int position);
    int largestNumber() const;

    Mode m_mode;
    std::filesystem::path m_startDirectory;
    ExchangePrompt m_prompt;
    FieldMap m_map;
    int m_columnCount = 0;
    int m_filledCount = 0;
    int m_nextNumber = 1;
    QPlainTextEdit* m_header = nullptr;
    std::array<QPushButton*, FieldMap::kFieldCount> m_buttons{};
    std::array<QLineEdit*, FieldMap::kFieldCount> m_boxes{};
};
