#pragma once
// The statements behind db/schema.h; internal to db/.
#include <string>
#include <string_view>
#include <vector>

#include "db/schema.h"

namespace db::schema {

extern const std::string_view kCreateTables;
extern const std::string_view kCreateViews;

struct PeriodColumn {
    std::string code;  // Period.编号
    std::string name;  // trimmed Period.节时, the column title
};

std::vector<PeriodColumn> loadPeriods(Connection& connection);
// Days of the week in period order: the first character of each trimmed period name.
std::vector<std::string> daysOf(const std::vector<PeriodColumn>& periods);

std::vector<ViewDefinition> timetableCrosstabs(const std::vector<PeriodColumn>& periods);

}  // namespace db::schema
