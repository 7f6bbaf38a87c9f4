#pragma once

#include "gui/common/FilePrompt.h"

#include <filesystem>
#include <functional>

#include <QString>

// The file dialogs of the exchange commands: mode, caption, folder, filter and default suffix in, the
// path chosen out (empty when cancelled). Tests put their own in place of the platform's dialog.
using ExchangePrompt = std::function<std::filesystem::path(FilePrompt::Mode mode, const QString& caption,
                                                           const std::filesystem::path& folder,
                                                           const QString& filter, const QString& suffix)>;
