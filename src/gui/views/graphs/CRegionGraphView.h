#pragma once

#include "gui/views/graphs/CBarGraphView.h"

// Bottles per region.
class CRegionGraphView : public CBarGraphView {
    Q_OBJECT
public:
    explicit CRegionGraphView(CBottlewrightDoc& document, QWidget* parent = nullptr)
        : CBarGraphView(document, ViewKind::RegionGraph, parent) {}
};
