#pragma once

#include "core/views/lists/HistoryList.h"
#include "gui/views/lists/CListView.h"

#include <array>

// The dated changes of the Focus Set's bottles, cost and value, newest first, each with the Focus
// Set's totals just after it. Double-clicking a change shows what happened since.
class CHistoryListView : public CListView {
    Q_OBJECT
public:
    explicit CHistoryListView(CBottlewrightDoc& document, QWidget* parent = nullptr);

    const HistoryList& list() const { return m_list; }
    int horizontalOffset() const { return m_horizontalOffset; }
    int rowHeight() const { return m_rowHeight; }
    void scrollHorizontally(ScrollCode code, int position = 0);
    // The summary message of the record at the index.
    void showSummary(int index);

protected:
    void rebuildList() override { m_list.rebuild(document()); }
    int lineCount() const override { return m_list.count(); }
    int linesPerPage() const override;
    void paintList(QPainter& painter, const QRect& region) override;
    void layoutChanged() override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void onHorizontalAction(int action);
    void updateHorizontalBar();

    HistoryList m_list;
    std::array<int, HistoryList::kColumns> m_anchors{};
    int m_rowHeight = 1;
    int m_horizontalOffset = 0;
};
