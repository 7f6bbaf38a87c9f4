#pragma once

#include <string>
#include <string_view>
#include <vector>

// Comma- or tab-separated records as spreadsheets write them: a field that begins with a double quote
// runs to the closing quote, holds doubled quotes as one and may hold delimiters and line breaks.
struct DelimitedText {
    char delimiter = ',';
    std::vector<std::vector<std::string>> records; // blank lines left out
    bool endsInsideQuotes = false;                 // the last record was cut off, and is left out

    // The delimiter is the one of the two the first line holds more of (tab on a tie).
    static char detectDelimiter(std::string_view text);
    // Line breaks inside quoted fields become CR LF.
    static DelimitedText parse(std::string_view text);
};
