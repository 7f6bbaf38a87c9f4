#pragma once

#include <QWidget>

// A page of the Entry Box. The sheet asks a page whether it may be left before it changes tabs, steps
// or closes with OK, and tells it when it becomes the page on show.
class CEntryBoxPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The page's values shown in its controls.
    virtual void loadControls() = 0;
    // The controls read back into the values; false (after a message) keeps the user on the page.
    virtual bool saveControls() = 0;
    // The check before the page is left; by default saving is all there is to it.
    virtual bool leavePage() { return saveControls(); }
    // The page is now on show.
    virtual void pageActivated() { loadControls(); }
};
