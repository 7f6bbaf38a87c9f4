#include "core/model/SampleSource.h"

#include "core/model/AtomicFile.h"
#include "core/model/Cp1252.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

namespace {

// The column names: the members' names, in their stored order.
std::vector<std::string_view> memberNames() {
    std::vector<std::string_view> names;
    const CWine blank;
    CWine::visitMembers(blank, [&names](const char* name, const auto&) { names.emplace_back(name); });
    return names;
}

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

    // Which field of a line fills each member.
    const std::vector<std::string_view> names = memberNames();
    const std::vector<std::string_view> header = split(lines[0]);
    std::vector<std::size_t> fieldOf(names.size(), header.size());
    for (std::size_t i = 0; i < header.size(); ++i) {
        const auto known = std::find(names.begin(), names.end(), header[i]);
        if (known == names.end())
            return failure("Line 1: the column \"" + shown(header[i]) + "\" is unknown.");
        std::size_t& field = fieldOf[static_cast<std::size_t>(known - names.begin())];
        if (field != header.size())
            return failure("Line 1: the column \"" + std::string(header[i]) + "\" appears twice.");
        field = i;
    }
    for (std::size_t member = 0; member < names.size(); ++member)
        if (fieldOf[member] == header.size())
            return failure("Line 1: the column \"" + std::string(names[member]) + "\" is missing.");

    WineList entries;
    entries.reserve(lines.size() - 1);
    std::string value;
    for (std::size_t n = 1; n < lines.size(); ++n) {
        const std::string where = "Line " + std::to_string(n + 1);
        const std::vector<std::string_view> fields = split(lines[n]);
        if (fields.size() != header.size())
            return failure(where + " has " + std::to_string(fields.size()) +
                           (fields.size() == 1 ? " field, not " : " fields, not ") +
                           std::to_string(header.size()) + ".");
        auto wine = std::make_unique<CWine>();
        std::string problem;
        std::size_t member = 0;
        CWine::visitMembers(*wine, [&](const char* name, auto& target) {
            const std::string_view field = fields[fieldOf[member++]];
            if (!problem.empty())
                return;
            const std::string inColumn = where + ", column " + name;
            std::string unescaping;
            if (!unescape(field, value, unescaping)) {
                problem = inColumn + ": " + unescaping + ".";
                return;
            }
            if constexpr (std::is_same_v<std::decay_t<decltype(target)>, WineText>)
                target = value;
            else if (!parseNumber(value, target))
                problem = inColumn + ": \"" + shown(field) + "\" is not a number.";
        });
        if (!problem.empty())
            return failure(problem);
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
