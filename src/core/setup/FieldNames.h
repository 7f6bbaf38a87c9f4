#pragma once

#include "core/model/CWine.h"

#include <array>
#include <filesystem>
#include <string>

// The user's 25 names for the fields, indexed by field index: column headings, labels and captions.
class FieldNames {
public:
    FieldNames() { setDefaults(); }

    static const std::array<std::string, CWine::FieldCount>& defaults();
    void setDefaults() { m_names = defaults(); }

    const std::string& name(int field) const { return m_names[field]; }
    void setName(int field, std::string name) { m_names[field] = std::move(name); }
    const std::array<std::string, CWine::FieldCount>& names() const { return m_names; }
    void setNames(const std::array<std::string, CWine::FieldCount>& names) { m_names = names; }

    // A ".fnm" file: 25 lines ended by CR LF, one name per field index, each read up to 49 characters.
    // A file that cannot be opened or ends early leaves the table as it was and gives false.
    bool read(const std::filesystem::path& path);
    // The same from the file's text.
    bool parse(const std::string& text);
    bool write(const std::filesystem::path& path) const;

    bool operator==(const FieldNames&) const = default;

private:
    std::array<std::string, CWine::FieldCount> m_names;
};
