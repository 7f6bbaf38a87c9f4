#pragma once

#include "gui/views/graphs/CBarGraphView.h"

// Bottles per appellation/varietal.
class CAppellationGraphView : public CBarGraphView {
    Q_OBJECT
public:
    explicit CAppellationGraphView(CBottlewrightDoc& document, QWidget* parent = nullptr)
        : CBarGraphView(document, ViewKind::AppellationGraph, parent) {}
};
