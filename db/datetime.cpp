#include "db/datetime.h"

#include <cstdio>
#include <ctime>

#include "db/value.h"

namespace db {

namespace {

std::string format(TimePoint t, const char* pattern) {
    const std::time_t tt = std::chrono::system_clock::to_time_t(t);
    std::tm local{};
    localtime_r(&tt, &local);
    char buf[32];
    std::strftime(buf, sizeof buf, pattern, &local);
    return buf;
}

}  // namespace

std::string formatDateTime(TimePoint t) { return format(t, "%Y-%m-%d %H:%M:%S"); }
std::string formatDate(TimePoint t) { return format(t, "%Y-%m-%d"); }
std::string nowText() { return formatDateTime(std::chrono::system_clock::now()); }

TimePoint parseDateTime(std::string_view text) {
    std::tm tm{};
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    char sep = 0;
    const std::string str(text);
    const int n = std::sscanf(str.c_str(), "%4d-%2d-%2d%c%2d:%2d:%2d", &y, &mo, &d, &sep, &h, &mi, &s);
    if (n != 3 && !(n >= 6 && (sep == ' ' || sep == 'T')))
        throw Error("不是日期时间：" + str);
    tm.tm_year = y - 1900;
    tm.tm_mon = mo - 1;
    tm.tm_mday = d;
    tm.tm_hour = h;
    tm.tm_min = mi;
    tm.tm_sec = s;
    tm.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&tm));
}

}  // namespace db
