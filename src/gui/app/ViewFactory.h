#pragma once

#include "gui/views/ViewKind.h"

class CBottlewrightDoc;
class CPrinterHost;
class QWidget;

// A new view of the given kind on the document, for a CBWChildFrame (every kind but the Entry List,
// which lives in its own splitter frame). Views that print use printers, which may be nullptr.
QWidget* createView(ViewKind kind, CBottlewrightDoc& document, CPrinterHost* printers);
