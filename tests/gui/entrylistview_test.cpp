#include "gui/views/entrylist/CEntryListView.h"
#include "helpers/ModalDialogCatcher.h"
#include "helpers/TestFixtures.h"

#include <fstream>
#include <functional>
#include <memory>
#include <optional>

#include <QFileDialog>
#include <QPaintEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTest>

namespace {

// With `ink`, smoothed text counts too: a letter's pixels are its colour blended with the background.
int countPixels(const QImage& image, const QRect& area, const QColor& color, bool ink = false) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (ink ? pixel.lightness() < 200 && std::abs(pixel.red() - color.red()) < 60 &&
                          std::abs(pixel.green() - color.green()) < 60 &&
                          std::abs(pixel.blue() - color.blue()) < 60
                    : pixel == color)
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
        m_view = showEntryList(*m_cellar, entries, size);
        return *m_view;
    }

    std::optional<EmptyCellar> m_cellar;
    std::unique_ptr<CEntryListView> m_view;

private Q_SLOTS:
    void init() { m_cellar.emplace(); }

    void cleanup() {
        m_view.reset();
        m_cellar.reset();
    }

    void firstPaneTakesColsetOrTheDefaults() {
        const CEntryListView& defaults = makeView(3);
        QVERIFY(defaults.columns().isValid()); // the default table itself is the core's
        const QRect band(0, 0, defaults.viewport()->width(), defaults.geometry().firstRowY);
        const QImage before = shownImage(defaults).copy(band);
        QCOMPARE(defaults.columns()[16].heading, std::string("User1"));
        m_cellar->names.setName(16, "Cellar");
        m_cellar->names.setName(0, "Year");
        m_cellar->document.fieldNamesChanged();
        QCOMPARE(defaults.columns()[16].heading, std::string("Cellar"));
        QCOMPARE(defaults.columns()[0].heading, std::string("Year"));
        QVERIFY(shownImage(defaults).copy(band) != before);

        m_view.reset();
        writeArrangement(m_cellar->start.path() / "colset.bw3", reversedFieldIds(), 70);
        m_cellar->names.setDefaults();
        m_cellar->names.setName(CWine::NumberConsumed, "Consumed");
        const CEntryListView& view = makeView(0);
        QCOMPARE(view.columns()[0].fieldId, 24);
        QCOMPARE(view.columns()[0].width, 70);
        QCOMPARE(view.columns()[0].heading, std::string("Consumed"));
        QCOMPARE(view.columns()[24].fieldId, 0);
    }

    void paintsRowsSelectionAndLetterColours() {
        CEntryListView& view = makeView(5);
        view.selectEntry(2);
        QCOMPARE(m_cellar->shared.selectedEntry, 2);
        const QImage image = shownImage(view);
        const QColor cyan(0, 255, 255);
        const QColor red(255, 0, 0);
        const QColor black(0, 0, 0);

        const QRect selected = rowInterior(view, 2);
        QVERIFY(countPixels(image, selected, cyan) > selected.width() * selected.height() / 2);
        QCOMPARE(countPixels(image, rowInterior(view, 1), cyan), 0);
        QVERIFY2(countPixels(image, rowInterior(view, 1), red, true) > 20, "entry 1 has red letters");
        QCOMPARE(countPixels(image, rowInterior(view, 0), red, true), 0);
        const EntryListColumn& producer = view.columns()[1];
        const QRect producerCell(producer.left + 1, view.geometry().rowTop(0) + 1, producer.width - 2,
                                 view.geometry().rowHeight - 1);
        QVERIFY(countPixels(image, producerCell, black, true) > 20);

        // Rows without an entry are still ruled, and the frame closes the grid below the last one.
        const EntryListGeometry& geometry = view.geometry();
        QVERIFY(geometry.rowsPerPage > 6);
        const int x = view.columns()[1].left + 20;
        QCOMPARE(image.pixelColor(x, geometry.rowTop(6)), black);
        QCOMPARE(image.pixelColor(x, geometry.rowTop(6) + 3), view.palette().color(QPalette::Base));
        QCOMPARE(image.pixelColor(x, geometry.gridBottom), black);
        QCOMPARE(image.pixelColor(view.columns().gridLeft(), geometry.rowTop(3)), black);
        QCOMPARE(image.pixelColor(view.columns()[2].left, geometry.rowTop(3) + 3), black);

        view.selectEntry(-1);
        QCOMPARE(countPixels(shownImage(view), selected, cyan), 0);
    }

    void numericColumnsLineUpTheirDigitsAndThePrintBoundaryIsDashed() {
        CEntryListView& view = makeView(0);
        CWine& wine = *m_cellar->document.focusEntry(m_cellar->document.addNewEntry());
        wine.m_nNumberRemaining = 7;
        wine.m_fCost = 5.0f;
        m_cellar->document.selectAllWines();
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

        // The print boundary is a dashed red line, once its place is known.
        const QColor red(255, 0, 0);
        const QRect column(299, 2, 3, view.geometry().gridBottom - 2);
        EntryListSharedState& shared = m_cellar->shared;
        shared.printBoundaryShown = true;
        QCOMPARE(countPixels(shownImage(view), column, red), 0); // not computed yet
        shared.printBoundaryX = 300;
        const int dashes = countPixels(shownImage(view), column, red);
        QVERIFY(dashes > 20);
        QVERIFY(dashes < column.height() - 10);
        shared.printBoundaryShown = false;
        QCOMPARE(countPixels(shownImage(view), column, red), 0);
    }

    void lastPaneKeepsArrangementAndFontAndTheNextOneReadsThem() {
        writeArrangement(m_cellar->start.path() / "colset.bw3", reversedFieldIds(), 66);
        makeView(2);
        m_cellar->shared.selectedEntry = 1;
        std::filesystem::remove(m_cellar->start.path() / "colset.bw3");
        m_view.reset();

        QCOMPARE(m_cellar->shared.selectedEntry, -1);
        std::ifstream colset(m_cellar->start.path() / "colset.bw3");
        std::string firstLine;
        std::getline(colset, firstLine);
        QCOMPARE(firstLine, std::string("24 66 0"));
        QSettings settings;
        QCOMPARE(settings.value("Entry List/Font Size").toInt(), 12);
        QCOMPARE(settings.value("Entry List/Font Weight").toInt(), 400);
        QCOMPARE(settings.value("Entry List/FontIsItalic").toInt(), 0);
        QCOMPARE(settings.value("Entry List/Font Face").toString(), QString("Arial"));

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

    void scrollBarActionsMoveTheTopRow() {
        CEntryListView& view = makeView(100);
        const int rowsPerPage = view.geometry().rowsPerPage;
        QScrollBar* bar = view.verticalScrollBar();
        const int last = 100 - rowsPerPage;
        QCOMPARE(bar->maximum(), last);
        // Where each action leads is the core's arithmetic; here only that the bar reaches it.
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(m_cellar->shared.topRow, rowsPerPage - 1);
        QCOMPARE(bar->value(), rowsPerPage - 1);
        bar->setSliderPosition(40); // dragging the thumb
        QCOMPARE(m_cellar->shared.topRow, 40);
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        QCOMPARE(m_cellar->shared.topRow, 40 + 1 - rowsPerPage);

        // The first row shows the entry at the top row.
        view.selectEntry(40 + 1 - rowsPerPage);
        QVERIFY(countPixels(shownImage(view), rowInterior(view, 0), QColor(0, 255, 255)) > 0);

        // Changes return to the top, except those of names and printer; sorting clears the selection.
        m_cellar->document.fieldNamesChanged();
        m_cellar->document.printerChanged();
        QVERIFY(m_cellar->shared.topRow > 0);
        for (const auto& change : std::initializer_list<std::function<void()>>{
                 [&] { m_cellar->document.setFocusLetterColor(CWine::Red); },
                 [&] { m_cellar->document.selectAllWines(); }}) {
            view.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
            change();
            QCOMPARE(m_cellar->shared.topRow, 0);
            QCOMPARE(view.verticalScrollBar()->value(), 0);
        }

        view.selectEntry(4);
        m_cellar->document.sortFocusSet();
        QCOMPARE(m_cellar->shared.selectedEntry, -1);
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
        const int last = 1910 - client;
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(view.horizontalOffset(), last);
        QCOMPARE(view.columns().gridLeft(), 2 - last);
        QCOMPARE(view.columns().gridRight(), 2 + client); // the client's right edge
    }

    void storeDialogAsksWithTheProgramsCaption() {
        CEntryListView& view = makeView(1);
        const QString target = m_cellar->start.filePath("mine");
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
};

QTEST_MAIN(EntryListViewTest)
#include "entrylistview_test.moc"
