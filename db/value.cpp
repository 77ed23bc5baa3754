#include "db/value.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <strings.h>

namespace db {

namespace {

bool parseNumber(const std::string& s, double& out) {
    const char* b = s.data();
    const char* e = s.data() + s.size();
    while (b < e && *b == ' ') ++b;
    while (e > b && e[-1] == ' ') --e;
    if (b == e) return false;
    auto [p, ec] = std::from_chars(b, e, out);
    return ec == std::errc() && p == e;
}

}  // namespace

std::string toText(const Value& v) {
    if (auto i = std::get_if<std::int64_t>(&v)) return std::to_string(*i);
    if (auto d = std::get_if<double>(&v)) {
        if (std::isfinite(*d) && *d == std::floor(*d) && std::fabs(*d) < 1e15)
            return std::to_string(static_cast<std::int64_t>(*d));
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.15g", *d);
        return buf;
    }
    if (auto s = std::get_if<std::string>(&v)) return *s;
    return {};
}

std::int64_t toInteger(const Value& v) {
    if (auto i = std::get_if<std::int64_t>(&v)) return *i;
    if (auto d = std::get_if<double>(&v)) return static_cast<std::int64_t>(std::llround(*d));
    if (auto s = std::get_if<std::string>(&v)) {
        double d = 0;
        if (parseNumber(*s, d)) return static_cast<std::int64_t>(std::llround(d));
        if (strcasecmp(s->c_str(), "true") == 0) return -1;
    }
    return 0;
}

double toFloat(const Value& v) {
    if (auto i = std::get_if<std::int64_t>(&v)) return static_cast<double>(*i);
    if (auto d = std::get_if<double>(&v)) return *d;
    if (auto s = std::get_if<std::string>(&v)) {
        double d = 0;
        if (parseNumber(*s, d)) return d;
    }
    return 0;
}

bool toBool(const Value& v) {
    if (auto s = std::get_if<std::string>(&v)) {
        if (strcasecmp(s->c_str(), "true") == 0 || strcasecmp(s->c_str(), "yes") == 0) return true;
        double d = 0;
        return parseNumber(*s, d) && d != 0;
    }
    return toFloat(v) != 0;
}

int compareValues(const Value& a, const Value& b) {
    if (isNull(a) || isNull(b)) return isNull(a) == isNull(b) ? 0 : (isNull(a) ? -1 : 1);
    const bool aNum = !std::holds_alternative<std::string>(a);
    const bool bNum = !std::holds_alternative<std::string>(b);
    if (aNum && bNum) {
        const double x = toFloat(a), y = toFloat(b);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    const int c = toText(a).compare(toText(b));
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

}  // namespace db
