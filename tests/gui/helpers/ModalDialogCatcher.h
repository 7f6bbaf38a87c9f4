#pragma once

#include <functional>

#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QTimer>

// Runs a test's handler on each dialog of type T that becomes visible while the catcher lives (a file
// dialog, a setup dialog), so that the test can fill it in and press OK or Cancel while exec() runs.
//
//     ModalDialogCatcher<CFieldNamesDialog> catcher([](CFieldNamesDialog* dialog) { ...; dialog->accept();
//     }); app.modifyFieldNames(); QVERIFY(catcher.seen());
template <class T> class ModalDialogCatcher {
public:
    explicit ModalDialogCatcher(std::function<void(T*)> handler) : m_handler(std::move(handler)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { handleVisibleDialog(); });
        m_timer.start(5);
    }

    bool seen() const { return m_seen > 0; }

private:
    void handleVisibleDialog() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            T* dialog = qobject_cast<T*>(widget);
            if (dialog == nullptr || !dialog->isVisible() || dialog == m_handled)
                continue;
            m_handled = dialog;
            ++m_seen;
            m_handler(dialog);
            return;
        }
    }

    std::function<void(T*)> m_handler;
    QTimer m_timer;
    QPointer<QWidget> m_handled;
    int m_seen = 0;
};
