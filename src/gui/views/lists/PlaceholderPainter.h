#pragma once

#include <QString>

class QWidget;

// "64 wines in the Focus Set" (or "1 wine", "No wines").
QString focusSetSummary(int count);

// Paints a window whose contents are still to come: its caption and one line about the Focus Set,
// centred on the window's base colour.
void paintPlaceholder(QWidget& view, const QString& caption, const QString& summary);
