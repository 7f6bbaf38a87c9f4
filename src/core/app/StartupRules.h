#pragma once

#include "core/model/SmallFiles.h"

#include <filesystem>
#include <string>

// Rules of start-up that do not depend on the windowing toolkit.
namespace StartupRules {

inline constexpr const char* kDefaultFileName = "Sample3.bwf";
inline constexpr const char* kFieldNamesFile = SmallFiles::kFieldNames;

// The Cellar File opened at start-up: "C:\homecel\homecel.bwf" when started from C:\homecel (any case),
// otherwise the stored setting, a bare name being taken relative to the start directory.
// Returns an empty path when there is none to open.
std::filesystem::path defaultFile(const std::filesystem::path& startDirectory, const std::string& setting);

// Whether the stored setting is consulted at all (it is not when started from C:\homecel).
bool usesDefaultFileSetting(const std::filesystem::path& startDirectory);

// 1 portrait, 2 landscape; anything else becomes 1.
int normalizedOrientation(int orientation);

} // namespace StartupRules
