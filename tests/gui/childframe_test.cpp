#include "gui/views/entrylist/CChildFrame.h"
#include "gui/views/entrylist/CEntryListView.h"
#include "gui/views/entrylist/CSplitBox.h"
#include "helpers/MessageBoxCatcher.h"
#include "helpers/TestFixtures.h"

#include <memory>
#include <optional>

#include <QMdiArea>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QTest>

namespace {

std::vector<std::pair<int, int>> idsAndWidths(const CEntryListView& view) {
    std::vector<std::pair<int, int>> table;
    for (int i = 0; i < EntryListColumns::kCount; ++i)
        table.emplace_back(view.columns()[i].fieldId, view.columns()[i].width);
    return table;
}

bool showsSelection(const CEntryListView& view, int row) {
    const QImage image = view.viewport()->grab().toImage();
    const int y = view.geometry().rowTop(row) + view.geometry().rowHeight / 2;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) == QColor(0, 255, 255))
            return true;
    }
    return false;
}

} // namespace

class ChildFrameTest : public QObject {
    Q_OBJECT
private:
    CChildFrame& makeFrame(int entries) {
        fillDocument(m_cellar->document, entries);
        m_area = std::make_unique<QMdiArea>();
        m_area->resize(900, 400);
        m_frame = new CChildFrame(m_cellar->document, m_cellar->names);
        m_frame->setAttribute(Qt::WA_DeleteOnClose);
        m_area->addSubWindow(m_frame);
        m_frame->showMaximized();
        m_area->show();
        if (!QTest::qWaitForWindowExposed(m_area.get()))
            qWarning("the frame was not exposed");
        return *m_frame;
    }

    std::optional<EmptyCellar> m_cellar;
    std::unique_ptr<QMdiArea> m_area;
    QPointer<CChildFrame> m_frame;

private Q_SLOTS:
    void init() { m_cellar.emplace(); }

    void cleanup() {
        m_area.reset();
        m_cellar.reset();
    }

    void startsWithOnePaneAndSplitPaneCopiesColumnsAndFont() {
        writeArrangement(m_cellar->start.path() / "colset.bw3", reversedFieldIds(), 60, 1);
        QSettings().setValue("Entry List/Font Size", 17);
        CChildFrame& frame = makeFrame(3);
        QCOMPARE(frame.windowTitle(), QString("Entry List"));
        QCOMPARE(frame.kind(), ViewKind::EntryList);
        QCOMPARE(frame.paneCount(), 1);
        QVERIFY(!frame.isSplit());
        QCOMPARE(frame.activePane(), frame.pane(0));
        QCOMPARE(frame.pane(0)->otherPane(), nullptr);
        QVERIFY(frame.pane(0)->verticalScrollBar()->isVisible());
        frame.pane(0)->scrollHorizontally(CEntryListView::ScrollCode::ThumbPosition, 100);

        frame.split();
        QCOMPARE(frame.paneCount(), 2);
        QVERIFY(frame.isSplit());
        CEntryListView* left = frame.pane(0);
        CEntryListView* right = frame.pane(1);
        QCOMPARE(left->otherPane(), right);
        QCOMPARE(right->otherPane(), left);
        QCOMPARE(idsAndWidths(*right), idsAndWidths(*left));
        QCOMPARE(right->columns()[0].fieldId, 24);
        QCOMPARE(right->horizontalOffset(), 0);
        QCOMPARE(right->columns()[0].left, 2);
        QCOMPARE(right->listFont(), left->listFont());
        QCOMPARE(right->listFont().pixelSize(), 17);
        // One vertical scroll bar for the row, at the right.
        QVERIFY(!left->verticalScrollBar()->isVisible());
        QVERIFY(right->verticalScrollBar()->isVisible());
        QVERIFY(!left->findChild<CSplitBox*>()->isVisible());

        frame.unsplit();
        QCOMPARE(frame.paneCount(), 1);
        QCOMPARE(frame.pane(0), left);
        QVERIFY(left->verticalScrollBar()->isVisible());
        QVERIFY(left->findChild<CSplitBox*>()->isVisible());
    }

    void splitBoxAndDividerSplitAndJoinAndOnlyTheLastPaneWrites() {
        CChildFrame& frame = makeFrame(3);
        auto* box = frame.pane(0)->findChild<CSplitBox*>();
        QVERIFY(box != nullptr && box->isVisible());
        QTest::mouseDClick(box, Qt::LeftButton);
        QCOMPARE(frame.paneCount(), 2);

        auto* splitter = frame.findChild<QSplitter*>();
        QTest::mouseDClick(splitter->handle(1), Qt::LeftButton);
        QTRY_COMPARE(frame.paneCount(), 1);

        // Dragging the box to x 300 makes a left pane of that width.
        box = frame.pane(0)->findChild<CSplitBox*>();
        const QPoint start(3, box->height() / 2);
        const QPoint end = box->mapFrom(splitter, QPoint(300, 40));
        QTest::mousePress(box, Qt::LeftButton, {}, start);
        QTest::mouseMove(box, end);
        QTest::mouseRelease(box, Qt::LeftButton, {}, end);
        QCOMPARE(frame.paneCount(), 2);
        QCOMPARE(splitter->sizes().first(), 300);

        // Dragging the divider to the left edge closes the left pane; the right one stays.
        CEntryListView* right = frame.pane(1);
        QSplitterHandle* handle = splitter->handle(1);
        QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(2, 20));
        QTest::mouseMove(handle, QPoint(-400, 20));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(-400, 20));
        QTRY_COMPARE(frame.paneCount(), 1);
        QCOMPARE(frame.pane(0), right);
        QVERIFY(right->findChild<CSplitBox*>()->isVisible());

        // Only the last pane to go writes the arrangement and the font.
        const std::filesystem::path colset = m_cellar->start.path() / "colset.bw3";
        QVERIFY(!std::filesystem::exists(colset));
        QVERIFY(!QSettings().contains("Entry List/Font Size"));
        frame.split();
        delete m_frame;
        QVERIFY(std::filesystem::exists(colset));
        QCOMPARE(QSettings().value("Entry List/Font Size").toInt(), 12);
    }

    void panesShareSelectionAndTopRowButNotHorizontalOffsetAndF6SwitchesPanes() {
        CChildFrame& frame = makeFrame(100);
        frame.split();
        CEntryListView* left = frame.pane(0);
        CEntryListView* right = frame.pane(1);

        left->selectEntry(3);
        QVERIFY(showsSelection(*left, 3));
        QVERIFY(showsSelection(*right, 3));

        right->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(m_frame->pane(0)->sharedState().topRow, 1);
        QCOMPARE(left->verticalScrollBar()->value(), 1);
        QVERIFY(showsSelection(*left, 2));
        QVERIFY(showsSelection(*right, 2));
        right->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(left->verticalScrollBar()->value(), m_frame->pane(0)->sharedState().topRow);

        right->horizontalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QVERIFY(right->horizontalOffset() > 0);
        QCOMPARE(left->horizontalOffset(), 0);
        QCOMPARE(left->columns()[1].left, 42);

        left->setFocus();
        QTRY_COMPARE(frame.activePane(), left);
        QTest::keyClick(left, Qt::Key_F6);
        QTRY_COMPARE(frame.activePane(), right);
        QVERIFY(right->hasFocus());
        QTest::keyClick(right, Qt::Key_F6);
        QTRY_COMPARE(frame.activePane(), left);
        QTest::keyClick(left, Qt::Key_F6, Qt::ShiftModifier);
        QTRY_COMPARE(frame.activePane(), right);
    }

    void arrangementsComeBackInBothPanesAndBadOnesGiveTheDefaults() {
        writeArrangement(m_cellar->start.path() / "colset.bw3", reversedFieldIds(), 45, 1);
        // Which files are malformed is the core's test; one bad file shows the wiring.
        std::vector<int> repeated = reversedFieldIds();
        repeated[5] = repeated[6];
        writeArrangement(m_cellar->start.path() / "repeated.bwc", repeated, 55);
        CChildFrame& frame = makeFrame(3);
        frame.split();
        CEntryListView* left = frame.pane(0);
        CEntryListView* right = frame.pane(1);
        const auto arranged = idsAndWidths(*left);
        QCOMPARE(arranged.front(), std::make_pair(24, 45));

        const QString stored = m_cellar->start.filePath("saved.bwc");
        left->setArrangementFilePrompt([&](bool) { return stored; });
        left->storeColumnArrangement();
        QVERIFY(QFile::exists(stored));

        MessageBoxCatcher boxes;
        right->setArrangementFilePrompt([](bool) { return QString("repeated.bwc"); });
        right->retrieveColumnArrangement();
        QCOMPARE(boxes.lastText(),
                 QString("Unable to retrieve the specified arrangement.\nDefault settings will be invoked."));
        for (CEntryListView* view : {left, right}) {
            QVERIFY(view->columns().isValid());
            QCOMPARE(view->columns()[0].heading, std::string("Vint"));
            QCOMPARE(view->columns()[23].fieldId, 24);
        }

        // A bare name is looked up in the start directory.
        right->setArrangementFilePrompt([](bool) { return QString("saved.bwc"); });
        right->retrieveColumnArrangement();
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(idsAndWidths(*right), arranged);
        QCOMPARE(idsAndWidths(*left), arranged);
        QCOMPARE(left->columns()[0].heading, std::string("Drk"));
    }
};

QTEST_MAIN(ChildFrameTest)
#include "childframe_test.moc"
