#pragma once

#include <filesystem>

#include <QString>

class QWidget;

// Paths cross between the core's std::filesystem and Qt here, and file names are asked for here.
namespace FilePrompt {

QString toQtPath(const std::filesystem::path& path);
std::filesystem::path fromQtPath(const QString& path);

enum class Mode { Open, Save };

// The platform's file dialog: Open asks for an existing file, Save asks before overwriting.
// Returns an empty path when the user cancels.
std::filesystem::path ask(QWidget* parent, Mode mode, const QString& caption,
                          const std::filesystem::path& folder, const QString& filter,
                          const QString& defaultSuffix);

} // namespace FilePrompt
