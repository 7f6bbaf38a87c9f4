#include "MessageBoxCatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>

MessageBoxCatcher::MessageBoxCatcher(QMessageBox::StandardButton defaultAnswer, QObject* parent)
    : QObject(parent), m_defaultAnswer(defaultAnswer) {
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxCatcher::answerVisibleBox);
    m_timer.start(5);
}

void MessageBoxCatcher::answerVisibleBox() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        // A box stays visible for a moment after its button is pressed; answer it once.
        if (box == nullptr || !box->isVisible() || box == m_answered)
            continue;
        m_answered = box;
        m_texts.append(box->text());
        QMessageBox::StandardButton answer = m_defaultAnswer;
        if (!m_queued.empty()) {
            answer = m_queued.front();
            m_queued.pop_front();
        }
        QAbstractButton* button = box->button(answer);
        if (button == nullptr)
            button = box->escapeButton() != nullptr ? box->escapeButton() : box->defaultButton();
        if (button != nullptr)
            button->click();
        else
            box->done(answer);
        return;
    }
}
