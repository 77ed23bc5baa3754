#pragma once
// The filter text and sort text a row set held in memory applies over its rows.
//
// Column names are resolved against the row set's columns when parsing: ASCII case-insensitively,
// written bare or in [brackets] (for names with blanks or odd characters).
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "db/value.h"

namespace db {

class Filter {
public:
    Filter() = default;  // matches every row

    // Throws db::Error with a message naming the fault.
    static Filter parse(std::string_view text, const std::vector<std::string>& columns);

    // `row` holds one value per column, in the order of the columns given to parse.
    bool matches(const std::vector<Value>& row) const { return !test_ || test_(row); }

private:
    using Test = std::function<bool(const std::vector<Value>&)>;
    explicit Filter(Test test) : test_(std::move(test)) {}

    Test test_;
};

class SortOrder {
public:
    SortOrder() = default;  // no order

    // Comma-separated items `column [ASC|DESC]`; throws db::Error with a message naming the fault.
    static SortOrder parse(std::string_view text, const std::vector<std::string>& columns);

    // A strict weak order; rows that tie keep their places only under a stable sort.
    bool less(const std::vector<Value>& a, const std::vector<Value>& b) const;

private:
    struct Key {
        std::size_t column;
        bool descending;
    };
    std::vector<Key> keys_;
};

}  // namespace db
