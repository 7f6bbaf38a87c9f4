#pragma once

#include <QDialog>

class QPlainTextEdit;

// "Bar Details": the wines of one bar, read only.
class CBarDetailsDlg : public QDialog {
    Q_OBJECT
public:
    CBarDetailsDlg(const QString& caption, const QString& details, QWidget* parent = nullptr);

    QString details() const;

private:
    QPlainTextEdit* m_text = nullptr;
};
