#include "app/AppSwitches.h"
#include "app/CBottlewrightApp.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/CommandId.h"
#include "editing/CEntryBox.h"
#include "helpers/HintRecorder.h"
#include "helpers/MessageBoxCatcher.h"
#include "helpers/ModalDialogCatcher.h"
#include "helpers/TestFixtures.h"
#include "model/Today.h"
#include "views/entrylist/CEntryListView.h"

#include <algorithm>
#include <memory>
#include <optional>

#include <QAction>
#include <QFontDialog>
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

void sendMouse(CEntryListView& view, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers = {}) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, at, view.viewport()->mapToGlobal(at), button, held, modifiers);
    QApplication::sendEvent(view.viewport(), &event);
}

void press(CEntryListView& view, QPoint at) {
    sendMouse(view, QEvent::MouseButtonPress, at, Qt::LeftButton);
}
void moveTo(CEntryListView& view, QPoint at) {
    sendMouse(view, QEvent::MouseMove, at, Qt::LeftButton);
}
void release(CEntryListView& view, QPoint at) {
    sendMouse(view, QEvent::MouseButtonRelease, at, Qt::LeftButton);
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

// Saves a picture of the pane for a look by eye when BW_ENTRYLIST_PNG names a folder.
void keepPicture(const QImage& image, const char* name) {
    const QString folder = qEnvironmentVariable("BW_ENTRYLIST_PNG");
    if (!folder.isEmpty())
        image.save(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
}

QString actionText(const QAction* action) {
    return action->isSeparator() ? QStringLiteral("-") : action->text();
}

// Answers each pop-up menu: records its items, then picks the item of that text or closes it.
class MenuAnswer {
public:
    explicit MenuAnswer(QString pick = QStringLiteral("no item"))
        : m_pick(std::move(pick)), m_catcher([this](QMenu* menu) { answer(menu); }) {}

    QStringList items;
    QImage picture;

private:
    void answer(QMenu* menu) {
        for (const QAction* action : menu->actions())
            items.append(actionText(action));
        picture = menu->grab().toImage();
        const QList<QAction*> actions = menu->actions();
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

QPushButton* boxButton(CEntryBox* box, const QString& caption) {
    for (QPushButton* button : box->findChildren<QPushButton*>()) {
        if (button->text() == caption)
            return button;
    }
    return nullptr;
}

} // namespace

class EntryListInteractionTest : public QObject {
    Q_OBJECT
private:
    CEntryListView& makeView(int entries, QSize size = QSize(700, 300)) {
        fillDocument(m_cellar->document, entries);
        m_view = std::make_unique<CEntryListView>(m_cellar->document, m_cellar->names);
        m_view->resize(size);
        m_view->show();
        if (!QTest::qWaitForWindowExposed(m_view.get()))
            qWarning("the view was not exposed");
        return *m_view;
    }

    int headingY() const { return m_view->geometry().firstRowY / 2; }
    int rowY(int row) const { return m_view->geometry().rowTop(row) + m_view->geometry().rowHeight / 2; }
    CBottlewrightDoc& document() { return m_cellar->document; }

    std::optional<EmptyCellar> m_cellar;
    std::unique_ptr<CEntryListView> m_view;

private Q_SLOTS:
    void init() {
        m_cellar.emplace();
        CEntryListView::sharedState() = EntryListSharedState{};
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
        QCOMPARE(shownImage(view).pixelColor(42, emptyRowY), kBlack);

        press(view, QPoint(45, headingY()));
        QCOMPARE(view.viewport()->cursor().shape(), Qt::SplitHCursor);
        moveTo(view, QPoint(80, headingY()));
        moveTo(view, QPoint(60, headingY()));
        QImage image = shownImage(view);
        QCOMPARE(view.columns()[0].width, 40);
        QCOMPARE(image.pixelColor(60, emptyRowY), kBlack);
        // the line left x 80 without a trace
        QCOMPARE(image.pixelColor(80, emptyRowY), kWhite);
        // the old border is inverted away
        QCOMPARE(image.pixelColor(42, emptyRowY), kWhite);
        QVERIFY(hints.hints.isEmpty());

        release(view, QPoint(60, headingY()));
        QCOMPARE(view.viewport()->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(view.columns()[0].width, 58);
        QCOMPARE(view.columns()[1].left, 60);
        QCOMPARE(hints.hints, QList<int>{HintColumns});

        // Over the selection the line shows inverted cyan. Designation is empty, so no text is in the way.
        view.selectEntry(1);
        const int left = view.columns()[3].left;
        press(view, QPoint(view.columns()[4].left - 2, headingY()));
        moveTo(view, QPoint(left + 60, headingY()));
        image = shownImage(view);
        keepPicture(image, "entrylist-resizing");
        QCOMPARE(image.pixelColor(left + 60, rowY(1)), kRed);
        QCOMPARE(image.pixelColor(left + 60, emptyRowY), kBlack);
        release(view, QPoint(left + 10, headingY()));
        // ten pixels or less is refused
        QCOMPARE(view.columns()[3].width, 150);
        image = shownImage(view);
        QCOMPARE(image.pixelColor(left + 60, rowY(1)), kCyan);
        QCOMPARE(image.pixelColor(left + 60, emptyRowY), kWhite);

        press(view, QPoint(view.columns()[4].left + 3, headingY()));
        moveTo(view, QPoint(left + 5, headingY()));
        // no guide line that narrow
        QCOMPARE(shownImage(view).pixelColor(left + 5, emptyRowY), kWhite);
        release(view, QPoint(left + 11, headingY()));
        QCOMPARE(view.columns()[3].width, 11);
    }

    void pressFourPixelsFromABorderMovesTheColumn() {
        CEntryListView& view = makeView(3);
        HintRecorder hints(document());
        const std::vector<int> defaults = fieldIds(view);
        const int designation = view.columns()[3].left;

        press(view, QPoint(designation + 4, headingY()));
        QCOMPARE(view.viewport()->cursor().shape(), Qt::UpArrowCursor);
        QCOMPARE(view.columns()[3].headingY, EntryListGeometry::kGridTop + 1);
        QCOMPARE(view.columns()[2].headingY, view.geometry().rowHeight);
        moveTo(view, QPoint(60, headingY()));
        QCOMPARE(view.columns()[3].textX, 60);
        keepPicture(shownImage(view), "entrylist-moving");
        release(view, QPoint(60, headingY()));

        // Onto a column to its left: it goes before that column.
        std::vector<int> expected = defaults;
        expected.erase(expected.begin() + 3);
        expected.insert(expected.begin() + 1, defaults[3]);
        QCOMPARE(fieldIds(view), expected);
        QCOMPARE(view.viewport()->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(view.columns()[1].headingY, 2 * view.geometry().rowHeight / 3);
        QCOMPARE(view.columns()[1].textX, view.columns()[1].left + 3);
        QCOMPARE(hints.hints, QList<int>{HintColumns});
        keepPicture(shownImage(view), "entrylist-moved");

        // Onto a column to its right: after the columns in between.
        press(view, QPoint(view.columns()[0].left + 10, headingY()));
        release(view, QPoint(view.columns()[2].left + 10, headingY()));
        QCOMPARE(view.columns()[2].fieldId, defaults[0]);
        QCOMPARE(view.columns()[0].fieldId, defaults[3]);
        QVERIFY(view.columns().isValid());
    }

    void gridsRightEdgeIsNoBorderAndADropPastItChangesNothing() {
        writeArrangement(m_cellar->start.path() / "colset.bw3", reversedFieldIds(), 20);
        CEntryListView& view = makeView(3);
        HintRecorder hints(document());
        const std::vector<int> before = fieldIds(view);
        const int right = view.columns().gridRight();
        QCOMPARE(right, 2 + 25 * 20);

        press(view, QPoint(right, headingY()));
        // neither a resize nor a move
        QCOMPARE(view.viewport()->cursor().shape(), Qt::ArrowCursor);
        release(view, QPoint(right - 30, headingY()));
        QCOMPARE(fieldIds(view), before);

        press(view, QPoint(right - 2, headingY()));
        QCOMPARE(view.viewport()->cursor().shape(), Qt::UpArrowCursor);
        QCOMPARE(view.columns()[24].width, 20);
        moveTo(view, QPoint(right + 40, headingY()));
        release(view, QPoint(right + 40, headingY()));
        QCOMPARE(fieldIds(view), before);
        // the heading goes back
        QCOMPARE(view.columns()[24].textX, view.columns()[24].left + 3);
        QVERIFY(hints.hints.isEmpty());
    }

    void clickBelowTheLastEntrySelectsAPositionWithNoEntry() {
        CEntryListView& view = makeView(3);
        sendMouse(view, QEvent::MouseButtonPress, QPoint(100, rowY(5)), Qt::LeftButton);
        QCOMPARE(CEntryListView::sharedState().selectedEntry, 5);
        const QImage image = shownImage(view);
        for (int row = 0; row < 7; ++row)
            QVERIFY(image.pixelColor(100, rowY(row)) != kCyan);

        {
            MenuAnswer onNothing;
            sendMouse(view, QEvent::MouseButtonPress, QPoint(100, rowY(5)), Qt::RightButton);
            QCOMPARE(onNothing.items, (QStringList{"Add a New Entry...", "-", "Cancel"}));
            QCOMPARE(document().entryCount(), 3);
        }
        // In the heading band there is no entry either; adding from there opens the box on a new entry.
        MenuAnswer onHeadings(QStringLiteral("Add a New Entry..."));
        QString mode;
        ModalDialogCatcher<CEntryBox> catcher([&mode](CEntryBox* box) {
            mode = box->mode();
            box->reject();
        });
        sendMouse(view, QEvent::MouseButtonPress, QPoint(100, headingY()), Qt::RightButton);
        QCOMPARE(onHeadings.items, (QStringList{"Add a New Entry...", "-", "Cancel"}));
        QCOMPARE(mode, CEntryBox::kAddMode);
        QCOMPARE(document().entryCount(), 3);
        QCOMPARE(CEntryListView::sharedState().selectedEntry, -1);
    }

    void rightButtonMenuOnAnEntrySelectsItAndColoursIt() {
        CEntryListView& view = makeView(3);
        {
            MenuAnswer answer(QStringLiteral("Color this Entry Green"));
            sendMouse(view, QEvent::MouseButtonPress, QPoint(100, rowY(2)), Qt::RightButton);
            QCOMPARE(answer.items,
                     (QStringList{"View/Modify this Entry...", "Remove this Entry from the Focus Set",
                                  "Copy this Entry...", "-", "Color this Entry Black", "Color this Entry Red",
                                  "Color this Entry Green", "Color this Entry Blue", "-",
                                  "Add a New Entry...", "-", "Cancel"}));
            keepPicture(answer.picture, "entrylist-menu");
            QCOMPARE(CEntryListView::sharedState().selectedEntry, 2);
            QCOMPARE(document().focusEntry(2)->m_nLetterColor, int(CWine::Green));
            QVERIFY(document().isModified());
        }
        MenuAnswer cancel(QStringLiteral("Cancel"));
        sendMouse(view, QEvent::MouseButtonPress, QPoint(100, rowY(0)), Qt::RightButton);
        QCOMPARE(cancel.items.size(), 12);
        QCOMPARE(document().focusEntry(0)->m_nLetterColor, int(CWine::Black));
    }

    void colourCommandsActOnlyOnAnEntry() {
        CEntryListView& view = makeView(2);
        view.selectEntry(5);
        view.colorEntry(CWine::Blue);
        QVERIFY(!document().isModified());
        view.selectEntry(0);
        for (int color : {CWine::Red, CWine::Blue, CWine::Black}) {
            document().setModified(false);
            view.colorEntry(color);
            QCOMPARE(document().focusEntry(0)->m_nLetterColor, color);
            QVERIFY(document().isModified());
        }
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
            mode = box->mode();
            box->reject();
        });
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(CEntryListView::sharedState().selectedEntry, 4);
        QVERIFY(!catcher.seen());
        QTest::keyClick(&view, Qt::Key_Return);
        QVERIFY(catcher.seen());
        QCOMPARE(mode, CEntryBox::kViewMode);
        QCOMPARE(document().entryCount(), 30);
    }

    void keysScrollWithoutMovingTheSelection() {
        CEntryListView& view = makeView(100);
        const int rows = view.geometry().rowsPerPage;
        view.selectEntry(3);
        const auto top = [] { return CEntryListView::sharedState().topRow; };
        QTest::keyClick(&view, Qt::Key_Down);
        QCOMPARE(top(), 1);
        QTest::keyClick(&view, Qt::Key_PageDown);
        QCOMPARE(top(), rows);
        QTest::keyClick(&view, Qt::Key_PageUp);
        QCOMPARE(top(), 1);
        QTest::keyClick(&view, Qt::Key_Up);
        QTest::keyClick(&view, Qt::Key_Up);
        QCOMPARE(top(), 0);
        QTest::keyClick(&view, Qt::Key_End);
        QCOMPARE(top(), 100 - rows);
        QTest::keyClick(&view, Qt::Key_Home);
        QCOMPARE(top(), 0);
        QTest::keyClick(&view, Qt::Key_Right);
        QTest::keyClick(&view, Qt::Key_Right);
        QCOMPARE(view.horizontalOffset(), 2);
        QTest::keyClick(&view, Qt::Key_Left);
        QCOMPARE(view.horizontalOffset(), 1);
        QCOMPARE(CEntryListView::sharedState().selectedEntry, 3);
    }

    void f9CentresTheSelectionAndF10ClearsIt() {
        CEntryListView& view = makeView(100);
        const int rows = view.geometry().rowsPerPage;
        view.selectEntry(50);
        QTest::keyClick(&view, Qt::Key_F9);
        QCOMPARE(CEntryListView::sharedState().topRow, 50 - rows / 2);
        view.selectEntry(2);
        view.goToSelected();
        QCOMPARE(CEntryListView::sharedState().topRow, 0);
        QTest::keyClick(&view, Qt::Key_F10);
        QCOMPARE(CEntryListView::sharedState().selectedEntry, -1);
        view.scrollVertically(EntryListScrolling::ScrollCode::ThumbPosition, 20);
        QTest::keyClick(&view, Qt::Key_F9);
        QCOMPARE(CEntryListView::sharedState().topRow, 20);
    }

    void sortPutsTheFocusSetInOrderFromTheTop() {
        CEntryListView& view = makeView(0);
        for (const char* producer : {"Zeta", "Alpha", "Mid"})
            document().focusEntry(document().addNewEntry())->m_strProducer = producer;
        for (int i = 0; i < 40; ++i)
            document().focusEntry(document().addNewEntry())->m_strProducer = "Omega";
        view.scrollVertically(EntryListScrolling::ScrollCode::ThumbPosition, 10);
        QCOMPARE(CEntryListView::sharedState().topRow, 10);
        view.sortEntries();
        QCOMPARE(CEntryListView::sharedState().topRow, 0);
        QCOMPARE(document().focusEntry(0)->m_strProducer, std::string("Alpha"));
        QCOMPARE(document().focusEntry(1)->m_strProducer, std::string("Mid"));
        QCOMPARE(document().focusEntry(42)->m_strProducer, std::string("Zeta"));
    }

    void fontCommandChangesBothPanesAndTheirRows() {
        fillDocument(document(), 3);
        QSplitter splitter;
        auto* left = new CEntryListView(document(), m_cellar->names);
        splitter.addWidget(left);
        auto* right = new CEntryListView(document(), m_cellar->names, left);
        splitter.addWidget(right);
        splitter.resize(800, 300);
        splitter.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splitter));
        const int rowHeight = left->geometry().rowHeight;

        QFont big(QStringLiteral("Liberation Serif"), 24);
        ModalDialogCatcher<QFontDialog> catcher([&](QFontDialog* dialog) {
            dialog->setCurrentFont(big);
            dialog->accept();
        });
        right->selectFont();
        QVERIFY(catcher.seen());
        QCOMPARE(right->listFont(), left->listFont());
        QCOMPARE(left->listFont().family(), QString("Liberation Serif"));
        for (const CEntryListView* pane : {left, right}) {
            QVERIFY(pane->geometry().rowHeight > rowHeight);
            QCOMPARE(pane->geometry().rowHeight, QFontMetrics(pane->listFont()).height() + 2);
            QCOMPARE(pane->columns()[0].headingY, 2 * pane->geometry().rowHeight / 3);
        }
    }

    void mainFrameCommandsReachTheEntryList() {
        fillDocument(document(), 3);
        CMainFrame frame(m_cellar->names);
        frame.setDocument(&document());
        frame.showWindowOfKind(ViewKind::EntryList);
        CEntryListView& pane = *frame.entryListFrame()->activePane();
        QAction* goTo = frame.action(CommandId::GoToSelectedEntry);
        QAction* deselect = frame.action(CommandId::DeselectSelectedEntry);
        QAction* boundary = frame.action(CommandId::ShowPrintBoundary);
        frame.refreshCommandStates();
        QVERIFY(!goTo->isEnabled());
        QVERIFY(!deselect->isEnabled());
        for (int id :
             {CommandId::Sort, CommandId::AddEntry, CommandId::SelectFont, CommandId::ShowPrintBoundary})
            QVERIFY(frame.action(id)->isEnabled());

        pane.selectEntry(7); // below the last entry: still a selection
        frame.refreshCommandStates();
        QVERIFY(goTo->isEnabled());
        QVERIFY(deselect->isEnabled());
        deselect->trigger();
        QCOMPARE(CEntryListView::sharedState().selectedEntry, -1);
        QVERIFY(!goTo->isEnabled());

        QVERIFY(!boundary->isChecked());
        boundary->trigger();
        QVERIFY(CEntryListView::sharedState().printBoundaryShown);
        QVERIFY(boundary->isChecked());
        boundary->trigger();
        QVERIFY(!CEntryListView::sharedState().printBoundaryShown);
        QVERIFY(!boundary->isChecked());

        ModalDialogCatcher<CEntryBox> catcher([](CEntryBox* box) {
            QCOMPARE(box->mode(), CEntryBox::kAddMode);
            box->reject();
        });
        frame.action(CommandId::AddEntry)->trigger();
        QVERIFY(catcher.seen());
        QCOMPARE(document().entryCount(), 3);
        frame.setDocument(nullptr);
    }

    void printBoundaryFollowsThePrintersPageAndTheMargins() {
        TestStartDirectory start;
        CBottlewrightApp app(start.path(), CBottlewrightApp::Show::Hidden);
        QAction* boundary = app.mainFrame().action(CommandId::ShowPrintBoundary);
        boundary->trigger();
        const int shown = CEntryListView::sharedState().printBoundaryX;
        QVERIFY(shown > 300);
        QVERIFY(shown < 1700);
        boundary->trigger();
        QCOMPARE(CEntryListView::sharedState().printBoundaryX, shown);

        // An inch more of left margin takes an inch off the printed width.
        QSettings().setValue("Printing/Left Margin", 1750);
        boundary->trigger();
        QCOMPARE(CEntryListView::sharedState().printBoundaryX, shown - 100);
        boundary->trigger();
    }

    void addThenCancelLeavesNothing() {
        CEntryListView& view = makeView(3);
        view.selectEntry(1);
        HintRecorder hints(document());
        ModalDialogCatcher<CEntryBox> catcher([this](CEntryBox* box) {
            QCOMPARE(box->mode(), CEntryBox::kAddMode);
            QCOMPARE(document().entryCount(), 4);
            QCOMPARE(CEntryListView::sharedState().selectedEntry, 3);
            boxButton(box, QStringLiteral("Cancel"))->click();
        });
        view.addEntry();
        QVERIFY(catcher.seen());
        QCOMPARE(document().entryCount(), 3);
        QVERIFY(!document().isModified());
        QCOMPARE(CEntryListView::sharedState().selectedEntry, -1);
        QVERIFY(hints.hints.isEmpty());
    }

    void addWithNothingTypedAsksAboutTheNullEntry() {
        CEntryListView& view = makeView(2);
        const auto okOnTheNewEntry = [](CEntryBox* box) { boxButton(box, QStringLiteral("OK"))->click(); };
        {
            MessageBoxCatcher boxes(QMessageBox::Yes);
            ModalDialogCatcher<CEntryBox> catcher(okOnTheNewEntry);
            view.addEntry();
            QCOMPARE(boxes.texts(), QStringList{"The Entry Box contains no significant information.\n"
                                                "Do you want to remove this null entry?"});
            QCOMPARE(document().entryCount(), 2);
            QVERIFY(!document().isModified());
        }
        {
            MessageBoxCatcher boxes(QMessageBox::No);
            ModalDialogCatcher<CEntryBox> catcher(okOnTheNewEntry);
            view.addEntry();
            QCOMPARE(boxes.count(), 1);
            QCOMPARE(document().entryCount(), 3);
            QVERIFY(document().isModified());
            QCOMPARE(document().focusEntry(2)->m_nVintage, 1993);
            QCOMPARE(document().focusEntry(2)->m_strDateModified, std::string("12-5-26"));
        }
    }

    void copyThenNextKeepsTheCopyAndShowsTheFollowingEntry() {
        CEntryListView& view = makeView(3);
        view.selectEntry(1);
        QStringList modes;
        int shownAfterNext = -1;
        ModalDialogCatcher<CEntryBox> catcher([&](CEntryBox* box) {
            modes << box->mode();
            boxButton(box, QStringLiteral("&>>"))->click();
            modes << box->mode();
            shownAfterNext = CEntryListView::sharedState().selectedEntry;
            QCOMPARE(box->values().producer, document().focusEntry(shownAfterNext)->m_strProducer);
            boxButton(box, QStringLiteral("Cancel"))->click();
        });
        view.copyEntry();
        QCOMPARE(modes, (QStringList{CEntryBox::kCopyMode, CEntryBox::kViewMode}));
        // the copy is last; after it comes the first
        QCOMPARE(shownAfterNext, 0);
        QCOMPARE(document().entryCount(), 4);
        QCOMPARE(document().focusEntry(3)->m_strProducer, std::string("Producer 1"));
        QVERIFY(document().isModified());
    }

    void nextAndPreviousWrapAround() {
        CEntryListView& view = makeView(3);
        view.selectEntry(2);
        QList<int> shown;
        ModalDialogCatcher<CEntryBox> catcher([&](CEntryBox* box) {
            boxButton(box, QStringLiteral("&>>"))->click();
            shown << CEntryListView::sharedState().selectedEntry;
            boxButton(box, QStringLiteral("&<<"))->click();
            shown << CEntryListView::sharedState().selectedEntry;
            boxButton(box, QStringLiteral("&<<"))->click();
            shown << CEntryListView::sharedState().selectedEntry;
            QCOMPARE(box->values().producer, std::string("Producer 1"));
            boxButton(box, QStringLiteral("Cancel"))->click();
        });
        view.viewEntry();
        QCOMPARE(shown, (QList<int>{0, 2, 1}));
        QCOMPARE(document().entryCount(), 3);
        // stepping over unchanged entries stores nothing
        QVERIFY(!document().isModified());
    }

    void deletingTheOnlyEntryClosesTheBox() {
        CEntryListView& view = makeView(1);
        view.selectEntry(0);
        HintRecorder hints(document());
        MessageBoxCatcher boxes(QMessageBox::Yes);
        ModalDialogCatcher<CEntryBox> catcher(
            [](CEntryBox* box) { boxButton(box, QStringLiteral("&Delete"))->click(); });
        view.viewEntry();
        QVERIFY(catcher.seen());
        QCOMPARE(boxes.texts(), QStringList{"Are you sure you want to delete this entry?\n"});
        QCOMPARE(document().entryCount(), 0);
        QCOMPARE(document().focusCount(), 0);
        QCOMPARE(CEntryListView::sharedState().selectedEntry, -1);
        QVERIFY(document().isModified());
        QCOMPARE(hints.hints, QList<int>{HintFocusSet});
    }

    void okOnAnUnchangedEntryChangesNothing() {
        CEntryListView& view = makeView(2);
        document().focusEntry(1)->m_strDateModified = "3-4-99";
        view.selectEntry(1);
        HintRecorder hints(document());
        ModalDialogCatcher<CEntryBox> catcher(
            [](CEntryBox* box) { boxButton(box, QStringLiteral("OK"))->click(); });
        view.viewEntry();
        QVERIFY(catcher.seen());
        QCOMPARE(document().focusEntry(1)->m_strDateModified, std::string("3-4-99"));
        QVERIFY(!document().isModified());
        QVERIFY(hints.hints.isEmpty());
    }

    void changedBottleCountAddsOneHistoryItemAndStampsToday() {
        CEntryListView& view = makeView(1);
        CWine& wine = *document().focusEntry(0);
        wine.m_nNumberRemaining = 12;
        wine.m_strDateModified = "3-4-99";
        const std::string history = wine.m_strHistory;
        view.selectEntry(0);
        HintRecorder hints(document());
        ModalDialogCatcher<CEntryBox> catcher([](CEntryBox* box) {
            auto* numberLeft =
                box->findChild<QLineEdit*>(QStringLiteral("field%1").arg(CWine::NumberRemaining));
            QCOMPARE(numberLeft->text(), QString("12"));
            numberLeft->setText(QStringLiteral("11"));
            box->findChild<QTabWidget*>()->setCurrentIndex(1);
            boxButton(box, QStringLiteral("OK"))->click();
        });
        view.viewEntry();
        QVERIFY(catcher.seen());
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
