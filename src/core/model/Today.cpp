#include "core/model/Today.h"

#include "core/model/WineDates.h"

#include <ctime>

namespace {
std::optional<CalendarDate> g_override;
}

CalendarDate today() {
    if (g_override)
        return *g_override;
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now); // one user-interface thread: no race
    if (local == nullptr)
        return {};
    return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday};
}

std::string todayText() {
    const CalendarDate date = today();
    return formatWineDate(date.month, date.day, date.year);
}

void setTodayOverride(std::optional<CalendarDate> date) {
    g_override = date;
}
