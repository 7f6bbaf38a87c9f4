#include "core/exchange/TabText.h"

namespace TabText {

std::vector<Line> lines(std::string_view bytes) {
    std::vector<Line> result;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos)
            end = bytes.size();
        else if (end > start && bytes[end - 1] == '\r')
            --end;
        const std::string_view text = bytes.substr(start, end - start);
        result.push_back({text, text.size() > kLongestLine});
        start = next;
    }
    return result;
}

std::string_view headerLine(std::string_view bytes) {
    std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos)
        end = bytes.size();
    else if (end > 0 && bytes[end - 1] == '\r')
        --end;
    return bytes.substr(0, end);
}

std::vector<std::string_view> headerColumns(std::string_view header) {
    header = header.substr(0, kLongestHeader);
    std::vector<std::string_view> columns;
    std::size_t start = 0;
    while (start < header.size()) {
        std::size_t tab = header.find('\t', start);
        if (tab == std::string_view::npos)
            tab = header.size();
        columns.push_back(header.substr(start, tab - start));
        start = tab + 1;
    }
    return columns;
}

void splitFields(std::string_view line, std::vector<std::string_view>& fields) {
    fields.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return;
        }
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
}

std::string_view withoutQuotes(std::string_view field) {
    if (!field.empty() && field.front() == '"')
        field.remove_prefix(1);
    if (!field.empty() && field.back() == '"')
        field.remove_suffix(1);
    return field;
}

} // namespace TabText
