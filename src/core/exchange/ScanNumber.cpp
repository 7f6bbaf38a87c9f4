#include "core/exchange/ScanNumber.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <string>

namespace ScanNumber {

bool scanInt(std::string_view text, int& value) {
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    const std::size_t digits = at;
    long long number = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        // Beyond the range of an int the value saturates, as strtol does.
        if (number <= LLONG_MAX / 10 - 10)
            number = number * 10 + (text[at] - '0');
        ++at;
    }
    if (at == digits)
        return false;
    if (negative)
        number = -number;
    value = number > INT_MAX ? INT_MAX : number < INT_MIN ? INT_MIN : static_cast<int>(number);
    return true;
}

bool scanFloat(std::string_view text, float& value) {
    const std::string copy(text.substr(0, 512));
    char* end = nullptr;
    const float number = std::strtof(copy.c_str(), &end);
    if (end == copy.c_str())
        return false;
    value = number;
    return true;
}

} // namespace ScanNumber
