#pragma once
// The tables, views and indexes of a database file, and the crosstab views generated
// from the periods of the week.
#include <string>
#include <string_view>
#include <vector>

#include "db/connection.h"

namespace db::schema {

// Creates a new file with every table, view and index; refuses a file that exists.
void createDatabase(const std::string& path, const std::string& password);

// The operation log table, as the system update creates it in an older file.
extern const std::string_view kCreateLogTable;

struct ViewDefinition {
    std::string name;
    std::string sql;  // the whole CREATE VIEW statement
};

// The three counting views and their three crosstabs by day, in the order they depend on
// each other; the crosstabs take their day columns from the current periods.
std::vector<ViewDefinition> countingViews(Connection& connection);

// Rebuilds each crosstab view that exists but no longer matches the periods it was built
// from. A missing view is left missing. Answers the names rebuilt.
std::vector<std::string> refreshCrosstabViews(Connection& connection);

// A period's name as the grids and views show it.
std::string trimmedPeriodName(std::string_view name);

}  // namespace db::schema
