#include "core/exchange/FocusSetFiles.h"

#include "core/exchange/TabExport.h"
#include "core/model/AtomicFile.h"
#include "core/model/CellarFile.h"

#include <cctype>
#include <cstdio>
#include <system_error>

namespace {

std::string lowerCase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::filesystem::path fullPath(const std::filesystem::path& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec).lexically_normal();
    // Links are followed as far as the path exists, so two names of one file compare equal.
    const std::filesystem::path full = std::filesystem::weakly_canonical(absolute, ec);
    return ec ? absolute : full;
}

std::string format(const char* pattern, int number, const std::string& text) {
    const int size = std::snprintf(nullptr, 0, pattern, number, text.c_str());
    std::string result(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(result.data(), result.size(), pattern, number, text.c_str());
    result.pop_back();
    return result;
}

FocusSetFiles::Outcome refused(const std::filesystem::path& target, const char* use) {
    return {false, target.string() + " is the Working File\nand may not be used " + use + " the Focus Set."};
}

FocusSetFiles::Outcome cannotSave(const std::filesystem::path& target, const std::string& reason) {
    return {false, "Cannot save " + target.string() + ":\n" + reason};
}

} // namespace

namespace FocusSetFiles {

bool isWorkingFile(const std::filesystem::path& target, const std::filesystem::path& workingFile) {
    if (workingFile.empty())
        return false;
    return lowerCase(fullPath(target).string()) == lowerCase(fullPath(workingFile).string());
}

std::string exportRefusal(const std::filesystem::path& target) {
    return refused(target, "for exporting").message;
}

Outcome save(const std::filesystem::path& target, std::span<const CWine* const> focus,
             const std::filesystem::path& workingFile) {
    if (isWorkingFile(target, workingFile))
        return refused(target, "to save");
    if (const std::string error = CellarFile::save(target, focus); !error.empty())
        return cannotSave(target, error);
    return {true, format("%d entries saved to %s\n", static_cast<int>(focus.size()), target.string())};
}

Outcome append(const std::filesystem::path& target, std::span<const CWine* const> focus,
               const std::filesystem::path& workingFile) {
    if (isWorkingFile(target, workingFile))
        return refused(target, "for appending");
    std::string bytes;
    std::string error;
    if (!readWholeFile(target, bytes, error))
        return {false, "Cannot read " + target.string() + ":\n" + error};
    CellarReadResult existing;
    if (!bytes.empty()) {
        existing = CellarFile::read({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
        if (!existing.ok())
            return {false, "Cannot read " + target.string() + ":\n" + existing.error +
                               "\nThe file was left as it was."};
    }
    bytes.clear();
    bytes.shrink_to_fit();
    // Each Focus Set entry is written whole, so its bytes are those of a full copy.
    std::vector<const CWine*> all;
    all.reserve(existing.entries.size() + focus.size());
    for (const auto& wine : existing.entries)
        all.push_back(wine.get());
    all.insert(all.end(), focus.begin(), focus.end());
    if (const std::string failure = CellarFile::save(target, all); !failure.empty())
        return cannotSave(target, failure);
    const std::string tail = std::to_string(existing.entries.size()) + " entries of " + target.string() + ".";
    return {true, format("%d entries appended to the existing\n%s", static_cast<int>(focus.size()), tail)};
}

Outcome exportText(const std::filesystem::path& target, std::span<const CWine* const> focus,
                   const FieldMap& map, const FieldNames& names, const std::filesystem::path& workingFile) {
    if (isWorkingFile(target, workingFile))
        return refused(target, "for exporting");
    const std::string text = TabExport::write(focus, map, names);
    if (const std::string error =
            writeFileAtomically(target, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
        !error.empty())
        return cannotSave(target, error);
    return {true, format("%d entries exported to %s.", static_cast<int>(focus.size()), target.string())};
}

} // namespace FocusSetFiles
