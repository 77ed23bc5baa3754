#include "business/crc_task_remain.h"

#include "business/item_lists.h"

namespace business {

TCrcTaskRemain TCrcTaskRemain::NoFilter() {
    TCrcTaskRemain filter;
    filter.FPeriodsPlaced = filter.FPeriodsToPlace = filter.FGroupSize = filter.FWeeksToPlace = -9;
    return filter;
}

TCrcTaskRemainDBProcess::TCrcTaskRemainDBProcess(db::Connection& connection)
    : connection_(connection), lookup_(connection), grid_(connection) {
    connection_.ensureOpen();
}

bool TCrcTaskRemainDBProcess::LoadTask(TCrcTaskRemain& task) {
    lookup_.open("SELECT * FROM vCrcTaskRemain WHERE 编号 = ?", {task.FCode});
    const bool found = !lookup_.isEmpty();
    if (found) {
        task.FCourse = lookup_["课程"].asText();
        task.FTeachingGroup = lookup_["排课班"].asText();
        task.FTeacher = lookup_["主讲教师"].asText();
        task.FPeriodsPlaced = static_cast<int>(lookup_["已排节"].asInteger());
        task.FPeriodsToPlace = static_cast<int>(lookup_["待排节"].asInteger());
        task.FRoomRequirement = lookup_["教室要求"].asText();
        task.FGroupSize = static_cast<int>(lookup_["排课人数"].asInteger());
        task.FIsCombined = lookup_["是否合班"].asBool();
        task.FWeeksToPlace = static_cast<int>(lookup_["待排周"].asInteger());
        task.FDept = lookup_["教学部"].asText();
    } else {
        TCrcTaskRemain empty;
        empty.FCode = task.FCode;
        task = empty;
    }
    lookup_.close();
    return found;
}

std::string TCrcTaskRemainDBProcess::BuildTaskWhere(const TCrcTaskRemain& filter,
                                                    const std::string& tail,
                                                    db::Params& params) const {
    std::string where = " WHERE ";
    auto text = [&](const char* column, const std::string& value) {
        if (value.empty()) return;
        where += std::string("(") + column + " = ?) AND ";
        params.push_back(value);
    };
    auto number = [&](const char* column, int value) {
        if (value < 0) return;
        where += std::string("(") + column + " = ?) AND ";
        params.emplace_back(std::in_place_type<std::int64_t>, value);
    };
    text("编号", filter.FCode);
    text("课程", filter.FCourse);
    text("排课班", filter.FTeachingGroup);
    text("主讲教师", filter.FTeacher);
    text("教室要求", filter.FRoomRequirement);
    text("教学部", filter.FDept);
    if (filter.FIsCombined) where += "(是否合班 = 1) AND ";
    number("排课人数", filter.FGroupSize);
    number("待排节", filter.FPeriodsToPlace);
    number("已排节", filter.FPeriodsPlaced);
    number("待排周", filter.FWeeksToPlace);
    return where + tail;
}

void TCrcTaskRemainDBProcess::ListTaskValues(const TCrcTaskRemain& filter,
                                             const std::string& column, const std::string& tail,
                                             const db::Params& tailParams,
                                             std::vector<std::string>& list) {
    if (column.empty()) return;
    requireColumns(connection_, "vCrcTaskRemain", {column});
    db::Params params;
    const std::string where = BuildTaskWhere(filter, tail, params);
    params.insert(params.end(), tailParams.begin(), tailParams.end());
    lookup_.open("SELECT DISTINCT " + db::quoteName(column) + " FROM vCrcTaskRemain" + where,
                 params);
    list = lookup_.columnTexts(0);
    lookup_.close();
}

int TCrcTaskRemainDBProcess::OpenTaskGrid(const TCrcTaskRemain& filter, const std::string& tail,
                                          const db::Params& tailParams) {
    db::Params params;
    const std::string where = BuildTaskWhere(filter, tail, params);
    params.insert(params.end(), tailParams.begin(), tailParams.end());
    db::NotificationPause pause(grid_);
    grid_.open("SELECT * FROM vCrcTaskRemain" + where, params);
    return grid_.rowCount();
}

bool TCrcTaskRemainDBProcess::SaveTaskCounters(const TCrcTaskRemain& task) {
    return connection_.execute("UPDATE CrcTask SET 已排节 = ?, 待排节 = ? WHERE 编号 = ?",
                               {std::int64_t{task.FPeriodsPlaced},
                                std::int64_t{task.FPeriodsToPlace}, task.FCode}) == 1;
}

}  // namespace business
