#pragma once

#include "gui/views/graphs/CBarGraphView.h"

// Bottles per whole dollar of cost.
class CCostGraphView : public CBarGraphView {
    Q_OBJECT
public:
    explicit CCostGraphView(CBottlewrightDoc& document, QWidget* parent = nullptr)
        : CBarGraphView(document, ViewKind::CostGraph, parent) {}
};
