#include "core/setup/FieldNames.h"

#include "core/model/AtomicFile.h"

#include <sstream>

const std::array<std::string, CWine::FieldCount>& FieldNames::defaults() {
    static const std::array<std::string, CWine::FieldCount> names = {
        "Vint",     "Producer",      "App/Varietal",  "Designation", "Type",  "Qty",   "Cost",
        "Value",    "Bin(s)",        "Region",        "Rating",      "Try",   "Drink", "Notes",
        "Country",  "Source/Vendor", "User1",         "User2",       "User3", "User4", "User5",
        "Modified", "Acq",           "Date Acquired", "Drk"};
    return names;
}

bool FieldNames::read(const std::filesystem::path& path) {
    std::string text;
    std::string error;
    return readWholeFile(path, text, error) && parse(text);
}

bool FieldNames::parse(const std::string& text) {
    std::istringstream in(text);
    std::array<std::string, CWine::FieldCount> names;
    for (std::string& name : names) {
        if (!std::getline(in, name))
            return false;
        // Lines end in CR LF as written, or LF alone when edited elsewhere.
        if (!name.empty() && name.back() == '\r')
            name.pop_back();
    }
    m_names = std::move(names);
    return true;
}

bool FieldNames::write(const std::filesystem::path& path) const {
    // CR LF written explicitly: the file is the same on every platform.
    std::string text;
    for (const std::string& name : m_names) {
        text += name;
        text += "\r\n";
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return writeFileAtomically(path, {bytes, text.size()}).empty();
}
