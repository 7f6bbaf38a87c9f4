#pragma once

#include "core/exchange/FieldMap.h"
#include "core/model/CWine.h"
#include "core/setup/FieldNames.h"

#include <filesystem>
#include <span>
#include <string>

// Writing the Focus Set elsewhere: a new Cellar File, the end of an existing one, or tab-separated
// text. Each writes a temporary file beside the target and renames it over the target, so that the
// target is either as it was or complete; none touches the Working File.
namespace FocusSetFiles {

// The message on success, or on failure the reason, ready to show.
struct Outcome {
    bool ok = false;
    std::string message;
};

// The same file whatever the letter case, since the program's files live on case-blind disks too.
bool isWorkingFile(const std::filesystem::path& target, const std::filesystem::path& workingFile);

// "PATH is the Working File\nand may not be used for exporting the Focus Set."
std::string exportRefusal(const std::filesystem::path& target);

Outcome save(const std::filesystem::path& target, std::span<const CWine* const> focus,
             const std::filesystem::path& workingFile);
// Reads the whole target first; a target that cannot be read as a Cellar File is left alone. An
// empty (0-byte) target has no entries of its own.
Outcome append(const std::filesystem::path& target, std::span<const CWine* const> focus,
               const std::filesystem::path& workingFile);
// The map must be exportable and number at least one field.
Outcome exportText(const std::filesystem::path& target, std::span<const CWine* const> focus,
                   const FieldMap& map, const FieldNames& names, const std::filesystem::path& workingFile);

} // namespace FocusSetFiles
