#include "gui/app/CAboutDialog.h"

#include "gui/common/ToolbarIcons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Bottlewright"));

    auto* icon = new QLabel;
    icon->setPixmap(ToolbarIcons::applicationPixmap(64));
    icon->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(QStringLiteral("Bottlewright"));
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.6);
    nameFont.setBold(true);
    name->setFont(nameFont);
    auto* version = new QLabel(QStringLiteral("Version " BW_VERSION));
    auto* blurb = new QLabel(QStringLiteral("The cellar book for the private wine collector."));
    auto* copyright = new QLabel(QStringLiteral("Copyright \u00a9 Quorvane Software"));

    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addSpacing(8);
    texts->addWidget(blurb);
    texts->addWidget(copyright);
    texts->addStretch();

    auto* body = new QHBoxLayout;
    body->setSpacing(18);
    body->addWidget(icon);
    body->addLayout(texts);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 14);
    layout->addLayout(body);
    layout->addSpacing(10);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
