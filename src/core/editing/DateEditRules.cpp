#include "core/editing/DateEditRules.h"

#include "core/model/Today.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

bool isLeapYear(int year) {
    return year % 4 == 0;
}

// A month number outside 1-12 counts as 30 days.
int daysInMonth(int month, int year) {
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 2:
        return isLeapYear(year) ? 29 : 28;
    default:
        return 30;
    }
}

// A month number outside 1-12 counts as a 30-day month, and so does the month before it.
int daysInMonthBefore(int month, int year) {
    if (month < 1 || month > 12)
        return 30;
    return daysInMonth(month == 1 ? 12 : month - 1, year);
}

std::string formatDate(int month, int day, int twoDigitYear) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%d-%d-%02d", month, day, twoDigitYear);
    return buffer;
}

// Two-digit years below 70 are 20xx; nothing goes past 2035, the end of a 32-bit clock's range.
int widenYear(int year) {
    return std::min(year < 70 ? year + 2000 : year + 1900, 2035);
}

std::string stepYear(int month, int day, int year, int delta) {
    const int stepped = year + delta;
    if (stepped < 1970)
        return formatDate(month, day, 70);
    if (stepped > 2035)
        return formatDate(month, day, 35);
    return formatDate(month, day, stepped % 100);
}

// Noon with daylight saving time off, so that adding whole days never lands on another date.
std::string stepDays(int month, int day, int year, int days, int delta) {
    std::tm calendar{};
    calendar.tm_year = year - 1900;
    calendar.tm_mon = month - 1;
    calendar.tm_mday = day;
    calendar.tm_hour = 12;
    calendar.tm_isdst = 0;
    std::time_t time = std::mktime(&calendar);
    const std::time_t seconds = static_cast<std::time_t>(days) * 86400;
    time = delta >= 0 ? time + seconds : time - seconds;
    // 1970-01-02 and 2035-12-31 20:00 UTC keep the result within 1970 to 2035 in western time zones.
    time = std::clamp<std::time_t>(time, 86400, 2082744000);
    const std::tm* local = std::localtime(&time); // one user-interface thread: no race
    if (local == nullptr)
        return formatDate(month, day, year % 100);
    return formatDate(local->tm_mon + 1, local->tm_mday, local->tm_year % 100);
}

} // namespace

namespace DateEditRules {

std::string step(const std::string& text, int delta, bool ctrlDown, bool shiftDown) {
    if (text.empty()) {
        const CalendarDate now = today();
        return formatDate(now.month, now.day, now.year % 100);
    }
    int month = 0;
    int day = 0;
    int year = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%d", &month, &day, &year) != 3)
        return text;
    year = widenYear(year);
    if (ctrlDown) {
        // Forward by the length of the month typed, back by the length of the month before it.
        const int days = delta > 0 ? daysInMonth(month, year) : daysInMonthBefore(month, year);
        return stepDays(month, day, year, days, delta);
    }
    if (shiftDown)
        return stepYear(month, day, year, delta);
    return stepDays(month, day, year, 1, delta);
}

bool isValid(const std::string& text) {
    const std::string head = text.substr(0, 10);
    if (head.empty())
        return true;
    if (head.size() > 8 || std::count(head.begin(), head.end(), '-') != 2)
        return false;
    int month = 0;
    int day = 0;
    int year = 0;
    if (std::sscanf(head.c_str(), "%d-%d-%d", &month, &day, &year) != 3)
        return false;
    return month >= 1 && month <= 12 && day >= 1 && day <= 31 && year >= 0 && year <= 99;
}

} // namespace DateEditRules
