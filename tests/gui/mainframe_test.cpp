#include "gui/app/CBWChildFrame.h"
#include "gui/app/CBottlewrightApp.h"
#include "gui/app/CMainFrame.h"
#include "gui/common/CommandId.h"
#include "gui/common/ToolbarIcons.h"
#include "gui/document/CSortPrecedenceDialog.h"
#include "gui/setup/CFieldNamesDialog.h"
#include "gui/views/entrylist/CChildFrame.h"
#include "gui/views/entrylist/CEntryListView.h"
#include "gui/views/graphs/CBarGraphView.h"
#include "gui/views/lists/CHistoryListView.h"
#include "helpers/HintRecorder.h"
#include "helpers/ModalDialogCatcher.h"
#include "helpers/TestApp.h"

#include <memory>
#include <optional>
#include <vector>

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

namespace {

// Each menu as the user reads it: the visible items joined by "|", an item's accelerator after a tab,
// "-" for a separator.
QStringList itemsOf(const QList<QMenu*>& menus) {
    QStringList result;
    for (const QMenu* menu : menus) {
        QStringList items;
        for (const QAction* action : menu->actions()) {
            if (!action->isVisible())
                continue;
            QString item = action->isSeparator() ? QStringLiteral("-") : action->text();
            if (!action->shortcut().isEmpty())
                item += QLatin1Char('\t') + action->shortcut().toString();
            items << item;
        }
        result << items.join(QLatin1Char('|'));
    }
    return result;
}

QStringList captionsOf(const QList<QMdiSubWindow*>& windows) {
    QStringList captions;
    for (const QMdiSubWindow* window : windows)
        captions << window->windowTitle();
    captions.sort();
    return captions;
}

const QString kHelpMenu = "&About Bottlewright...|-|&Contents|&Index";

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private:
    std::optional<TestApp> m_program;

    CBottlewrightApp* app() { return m_program->app.get(); }
    CMainFrame& frame() { return m_program->frame(); }
    QAction* action(int commandId) { return frame().action(commandId); }
    void trigger(int commandId) { action(commandId)->trigger(); }
    void show(ViewKind kind) { trigger(viewKindInfo(kind).command); }
    QString activeCaption() {
        QMdiSubWindow* active = frame().mdiArea()->activeSubWindow();
        return active != nullptr ? active->windowTitle() : QString();
    }
    void restart() { m_program->start(); }

private Q_SLOTS:
    void init() {
        m_program.emplace();
        restart();
        QVERIFY(app()->document() != nullptr);
    }

    void cleanup() { m_program.reset(); }

    void theMenusHoldEveryItemInOrder() {
        QCOMPARE(
            itemsOf(frame().menus()),
            (QStringList{"&New\tCtrl+N|&Open...\tCtrl+O|&Close|&Save\tCtrl+S|-|&Backup|"
                         "Set Bac&kup Location...|-|Sa&ve Focus Set to New Cellar File...|"
                         "&Append Focus Set to File...|-|Convert Version &2.xx File...|-|"
                         "&Export Focus Set as Tab Separated Text File...|"
                         "&Import Tab Separated Text File...|Import Cellar&Tracker "
                         "Export...|-|&Print...\tCtrl+P|Set Print St&yle...|"
                         "Print Previe&w|P&rint Setup...|-|Set &Default Filename...|-|&1 Sample3.bwf|-|"
                         "E&xit",
                         "&Toolbar|&Status Bar|-|&Entry List|&History List|&Bin List",
                         "Close &All Graph WIndows|&Next Graph|-|&Appellation/Varietal|&Cost|C&ountry |"
                         "&Producer|&Region|Source/&Vendor|&Spending History|&Value|Vinta&ge|&Wine Type|-|"
                         "&Modify Graph Appearance...",
                         "&All Wines|&Zero Bottle Wines|&One or More Bottle Wines|-|&Black Letter Wines|"
                         "&Red Letter Wines|&Green Letter Wines|Bl&ue Letter Wines|-|"
                         "&Specify Focus Set...|Show S&tatistics",
                         "&Sort|Sort Prece&dence...|-|&Find...\tF2|Find &Next\tF3|"
                         "Find &Previous\tShift+F3|&Replace...|-|&Go to Selected Entry\tF9|"
                         "&Deselect Selected Entry\tF10|-|S&tore Current Column Arrangement...|"
                         "Retrie&ve Stored Column Arrangement...|-|Show Print &Boundary|"
                         "Set Print St&yle...|-|Change All to &Black Letters...|"
                         "Change All to &Red Letters...|Change All to &Green Letters...|"
                         "Change All to Bl&ue Letters...",
                         "&SmartSelect|&Large Toolbar Buttons|Show Print &Boundary|Show Bin &Warnings|-|"
                         "Select &Font...",
                         "&Add Entry...|Setup &Lists...|Modify &Field Names...|-|"
                         "Change All to &Black Letters...|Change All to &Red Letters...|"
                         "Change All to &Green Letters...|Change All to Bl&ue Letters...",
                         "&Cascade|Tile &Horizontal|Tile &Vertical|&Arrange Icons", kHelpMenu}));

        // Without a working file only the commands that need none are offered.
        trigger(CommandId::Close);
        QVERIFY(app()->document() == nullptr);
        QVERIFY(frame().documentWindows().isEmpty());
        QCOMPARE(itemsOf(frame().menus()),
                 (QStringList{"&New\tCtrl+N|&Open...\tCtrl+O|-|Set &Default Filename...|-|"
                              "Convert Version &2.xx File...|&Import Tab Separated Text File...|"
                              "Import Cellar&Tracker Export...|-|"
                              "&1 Sample3.bwf|-|E&xit",
                              "&Toolbar|&Status Bar", kHelpMenu}));
    }

    // Which command waits for what is the command table's; here only that its states reach the actions.
    void commandsOfLaterWorkAreGreyedAndTheRestWork() {
        using namespace CommandId;
        // Go to and Deselect wait for a selection, Find Next and Previous for a search, Modify Graph
        // Appearance for a graph window.
        const std::vector<std::vector<int>> greyed{
            {FindNext, FindPrevious, GoToSelectedEntry, DeselectSelectedEntry, ModifyGraphAppearance}};
        const std::vector<std::vector<int>> working{
            {New, Open, Close, PrintSetup, SetDefaultFilename, Exit, ViewToolbar, ViewStatusBar, Backup,
             SetBackupLocation},
            {AllWines, ZeroBottleWines, OneOrMoreBottleWines, BlackLetterWines, RedLetterWines,
             GreenLetterWines, BlueLetterWines, SpecifyFocusSet, ShowStatistics, ChangeAllToBlack,
             ChangeAllToRed, ChangeAllToGreen, ChangeAllToBlue},
            {Sort, ShowPrintBoundary, SelectFont, AddEntry, Print, SetPrintStyle, PrintPreview, Find, Replace,
             SetupLists},
            {SaveFocusSet, AppendFocusSet, ConvertVersion2, ExportFocusSet, ImportText, ImportCellarTracker},
            {CloseAllGraphWindows, NextGraph, CommandId::SortPrecedence, StoreColumnArrangement,
             RetrieveColumnArrangement, SmartSelect, LargeToolbarButtons, ShowBinWarnings, ModifyFieldNames},
            {WindowCascade, WindowTileHorizontal, WindowTileVertical, WindowArrangeIcons, About, HelpContents,
             HelpIndex}};
        for (const std::vector<int>& ids : greyed)
            for (int id : ids)
                QVERIFY2(!action(id)->isEnabled(), qPrintable(action(id)->text()));
        for (const std::vector<int>& ids : working)
            for (int id : ids)
                QVERIFY2(action(id)->isEnabled(), qPrintable(action(id)->text()));
        for (const ViewKindInfo& kind : kViewKinds)
            QVERIFY(action(kind.command)->isEnabled());
    }

    void theToolbarHasItsTwentyThreeSlotsInOrder() {
        QCOMPARE(action(CommandId::Open)->statusTip(), QStringLiteral("Open an existing Cellar File"));

        QStringList slots;
        for (const QAction* action : frame().toolBar()->actions()) {
            slots << (action->isSeparator() ? QStringLiteral("-") : QString::number(action->data().toInt()));
            QVERIFY(action->isSeparator() || (!action->icon().isNull() && !action->toolTip().isEmpty() &&
                                              !action->statusTip().isEmpty()));
        }
        QCOMPARE(slots.join(QLatin1Char(' ')),
                 QStringLiteral("57601 57603 - 33000 33001 33002 32842 - 32777 - "
                                "32784 32792 - 32787 - 32798 32796 32797 - "
                                "32789 - 57607 32861"));
        QCOMPARE(frame().toolBar()->iconSize(), ToolbarIcons::kSmall);
    }

    void largeToolbarButtonsSurviveARestartAndTheBarsHide() {
        QVERIFY(!action(CommandId::LargeToolbarButtons)->isChecked());
        trigger(CommandId::LargeToolbarButtons);
        QCOMPARE(frame().toolBar()->iconSize(), ToolbarIcons::kLarge);

        restart();
        QCOMPARE(QSettings().value(QStringLiteral("Options/LargeButtons")).toInt(), 1);
        QCOMPARE(frame().toolBar()->iconSize(), ToolbarIcons::kLarge);
        QVERIFY(action(CommandId::LargeToolbarButtons)->isChecked());
        trigger(CommandId::LargeToolbarButtons);
        QCOMPARE(frame().toolBar()->iconSize(), ToolbarIcons::kSmall);

        frame().show();
        QVERIFY(frame().toolBar()->isVisible());
        trigger(CommandId::ViewToolbar);
        QVERIFY(!frame().toolBar()->isVisible());
        QVERIFY(!action(CommandId::ViewToolbar)->isChecked());
        trigger(CommandId::ViewStatusBar);
        QVERIFY(!frame().statusBar()->isVisible());
        trigger(CommandId::ViewToolbar);
        QVERIFY(frame().toolBar()->isVisible());
    }

    void choosingAWindowKindTwiceKeepsOneWindowAndBringsItForward() {
        show(ViewKind::HistoryList);
        QMdiSubWindow* history = frame().windowOfKind(ViewKind::HistoryList);
        QVERIFY(history != nullptr);
        QCOMPARE(history->windowTitle(), QStringLiteral("History List"));
        QVERIFY(qobject_cast<CHistoryListView*>(history->widget()) != nullptr);
        QVERIFY(history->isMaximized());

        show(ViewKind::EntryList);
        QCOMPARE(activeCaption(), QStringLiteral("Entry List"));
        show(ViewKind::HistoryList);
        QCOMPARE(frame().windowOfKind(ViewKind::HistoryList), history);
        QCOMPARE(activeCaption(), QStringLiteral("History List"));
        QCOMPARE(captionsOf(frame().documentWindows()), (QStringList{"Entry List", "History List"}));
        show(ViewKind::BinList);
        QCOMPARE(activeCaption(), QStringLiteral("Bin List"));
    }

    void nextGraphOpensTheFirstGraphWithoutAWindowAndEachShowsItsKind() {
        show(ViewKind::ProducerGraph);
        show(ViewKind::VintageGraph);
        trigger(CommandId::NextGraph);
        QCOMPARE(activeCaption(), QStringLiteral("Cost Graph"));
        for (int i = 0; i < 7; ++i)
            trigger(CommandId::NextGraph);
        QCOMPARE(activeCaption(), QStringLiteral("Spending History Graph"));
        QCOMPARE(captionsOf(frame().documentWindows()).join(QLatin1Char('|')),
                 QStringLiteral("Appellation/Varietal Graph|Cost Graph|Country Graph|Entry List|"
                                "Producer Graph|Region Graph|Source/Vendor Graph|Spending History Graph|"
                                "Value Graph|Vintage Graph|Wine Type Graph"));
        for (const ViewKindInfo& kind : kViewKinds) {
            if (!isGraph(kind.kind))
                continue;
            auto* window = qobject_cast<CBWChildFrame*>(frame().windowOfKind(kind.kind));
            QVERIFY(window != nullptr);
            QCOMPARE(window->kind(), kind.kind);
            auto* graph = qobject_cast<CBarGraphView*>(window->widget());
            QVERIFY(graph != nullptr);
            QCOMPARE(graph->kind(), kind.kind);
            QVERIFY(graph->bars().size() > 0);
        }

        show(ViewKind::EntryList);
        trigger(CommandId::NextGraph);
        QCOMPARE(frame().documentWindows().size(), 11);
        QCOMPARE(activeCaption(), QStringLiteral("Entry List"));

        QVERIFY(frame().windowOfKind(ViewKind::CostGraph)->close());
        trigger(CommandId::NextGraph);
        QCOMPARE(activeCaption(), QStringLiteral("Cost Graph"));
        QCOMPARE(frame().documentWindows().size(), 11);
    }

    void closeAllGraphWindowsLeavesTheListsOrClosesTheFile() {
        show(ViewKind::HistoryList);
        show(ViewKind::ProducerGraph);
        show(ViewKind::SpendingGraph);
        trigger(CommandId::CloseAllGraphWindows);
        QCOMPARE(captionsOf(frame().documentWindows()), (QStringList{"Entry List", "History List"}));
        QVERIFY(app()->document() != nullptr);

        // With only graphs left, closing them closes the working file.
        show(ViewKind::CostGraph);
        QVERIFY(frame().windowOfKind(ViewKind::HistoryList)->close());
        QVERIFY(frame().entryListFrame()->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(app()->document() != nullptr);
        trigger(CommandId::CloseAllGraphWindows);
        QTRY_VERIFY(app()->document() == nullptr);
        QCOMPARE(frame().menus().size(), 3);
    }

    void sortPrecedenceResortsOnOk() {
        HintRecorder recorder(*app()->document());
        for (const bool ok : {false, true}) {
            ModalDialogCatcher<CSortPrecedenceDialog> catcher(
                [ok](CSortPrecedenceDialog* dialog) { ok ? dialog->accept() : dialog->reject(); });
            trigger(CommandId::SortPrecedence);
            QVERIFY(catcher.seen());
            QCOMPARE(recorder.hints, ok ? QList<int>{HintResorted} : QList<int>{});
        }
    }

    void renamingAFieldChangesTheEntryListHeading() {
        const auto headingOf = [this](int field) {
            const EntryListColumns& columns = frame().entryListFrame()->activePane()->columns();
            for (int i = 0; i < EntryListColumns::kCount; ++i) {
                if (columns[i].fieldId == field)
                    return QString::fromStdString(columns[i].heading);
            }
            return QString();
        };
        QCOMPARE(headingOf(16), QStringLiteral("User1"));
        ModalDialogCatcher<CFieldNamesDialog> catcher([](CFieldNamesDialog* dialog) {
            dialog->nameEdit(16)->setText(QStringLiteral("Glass"));
            dialog->accept();
        });
        trigger(CommandId::ModifyFieldNames);
        QVERIFY(catcher.seen());
        QCOMPARE(app()->fieldName(16), std::string("Glass"));
        QCOMPARE(headingOf(16), QStringLiteral("Glass"));
    }

    void windowMenuArrangesTheWindows() {
        frame().resize(1000, 700);
        frame().show();
        show(ViewKind::HistoryList);
        trigger(CommandId::WindowTileVertical);
        const QList<QMdiSubWindow*> windows = frame().documentWindows();
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows[0]->height(), windows[1]->height());
        QVERIFY(windows[0]->geometry().right() < windows[1]->geometry().left());

        trigger(CommandId::WindowTileHorizontal);
        QCOMPARE(windows[0]->width(), windows[1]->width());
        QVERIFY(windows[0]->geometry().bottom() < windows[1]->geometry().top());
    }
};

QTEST_MAIN(MainFrameTest)
#include "mainframe_test.moc"
