#include "WineDates.h"

#include <algorithm>
#include <cstdio>

namespace {

// Two-digit years below 50 are 20xx, 50 to 99 are 19xx; anything else is taken as it stands.
int widenYear(int year) {
    if (year > 0 && year < 50)
        return 2000 + year;
    if (year >= 50 && year <= 99)
        return 1900 + year;
    return year;
}

// Plain ASCII classes, whatever locale the user-interface toolkit has set.
bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

WineDate parseWineDate(const std::string& text) {
    int first = 0;
    int second = 0;
    int third = 0;
    WineDate date;
    switch (std::sscanf(text.c_str(), "%d-%d-%d", &first, &second, &third)) {
    case 3:
        date = {third, first, second};
        break;
    case 2: // month and year
        date = {second, first, 0};
        break;
    case 1: // year alone
        date = {first, 0, 0};
        break;
    default:
        return date;
    }
    date.year = widenYear(date.year);
    return date;
}

int compareDates(const std::string& a, const std::string& b) {
    const WineDate da = parseWineDate(a);
    const WineDate db = parseWineDate(b);
    if (da.year != db.year)
        return da.year < db.year ? -1 : 1;
    if (da.month != db.month)
        return da.month < db.month ? -1 : 1;
    if (da.day != db.day)
        return da.day < db.day ? -1 : 1;
    return 0;
}

int compareNumberText(const std::string& a, const std::string& b, bool ratingMode) {
    const std::size_t n = std::min(a.size(), b.size());
    if (n == 0) {
        if (a.empty() && b.empty())
            return 0;
        if (b.empty())
            return ratingMode && a[0] == '-' ? -1 : 1;
        return ratingMode && b[0] == '-' ? 1 : -1;
    }
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
            float na = 0.0f;
            float nb = 0.0f;
            std::sscanf(a.c_str() + i, "%f", &na);
            std::sscanf(b.c_str() + i, "%f", &nb);
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
    if (b.size() > n)
        return ratingMode && b[n] == '-' ? 1 : -1;
    if (a.size() > n)
        return ratingMode && a[n] == '-' ? -1 : 1;
    return 0;
}

std::string formatWineDate(int month, int day, int year) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%d-%d-%d", month, day, year % 100);
    return buffer;
}
