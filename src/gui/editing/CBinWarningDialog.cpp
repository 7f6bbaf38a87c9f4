#include "gui/editing/CBinWarningDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CBinWarningDialog::CBinWarningDialog(QWidget* parent)
    : QDialog(parent),
      m_suppress(new QCheckBox(QStringLiteral("Suppress Bin Warnings until further notice"))) {
    setWindowTitle(QStringLiteral("Bin Warning"));
    m_suppress->setObjectName(QStringLiteral("suppressCheck"));

    auto* text =
        new QLabel(QStringLiteral("The \"Bins\" field is either misformatted or the\nnumber of bottles "
                                  "specified there differs from\nthe number on hand.\n\nWould you like "
                                  "to change this now?"));
    text->setObjectName(QStringLiteral("warningText"));

    auto* change = new QPushButton(QStringLiteral("&Change"));
    change->setObjectName(QStringLiteral("changeButton"));
    change->setDefault(true);
    connect(change, &QPushButton::clicked, this, &QDialog::accept);
    auto* ignore = new QPushButton(QStringLiteral("&Ignore"));
    ignore->setObjectName(QStringLiteral("ignoreButton"));
    connect(ignore, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(change);
    buttons->addWidget(ignore);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addSpacing(6);
    layout->addWidget(m_suppress);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool CBinWarningDialog::suppressWarnings() const {
    return m_suppress->isChecked();
}
