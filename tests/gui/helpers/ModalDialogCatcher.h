#pragma once

#include <functional>
#include <type_traits>

#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QTest>
#include <QTimer>

// Runs a test's handler on each dialog of type T that becomes visible while the catcher lives (a file
// dialog, a setup dialog), so that the test can fill it in and press OK or Cancel while exec() runs.
// A check failing in the handler returns from it with the dialog still open: the catcher then closes
// the dialog so that exec() returns, and seen() turns false so that the test stops there.
//
//     ModalDialogCatcher<CFieldNamesDialog> catcher([](CFieldNamesDialog* dialog) { ...; dialog->accept();
//     }); app.modifyFieldNames(); QVERIFY(catcher.seen());
template <class T> class ModalDialogCatcher {
public:
    explicit ModalDialogCatcher(std::function<void(T*)> handler) : m_handler(std::move(handler)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { handleVisibleDialog(); });
        m_timer.start(5);
    }

    // Whether a dialog was shown and its handler ran without a failed check.
    bool seen() const { return m_seen > 0 && !m_failed; }

private:
    void handleVisibleDialog() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            T* dialog = qobject_cast<T*>(widget);
            if (dialog == nullptr || !dialog->isVisible() || dialog == m_handled)
                continue;
            m_handled = dialog;
            ++m_seen;
            const bool failedBefore = QTest::currentTestFailed();
            QPointer<T> guard(dialog);
            m_handler(dialog);
            m_failed = m_failed || (QTest::currentTestFailed() && !failedBefore);
            if (guard != nullptr && guard->isVisible()) {
                if constexpr (std::is_base_of_v<QDialog, T>)
                    guard->reject();
                else
                    guard->close();
            }
            return;
        }
    }

    std::function<void(T*)> m_handler;
    QTimer m_timer;
    QPointer<QWidget> m_handled;
    int m_seen = 0;
    bool m_failed = false;
};
