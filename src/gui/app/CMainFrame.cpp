#include "gui/app/CMainFrame.h"

#include "core/document/CBottlewrightDoc.h"
#include "gui/app/CBWChildFrame.h"
#include "gui/app/CommandTable.h"
#include "gui/app/RecentFileList.h"
#include "gui/app/ViewFactory.h"
#include "gui/common/AppSettings.h"
#include "gui/common/CommandId.h"
#include "gui/common/ToolbarIcons.h"
#include "gui/setup/CSetupSheet.h"
#include "gui/views/CViewCommands.h"
#include "gui/views/entrylist/CChildFrame.h"
#include "gui/views/entrylist/CEntryListView.h"
#include "gui/views/graphs/CBarGraphView.h"

#include <algorithm>
#include <utility>

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>

namespace {

constexpr int kSeparator = 0;

// The graphs in the order Next Graph offers them.
constexpr ViewKind kNextGraphOrder[] = {
    ViewKind::ProducerGraph,    ViewKind::VintageGraph,  ViewKind::CostGraph,     ViewKind::ValueGraph,
    ViewKind::AppellationGraph, ViewKind::RegionGraph,   ViewKind::WineTypeGraph, ViewKind::VendorGraph,
    ViewKind::CountryGraph,     ViewKind::SpendingGraph,
};

int commandOf(ViewKind kind) {
    return viewKindInfo(kind).command;
}

// Commands that act on the Working File and so need one.
constexpr int kNeedWorkingFile[] = {
    CommandId::Close,           CommandId::CloseAllGraphWindows,   CommandId::NextGraph,
    CommandId::SortPrecedence,  CommandId::StoreColumnArrangement, CommandId::RetrieveColumnArrangement,
    CommandId::Backup,          CommandId::SetBackupLocation,      CommandId::AllWines,
    CommandId::ZeroBottleWines, CommandId::OneOrMoreBottleWines,   CommandId::BlackLetterWines,
    CommandId::RedLetterWines,  CommandId::GreenLetterWines,       CommandId::BlueLetterWines,
    CommandId::SpecifyFocusSet, CommandId::ShowStatistics,         CommandId::ChangeAllToBlack,
    CommandId::ChangeAllToRed,  CommandId::ChangeAllToGreen,       CommandId::ChangeAllToBlue,
    CommandId::SaveFocusSet,    CommandId::AppendFocusSet,         CommandId::ExportFocusSet,
};

ViewKind kindOf(const QMdiSubWindow* window) {
    if (const auto* frame = qobject_cast<const CBWChildFrame*>(window))
        return frame->kind();
    return ViewKind::EntryList;
}

// The commands the view of the window runs itself, if any.
CViewCommands* viewCommandsOf(QMdiSubWindow* window) {
    if (auto* frame = qobject_cast<CBWChildFrame*>(window))
        return dynamic_cast<CViewCommands*>(frame->widget());
    return nullptr;
}

// Commands that go to the active view when it takes them.
constexpr int kViewCommands[] = {CommandId::SelectFont, CommandId::Print, CommandId::PrintPreview};

bool isViewWindow(const QMdiSubWindow* window) {
    return qobject_cast<const CBWChildFrame*>(window) != nullptr ||
           qobject_cast<const CChildFrame*>(window) != nullptr;
}

} // namespace

CMainFrame::CMainFrame(const FieldNames& fieldNames, QWidget* parent)
    : QMainWindow(parent), m_fieldNames(fieldNames),
      m_largeButtons(AppSettings::read(AppSettings::LargeButtons) != 0) {
    setWindowIcon(ToolbarIcons::applicationIcon());
    m_mdiArea = new QMdiArea;
    m_mdiArea->setViewMode(QMdiArea::SubWindowView);
    m_mdiArea->setBackground(palette().brush(QPalette::Dark));
    setCentralWidget(m_mdiArea);

    buildActions();
    buildMenus();
    buildToolBar();
    buildStatusBar();
    connectFrameCommands();
    setRecentFiles({});
    showMenus();
    refreshCommandStates();
}

CMainFrame::~CMainFrame() {
    AppSettings::write(AppSettings::LargeButtons, m_largeButtons ? 1 : 0);
    destroyAllWindows();
}

QList<QMenu*> CMainFrame::menus() const {
    return showsFullMenu() ? m_fullMenus : m_shortMenus;
}

QAction* CMainFrame::command(int commandId) {
    if (QAction* existing = m_actions.value(commandId))
        return existing;
    const CommandInfo* info = findCommand(commandId);
    const QString text = QString::fromLatin1(info->text != nullptr ? info->text : "");
    auto* action = new QAction(text.section(QLatin1Char('\t'), 0, 0), this);
    action->setData(commandId);
    if (text.contains(QLatin1Char('\t')))
        action->setShortcut(QKeySequence(text.section(QLatin1Char('\t'), 1)));
    action->setStatusTip(QString::fromLatin1(info->prompt));
    if (info->toolTip != nullptr)
        action->setToolTip(QString::fromLatin1(info->toolTip));
    action->setIcon(ToolbarIcons::icon(commandId));
    action->setIconVisibleInMenu(false);
    // Bound to the frame itself, so that accelerators work whichever menu is shown.
    addAction(action);
    m_actions.insert(commandId, action);
    return action;
}

void CMainFrame::buildActions() {
    for (const ViewKindInfo& kind : kViewKinds) {
        QAction* action = command(kind.command);
        action->setText(QString::fromLatin1(kind.menuText));
    }
    for (int checkable :
         {CommandId::ViewToolbar, CommandId::ViewStatusBar, CommandId::SmartSelect,
          CommandId::LargeToolbarButtons, CommandId::ShowBinWarnings, CommandId::ShowPrintBoundary})
        command(checkable)->setCheckable(true);
    command(CommandId::ViewToolbar)->setChecked(true);
    command(CommandId::ViewStatusBar)->setChecked(true);
    command(CommandId::ContextHelp);
    command(CommandId::Exit)->setMenuRole(QAction::QuitRole);
    command(CommandId::About)->setMenuRole(QAction::AboutRole);

    for (int i = 0; i < RecentFileList::kSize; ++i) {
        auto* recent = new QAction(this);
        recent->setData(CommandId::RecentFile1 + i);
        recent->setStatusTip(QStringLiteral("Open this Cellar File"));
        connect(recent, &QAction::triggered, this, [this, i] { Q_EMIT recentFileChosen(i); });
        m_actions.insert(CommandId::RecentFile1 + i, recent);
        m_recentFiles.append(recent);
    }
    m_noRecentFile = new QAction(QStringLiteral("Recent File"), this);
    m_noRecentFile->setEnabled(false);
}

QMenu* CMainFrame::menu(const QString& title, std::initializer_list<int> commands) {
    auto* result = new QMenu(title, this);
    for (int id : commands) {
        if (id == kSeparator)
            result->addSeparator();
        else
            result->addAction(command(id));
    }
    return result;
}

void CMainFrame::addRecentFiles(QMenu* fileMenu) {
    QAction* exit = command(CommandId::Exit);
    fileMenu->insertAction(exit, m_noRecentFile);
    fileMenu->insertActions(exit, m_recentFiles);
    fileMenu->insertSeparator(exit);
}

void CMainFrame::buildMenus() {
    using namespace CommandId;
    const auto view = [](ViewKind kind) { return commandOf(kind); };

    QMenu* file = menu(QStringLiteral("&File"), {New,
                                                 Open,
                                                 Close,
                                                 Save,
                                                 kSeparator,
                                                 Backup,
                                                 SetBackupLocation,
                                                 kSeparator,
                                                 SaveFocusSet,
                                                 AppendFocusSet,
                                                 kSeparator,
                                                 ConvertVersion2,
                                                 kSeparator,
                                                 ExportFocusSet,
                                                 ImportText,
                                                 ImportCellarTracker,
                                                 kSeparator,
                                                 Print,
                                                 SetPrintStyle,
                                                 PrintPreview,
                                                 PrintSetup,
                                                 kSeparator,
                                                 SetDefaultFilename,
                                                 kSeparator,
                                                 Exit});
    addRecentFiles(file);
    m_windowMenu = menu(QStringLiteral("&Window"),
                        {WindowCascade, WindowTileHorizontal, WindowTileVertical, WindowArrangeIcons});
    connect(m_windowMenu, &QMenu::aboutToShow, this, &CMainFrame::fillWindowMenu);
    m_fullMenus = {
        file,
        menu(QStringLiteral("&View"), {ViewToolbar, ViewStatusBar, kSeparator, view(ViewKind::EntryList),
                                       view(ViewKind::HistoryList), view(ViewKind::BinList)}),
        menu(QStringLiteral("&Graphs"),
             {CloseAllGraphWindows, NextGraph, kSeparator, view(ViewKind::AppellationGraph),
              view(ViewKind::CostGraph), view(ViewKind::CountryGraph), view(ViewKind::ProducerGraph),
              view(ViewKind::RegionGraph), view(ViewKind::VendorGraph), view(ViewKind::SpendingGraph),
              view(ViewKind::ValueGraph), view(ViewKind::VintageGraph), view(ViewKind::WineTypeGraph),
              kSeparator, ModifyGraphAppearance}),
        menu(QStringLiteral("Focus &Set"),
             {AllWines, ZeroBottleWines, OneOrMoreBottleWines, kSeparator, BlackLetterWines, RedLetterWines,
              GreenLetterWines, BlueLetterWines, kSeparator, SpecifyFocusSet, ShowStatistics}),
        menu(QStringLiteral("Entry &List"), {Sort,
                                             CommandId::SortPrecedence,
                                             kSeparator,
                                             Find,
                                             FindNext,
                                             FindPrevious,
                                             Replace,
                                             kSeparator,
                                             GoToSelectedEntry,
                                             DeselectSelectedEntry,
                                             kSeparator,
                                             StoreColumnArrangement,
                                             RetrieveColumnArrangement,
                                             kSeparator,
                                             ShowPrintBoundary,
                                             SetPrintStyle,
                                             kSeparator,
                                             ChangeAllToBlack,
                                             ChangeAllToRed,
                                             ChangeAllToGreen,
                                             ChangeAllToBlue}),
        menu(QStringLiteral("&Options"), {CommandId::SmartSelect, LargeToolbarButtons, ShowPrintBoundary,
                                          ShowBinWarnings, kSeparator, SelectFont}),
        menu(QStringLiteral("&Misc"), {AddEntry, SetupLists, ModifyFieldNames, kSeparator, ChangeAllToBlack,
                                       ChangeAllToRed, ChangeAllToGreen, ChangeAllToBlue}),
        m_windowMenu,
        menu(QStringLiteral("&Help"), {About, kSeparator, HelpContents, HelpIndex}),
    };
    // Menus show the current state of the Working File whenever they open.
    for (QMenu* top : m_fullMenus)
        connect(top, &QMenu::aboutToShow, this, &CMainFrame::refreshCommandStates);

    QMenu* shortFile =
        menu(QStringLiteral("&File"), {New, Open, kSeparator, SetDefaultFilename, kSeparator, ConvertVersion2,
                                       ImportText, ImportCellarTracker, kSeparator, Exit});
    addRecentFiles(shortFile);
    m_shortMenus = {
        shortFile,
        menu(QStringLiteral("&View"), {ViewToolbar, ViewStatusBar}),
        menu(QStringLiteral("&Help"), {About, kSeparator, HelpContents, HelpIndex}),
    };
}

void CMainFrame::buildToolBar() {
    using namespace CommandId;
    m_toolBar = new QToolBar(QStringLiteral("Toolbar"), this);
    m_toolBar->setObjectName(QStringLiteral("toolbar"));
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->setIconSize(m_largeButtons ? ToolbarIcons::kLarge : ToolbarIcons::kSmall);
    for (int id : {Open,
                   Save,
                   kSeparator,
                   commandOf(ViewKind::EntryList),
                   commandOf(ViewKind::HistoryList),
                   commandOf(ViewKind::BinList),
                   NextGraph,
                   kSeparator,
                   CommandId::SortPrecedence,
                   kSeparator,
                   SpecifyFocusSet,
                   AllWines,
                   kSeparator,
                   ShowStatistics,
                   kSeparator,
                   FindPrevious,
                   Find,
                   FindNext,
                   kSeparator,
                   AddEntry,
                   kSeparator,
                   Print,
                   HelpContents}) {
        if (id == kSeparator)
            m_toolBar->addSeparator();
        else
            m_toolBar->addAction(command(id));
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    command(LargeToolbarButtons)->setChecked(m_largeButtons);
}

void CMainFrame::buildStatusBar() {
    m_statusText = new QLabel;
    m_statusText->setContentsMargins(4, 0, 4, 0);
    statusBar()->addWidget(m_statusText, 1);
    statusBar()->setSizeGripEnabled(true);
}

void CMainFrame::connectFrameCommands() {
    using namespace CommandId;
    for (const ViewKindInfo& kind : kViewKinds) {
        const ViewKind k = kind.kind;
        connect(command(kind.command), &QAction::triggered, this, [this, k] { showWindowOfKind(k); });
    }
    connect(command(NextGraph), &QAction::triggered, this, &CMainFrame::nextGraph);
    connect(command(CloseAllGraphWindows), &QAction::triggered, this, &CMainFrame::closeAllGraphWindows);
    connect(command(LargeToolbarButtons), &QAction::triggered, this, &CMainFrame::setLargeButtons);
    connect(command(ModifyGraphAppearance), &QAction::triggered, this, [this] {
        if (QMdiSubWindow* window = m_mdiArea->activeSubWindow())
            if (auto* graph = qobject_cast<CBarGraphView*>(window->widget()))
                graph->ModifyGraphFeatures();
    });
    connect(command(Exit), &QAction::triggered, this, &QWidget::close);

    connect(command(ViewToolbar), &QAction::toggled, m_toolBar, &QWidget::setVisible);
    connect(m_toolBar, &QToolBar::visibilityChanged, this, [this](bool visible) {
        // Hiding the main window hides its bars too; that is no choice of the user's.
        if (isVisible())
            command(CommandId::ViewToolbar)->setChecked(visible);
    });
    connect(command(ViewStatusBar), &QAction::toggled, statusBar(), &QWidget::setVisible);

    connect(command(StoreColumnArrangement), &QAction::triggered, this, [this] {
        if (CChildFrame* frame = entryListFrame())
            frame->activePane()->storeColumnArrangement();
    });
    connect(command(RetrieveColumnArrangement), &QAction::triggered, this, [this] {
        if (CChildFrame* frame = entryListFrame())
            frame->activePane()->retrieveColumnArrangement();
    });
    const std::pair<int, void (CEntryListView::*)()> paneCommands[] = {
        {Sort, &CEntryListView::sortEntries},
        {AddEntry, &CEntryListView::addEntry},
        {SelectFont, &CEntryListView::selectFont},
        {ShowPrintBoundary, &CEntryListView::togglePrintBoundary},
        {GoToSelectedEntry, &CEntryListView::goToSelected},
        {DeselectSelectedEntry, &CEntryListView::deselectEntry},
        {Print, &CEntryListView::print},
        {PrintPreview, &CEntryListView::printPreview},
        {SetPrintStyle, &CEntryListView::setPrintStyle},
        {Find, &CEntryListView::find},
        {FindNext, &CEntryListView::findNext},
        {FindPrevious, &CEntryListView::findPrevious},
        {Replace, &CEntryListView::replace},
    };
    for (int id : kViewCommands) {
        connect(command(id), &QAction::triggered, this, [this, id] {
            if (CViewCommands* view = viewCommandsOf(m_mdiArea->activeSubWindow());
                view && view->hasCommand(id))
                view->runCommand(id);
        });
    }
    for (const auto& [id, act] : paneCommands) {
        connect(command(id), &QAction::triggered, this, [this, act, id] {
            if (CViewCommands* view = viewCommandsOf(m_mdiArea->activeSubWindow());
                view && view->hasCommand(id))
                return;
            if (CChildFrame* frame = entryListFrame())
                (frame->activePane()->*act)();
            refreshCommandStates();
        });
    }

    connect(command(SetupLists), &QAction::triggered, this, [this] {
        if (m_document == nullptr)
            return;
        CSetupSheet sheet(*m_document, m_fieldNames, m_document->startDirectory(), this);
        sheet.exec();
    });

    connect(command(WindowCascade), &QAction::triggered, m_mdiArea, &QMdiArea::cascadeSubWindows);
    connect(command(WindowTileHorizontal), &QAction::triggered, this, [this] { tile(Qt::Vertical); });
    connect(command(WindowTileVertical), &QAction::triggered, this, [this] { tile(Qt::Horizontal); });
    connect(command(WindowArrangeIcons), &QAction::triggered, this, &CMainFrame::arrangeIcons);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::refreshCommandStates);
}

void CMainFrame::showMenus() {
    menuBar()->clear();
    for (QMenu* shown : menus())
        menuBar()->addMenu(shown);
}

void CMainFrame::setDocument(CBottlewrightDoc* document) {
    if (document == m_document)
        return;
    destroyAllWindows();
    m_document = document;
    showMenus();
    refreshCommandStates();
}

QList<QMdiSubWindow*> CMainFrame::documentWindows() const {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
        if (isViewWindow(window) && !window->isHidden())
            windows.append(window);
    }
    return windows;
}

QMdiSubWindow* CMainFrame::windowOfKind(ViewKind kind) const {
    for (QMdiSubWindow* window : documentWindows()) {
        if (kindOf(window) == kind)
            return window;
    }
    return nullptr;
}

CChildFrame* CMainFrame::entryListFrame() const {
    return qobject_cast<CChildFrame*>(windowOfKind(ViewKind::EntryList));
}

QMdiSubWindow* CMainFrame::showWindowOfKind(ViewKind kind) {
    if (m_document == nullptr)
        return nullptr;
    QMdiSubWindow* window = windowOfKind(kind);
    if (window == nullptr)
        return openWindow(kind);
    if (window->isMinimized())
        window->showNormal();
    m_mdiArea->setActiveSubWindow(window);
    window->raise();
    return window;
}

QMdiSubWindow* CMainFrame::openWindow(ViewKind kind) {
    QMdiSubWindow* window = nullptr;
    if (kind == ViewKind::EntryList)
        window = new CChildFrame(*m_document, m_fieldNames, m_printers);
    else
        window = new CBWChildFrame(kind, createView(kind, *m_document, m_printers));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QString::fromLatin1(viewKindInfo(kind).caption));
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, this, &CMainFrame::checkDocumentWindows, Qt::QueuedConnection);
    m_mdiArea->addSubWindow(window);
    window->showMaximized();
    m_mdiArea->setActiveSubWindow(window);
    refreshCommandStates();
    return window;
}

void CMainFrame::nextGraph() {
    if (m_document == nullptr)
        return;
    for (ViewKind kind : kNextGraphOrder) {
        if (windowOfKind(kind) == nullptr) {
            openWindow(kind);
            return;
        }
    }
}

void CMainFrame::closeAllGraphWindows() {
    const QList<QMdiSubWindow*> windows = documentWindows();
    QList<QMdiSubWindow*> graphs;
    std::copy_if(windows.begin(), windows.end(), std::back_inserter(graphs),
                 [](QMdiSubWindow* window) { return isGraph(kindOf(window)); });
    if (graphs.isEmpty())
        return;
    // Closing the last windows closes the Working File, which first offers to save it.
    if (graphs.size() == windows.size() && m_mayClose && !m_mayClose())
        return;
    qDeleteAll(graphs);
    refreshCommandStates();
}

void CMainFrame::destroyAllWindows() {
    // Closed windows have left the area's list but wait for their deferred deletion; they go too,
    // since their views still refer to the document.
    QList<QPointer<QMdiSubWindow>> windows;
    for (QMdiSubWindow* window : m_mdiArea->findChildren<QMdiSubWindow*>())
        windows.append(window);
    for (const QPointer<QMdiSubWindow>& window : windows)
        delete window.data();
}

void CMainFrame::checkDocumentWindows() {
    refreshCommandStates();
    if (m_document != nullptr && documentWindows().isEmpty())
        Q_EMIT documentWindowsClosed();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && m_document != nullptr) {
        const QList<QMdiSubWindow*> windows = documentWindows();
        const bool last = windows.size() == 1 && windows.first() == watched;
        if (last && m_mayClose && !m_mayClose()) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_document != nullptr && m_mayClose && !m_mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
}

void CMainFrame::setLargeButtons(bool large) {
    m_largeButtons = large;
    command(CommandId::LargeToolbarButtons)->setChecked(large);
    m_toolBar->setIconSize(large ? ToolbarIcons::kLarge : ToolbarIcons::kSmall);
}

void CMainFrame::setRecentFiles(const QStringList& files) {
    for (int i = 0; i < m_recentFiles.size(); ++i) {
        QAction* recent = m_recentFiles[i];
        recent->setVisible(i < files.size());
        if (i < files.size()) {
            recent->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()));
            recent->setStatusTip(QStringLiteral("Open %1").arg(QDir::toNativeSeparators(files[i])));
        }
    }
    m_noRecentFile->setVisible(files.isEmpty());
}

void CMainFrame::refreshCommandStates() {
    const bool open = m_document != nullptr;
    for (int id : kNeedWorkingFile)
        command(id)->setEnabled(open);
    for (const ViewKindInfo& kind : kViewKinds)
        command(kind.command)->setEnabled(open);
    command(CommandId::Save)->setEnabled(open && m_document->isModified());
    const bool hasEntryList = open && entryListFrame() != nullptr;
    command(CommandId::StoreColumnArrangement)->setEnabled(hasEntryList);
    command(CommandId::RetrieveColumnArrangement)->setEnabled(hasEntryList);
    for (int id : {CommandId::Sort, CommandId::AddEntry, CommandId::SelectFont, CommandId::ShowPrintBoundary,
                   CommandId::SetPrintStyle, CommandId::Find, CommandId::Replace})
        command(id)->setEnabled(hasEntryList);
    // Printing goes to the window in front: the Entry List, or a view that prints itself.
    const bool entryListInFront = hasEntryList && m_mdiArea->activeSubWindow() == entryListFrame();
    command(CommandId::Print)->setEnabled(entryListInFront);
    command(CommandId::PrintPreview)->setEnabled(entryListInFront);
    const bool searched = hasEntryList && entryListFrame()->activePane()->hasSearchString();
    command(CommandId::FindNext)->setEnabled(searched);
    command(CommandId::FindPrevious)->setEnabled(searched);
    command(CommandId::SetupLists)->setEnabled(open);
    const CEntryListView* pane = hasEntryList ? entryListFrame()->pane(0) : nullptr;
    const bool hasSelection = pane != nullptr && pane->sharedState().selectedEntry >= 0;
    command(CommandId::GoToSelectedEntry)->setEnabled(hasSelection);
    command(CommandId::DeselectSelectedEntry)->setEnabled(hasSelection);
    command(CommandId::ShowPrintBoundary)
        ->setChecked(pane != nullptr && pane->sharedState().printBoundaryShown);
    if (CViewCommands* view = open ? viewCommandsOf(m_mdiArea->activeSubWindow()) : nullptr) {
        for (int id : kViewCommands) {
            if (view->hasCommand(id))
                command(id)->setEnabled(true);
        }
    }
    const QMdiSubWindow* active = m_mdiArea->activeSubWindow();
    command(CommandId::ModifyGraphAppearance)
        ->setEnabled(open && active != nullptr && qobject_cast<CBarGraphView*>(active->widget()) != nullptr);
    const bool hasWindows = open && !documentWindows().isEmpty();
    for (int id : {CommandId::WindowCascade, CommandId::WindowTileHorizontal, CommandId::WindowTileVertical,
                   CommandId::WindowArrangeIcons})
        command(id)->setEnabled(hasWindows);

    if (open) {
        setWindowTitle(
            QStringLiteral("Bottlewright - %1[*]").arg(QString::fromStdString(m_document->title())));
        setWindowModified(m_document->isModified());
        const int entries = m_document->entryCount();
        QString status = entries == 1 ? QStringLiteral("1 entry") : QStringLiteral("%1 entries").arg(entries);
        if (m_document->focusCount() != entries)
            status += QStringLiteral(", %1 in the Focus Set").arg(m_document->focusCount());
        m_statusText->setText(status);
    } else {
        setWindowTitle(QStringLiteral("Bottlewright"));
        setWindowModified(false);
        m_statusText->setText(QStringLiteral("Ready"));
    }
}

void CMainFrame::tile(Qt::Orientation orientation) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : documentWindows()) {
        if (!window->isMinimized())
            windows.append(window);
    }
    if (windows.isEmpty())
        return;
    const QRect area = m_mdiArea->viewport()->rect();
    const int count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* window = windows[i];
        if (window->isMaximized())
            window->showNormal();
        if (orientation == Qt::Vertical) {
            const int top = area.height() * i / count;
            const int bottom = area.height() * (i + 1) / count;
            window->setGeometry(0, top, area.width(), bottom - top);
        } else {
            const int left = area.width() * i / count;
            const int right = area.width() * (i + 1) / count;
            window->setGeometry(left, 0, right - left, area.height());
        }
    }
}

void CMainFrame::arrangeIcons() {
    const QRect area = m_mdiArea->viewport()->rect();
    int left = 0;
    for (QMdiSubWindow* window : documentWindows()) {
        if (!window->isMinimized())
            continue;
        window->move(left, area.height() - window->height());
        left += window->width();
    }
}

void CMainFrame::fillWindowMenu() {
    qDeleteAll(m_windowList);
    m_windowList.clear();
    const QList<QMdiSubWindow*> windows = documentWindows();
    if (windows.isEmpty())
        return;
    m_windowList.append(m_windowMenu->addSeparator());
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        QAction* item =
            m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(window->windowTitle()));
        item->setCheckable(true);
        item->setChecked(window == m_mdiArea->activeSubWindow());
        connect(item, &QAction::triggered, this, [this, window] { m_mdiArea->setActiveSubWindow(window); });
        m_windowList.append(item);
    }
}
