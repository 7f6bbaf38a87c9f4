#pragma once

#include "gui/views/graphs/CBarGraphView.h"

// Bottles per whole dollar of value.
class CValueGraphView : public CBarGraphView {
    Q_OBJECT
public:
    explicit CValueGraphView(CBottlewrightDoc& document, QWidget* parent = nullptr)
        : CBarGraphView(document, ViewKind::ValueGraph, parent) {}
};
