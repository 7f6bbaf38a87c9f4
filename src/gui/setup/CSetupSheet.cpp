#include "gui/setup/CSetupSheet.h"

#include "core/setup/DropdownList.h"
#include "core/setup/FieldNames.h"
#include "gui/common/TextConvert.h"
#include "gui/setup/CSetupPage.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

CSetupSheet::CSetupSheet(CBottlewrightDoc& document, const FieldNames& fieldNames,
                         std::filesystem::path startDirectory, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Dropdown List Setup"));
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget;
    m_tabs->setUsesScrollButtons(true);
    for (const DropdownList::ListFile& list : DropdownList::kListFiles) {
        auto* page = new CSetupPage(document, list.field, list.fileName, startDirectory);
        m_pages.push_back(page);
        m_tabs->addTab(page, toQt(fieldNames.name(list.field)));
    }
    layout->addWidget(m_tabs);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, 380);
}

void CSetupSheet::accept() {
    for (CSetupPage* page : m_pages) {
        if (page->textField()->hasFocus()) {
            page->add();
            return;
        }
    }
    for (CSetupPage* page : m_pages) {
        if (page->wasShown())
            page->store();
    }
    QDialog::accept();
}
