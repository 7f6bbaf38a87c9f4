#pragma once

#include "gui/views/graphs/CBarGraphView.h"

// Bottles per vintage year.
class CVintageGraphView : public CBarGraphView {
    Q_OBJECT
public:
    explicit CVintageGraphView(CBottlewrightDoc& document, QWidget* parent = nullptr)
        : CBarGraphView(document, ViewKind::VintageGraph, parent) {}
};
