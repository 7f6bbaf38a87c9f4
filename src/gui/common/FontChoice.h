#pragma once

#include <optional>

#include <QFont>

class QWidget;

// Shows the font dialog on the font in use, as the user sees it (the family the system drew with, the
// size in points), and gives the font chosen; nothing when the user cancels or keeps the font as it was.
std::optional<QFont> chooseFont(QWidget* parent, const QFont& inUse);
