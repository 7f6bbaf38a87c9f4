#pragma once

#include "gui/views/ViewKind.h"

#include <functional>

#include <QHash>
#include <QList>
#include <QMainWindow>

class CBottlewrightDoc;
class CChildFrame;
class FieldNames;
class CPrinterHost;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

// The main window: menus, toolbar, status bar and the child windows of the Working File, at most one
// of each kind. With no Working File it shows the short menu, with one the full menu.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(const FieldNames& fieldNames, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The action of a menu or toolbar command (its data holds the identifier), or nullptr.
    QAction* action(int commandId) const { return m_actions.value(commandId); }
    QMdiArea* mdiArea() const { return m_mdiArea; }
    QToolBar* toolBar() const { return m_toolBar; }
    // The top-level menus shown now, in order.
    QList<QMenu*> menus() const;
    bool showsFullMenu() const { return m_document != nullptr; }

    // The Working File whose windows this frame shows, or nullptr for none.
    void setDocument(CBottlewrightDoc* document);
    CBottlewrightDoc* document() const { return m_document; }
    // Where views find the printer.
    void setPrinterHost(CPrinterHost* printers) { m_printers = printers; }

    // Every open window on the Working File; one whose closing is under way does not count.
    QList<QMdiSubWindow*> documentWindows() const;
    QMdiSubWindow* windowOfKind(ViewKind kind) const;
    CChildFrame* entryListFrame() const;

    // Brings the window of the kind to the front, or opens it with its fixed caption.
    QMdiSubWindow* showWindowOfKind(ViewKind kind);
    // Opens the first graph, in the program's order, that has no window; nothing when all are open.
    void nextGraph();
    void closeAllGraphWindows();
    // Destroys every window at once, without asking: the Working File is about to go.
    void destroyAllWindows();

    bool largeButtons() const { return m_largeButtons; }
    void setLargeButtons(bool large);

    void setRecentFiles(const QStringList& files);

    // Title, status line and the commands that depend on the Working File and its modified flag.
    void refreshCommandStates();

    // Asked before the last window of the Working File or the main window closes while a Working File
    // is open; returning false keeps everything open (the user cancelled the offer to save).
    void setCloseGuard(std::function<bool()> mayClose) { m_mayClose = std::move(mayClose); }

Q_SIGNALS:
    void recentFileChosen(int index);
    // The user closed the last window of the Working File.
    void documentWindowsClosed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* command(int commandId);
    QMenu* menu(const QString& title, std::initializer_list<int> commands);
    void buildActions();
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void connectFrameCommands();
    void showMenus();
    void addRecentFiles(QMenu* menu);

    QMdiSubWindow* openWindow(ViewKind kind);
    void checkDocumentWindows();
    void tile(Qt::Orientation orientation);
    void arrangeIcons();
    void fillWindowMenu();

    const FieldNames& m_fieldNames;
    CBottlewrightDoc* m_document = nullptr;
    CPrinterHost* m_printers = nullptr;
    std::function<bool()> m_mayClose;
    bool m_largeButtons = false;

    QMdiArea* m_mdiArea = nullptr;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_statusText = nullptr;
    QHash<int, QAction*> m_actions;
    QList<QAction*> m_recentFiles;
    QAction* m_noRecentFile = nullptr;
    QList<QMenu*> m_fullMenus;
    QList<QMenu*> m_shortMenus;
    QMenu* m_windowMenu = nullptr;
    QList<QAction*> m_windowList;
};
