#include "core/exchange/DelimitedText.h"

#include <algorithm>

char DelimitedText::detectDelimiter(std::string_view text) {
    const std::string_view firstLine = text.substr(0, text.find('\n'));
    const auto tabs = std::count(firstLine.begin(), firstLine.end(), '\t');
    const auto commas = std::count(firstLine.begin(), firstLine.end(), ',');
    return tabs > 0 && tabs >= commas ? '\t' : ',';
}

DelimitedText DelimitedText::parse(std::string_view text) {
    DelimitedText table;
    table.delimiter = detectDelimiter(text);
    const char delimiter = table.delimiter;
    std::vector<std::string> record;
    std::string field;
    std::size_t at = 0;
    const auto endRecord = [&table, &record, &field] {
        record.push_back(std::move(field));
        field.clear();
        if (record.size() > 1 || !record.front().empty())
            table.records.push_back(std::move(record));
        record.clear();
    };
    while (at < text.size()) {
        if (field.empty() && text[at] == '"') {
            // A quoted field: everything up to the lone closing quote.
            ++at;
            bool closed = false;
            while (at < text.size()) {
                const char c = text[at++];
                if (c == '"') {
                    if (at < text.size() && text[at] == '"') {
                        field += '"';
                        ++at;
                        continue;
                    }
                    closed = true;
                    break;
                }
                if (c == '\r' && at < text.size() && text[at] == '\n')
                    continue;
                if (c == '\n')
                    field += "\r\n";
                else
                    field += c;
            }
            if (!closed) {
                table.endsInsideQuotes = true;
                return table;
            }
            continue;
        }
        const char c = text[at++];
        if (c == delimiter) {
            record.push_back(std::move(field));
            field.clear();
        } else if (c == '\n') {
            endRecord();
        } else if (c == '\r' && at < text.size() && text[at] == '\n') {
            continue;
        } else {
            field += c;
        }
    }
    if (!field.empty() || !record.empty())
        endRecord();
    return table;
}
