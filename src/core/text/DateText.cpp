#include "text/DateText.h"

#include <cstdio>
#include <ctime>

namespace zorbel {

namespace {
std::string twoDigitGroups(int a, int b, int c, char separator) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d%c%02d%c%02d", a % 100, separator, b % 100, separator,
                  c % 100);
    return buffer;
}
} // namespace

std::string formatDate(const DateTime& when) {
    return twoDigitGroups(when.day, when.month, when.year, '/');
}

std::string formatTime(const DateTime& when) {
    return twoDigitGroups(when.hour, when.minute, when.second, ':');
}

DateTime localNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                    local.tm_hour,        local.tm_min,     local.tm_sec};
}

} // namespace zorbel
