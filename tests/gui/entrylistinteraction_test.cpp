#include "core/model/Today.h"
#include "gui/common/AppSwitches.h"
#include "gui/common/CommandId.h"
#include "gui/editing/CEntryBox.h"
#include "gui/views/entrylist/CChildFrame.h"
#include "gui/views/entrylist/CPrintStyleDialog.h"
#include "helpers/HintRecorder.h"
#include "helpers/MessageBoxCatcher.h"
#include "helpers/ModalDialogCatcher.h"
#include "helpers/TestApp.h"
#include "helpers/TestFixtures.h"

#include <algorithm>
#include <functional>
#include <optional>

#include <QFontDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kCyan(0, 255, 255);
const QColor kRed(255, 0, 0); // cyan inverted

void sendMouse(CEntryListView& view, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, at, view.viewport()->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &event);
}

// Presses at `from`, moves through `via` and releases at `to`; stops before releasing when `to` is null.
void drag(CEntryListView& view, QPoint from, std::initializer_list<QPoint> via, std::optional<QPoint> to) {
    sendMouse(view, QEvent::MouseButtonPress, from);
    for (const QPoint at : via)
        sendMouse(view, QEvent::MouseMove, at);
    if (to)
        sendMouse(view, QEvent::MouseButtonRelease, *to);
}

std::vector<int> fieldIds(const CEntryListView& view) {
    std::vector<int> ids;
    for (int i = 0; i < EntryListColumns::kCount; ++i)
        ids.push_back(view.columns()[i].fieldId);
    return ids;
}

QImage shownImage(const CEntryListView& view) {
    return view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QString actionText(const QAction* action) {
    return action->isSeparator() ? QStringLiteral("-") : action->text();
}

// Answers each pop-up menu: records its items, then picks the item of that text or closes it.
class MenuAnswer {
public:
    explicit MenuAnswer(QString pick = QString())
        : m_pick(std::move(pick)), m_catcher([this](QMenu* m) { answer(m); }) {}
    QStringList items;

private:
    void answer(QMenu* menu) {
        const QList<QAction*> actions = menu->actions();
        for (const QAction* action : actions)
            items.append(actionText(action));
        const auto chosen = std::find_if(actions.begin(), actions.end(),
                                         [this](QAction* action) { return actionText(action) == m_pick; });
        if (chosen == actions.end()) {
            menu->close();
            return;
        }
        menu->setActiveAction(*chosen);
        QTest::keyClick(menu, Qt::Key_Return);
    }

    QString m_pick;
    ModalDialogCatcher<QMenu> m_catcher;
};

void clickIn(CEntryBox* box, const QString& caption) {
    for (QPushButton* button : box->findChildren<QPushButton*>()) {
        if (button->text() == caption)
            return button->click();
    }
    QFAIL(qPrintable("no button " + caption));
}

const QStringList kMenuOnNothing{"Add a New Entry...", "-", "Cancel"};

} // namespace

class EntryListInteractionTest : public QObject {
    Q_OBJECT
private:
    CEntryListView& makeView(int entries) {
        m_view = showEntryList(*m_cellar, entries);
        return *m_view;
    }
    int headingY() const { return m_view->geometry().firstRowY / 2; }
    int rowY(int row) const { return m_view->geometry().rowTop(row) + m_view->geometry().rowHeight / 2; }
    QPoint heading(int x) const { return QPoint(x, headingY()); }
    CBottlewrightDoc& document() { return m_cellar->document; }
    // Runs a command of the view that opens the Entry Box; `handle` acts in the box.
    void runBox(void (CEntryListView::*command)(), const std::function<void(CEntryBox*)>& handle) {
        ModalDialogCatcher<CEntryBox> catcher(handle);
        (m_view.get()->*command)();
        QVERIFY(catcher.seen());
    }

    std::optional<EmptyCellar> m_cellar;
    std::unique_ptr<CEntryListView> m_view;

    int selected() const { return m_cellar->shared.selectedEntry; }
    int topRow() const { return m_cellar->shared.topRow; }

private Q_SLOTS:
    void init() {
        m_cellar.emplace();
        setTodayOverride(CalendarDate{2026, 12, 5});
        // Entries here keep their bottles without bins; the General page would stop to warn.
        AppSwitches::setBinWarning(false);
    }
    void cleanup() {
        m_view.reset();
        m_cellar.reset();
        setTodayOverride(std::nullopt);
    }

    void pressNearABorderDragsItWithAGuideLine() {
        CEntryListView& view = makeView(5);
        HintRecorder hints(document());
        QCOMPARE(view.columns()[1].left, 42);
        const int emptyRowY = rowY(6);
        drag(view, heading(45), {heading(80), heading(60)}, std::nullopt);
        QCOMPARE(view.viewport()->cursor().shape(), Qt::SplitHCursor);
        QImage image = shownImage(view);
        QCOMPARE(view.columns()[0].width, 40);
        QCOMPARE(image.pixelColor(60, emptyRowY), kBlack);
        // The line left x 80 without a trace and the old border is inverted away.
        QCOMPARE(image.pixelColor(80, emptyRowY), kWhite);
        QCOMPARE(image.pixelColor(42, emptyRowY), kWhite);
        QVERIFY(hints.hints.isEmpty());
        sendMouse(view, QEvent::MouseButtonRelease, heading(60));
        QCOMPARE(view.viewport()->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(view.columns()[0].width, 58);
        QCOMPARE(view.columns()[1].left, 60);
        QCOMPARE(hints.hints, QList<int>{HintColumns});

        // Over the selection the line shows inverted cyan (which widths are refused is the core's test).
        view.selectEntry(1);
        const int left = view.columns()[3].left;
        drag(view, heading(view.columns()[4].left - 2), {heading(left + 60)}, std::nullopt);
        QCOMPARE(shownImage(view).pixelColor(left + 60, rowY(1)), kRed);
        sendMouse(view, QEvent::MouseButtonRelease, heading(left + 10));
        QCOMPARE(view.columns()[3].width, 150);
        QCOMPARE(shownImage(view).pixelColor(left + 60, rowY(1)), kCyan);
    }

    void pressFourPixelsFromABorderMovesTheColumn() {
        CEntryListView& view = makeView(3);
        HintRecorder hints(document());
        const std::vector<int> defaults = fieldIds(view);
        drag(view, heading(view.columns()[3].left + 4), {heading(60)}, std::nullopt);
        QCOMPARE(view.viewport()->cursor().shape(), Qt::UpArrowCursor);
        QCOMPARE(view.columns()[3].headingY, EntryListGeometry::kGridTop + 1);
        QCOMPARE(view.columns()[3].textX, 60);
        sendMouse(view, QEvent::MouseButtonRelease, heading(60));

        // Onto a column to its left: it goes before that column.
        std::vector<int> expected = defaults;
        expected.erase(expected.begin() + 3);
        expected.insert(expected.begin() + 1, defaults[3]);
        QCOMPARE(fieldIds(view), expected);
        QCOMPARE(view.viewport()->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(view.columns()[1].headingY, 2 * view.geometry().rowHeight / 3);
        QCOMPARE(view.columns()[1].textX, view.columns()[1].left + 3);
        QCOMPARE(hints.hints, QList<int>{HintColumns});

        // Onto a column to its right: after the columns in between.
        drag(view, heading(view.columns()[0].left + 10), {}, heading(view.columns()[2].left + 10));
        QCOMPARE(view.columns()[2].fieldId, defaults[0]);
        QCOMPARE(view.columns()[0].fieldId, defaults[3]);
        QVERIFY(view.columns().isValid());
    }

    void rightButtonMenusOfferWhatSuitsTheClickedRow() {
        CEntryListView& view = makeView(3);
        {
            MenuAnswer green(QStringLiteral("Color this Entry Green"));
            sendMouse(view, QEvent::MouseButtonPress, QPoint(100, rowY(2)), Qt::RightButton);
            QCOMPARE(green.items,
                     (QStringList{"View/Modify this Entry...", "Remove this Entry from the Focus Set",
                                  "Copy this Entry...", "-", "Color this Entry Black", "Color this Entry Red",
                                  "Color this Entry Green", "Color this Entry Blue", "-"} +
                      kMenuOnNothing));
            QCOMPARE(selected(), 2);
            QCOMPARE(document().focusEntry(2)->m_nLetterColor, int(CWine::Green));
            QVERIFY(document().isModified());
        }
        {
            MenuAnswer cancel(QStringLiteral("Cancel"));
            sendMouse(view, QEvent::MouseButtonPress, QPoint(100, rowY(0)), Qt::RightButton);
            QCOMPARE(cancel.items.size(), 12);
            QCOMPARE(document().focusEntry(0)->m_nLetterColor, int(CWine::Black));
        }
        // Below the last entry a click selects a position with no entry, shown by no row.
        document().setModified(false);
        sendMouse(view, QEvent::MouseButtonPress, QPoint(100, rowY(5)));
        {
            MenuAnswer onNothing;
            sendMouse(view, QEvent::MouseButtonPress, QPoint(100, rowY(5)), Qt::RightButton);
            QCOMPARE(onNothing.items, kMenuOnNothing);
        }
        QCOMPARE(selected(), 5);
        const QImage image = shownImage(view);
        for (int row = 0; row < 7; ++row)
            QVERIFY(image.pixelColor(100, rowY(row)) != kCyan);
        view.colorEntry(CWine::Blue);
        QVERIFY(!document().isModified());

        // In the heading band there is no entry either; adding from there opens the box on a new entry.
        MenuAnswer onHeadings(QStringLiteral("Add a New Entry..."));
        QString mode;
        ModalDialogCatcher<CEntryBox> catcher([&mode](CEntryBox* box) {
            mode = box->windowTitle();
            box->reject();
        });
        sendMouse(view, QEvent::MouseButtonPress, heading(100), Qt::RightButton);
        QCOMPARE(onHeadings.items, kMenuOnNothing);
        QCOMPARE(mode, QString("Add Entry"));
        QCOMPARE(document().entryCount(), 3);
        QCOMPARE(selected(), -1);
    }

    void ctrlDoubleClickRemovesFromTheFocusSetWithoutAQuestion() {
        CEntryListView& view = makeView(4);
        MessageBoxCatcher boxes;
        HintRecorder hints(document());
        const CWine* third = document().focusEntry(2);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, Qt::ControlModifier, QPoint(100, rowY(1)));
        QCOMPARE(document().focusCount(), 3);
        QCOMPARE(document().entryCount(), 4);
        QCOMPARE(document().focusEntry(1), third);
        QCOMPARE(boxes.count(), 0);
        QVERIFY(!document().isModified());
        QCOMPARE(hints.hints, QList<int>{HintFocusSet});
        // Below the last entry a double-click does nothing.
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, Qt::ControlModifier, QPoint(100, rowY(3)));
        QCOMPARE(document().focusCount(), 3);
    }

    void enterSelectsTheTopRowThenOpensTheBox() {
        CEntryListView& view = makeView(30);
        view.scrollVertically(EntryListScrolling::ScrollCode::ThumbPosition, 4);
        QString mode;
        ModalDialogCatcher<CEntryBox> catcher([&mode](CEntryBox* box) {
            mode = box->windowTitle();
            box->reject();
        });
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(selected(), 4);
        QVERIFY(!catcher.seen());
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(mode, QString("View/Delete/Modify"));
        QCOMPARE(document().entryCount(), 30);
    }

    void keysScrollWithoutMovingTheSelection() {
        CEntryListView& view = makeView(100);
        const int rows = view.geometry().rowsPerPage;
        view.selectEntry(3);
        const std::pair<Qt::Key, int> steps[] = {
            {Qt::Key_Down, 1}, {Qt::Key_PageDown, rows},  {Qt::Key_PageUp, 1}, {Qt::Key_Up, 0},
            {Qt::Key_Up, 0},   {Qt::Key_End, 100 - rows}, {Qt::Key_Home, 0}};
        for (const auto& [key, top] : steps) {
            QTest::keyClick(&view, key);
            QCOMPARE(topRow(), top);
        }
        QTest::keyClick(&view, Qt::Key_Right);
        QTest::keyClick(&view, Qt::Key_Right);
        QTest::keyClick(&view, Qt::Key_Left);
        QCOMPARE(view.horizontalOffset(), 1);
        QCOMPARE(selected(), 3);

        // F9 centres the selection, or keeps the top row when there is none; F10 clears it.
        view.selectEntry(50);
        QTest::keyClick(&view, Qt::Key_F9);
        QCOMPARE(topRow(), 50 - rows / 2);
        view.selectEntry(2);
        view.goToSelected();
        QCOMPARE(topRow(), 0);
        QTest::keyClick(&view, Qt::Key_F10);
        QCOMPARE(selected(), -1);
        view.scrollVertically(EntryListScrolling::ScrollCode::ThumbPosition, 20);
        QTest::keyClick(&view, Qt::Key_F9);
        QCOMPARE(topRow(), 20);
    }

    void fontCommandChangesBothPanesAndTheirRows() {
        fillDocument(document(), 3);
        QSplitter splitter;
        auto* left = new CEntryListView(document(), m_cellar->names, m_cellar->shared);
        splitter.addWidget(left);
        splitter.addWidget(new CEntryListView(document(), m_cellar->names, m_cellar->shared, left));
        auto* right = static_cast<CEntryListView*>(splitter.widget(1));
        splitter.resize(800, 300);
        splitter.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splitter));
        const int rowHeight = left->geometry().rowHeight;

        // The dialog starts on the font drawn, and OK without a change keeps it.
        const QFont before = left->listFont();
        {
            ModalDialogCatcher<QFontDialog> unchanged([&](QFontDialog* dialog) {
                QCOMPARE(dialog->currentFont().family(), QFontInfo(before).family());
                QCOMPARE(dialog->currentFont().pointSizeF(), QFontInfo(before).pointSizeF());
                dialog->accept();
            });
            right->selectFont();
            QVERIFY(unchanged.seen());
            QCOMPARE(right->listFont(), before);
        }

        ModalDialogCatcher<QFontDialog> catcher([](QFontDialog* dialog) {
            dialog->setCurrentFont(QFont(QStringLiteral("Liberation Serif"), 24));
            dialog->accept();
        });
        right->selectFont();
        QVERIFY(catcher.seen());
        QCOMPARE(left->listFont(), right->listFont());
        for (const CEntryListView* pane : {left, right}) {
            QVERIFY(pane->geometry().rowHeight > rowHeight);
            QCOMPARE(pane->geometry().rowHeight, QFontMetrics(pane->listFont()).height() + 2);
        }
    }

    void mainFrameCommandsReachTheEntryList() {
        TestApp program;
        program.start();
        CBottlewrightDoc& document = *program.app->document();
        CEntryListView& pane = *program.frame().entryListFrame()->activePane();
        QAction* goTo = program.action(CommandId::GoToSelectedEntry);
        QAction* deselect = program.action(CommandId::DeselectSelectedEntry);
        QAction* boundary = program.action(CommandId::ShowPrintBoundary);
        program.frame().refreshCommandStates();
        QVERIFY(!goTo->isEnabled() && !deselect->isEnabled());
        pane.selectEntry(document.entryCount() + 2); // below the last entry: still a selection
        program.frame().refreshCommandStates();
        QVERIFY(goTo->isEnabled() && deselect->isEnabled());
        deselect->trigger();
        QCOMPARE(pane.sharedState().selectedEntry, -1);
        QVERIFY(!goTo->isEnabled());

        boundary->trigger();
        QVERIFY(pane.sharedState().printBoundaryShown && boundary->isChecked());
        const int shown = pane.sharedState().printBoundaryX;
        QVERIFY(shown > 300 && shown < 1700);
        boundary->trigger();
        QVERIFY(!pane.sharedState().printBoundaryShown && !boundary->isChecked());
        // An inch more of left margin in the print style takes an inch off the printed width.
        ModalDialogCatcher<CPrintStyleDialog> style([](CPrintStyleDialog* dialog) {
            dialog->margin(0)->setText(QStringLiteral("1.75"));
            dialog->accept();
        });
        program.action(CommandId::SetPrintStyle)->trigger();
        QVERIFY(style.seen());
        QCOMPARE(pane.sharedState().printBoundaryX, shown - 100);

        const int entries = document.entryCount();
        ModalDialogCatcher<CEntryBox> catcher([](CEntryBox* box) {
            QCOMPARE(box->mode(), EntryBoxNavigation::Mode::Add);
            box->reject();
        });
        program.action(CommandId::AddEntry)->trigger();
        QVERIFY(catcher.seen());
        QCOMPARE(document.entryCount(), entries);
    }

    void addThenCancelLeavesNothing() {
        makeView(3).selectEntry(1);
        HintRecorder hints(document());
        runBox(&CEntryListView::addEntry, [this](CEntryBox* box) {
            QCOMPARE(box->mode(), EntryBoxNavigation::Mode::Add);
            QCOMPARE(document().entryCount(), 4);
            QCOMPARE(selected(), 3);
            clickIn(box, QStringLiteral("Cancel"));
        });
        QCOMPARE(document().entryCount(), 3);
        QVERIFY(!document().isModified());
        QCOMPARE(selected(), -1);
        QVERIFY(hints.hints.isEmpty());
    }

    void addWithNothingTypedAsksAboutTheNullEntry() {
        makeView(2);
        const auto ok = [](CEntryBox* box) { clickIn(box, QStringLiteral("OK")); };
        for (const auto answer : {QMessageBox::Yes, QMessageBox::No}) {
            MessageBoxCatcher boxes(answer);
            runBox(&CEntryListView::addEntry, ok);
            QCOMPARE(boxes.texts(), QStringList{"The Entry Box contains no significant information.\n"
                                                "Do you want to remove this null entry?"});
            QCOMPARE(document().entryCount(), answer == QMessageBox::Yes ? 2 : 3);
            QCOMPARE(document().isModified(), answer == QMessageBox::No);
        }
        QCOMPARE(document().focusEntry(2)->m_nVintage, 1993);
        QCOMPARE(document().focusEntry(2)->m_strDateModified, std::string("12-5-26"));
    }

    void copyThenNextKeepsTheCopyAndShowsTheFollowingEntry() {
        makeView(3).selectEntry(1);
        QStringList modes;
        runBox(&CEntryListView::copyEntry, [&](CEntryBox* box) {
            modes << box->windowTitle();
            clickIn(box, QStringLiteral("&>>"));
            modes << box->windowTitle();
            // the copy is last; after it comes the first
            QCOMPARE(selected(), 0);
            QCOMPARE(box->values().producer, std::string("Producer 0"));
            clickIn(box, QStringLiteral("Cancel"));
        });
        QCOMPARE(modes, (QStringList{"THIS IS A COPY", "View/Delete/Modify"}));
        QCOMPARE(document().entryCount(), 4);
        QCOMPARE(document().focusEntry(3)->m_strProducer, std::string("Producer 1"));
        QVERIFY(document().isModified());
    }

    void nextAndPreviousWrapAround() {
        makeView(3).selectEntry(2);
        QList<int> shown;
        runBox(&CEntryListView::viewEntry, [&](CEntryBox* box) {
            for (const char* caption : {"&>>", "&<<", "&<<"}) {
                clickIn(box, QString::fromLatin1(caption));
                shown << selected();
            }
            QCOMPARE(box->values().producer, std::string("Producer 1"));
            clickIn(box, QStringLiteral("Cancel"));
        });
        QCOMPARE(shown, (QList<int>{0, 2, 1}));
        // stepping over unchanged entries stores nothing
        QVERIFY(!document().isModified());
    }

    void deletingTheOnlyEntryClosesTheBox() {
        makeView(1).selectEntry(0);
        HintRecorder hints(document());
        MessageBoxCatcher boxes(QMessageBox::Yes);
        runBox(&CEntryListView::viewEntry, [](CEntryBox* box) { clickIn(box, QStringLiteral("&Delete")); });
        QCOMPARE(boxes.texts(), QStringList{"Are you sure you want to delete this entry?\n"});
        QCOMPARE(document().entryCount(), 0);
        QCOMPARE(document().focusCount(), 0);
        QCOMPARE(selected(), -1);
        QVERIFY(document().isModified());
        QCOMPARE(hints.hints, QList<int>{HintFocusSet});
    }

    void okStampsTodayAndAddsHistoryOnlyWhenSomethingChanged() {
        makeView(1).selectEntry(0);
        CWine& wine = *document().focusEntry(0);
        wine.m_nNumberRemaining = 12;
        wine.m_strDateModified = "3-4-99";
        wine.m_strUser1 = std::string(40000, 'u'); // longer than a line edit holds by default
        const std::string history = wine.m_strHistory;
        {
            HintRecorder hints(document());
            runBox(&CEntryListView::viewEntry, [](CEntryBox* box) { clickIn(box, QStringLiteral("OK")); });
            QCOMPARE(wine.m_strDateModified, std::string("3-4-99"));
            QCOMPARE(wine.m_strUser1.size(), std::size_t{40000});
            QVERIFY(!document().isModified());
            QVERIFY(hints.hints.isEmpty());
        }
        HintRecorder hints(document());
        runBox(&CEntryListView::viewEntry, [](CEntryBox* box) {
            auto* numberLeft =
                box->findChild<QLineEdit*>(QStringLiteral("field%1").arg(CWine::NumberRemaining));
            QCOMPARE(numberLeft->text(), QString("12"));
            numberLeft->setText(QStringLiteral("11"));
            for (const int tab : {1, 0, 1}) // one history item however often the pages change
                box->findChild<QTabWidget*>()->setCurrentIndex(tab);
            clickIn(box, QStringLiteral("OK"));
        });
        QCOMPARE(wine.m_nNumberRemaining, 11);
        QCOMPARE(wine.m_strDateModified, std::string("12-5-26"));
        QVERIFY(document().isModified());
        QCOMPARE(std::count(wine.m_strHistory.begin(), wine.m_strHistory.end(), kHistoryItemEnd),
                 std::count(history.begin(), history.end(), kHistoryItemEnd) + 1);
        QCOMPARE(wine.m_strHistory.substr(0, history.size()), history);
        QCOMPARE(hints.hints, QList<int>{HintFocusSet});
    }
};

QTEST_MAIN(EntryListInteractionTest)
#include "entrylistinteraction_test.moc"
