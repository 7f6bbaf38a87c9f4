#pragma once

#include "gui/views/ViewKind.h"

class CBottlewrightDoc;
class QWidget;

// A new view of the given kind on the document, for a CBWChildFrame (every kind but the Entry List,
// which lives in its own splitter frame).
QWidget* createView(ViewKind kind, CBottlewrightDoc& document);
