#pragma once

#include "core/document/CDocObserver.h"
#include "core/views/graphs/GraphBars.h"
#include "core/views/graphs/GraphLayout.h"
#include "gui/views/ViewKind.h"
#include "gui/views/graphs/CGraphAppearanceDlg.h"

#include <memory>

#include <QAbstractScrollArea>

class CBottlewrightDoc;
class QMenu;
class QPainter;

// A bar graph of the Focus Set: one bar per label, drawn in either orientation, scrolled by whole bars.
// The graph kinds derive from it; what differs between them (building the bars, their details, the
// sorting) is decided in the core by the graph's kind.
class CBarGraphView : public QAbstractScrollArea, public CDocObserver {
    Q_OBJECT
public:
    CBarGraphView(CBottlewrightDoc& document, ViewKind kind, QWidget* parent = nullptr);
    ~CBarGraphView() override;

    ViewKind kind() const { return m_kind; }
    GraphKind graphKind() const { return m_dlgAppearance.kind(); }
    CBottlewrightDoc& document() const { return m_document; }
    const GraphBars& bars() const { return m_bars; }
    CGraphAppearanceDlg& appearance() { return m_dlgAppearance; }
    const CGraphAppearanceDlg& appearance() const { return m_dlgAppearance; }
    int firstBar() const { return m_nFirstBar; }
    int selectedBar() const { return m_nSelectedBar; }
    const QString& details() const { return m_strDetails; }
    QString title() const;

    void onUpdate(CDocObserver* sender, UpdateHint hint) override;

    // The bar at a viewport point (also the selected bar from now on), or -1.
    int HitTestBar(int x, int y);
    // The right-button menu for the selected bar.
    std::unique_ptr<QMenu> popupMenu();

    void ListBarWines();     // "List Wines for this Bar..."
    void ShowBriefDetails(); // "Show Brief Details for this Bar..."
    void ShowHelp();
    void ModifyGraphFeatures();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void initialUpdate();
    void BuildBars();
    void SortBars();
    void BuildBarDetails();
    void RecalcLayout();
    // The scroll handler of one orientation; it acts only while the bars run along it.
    void scroll(Qt::Orientation orientation, GraphLayout::ScrollCode code, int position = 0);
    void setScrollRanges();
    Qt::Orientation barAxis() const;
    bool vertical() const { return m_dlgAppearance.settings().vertical != 0; }
    void paintGraph(QPainter& painter);
    void drawHorizontal(QPainter& painter, int n, int maximum);
    void drawVertical(QPainter& painter, int n, int maximum);

    CBottlewrightDoc& m_document;
    ViewKind m_kind;
    QString m_strDetails;
    bool m_bMoneyAxis = false;
    CGraphAppearanceDlg m_dlgAppearance;
    int m_nBarPitch = 5;
    int m_nFirstBar = 0;
    QRect m_rcClip;
    GraphLayout::Rect m_rcPlot;
    GraphLayout::Rect m_rcClient;
    GraphLayout::Margins m_nMargin;
    int m_nBarsPerView = 12;
    int m_nHomeBar = 0;
    GraphBars m_bars;
    int m_nSelectedBar = -1;
    SpendingClock m_clock;
    bool m_updatingScrollBars = false;
};
