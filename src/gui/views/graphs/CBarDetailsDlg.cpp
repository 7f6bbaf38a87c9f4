#include "gui/views/graphs/CBarDetailsDlg.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CBarDetailsDlg::CBarDetailsDlg(const QString& caption, const QString& details, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    m_text = new QPlainTextEdit;
    m_text->setObjectName(QStringLiteral("1267"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // the quantities are padded to line up
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setPlainText(QString(details).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    auto* close = new QPushButton(QStringLiteral("&Close"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    resize(560, 360);
}

QString CBarDetailsDlg::details() const {
    return m_text->toPlainText();
}
