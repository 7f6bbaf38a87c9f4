#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QToolButton;

// Opens the help window (or brings it forward) at the topic with the given context number: 3 is the
// contents, 11 the topic finder, other numbers come from the help book's contexts.txt; a number it
// does not know opens the contents.
void showHelpContext(int context);

// The help book shipped in the program's resources, browsed with back, forward, contents and topic
// finder buttons. One window serves the whole program.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kContents = 3;
    static constexpr int kTopicFinder = 11;

    // The open help window, or nullptr.
    static HelpWindow* instance();
    // Closes and destroys the window, if open; the application does so when it ends.
    static void destroyInstance();

    // The page of a context number; unknown numbers give the contents.
    static QUrl pageOfContext(int context);

    void showContext(int context);
    QUrl currentPage() const;
    QTextBrowser* browser() const { return m_browser; }

private:
    friend void showHelpContext(int context);
    HelpWindow();
    void updateTitle();

    QTextBrowser* m_browser = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
};
