// Clock values of the ranking: the minute stamp that lets the game skip a
// second request within one clock minute, and the date text a post carries.
#pragma once
#include <cstdint>
#include <string>

namespace tsu {

// year·535680 + month·44640 + day·1440 + hour·60 + minute, the year capped
// at 2100 (a month counts 31 days, a year 12 such months), so two stamps
// are equal exactly when they fall in the same clock minute.
int32_t minute_stamp(int year, int month, int day, int hour, int minute);

// "2009/3/7": the local date without leading zeros.
std::string date_text(int year, int month, int day);

} // namespace tsu
