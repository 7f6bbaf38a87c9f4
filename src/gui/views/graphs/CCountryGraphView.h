#pragma once

#include "gui/views/graphs/CBarGraphView.h"

// Bottles per country.
class CCountryGraphView : public CBarGraphView {
    Q_OBJECT
public:
    explicit CCountryGraphView(CBottlewrightDoc& document, QWidget* parent = nullptr)
        : CBarGraphView(document, ViewKind::CountryGraph, parent) {}
};
