#pragma once

#include "gui/views/graphs/CBarGraphView.h"

// Bottles per producer.
class CProducerGraphView : public CBarGraphView {
    Q_OBJECT
public:
    explicit CProducerGraphView(CBottlewrightDoc& document, QWidget* parent = nullptr)
        : CBarGraphView(document, ViewKind::ProducerGraph, parent) {}
};
