#pragma once

#include <QDialog>

class QCheckBox;

// Asks whether to correct a Bins text that disagrees with the bottles left. "&Change" accepts (the
// user stays to correct it), "&Ignore" rejects; either way the check box may switch the warning off.
class CBinWarningDialog : public QDialog {
    Q_OBJECT
public:
    explicit CBinWarningDialog(QWidget* parent = nullptr);

    bool suppressWarnings() const;

private:
    QCheckBox* m_suppress;
};
