#pragma once

#include "gui/views/graphs/CBarGraphView.h"

// Dollars spent per month.
class CSpendingGraphView : public CBarGraphView {
    Q_OBJECT
public:
    explicit CSpendingGraphView(CBottlewrightDoc& document, QWidget* parent = nullptr)
        : CBarGraphView(document, ViewKind::SpendingGraph, parent) {}
};
