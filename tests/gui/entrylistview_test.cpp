#include "app/AppSettings.h"
#include "document/CBottlewrightDoc.h"
#include "helpers/IsolatedSettings.h"
#include "helpers/MessageBoxCatcher.h"
#include "helpers/ModalDialogCatcher.h"
#include "helpers/TestFixtures.h"
#include "helpers/TestStartDirectory.h"
#include "setup/FieldNames.h"
#include "views/entrylist/CEntryListView.h"

#include <fstream>
#include <memory>
#include <optional>

#include <QFileDialog>
#include <QFontInfo>
#include <QPaintEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTest>

namespace {

int countPixels(const QImage& image, const QRect& area, const QColor& color) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) == color)
                ++count;
        }
    }
    return count;
}

// Text is smoothed: a letter's pixels are its colour blended with the background.
int countInk(const QImage& image, const QRect& area, const QColor& color) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.lightness() < 200 && std::abs(pixel.red() - color.red()) < 60 &&
                std::abs(pixel.green() - color.green()) < 60 && std::abs(pixel.blue() - color.blue()) < 60)
                ++count;
        }
    }
    return count;
}

QImage shownImage(const CEntryListView& view) {
    return view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The rectangle of data row `row` between the frame lines, inside the row's rules.
QRect rowInterior(const CEntryListView& view, int row) {
    const EntryListGeometry& geometry = view.geometry();
    const int top = geometry.rowTop(row) + 1;
    return QRect(view.columns().gridLeft() + 1, top, view.viewport()->width() - view.columns().gridLeft() - 2,
                 geometry.rowHeight - 1);
}

// Records the area of every paint of a widget.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* widget) { widget->installEventFilter(this); }
    QList<QRect> areas;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            areas.append(static_cast<QPaintEvent*>(event)->region().boundingRect());
        return false;
    }
};

} // namespace

class EntryListViewTest : public QObject {
    Q_OBJECT
private:
    CEntryListView& makeView(int entries, QSize size = QSize(700, 300)) {
        fillDocument(*m_document, entries);
        m_view = std::make_unique<CEntryListView>(*m_document, m_fieldNames);
        m_view->resize(size);
        m_view->show();
        if (!QTest::qWaitForWindowExposed(m_view.get()))
            qWarning("the view was not exposed");
        return *m_view;
    }

    std::optional<IsolatedSettings> m_settings;
    std::unique_ptr<TestStartDirectory> m_start;
    std::unique_ptr<CBottlewrightDoc> m_document;
    FieldNames m_fieldNames;
    std::unique_ptr<CEntryListView> m_view;

private Q_SLOTS:
    void init() {
        m_settings.emplace();
        m_start = std::make_unique<TestStartDirectory>(TestStartDirectory::Empty);
        m_document = std::make_unique<CBottlewrightDoc>(m_start->path());
        m_fieldNames.setDefaults();
        CEntryListView::sharedState() = EntryListSharedState{};
    }

    void cleanup() {
        m_view.reset();
        m_document.reset();
        m_start.reset();
        m_settings.reset();
    }

    void firstPaneTakesColsetOrTheDefaults() {
        const CEntryListView& defaults = makeView(3);
        QVERIFY(defaults.columns().isValid());
        QCOMPARE(defaults.columns()[0].fieldId, 0);
        QCOMPARE(defaults.columns()[23].fieldId, 24);
        QCOMPARE(defaults.columns()[24].heading, std::string("Date Acquired"));
        QCOMPARE(defaults.columns()[0].left, 2);
        QCOMPARE(defaults.columns().gridRight(), 2 + 1910);

        m_view.reset();
        writeArrangement(m_start->path() / "colset.bw3", reversedFieldIds(), 70);
        m_fieldNames.setName(CWine::NumberConsumed, "Consumed");
        const CEntryListView& view = makeView(0);
        QCOMPARE(view.columns()[0].fieldId, 24);
        QCOMPARE(view.columns()[0].width, 70);
        QCOMPARE(view.columns()[0].heading, std::string("Consumed"));
        QCOMPARE(view.columns()[24].fieldId, 0);
    }

    void paintsRowsSelectionAndLetterColours() {
        CEntryListView& view = makeView(5);
        view.selectEntry(2);
        QCOMPARE(CEntryListView::sharedState().selectedEntry, 2);
        const QImage image = shownImage(view);
        const QColor cyan(0, 255, 255);
        const QColor red(255, 0, 0);
        const QColor black(0, 0, 0);

        const QRect selected = rowInterior(view, 2);
        QVERIFY(countPixels(image, selected, cyan) > selected.width() * selected.height() / 2);
        QCOMPARE(countPixels(image, rowInterior(view, 1), cyan), 0);
        QVERIFY2(countInk(image, rowInterior(view, 1), red) > 20, "entry 1 has red letters");
        QCOMPARE(countInk(image, rowInterior(view, 0), red), 0);
        const EntryListColumn& producer = view.columns()[1];
        const QRect producerCell(producer.left + 1, view.geometry().rowTop(0) + 1, producer.width - 2,
                                 view.geometry().rowHeight - 1);
        QVERIFY(countInk(image, producerCell, black) > 20);

        // Rows without an entry are still ruled, and the frame closes the grid below the last one.
        const EntryListGeometry& geometry = view.geometry();
        QVERIFY(geometry.rowsPerPage > 6);
        const int x = view.columns()[1].left + 20;
        QCOMPARE(image.pixelColor(x, geometry.rowTop(6)), black);
        QCOMPARE(image.pixelColor(x, geometry.rowTop(6) + 3), view.palette().color(QPalette::Window));
        QCOMPARE(image.pixelColor(x, geometry.gridBottom), black);
        QCOMPARE(image.pixelColor(view.columns().gridLeft(), geometry.rowTop(3)), black);
        QCOMPARE(image.pixelColor(view.columns()[2].left, geometry.rowTop(3) + 3), black);

        view.selectEntry(-1);
        QCOMPARE(countPixels(shownImage(view), selected, cyan), 0);
    }

    void numericColumnsLineUpTheirDigits() {
        CEntryListView& view = makeView(0);
        CWine& wine = *m_document->focusEntry(m_document->addNewEntry());
        wine.m_nNumberRemaining = 7;
        wine.m_fCost = 5.0f;
        m_document->updateAllViews(nullptr, HintFocusSet);
        const QImage image = shownImage(view);

        // "  7" drawn with spaces as wide as digits ends where "007" would end.
        const QFontMetrics metrics(view.listFont());
        const EntryListColumn& quantity = view.columns()[5];
        const int digitsEnd = quantity.textX + metrics.horizontalAdvance(QStringLiteral("007"));
        const QRect row = rowInterior(view, 0);
        int rightmostInk = -1;
        for (int x = quantity.left + 1; x < quantity.left + quantity.width; ++x) {
            for (int y = row.top(); y <= row.bottom(); ++y) {
                if (image.pixelColor(x, y).lightness() < 128)
                    rightmostInk = x;
            }
        }
        QVERIFY2(rightmostInk > digitsEnd - metrics.horizontalAdvance(QLatin1Char('7')),
                 "digit drawn in place");
        QVERIFY(rightmostInk <= digitsEnd + 1);
    }

    void headingsFollowFieldNameChanges() {
        CEntryListView& view = makeView(2);
        const QRect band(0, 0, view.viewport()->width(), view.geometry().firstRowY);
        const QImage before = shownImage(view).copy(band);
        QCOMPARE(view.columns()[16].heading, std::string("User1"));

        m_fieldNames.setName(16, "Cellar");
        m_fieldNames.setName(0, "Year");
        m_document->updateAllViews(nullptr, HintFieldNames);
        QCOMPARE(view.columns()[16].heading, std::string("Cellar"));
        QCOMPARE(view.columns()[0].heading, std::string("Year"));
        QVERIFY(shownImage(view).copy(band) != before);
    }

    void fontComesFromTheSettings() {
        QSettings settings;
        settings.setValue("Entry List/Font Size", 20);
        settings.setValue("Entry List/Font Weight", 700);
        settings.setValue("Entry List/FontIsItalic", 1);
        settings.setValue("Entry List/Font Face", "Liberation Serif");
        settings.sync();
        const CEntryListView& view = makeView(2);
        QCOMPARE(view.listFont().pixelSize(), 20);
        QCOMPARE(view.listFont().weight(), QFont::Bold);
        QVERIFY(view.listFont().italic());
        QCOMPARE(view.listFont().family(), QString("Liberation Serif"));
        QCOMPARE(view.geometry().rowHeight, QFontMetrics(view.listFont()).height() + 2);
        QCOMPARE(view.columns()[0].headingY, 2 * view.geometry().rowHeight / 3);
    }

    void lastPaneKeepsArrangementAndFont() {
        writeArrangement(m_start->path() / "colset.bw3", reversedFieldIds(), 66);
        makeView(2);
        CEntryListView::sharedState().selectedEntry = 1;
        std::filesystem::remove(m_start->path() / "colset.bw3");
        m_view.reset();

        QCOMPARE(CEntryListView::sharedState().selectedEntry, -1);
        std::ifstream colset(m_start->path() / "colset.bw3");
        std::string firstLine;
        std::getline(colset, firstLine);
        QCOMPARE(firstLine, std::string("24 66 0"));
        QSettings settings;
        QCOMPARE(settings.value("Entry List/Font Size").toInt(), 12);
        QCOMPARE(settings.value("Entry List/Font Weight").toInt(), 400);
        QCOMPARE(settings.value("Entry List/FontIsItalic").toInt(), 0);
        QCOMPARE(settings.value("Entry List/Font Face").toString(), QString("Arial"));
    }

    void scrollBarActionsMoveTheTopRow() {
        CEntryListView& view = makeView(100);
        const int rowsPerPage = view.geometry().rowsPerPage;
        QScrollBar* bar = view.verticalScrollBar();
        QCOMPARE(bar->maximum(), 100 - rowsPerPage);

        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(CEntryListView::sharedState().topRow, rowsPerPage - 1);
        QCOMPARE(bar->value(), rowsPerPage - 1);
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(CEntryListView::sharedState().topRow, rowsPerPage);
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(CEntryListView::sharedState().topRow, rowsPerPage - 2);
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(CEntryListView::sharedState().topRow, 100 - rowsPerPage);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(CEntryListView::sharedState().topRow, 100 - rowsPerPage);
        QCOMPARE(bar->value(), 100 - rowsPerPage);
        bar->setSliderPosition(40); // dragging the thumb
        QCOMPARE(CEntryListView::sharedState().topRow, 40);
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        QCOMPARE(CEntryListView::sharedState().topRow, 40 + 1 - rowsPerPage);

        // The first row shows the entry at the top row.
        view.selectEntry(40 + 1 - rowsPerPage);
        QVERIFY(countPixels(shownImage(view), rowInterior(view, 0), QColor(0, 255, 255)) > 0);
    }

    void oneLineScrollMovesPixelsAndDrawsOneRow() {
        CEntryListView& view = makeView(100);
        view.selectEntry(3);
        QTest::qWait(20);
        PaintRecorder paints(view.viewport());
        const EntryListGeometry geometry = view.geometry();

        view.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QTRY_VERIFY(!paints.areas.isEmpty());
        QCOMPARE(paints.areas.size(), 1);
        const QRect lastRow(view.columns().gridLeft() + 1, geometry.rowTop(geometry.rowsPerPage - 1),
                            view.columns().gridRight() - view.columns().gridLeft() - 1, geometry.rowHeight);
        QCOMPARE(paints.areas.first(), lastRow & view.viewport()->rect());

        paints.areas.clear();
        view.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QTRY_VERIFY(!paints.areas.isEmpty());
        QCOMPARE(paints.areas.first().top(), geometry.firstRowY);
        QCOMPARE(paints.areas.first().height(), geometry.rowHeight);

        // What the window shows after moving pixels equals a complete drawing.
        view.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        view.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QTest::qWait(20);
        const QPoint origin = view.viewport()->mapTo(&view, QPoint(0, 0));
        const QImage onScreen = view.screen()
                                    ->grabWindow(view.winId(), origin.x(), origin.y(),
                                                 view.viewport()->width(), view.viewport()->height())
                                    .toImage()
                                    .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(onScreen, shownImage(view));
    }

    void horizontalScrollStopsAtTheGridsRightEdge() {
        CEntryListView& view = makeView(5, QSize(600, 300));
        const int client = view.viewport()->width();
        QScrollBar* bar = view.horizontalScrollBar();
        QCOMPARE(bar->maximum(), 1910 - client);
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(view.horizontalOffset(), 10);
        QCOMPARE(view.columns()[0].left, 2 - 10);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(view.horizontalOffset(), 10 + client / 3);
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(view.horizontalOffset(), 1910 - client);
        QCOMPARE(view.columns().gridRight(), client + 2);
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(view.horizontalOffset(), 1910 - client);
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(view.horizontalOffset(), 0);
        QCOMPARE(view.columns().gridLeft(), 2);
    }

    void changesReturnToTheTopAndSortingClearsTheSelection() {
        CEntryListView& view = makeView(100);
        view.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        m_document->updateAllViews(nullptr, HintFieldNames);
        m_document->updateAllViews(nullptr, HintPrinter);
        QVERIFY(CEntryListView::sharedState().topRow > 0);
        for (const int hint : {HintLetterColors, HintFocusSet}) {
            view.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
            m_document->updateAllViews(nullptr, hint);
            QCOMPARE(CEntryListView::sharedState().topRow, 0);
            QCOMPARE(view.verticalScrollBar()->value(), 0);
        }

        view.selectEntry(4);
        m_document->sortFocusSet();
        QCOMPARE(CEntryListView::sharedState().selectedEntry, -1);
    }

    void printBoundaryIsDashedRed() {
        CEntryListView& view = makeView(3);
        const QColor red(255, 0, 0);
        const QRect column(299, 2, 3, view.geometry().gridBottom - 2);
        EntryListSharedState& shared = CEntryListView::sharedState();
        shared.printBoundaryShown = true;
        QCOMPARE(countPixels(shownImage(view), column, red), 0); // not computed yet
        shared.printBoundaryX = 300;
        const QImage image = shownImage(view);
        const int dashes = countPixels(image, column, red);
        QVERIFY(dashes > 20);
        QVERIFY(dashes < column.height() - 10);
        shared.printBoundaryShown = false;
        QCOMPARE(countPixels(shownImage(view), column, red), 0);
    }

    void storeDialogAsksWithTheProgramsCaption() {
        CEntryListView& view = makeView(1);
        const QString target = m_start->filePath("mine");
        QString title;
        QStringList filters;
        QString suffix;
        ModalDialogCatcher<QFileDialog> catcher([&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            suffix = dialog->defaultSuffix();
            dialog->selectFile(target);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        view.storeColumnArrangement();
        QVERIFY(catcher.seen());
        QCOMPARE(title, QString("Save Column Arangement"));
        QCOMPARE(filters, QStringList{"Column Arrangements (*.bwc)"});
        QCOMPARE(suffix, QString("bwc"));
        QVERIFY(QFile::exists(target + ".bwc"));
    }

    void retrievingABadFileWarnsAndDefaults() {
        writeArrangement(m_start->path() / "colset.bw3", reversedFieldIds(), 66);
        CEntryListView& view = makeView(2);
        std::vector<int> repeated = reversedFieldIds();
        repeated[5] = repeated[6];
        writeArrangement(m_start->path() / "bad.bwc", repeated, 55);
        view.setArrangementFilePrompt(
            [](bool forStoring) { return forStoring ? QString() : QString("bad.bwc"); });

        MessageBoxCatcher boxes;
        view.retrieveColumnArrangement();
        QCOMPARE(
            boxes.texts(),
            QStringList{"Unable to retrieve the specified arrangement.\nDefault settings will be invoked."});
        QVERIFY(view.columns().isValid());
        QCOMPARE(view.columns()[0].fieldId, 0);
        QCOMPARE(view.columns()[0].width, 40);
        QCOMPARE(view.columns()[0].heading, std::string("Vint"));
        QCOMPARE(view.columns()[1].left, 42);
    }
};

QTEST_MAIN(EntryListViewTest)
#include "entrylistview_test.moc"
