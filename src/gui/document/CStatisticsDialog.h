#pragma once

#include "core/document/Statistics.h"

#include <array>

#include <QDialog>

class QLabel;
class QRadioButton;

// "Show Statistics": bottles, total and average cost and value of the wines remaining, consumed or
// acquired, for the Focus Set (left) and the whole Working File (right), as they were when the
// command was given.
class CStatisticsDialog : public QDialog {
    Q_OBJECT
public:
    enum Kind { Remaining, Consumed, Acquired };
    enum Scope { FocusSet, WorkingFile };
    enum Row { Entries, Bottles, TotalCost, AverageCost, TotalValue, AverageValue };
    static constexpr int kKindCount = 3;
    static constexpr int kScopeCount = 2;
    static constexpr int kRowCount = 6;

    // The caption is the Working File's full path.
    CStatisticsDialog(const Statistics& statistics, const QString& caption, QWidget* parent = nullptr);

    QRadioButton* kindButton(Kind kind) const { return m_kindButtons[kind]; }
    // The text a row of a group shows now.
    QString text(Scope scope, Row row) const;

private:
    void showKind(Kind kind);

    Statistics m_statistics;
    std::array<QRadioButton*, kKindCount> m_kindButtons{};
    std::array<std::array<QLabel*, kRowCount>, kScopeCount> m_values{};
};
