#include "text/DateText.h"

#include <cstdio>

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

} // namespace zorbel
