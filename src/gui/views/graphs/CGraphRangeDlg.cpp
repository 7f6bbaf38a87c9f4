#include "gui/views/graphs/CGraphRangeDlg.h"

#include "gui/editing/CIntEdit.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QMessageBox>

namespace {

constexpr int kLowest = 0;
constexpr int kHighest = 2100;

CIntEdit* rangeEdit(const char* name, int value) {
    auto* edit = new CIntEdit(false, true, 6, 12, 0, 2040);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setText(QString::number(value));
    return edit;
}

} // namespace

CGraphRangeDlg::CGraphRangeDlg(const QString& caption, int minimum, int maximum, QWidget* parent)
    : QDialog(parent), m_minimum(minimum), m_maximum(maximum) {
    setWindowTitle(caption);
    m_minimumEdit = rangeEdit("1252", minimum);
    m_maximumEdit = rangeEdit("1253", maximum);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Minimum"), m_minimumEdit);
    form->addRow(QStringLiteral("Maximum"), m_maximumEdit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CGraphRangeDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CGraphRangeDlg::reject);
}

void CGraphRangeDlg::accept() {
    int values[2] = {};
    CIntEdit* const edits[2] = {m_minimumEdit, m_maximumEdit};
    for (int i = 0; i < 2; ++i) {
        bool ok = false;
        values[i] = edits[i]->text().trimmed().toInt(&ok);
        if (!ok || values[i] < kLowest || values[i] > kHighest) {
            QMessageBox::warning(
                this, QApplication::applicationDisplayName(),
                QStringLiteral("Please enter an integer between %1 and %2.").arg(kLowest).arg(kHighest));
            edits[i]->selectAll();
            edits[i]->setFocus();
            return;
        }
    }
    m_minimum = values[0];
    m_maximum = values[1];
    QDialog::accept();
}
