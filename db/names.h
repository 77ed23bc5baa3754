#pragma once
// Names every layer shares: the data file, its password, the placeholder teacher.
#include <string_view>

namespace db {

inline constexpr std::string_view kDataFileName = "Korvane.dat";
// Every database file the program opens, its own and the ones it merges or tests, carries it.
inline constexpr std::string_view kDatabasePassword = "rtp5093841";
// Staff number of the teacher not yet decided, and the name shown when the table has none.
inline constexpr std::string_view kPlaceholderStaffNo = "0000000";
inline constexpr std::string_view kPlaceholderTeacherName = "待定";

}  // namespace db
