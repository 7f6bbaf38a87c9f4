#include "gui/common/CommandId.h"
#include "gui/views/lists/CBinListView.h"
#include "gui/views/lists/CHistoryListView.h"
#include "helpers/MessageBoxCatcher.h"
#include "helpers/TestApp.h"
#include "helpers/TestFixtures.h"

#include <QFileInfo>
#include <QPrinterInfo>
#include <QTest>

// The History List and the Bin List on a document: wiring only, the rules are tested in the core.
class ListViewsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_cellar = std::make_unique<EmptyCellar>();
        for (int i = 0; i < 3; ++i) {
            CWine& wine = *m_cellar->document.focusEntry(m_cellar->document.addNewEntry());
            wine.m_nNumberRemaining = 10 + i;
            wine.m_strBins = std::string("A").append(std::to_string(i));
            wine.m_strHistory =
                "1-" + std::to_string(i + 1) + "-98\t" + std::to_string(10 + i) + "\t0\t5\t0\t5\t0\x06";
        }
    }
    void cleanup() { m_cellar.reset(); }

    void bothFollowANewFocusSetAndTheSummaryShows() {
        CHistoryListView history(m_cellar->document);
        CBinListView bins(m_cellar->document);
        QCOMPARE(history.list().count(), 3);
        m_cellar->document.resortByNewPrecedence(); // other hints keep the list
        m_cellar->document.selectWines([](const CWine& wine) { return wine.m_nNumberRemaining > 10; });
        QCOMPARE(history.list().count(), 2);
        QCOMPARE(bins.list().totalLines(), 6); // the Bin List covers the whole file

        history.resize(600, 300);
        MessageBoxCatcher boxes;
        QTest::mouseDClick(history.viewport(), Qt::LeftButton, {}, QPoint(50, history.rowHeight() * 2 + 4));
        QVERIFY(
            boxes.lastText().startsWith(QStringLiteral("Change since 1-2-98:\n\nConsumption:\n0 bottles")));
    }

    void theFontSurvivesARestart() {
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPixelSize(21);
        font.setItalic(true);
        CHistoryListView(m_cellar->document).setListFont(font);
        const CHistoryListView again(m_cellar->document);
        QCOMPARE(again.listFont().pixelSize(), 21);
        QCOMPARE(again.listFont().family(), font.family());
        QVERIFY(again.listFont().italic());
        QCOMPARE(CBinListView(m_cellar->document).listFont().pixelSize(), 15); // a section of its own
    }

    void withNoPrinterTheBinListPrintsToTheNamedPdf() {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("a printer is installed");
        CBinListView bins(m_cellar->document);
        const QString path = m_cellar->start.filePath(QStringLiteral("bins.pdf"));
        bins.setPdfFilePrompt([path] { return path; });
        bins.runCommand(CommandId::PrintDirect);
        QVERIFY(QFileInfo(path).size() > 500);
    }

    void theMainFrameSendsFontAndPrintCommandsToTheActiveList() {
        TestApp program;
        program.start();
        program.frame().showWindowOfKind(ViewKind::BinList);
        QVERIFY(program.action(CommandId::Print)->isEnabled());
        QVERIFY(program.action(CommandId::PrintPreview)->isEnabled());
        program.frame().showWindowOfKind(ViewKind::HistoryList);
        QVERIFY(!program.action(CommandId::Print)->isEnabled());
        QVERIFY(program.action(CommandId::SelectFont)->isEnabled());
    }

private:
    std::unique_ptr<EmptyCellar> m_cellar;
};

QTEST_MAIN(ListViewsTest)
#include "listviews_test.moc"
