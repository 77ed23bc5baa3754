#pragma once
// Dates and times are stored as ISO 8601 text in local time: "2026-12-11 15:04:05".
#include <chrono>
#include <string>
#include <string_view>

namespace db {

using TimePoint = std::chrono::system_clock::time_point;

std::string formatDateTime(TimePoint t);
std::string formatDate(TimePoint t);  // "2026-12-11"
std::string nowText();
// Reads "yyyy-MM-dd", "yyyy-MM-dd HH:mm[:ss]" or with a 'T'; throws db::Error otherwise.
TimePoint parseDateTime(std::string_view text);

}  // namespace db
