#include "core/model/WineDates.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace {

// Plain ASCII classes, whatever locale the user-interface toolkit has set.
bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// sscanf needs the terminating NUL that a view may lack; a copy's c_str() also ends at an embedded NUL,
// as the text's own would.
int scanWithSscanf(std::string_view text, int (&numbers)[3]) {
    const std::string terminated(text);
    return std::sscanf(terminated.c_str(), "%d-%d-%d", &numbers[0], &numbers[1], &numbers[2]);
}

} // namespace

int scanDateNumbers(std::string_view text, int (&numbers)[3]) {
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) { return isDigit(c) || c == '-'; });
    if (!plain)
        return scanWithSscanf(text, numbers);
    std::size_t at = 0;
    int count = 0;
    for (; count < 3; ++count) {
        if (count > 0) {
            if (at == text.size() || text[at] != '-')
                break;
            ++at;
        }
        const bool negative = at < text.size() && text[at] == '-';
        if (negative)
            ++at;
        const std::size_t digits = at;
        int value = 0;
        for (; at < text.size() && isDigit(text[at]); ++at) {
            if (at - digits == 9) // might overflow an int: leave it to sscanf
                return scanWithSscanf(text, numbers);
            value = value * 10 + (text[at] - '0');
        }
        if (at == digits)
            break;
        numbers[count] = negative ? -value : value;
    }
    return count;
}

int widenYear(int year) {
    if (year > 0 && year < 50)
        return 2000 + year;
    if (year >= 50 && year <= 99)
        return 1900 + year;
    return year;
}

WineDate parseWineDate(std::string_view text) {
    int numbers[3] = {0, 0, 0};
    WineDate date;
    switch (scanDateNumbers(text, numbers)) {
    case 3:
        date = {numbers[2], numbers[0], numbers[1]};
        break;
    case 2: // month and year
        date = {numbers[1], numbers[0], 0};
        break;
    case 1: // year alone
        date = {numbers[0], 0, 0};
        break;
    default:
        return date;
    }
    date.year = widenYear(date.year);
    return date;
}

int compareDates(const WineDate& a, const WineDate& b) {
    if (a.year != b.year)
        return a.year < b.year ? -1 : 1;
    if (a.month != b.month)
        return a.month < b.month ? -1 : 1;
    if (a.day != b.day)
        return a.day < b.day ? -1 : 1;
    return 0;
}

int compareDates(std::string_view a, std::string_view b) {
    return compareDates(parseWineDate(a), parseWineDate(b));
}

namespace {

// What "%f" reads from the text at a digit.
float numberAt(std::string_view text, std::size_t at) {
    float number = 0.0f;
    const std::string terminated(text.substr(at));
    std::sscanf(terminated.c_str(), "%f", &number);
    return number;
}

// The number-text order, with numberA(i) and numberB(i) giving what "%f" reads at position i of each.
template <typename NumberA, typename NumberB>
int overShorter(std::string_view a, std::string_view b, bool ratingMode, NumberA numberA, NumberB numberB) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (ratingMode) {
            if (a[i] == '+' && b[i] != '+')
                return 1;
            if (b[i] == '+' && a[i] != '+')
                return -1;
        }
        if (isLetter(a[i]) && !isLetter(b[i]))
            return 1;
        if (isLetter(b[i]) && !isLetter(a[i]))
            return -1;
        if (isDigit(a[i]) && isDigit(b[i])) {
            const float na = numberA(i);
            const float nb = numberB(i);
            if (na < nb)
                return -1;
            if (na > nb)
                return 1;
            continue; // equal numbers: the characters themselves are not compared
        }
        const auto ca = static_cast<signed char>(a[i]);
        const auto cb = static_cast<signed char>(b[i]);
        if (ca < cb)
            return -1;
        if (ca != cb)
            return 1;
    }
    return 0;
}

template <typename NumberA, typename NumberB>
int whole(std::string_view a, std::string_view b, bool ratingMode, NumberA numberA, NumberB numberB) {
    const std::size_t n = std::min(a.size(), b.size());
    if (n == 0) {
        if (a.empty() && b.empty())
            return 0;
        if (b.empty())
            return ratingMode && a[0] == '-' ? -1 : 1;
        return ratingMode && b[0] == '-' ? 1 : -1;
    }
    if (const int order = overShorter(a, b, ratingMode, numberA, numberB); order != 0)
        return order;
    if (b.size() > n)
        return ratingMode && b[n] == '-' ? 1 : -1;
    if (a.size() > n)
        return ratingMode && a[n] == '-' ? -1 : 1;
    return 0;
}

} // namespace

int compareNumberTextOverShorter(std::string_view a, std::string_view b, bool ratingMode) {
    return overShorter(
        a, b, ratingMode, [&a](std::size_t i) { return numberAt(a, i); },
        [&b](std::size_t i) { return numberAt(b, i); });
}

int compareNumberText(std::string_view a, std::string_view b, bool ratingMode) {
    return whole(
        a, b, ratingMode, [&a](std::size_t i) { return numberAt(a, i); },
        [&b](std::size_t i) { return numberAt(b, i); });
}

void appendNumbersAtDigits(std::string_view text, std::vector<float>& numbers) {
    const std::size_t first = numbers.size();
    numbers.resize(first + text.size(), 0.0f);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            continue;
        // from_chars reads what "%f" reads at a digit, except hexadecimal ("0x1A") and numbers too
        // large for a float, which sscanf itself reads.
        const char* const end = text.data() + text.size();
        const bool hex = text[i] == '0' && i + 1 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X');
        float& number = numbers[first + i];
        if (hex || std::from_chars(text.data() + i, end, number).ec != std::errc())
            number = numberAt(text, i);
    }
}

int compareNumberText(std::string_view a, const float* numbersA, std::string_view b, const float* numbersB,
                      bool ratingMode) {
    return whole(
        a, b, ratingMode, [numbersA](std::size_t i) { return numbersA[i]; },
        [numbersB](std::size_t i) { return numbersB[i]; });
}

std::string formatWineDate(int month, int day, int year) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%d-%d-%d", month, day, year % 100);
    return buffer;
}
