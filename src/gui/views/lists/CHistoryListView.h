#pragma once

#include "gui/views/CPlaceholderView.h"

// The dated changes of the Focus Set's bottles, cost and value. For now a placeholder.
class CHistoryListView : public CPlaceholderView {
    Q_OBJECT
public:
    explicit CHistoryListView(CBottlewrightDoc& document, QWidget* parent = nullptr)
        : CPlaceholderView(document, ViewKind::HistoryList, parent) {}
};
