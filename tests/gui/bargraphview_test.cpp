#include "gui/views/graphs/CBarDetailsDlg.h"
#include "gui/views/graphs/CCostGraphView.h"
#include "gui/views/graphs/CProducerGraphView.h"
#include "gui/views/graphs/CSpendingGraphView.h"
#include "gui/views/graphs/CVintageGraphView.h"
#include "helpers/MessageBoxCatcher.h"
#include "helpers/ModalDialogCatcher.h"
#include "helpers/TestFixtures.h"

#include <QAbstractButton>
#include <QMenu>
#include <QSettings>
#include <QTest>

namespace {

QStringList itemTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

QAbstractButton* control(const QWidget& dialog, const char* id) {
    return dialog.findChild<QAbstractButton*>(QString::fromLatin1(id));
}

} // namespace

// The graph windows' wiring: the rules themselves are tested in the core.
class BarGraphViewTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<EmptyCellar> m_cellar;

    template <class View> std::unique_ptr<View> showGraph() {
        auto view = std::make_unique<View>(m_cellar->document);
        view->resize(600, 400);
        view->show();
        view->viewport()->grab(); // lays out the bars
        return view;
    }
    // The middle of a bar's slot with horizontal bars, three bars shown.
    static QPoint barPoint(const CBarGraphView& view, int bar) {
        const QSize size = view.viewport()->size();
        const GraphLayout::Rect plot = GraphLayout::plotRect(
            size.width(), size.height(), GraphLayout::margins(size.width(), size.height(), false));
        const int pitch = GraphLayout::barSlots(plot.height(), 3).pitch;
        return QPoint(plot.left + plot.width() / 2, plot.top + pitch / 2 + pitch * bar + pitch / 2);
    }

private Q_SLOTS:
    void init() {
        m_cellar = std::make_unique<EmptyCellar>();
        fillDocument(m_cellar->document, 3);
    }
    void cleanup() { m_cellar.reset(); }

    void rightButtonMenuOffersBarItemsOnlyOverABar() {
        auto view = showGraph<CProducerGraphView>();
        QCOMPARE(view->HitTestBar(barPoint(*view, 1).x(), barPoint(*view, 1).y()), 1);
        QCOMPARE(itemTexts(*view->popupMenu()),
                 (QStringList{"List Wines for this Bar...", "Show Brief Details for this Bar...", "-",
                              "Help...", "Modify Graph Features...", "-", "Cancel"}));
        QCOMPARE(view->HitTestBar(300, 40), -1); // above the first slot
        QCOMPARE(itemTexts(*view->popupMenu()),
                 (QStringList{"Help...", "Modify Graph Features...", "-", "Cancel"}));
    }

    void clicksShowTheBarsWines() {
        auto view = showGraph<CProducerGraphView>();
        QString caption;
        QString text;
        ModalDialogCatcher<CBarDetailsDlg> details([&](CBarDetailsDlg* dialog) {
            caption = dialog->windowTitle();
            text = dialog->details();
            dialog->accept();
        });
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, barPoint(*view, 2));
        QCOMPARE(caption, QStringLiteral("Wines Remining"));
        QCOMPARE(text, QStringLiteral("Producer 2:  2 bottles in 1 entries\n(3 total bars for this graph)\n"
                                      "  2   1982 Producer 2 Appellation \n"));
        QCOMPARE(view->selectedBar(), -1);

        MessageBoxCatcher boxes;
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, barPoint(*view, 0));
        QCOMPARE(boxes.texts(), QStringList{"Producer 0:  0 bottles\n\n3 total bars"});
    }

    void appearanceDialogEnablesWhatTheGraphUses() {
        auto producer = showGraph<CProducerGraphView>();
        auto spending = showGraph<CSpendingGraphView>();
        auto vintage = showGraph<CVintageGraphView>();
        for (CBarGraphView* view :
             {static_cast<CBarGraphView*>(producer.get()), static_cast<CBarGraphView*>(spending.get()),
              static_cast<CBarGraphView*>(vintage.get())})
            view->appearance().initDialog();
        const CGraphAppearanceDlg& p = producer->appearance();
        const CGraphAppearanceDlg& s = spending->appearance();
        QVERIFY(!control(p, "1251")->isEnabled());
        QVERIFY(control(p, "1231")->isEnabled() && control(p, "1231")->isChecked());
        QVERIFY(control(vintage->appearance(), "1251")->isEnabled());
        for (const char* id : {"1251", "1231", "1232", "1233", "1234", "1209", "1210", "1239"})
            QVERIFY2(!control(s, id)->isEnabled(), id);
        for (const char* id : {"1231", "1232", "1233", "1234", "1209", "1210", "1239"})
            QVERIFY2(!control(s, id)->isChecked(), id);
    }

    void applyToAllAsksAndOnYesEveryGraphTakesTheAppearance() {
        auto producer = showGraph<CProducerGraphView>();
        auto cost = showGraph<CCostGraphView>();
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            MessageBoxCatcher boxes(answer);
            ModalDialogCatcher<CGraphAppearanceDlg> dialog([](CGraphAppearanceDlg* shown) {
                control(*shown, "1114")->click(); // vertical
                control(*shown, "1284")->setChecked(true);
                shown->accept();
            });
            producer->ModifyGraphFeatures();
            QCOMPARE(boxes.count(), 1);
            QCOMPARE(producer->appearance().settings().vertical, 1);
            QCOMPARE(cost->appearance().settings().vertical, answer == QMessageBox::Yes ? 1 : 0);
            producer->appearance().settings().vertical = 0;
        }
        QCOMPARE(cost->appearance().settings().sort, -1);

        cost.reset(); // a closing graph writes its settings
        QCOMPARE(QSettings().value("CCostGraphView/Vertical").toInt(), 1);
        QCOMPARE(QSettings().value("CCostGraphView/Min Cost").toInt(), 10);
        QVERIFY(!QSettings().contains("CCostGraphView/Min Vintage"));
    }
};

QTEST_MAIN(BarGraphViewTest)
#include "bargraphview_test.moc"
