#pragma once

#include <deque>

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

// Answers the modal message boxes a test provokes, so that the test never blocks and can check each
// box's exact text. While a catcher lives it watches for a visible QMessageBox, records its text and
// presses the queued answer (or the default answer when the queue is empty).
//
//     MessageBoxCatcher boxes(QMessageBox::Ok);
//     boxes.queue(QMessageBox::Cancel);       // the first box gets Cancel, later ones Ok
//     app.openCommand();
//     QCOMPARE(boxes.texts(), QStringList{"Save changes to Sample3.bwf?"});
class MessageBoxCatcher : public QObject {
    Q_OBJECT
public:
    explicit MessageBoxCatcher(QMessageBox::StandardButton defaultAnswer = QMessageBox::Ok,
                               QObject* parent = nullptr);

    // Answers for the next boxes, in order; each is used once.
    void queue(QMessageBox::StandardButton answer) { m_queued.push_back(answer); }

    int count() const { return static_cast<int>(m_texts.size()); }
    const QStringList& texts() const { return m_texts; }
    QString lastText() const { return m_texts.isEmpty() ? QString() : m_texts.last(); }

private:
    void answerVisibleBox();

    QTimer m_timer;
    QMessageBox::StandardButton m_defaultAnswer;
    std::deque<QMessageBox::StandardButton> m_queued;
    QStringList m_texts;
    QPointer<QMessageBox> m_answered;
};
