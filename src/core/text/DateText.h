#pragma once

#include <string>

namespace zorbel {

/// A calendar reading of the local clock.
struct DateTime {
    int year = 2000; ///< four digits
    int month = 1;   ///< 1 to 12
    int day = 1;     ///< 1 to 31
    int hour = 0;    ///< 0 to 23
    int minute = 0;
    int second = 0;
};

/// The local wall clock.
DateTime localNow();

/// "dd/mm/yy": two-digit day, month and year.
std::string formatDate(const DateTime& when);

/// "hh:mm:ss" on the 24-hour clock.
std::string formatTime(const DateTime& when);

} // namespace zorbel
