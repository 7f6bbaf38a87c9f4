#pragma once

#include "gui/views/CPlaceholderView.h"

// A bar graph of the Focus Set. For now a placeholder; the graph kinds derive from it, so "any graph
// window" means any window holding one of these.
class CBarGraphView : public CPlaceholderView {
    Q_OBJECT
public:
    CBarGraphView(CBottlewrightDoc& document, ViewKind kind, QWidget* parent = nullptr)
        : CPlaceholderView(document, kind, parent) {}
};
