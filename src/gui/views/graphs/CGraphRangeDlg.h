#pragma once

#include <QDialog>

class CIntEdit;

// The minimum and maximum of a range graph, each 0 to 2100.
class CGraphRangeDlg : public QDialog {
    Q_OBJECT
public:
    CGraphRangeDlg(const QString& caption, int minimum, int maximum, QWidget* parent = nullptr);

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    void accept() override;

private:
    CIntEdit* m_minimumEdit = nullptr;
    CIntEdit* m_maximumEdit = nullptr;
    int m_minimum;
    int m_maximum;
};
