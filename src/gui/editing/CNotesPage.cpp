#include "gui/editing/CNotesPage.h"

#include "gui/common/TextConvert.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

CNotesPage::CNotesPage(QWidget* parent)
    : CEntryBoxPage(parent), m_label(new QLabel(this)), m_edit(new QPlainTextEdit(this)) {
    m_label->setObjectName(QStringLiteral("descriptionLabel"));
    m_edit->setObjectName(QStringLiteral("notesEdit"));
    m_edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_edit->setTabChangesFocus(true);
    m_edit->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_edit, 1);
}

void CNotesPage::loadControls() {
    m_label->setText(m_labelText);
    m_edit->setPlainText(toQt(m_notes).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_edit->document()->setModified(false);
}

bool CNotesPage::saveControls() {
    // Untouched notes stay byte for byte as they were, whatever line ends they hold.
    if (m_edit->document()->isModified())
        m_notes = fromQt(m_edit->toPlainText().replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
    return true;
}

bool CNotesPage::eventFilter(QObject* watched, QEvent* event) {
    // Reaching the notes with Tab must not select them all, or the first key typed would replace them.
    if (watched == m_edit && event->type() == QEvent::FocusIn) {
        QTextCursor cursor = m_edit->textCursor();
        cursor.clearSelection();
        m_edit->setTextCursor(cursor);
        m_edit->ensureCursorVisible();
    }
    return CEntryBoxPage::eventFilter(watched, event);
}
