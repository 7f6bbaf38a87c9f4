#pragma once

#include "gui/views/graphs/CBarGraphView.h"

// Bottles per wine type.
class CWineTypeGraphView : public CBarGraphView {
    Q_OBJECT
public:
    explicit CWineTypeGraphView(CBottlewrightDoc& document, QWidget* parent = nullptr)
        : CBarGraphView(document, ViewKind::WineTypeGraph, parent) {}
};
