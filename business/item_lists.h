#pragma once
// Filling drop-down and check lists with the values found in a table, and finding a record
// from text typed into a list. Table and column names are checked against the file; values
// are bound, so a typed quote is searched for, not an error.
#include <optional>
#include <string>
#include <vector>

#include "db/connection.h"
#include "db/query.h"

namespace business {

class TGetAndFillItems {
public:
    explicit TGetAndFillItems(db::Connection& connection);

    // The distinct values of the column where the condition holds ("1=1" for all), in the
    // order the engine returns them. The condition is program text with ? for its values.
    std::vector<std::string> FillDistinctItems(const std::string& table, const std::string& column,
                                               const std::string& condition,
                                               const db::Params& params = {});
    // The column's value in the first row where the condition holds; null when none.
    db::Value GetFirstValue(const std::string& table, const std::string& column,
                            const std::string& condition, const db::Params& params = {});

private:
    db::Query query_;
};

class TItemsKeyChange {
public:
    explicit TItemsKeyChange(db::Connection& connection);

    // The result column of the first row whose key column contains the text; an empty text
    // matches every row.
    std::optional<std::string> FindByTypedText(const std::string& table, const std::string& keyColumn,
                                               const std::string& resultColumn,
                                               const std::string& text);

private:
    db::Query query_;
};

// Throws unless the table or view exists and has every one of the columns.
void requireColumns(db::Connection& connection, const std::string& table,
                    const std::vector<std::string>& columns);

}  // namespace business
