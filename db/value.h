#pragma once
// A field's value as the engine holds it, and the typed readings every caller uses.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>

namespace db {

// Every failure of the database layer; the text is the engine's message or names the fault.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using Value = std::variant<std::monostate, std::int64_t, double, std::string>;

inline bool isNull(const Value& v) { return std::holds_alternative<std::monostate>(v); }

// A null reads as empty text, 0 or no.
std::string toText(const Value& v);
std::int64_t toInteger(const Value& v);  // text that is no number reads as 0
double toFloat(const Value& v);
bool toBool(const Value& v);  // non-zero numbers; text "True"/"-1"/"1" (any case)

// Both numbers: by value; otherwise by text (UTF-8 byte order). Null sorts first.
int compareValues(const Value& a, const Value& b);

}  // namespace db
