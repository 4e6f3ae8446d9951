// Minute stamps and date texts from plain clock values.
#include "ranking/minute_stamp.h"

#include <algorithm>

namespace tsu {

int32_t minute_stamp(int year, int month, int day, int hour, int minute) {
    const int64_t y = std::min(year, 2100);
    const int64_t stamp = y * 535680 + int64_t(month) * 44640 + int64_t(day) * 1440 +
                          int64_t(hour) * 60 + minute;
    return int32_t(stamp);
}

std::string date_text(int year, int month, int day) {
    return std::to_string(year) + "/" + std::to_string(month) + "/" + std::to_string(day);
}

} // namespace tsu
