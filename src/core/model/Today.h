#pragma once

#include <optional>
#include <string>

// Today's local date, replaceable so that tests and scripted runs can fix "today".
struct CalendarDate {
    int year = 1970;
    int month = 1;
    int day = 1;
};

CalendarDate today();

// Today as an entry stores it, for example "7-3-1" for 3 July 2001.
std::string todayText();

// A fixed date for today, or std::nullopt to go back to the system clock.
void setTodayOverride(std::optional<CalendarDate> date);
