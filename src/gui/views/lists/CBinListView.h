#pragma once

#include "gui/views/CPlaceholderView.h"

// The bins of the cellar and the bottles in them. For now a placeholder.
class CBinListView : public CPlaceholderView {
    Q_OBJECT
public:
    explicit CBinListView(CBottlewrightDoc& document, QWidget* parent = nullptr)
        : CPlaceholderView(document, ViewKind::BinList, parent) {}
};
