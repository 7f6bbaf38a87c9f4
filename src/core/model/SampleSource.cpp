#include "core/model/SampleSource.h"

#include "core/model/AtomicFile.h"
#include "core/model/Cp1252.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <vector>

namespace {

enum class Kind { Text, Integer, Amount };

struct Column {
    std::string_view name;
    Kind kind;
    std::string CWine::*text = nullptr;
    std::int32_t CWine::*integer = nullptr;
    float CWine::*amount = nullptr;
};

constexpr Column text(std::string_view name, std::string CWine::*member) {
    return {name, Kind::Text, member, nullptr, nullptr};
}
constexpr Column integer(std::string_view name, std::int32_t CWine::*member) {
    return {name, Kind::Integer, nullptr, member, nullptr};
}
constexpr Column amount(std::string_view name, float CWine::*member) {
    return {name, Kind::Amount, nullptr, nullptr, member};
}

const std::array<Column, 27> kColumns{
    integer("vintage", &CWine::m_nVintage),
    text("producer", &CWine::m_strProducer),
    text("designation", &CWine::m_strDesignation),
    text("wineType", &CWine::m_strWineType),
    text("appellation", &CWine::m_strAppellation),
    text("region", &CWine::m_strRegion),
    amount("cost", &CWine::m_fCost),
    amount("value", &CWine::m_fValue),
    integer("numberAcquired", &CWine::m_nNumberAcquired),
    integer("numberRemaining", &CWine::m_nNumberRemaining),
    text("dateAcquired", &CWine::m_strDateAcquired),
    text("tryDate", &CWine::m_strTryDate),
    text("drinkDate", &CWine::m_strDrinkDate),
    text("rating", &CWine::m_strRating),
    text("country", &CWine::m_strCountry),
    text("bins", &CWine::m_strBins),
    text("vendor", &CWine::m_strVendor),
    text("user1", &CWine::m_strUser1),
    text("user2", &CWine::m_strUser2),
    text("user3", &CWine::m_strUser3),
    text("user4", &CWine::m_strUser4),
    text("user5", &CWine::m_strUser5),
    text("history", &CWine::m_strHistory),
    text("spare", &CWine::m_strSpare),
    text("dateModified", &CWine::m_strDateModified),
    integer("letterColor", &CWine::m_nLetterColor),
    text("notes", &CWine::m_strNotes),
};

std::vector<std::string_view> split(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string_view::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

// A field as written in the source, fit for a one-line message.
std::string shown(std::string_view field) {
    std::string out(field);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F')
            c = '?';
    return out;
}

std::optional<int> hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return std::nullopt;
}

// The field as Windows-1252 entry text; literal runs are converted from UTF-8, escapes give bytes.
bool unescape(std::string_view field, std::string& out, std::string& problem) {
    out.clear();
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\')
            continue;
        out += Cp1252::fromUtf8(field.substr(runStart, i - runStart));
        const char escape = i + 1 < field.size() ? field[i + 1] : '\0';
        if (escape == '\\') {
            out += '\\';
        } else if (escape == 't') {
            out += '\t';
        } else if (escape == 'n') {
            out += "\r\n";
        } else if (escape == 'x' && i + 3 < field.size() && hexDigit(field[i + 2]) &&
                   hexDigit(field[i + 3])) {
            out += static_cast<char>(*hexDigit(field[i + 2]) * 16 + *hexDigit(field[i + 3]));
            i += 2;
        } else {
            problem = escape == '\0'
                          ? "a backslash ends the field"
                          : "unknown escape \\" + shown(field.substr(i + 1, escape == 'x' ? 3 : 1));
            return false;
        }
        ++i;
        runStart = i + 1;
    }
    out += Cp1252::fromUtf8(field.substr(runStart));
    return true;
}

template <typename Number> bool parseNumber(std::string_view field, Number& value) {
    const char* end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, value);
    return error == std::errc() && stop == end;
}

CellarReadResult failure(std::string reason) {
    CellarReadResult result;
    result.error = std::move(reason);
    return result;
}

} // namespace

namespace SampleSource {

CellarReadResult parse(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);

    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    if (lines.empty())
        return failure("Line 1: the header line is missing.");

    // Which column of kColumns each field of a line fills.
    std::vector<const Column*> layout;
    for (std::string_view name : split(lines[0])) {
        const Column* column = nullptr;
        for (const Column& known : kColumns)
            if (known.name == name)
                column = &known;
        if (column == nullptr)
            return failure("Line 1: the column \"" + shown(name) + "\" is unknown.");
        for (const Column* taken : layout)
            if (taken == column)
                return failure("Line 1: the column \"" + std::string(name) + "\" appears twice.");
        layout.push_back(column);
    }
    for (const Column& known : kColumns)
        if (std::find(layout.begin(), layout.end(), &known) == layout.end())
            return failure("Line 1: the column \"" + std::string(known.name) + "\" is missing.");

    WineList entries;
    entries.reserve(lines.size() - 1);
    std::string value;
    for (std::size_t n = 1; n < lines.size(); ++n) {
        const std::string where = "Line " + std::to_string(n + 1);
        const std::vector<std::string_view> fields = split(lines[n]);
        if (fields.size() != layout.size())
            return failure(where + " has " + std::to_string(fields.size()) +
                           (fields.size() == 1 ? " field, not " : " fields, not ") +
                           std::to_string(layout.size()) + ".");
        auto wine = std::make_unique<CWine>();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const Column& column = *layout[i];
            const std::string inColumn = where + ", column " + std::string(column.name);
            std::string problem;
            if (!unescape(fields[i], value, problem))
                return failure(inColumn + ": " + problem + ".");
            bool read = true;
            switch (column.kind) {
            case Kind::Text:
                (*wine).*column.text = value;
                break;
            case Kind::Integer:
                read = parseNumber(value, (*wine).*column.integer);
                break;
            case Kind::Amount:
                read = parseNumber(value, (*wine).*column.amount);
                break;
            }
            if (!read)
                return failure(inColumn + ": \"" + shown(fields[i]) + "\" is not a number.");
        }
        entries.push_back(std::move(wine));
    }

    CellarReadResult result;
    result.entries = std::move(entries);
    return result;
}

CellarReadResult load(const std::filesystem::path& path) {
    std::string text;
    std::string error;
    if (!readWholeFile(path, text, error))
        return failure(std::move(error));
    return parse(text);
}

} // namespace SampleSource
