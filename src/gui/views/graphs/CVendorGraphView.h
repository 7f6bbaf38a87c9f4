#pragma once

#include "gui/views/graphs/CBarGraphView.h"

// Bottles per source/vendor.
class CVendorGraphView : public CBarGraphView {
    Q_OBJECT
public:
    explicit CVendorGraphView(CBottlewrightDoc& document, QWidget* parent = nullptr)
        : CBarGraphView(document, ViewKind::VendorGraph, parent) {}
};
