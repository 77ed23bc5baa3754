#include "business/course_plan_task.h"

#include <algorithm>
#include <charconv>

#include "business/course_plan.h"
#include "business/gbk.h"
#include "business/item_lists.h"
#include "business/major_class.h"
#include "db/transaction.h"

namespace business {

namespace {

// The CoursePlanTask columns a record writes, in the order of storedValues().
constexpr const char* kStoredColumns =
    "开课编号, 班号, 排课任务编号, 是否单班, 是否合班, 合班备注, 是否拆班, 拆班编号, 排课班, 排课人数, 是否设置";
constexpr const char* kStoredMarks = "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?";

db::Value yesNo(bool value) { return std::int64_t{value ? 1 : 0}; }

db::Params storedValues(const TCoursePlanTask& t) {
    return {t.FPlanCode,      t.FClassCode,        t.FCrcTaskCode, yesNo(t.FIsSingle),
            yesNo(t.FIsCombined), t.FCombineMemo,   yesNo(t.FIsSplit), t.FSplitCode,
            t.FTeachingGroup, std::int64_t{t.FGroupSize}, yesNo(t.FIsSet)};
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string> splitColumns(const std::string& columns) {
    std::vector<std::string> names;
    std::size_t start = 0;
    for (;;) {
        const auto comma = columns.find(',', start);
        names.push_back(trimmed(columns.substr(start, comma - start)));
        if (comma == std::string::npos) return names;
        start = comma + 1;
    }
}

std::int64_t rangeBase(const std::string& text, const std::string& dept) {
    std::int64_t base = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        throw db::Error("教学部 " + dept + " 的任务编号起点 param1 不是整数：" + text);
    return base;
}

}  // namespace

TCoursePlanTaskDBProcess::TCoursePlanTaskDBProcess(db::Connection& connection)
    : connection_(connection), lookup_(connection), grid_(connection) {
    connection_.ensureOpen();
}

bool TCoursePlanTaskDBProcess::readTask(TCoursePlanTask& task) {
    const bool found = !lookup_.isEmpty();
    if (found) {
        task.FTaskCode = lookup_["任务编号"].asText();
        task.FPlanCode = lookup_["开课编号"].asText();
        task.FClassCode = lookup_["班号"].asText();
        task.FCrcTaskCode = lookup_["排课任务编号"].asText();
        task.FClassName = lookup_["班级"].asText();
        // Read too, so a task read and then updated keeps its single-class flag.
        task.FIsSingle = lookup_["是否单班"].asBool();
        task.FIsCombined = lookup_["是否合班"].asBool();
        task.FCombineMemo = lookup_["合班备注"].asText();
        task.FIsSplit = lookup_["是否拆班"].asBool();
        task.FSplitCode = lookup_["拆班编号"].asText();
        task.FTeachingGroup = lookup_["排课班"].asText();
        task.FGroupSize = static_cast<int>(lookup_["排课人数"].asInteger());
        task.FClassSize = static_cast<int>(lookup_["班级人数"].asInteger());
        task.FIsSet = lookup_["是否设置"].asBool();
        task.FWeeklyHours = static_cast<int>(lookup_["周学时"].asInteger());
        task.FRoomRequirement = lookup_["教室要求"].asText();
        task.FWeeks = static_cast<int>(lookup_["周数"].asInteger());
        task.FSuggestedTeacher = lookup_["建议主讲教师"].asText();
    } else {
        task.FCrcTaskCode.clear();
        task.FClassName.clear();
        task.FCombineMemo.clear();
        task.FSplitCode.clear();
        task.FTeachingGroup.clear();
        task.FSuggestedTeacher.clear();
        task.FIsSingle = task.FIsCombined = task.FIsSplit = task.FIsSet = false;
        task.FGroupSize = task.FWeeklyHours = 0;
    }
    lookup_.close();
    return found;
}

bool TCoursePlanTaskDBProcess::GetTaskByCode(TCoursePlanTask& task) {
    lookup_.open("SELECT * FROM vCoursePlanTask WHERE 任务编号 = ? ORDER BY ID", {task.FTaskCode});
    return readTask(task);
}

bool TCoursePlanTaskDBProcess::GetTaskByPlanAndClass(TCoursePlanTask& task) {
    lookup_.open("SELECT * FROM vCoursePlanTask WHERE 开课编号 = ? AND 班号 = ? ORDER BY ID",
                 {task.FPlanCode, task.FClassCode});
    const bool found = readTask(task);
    if (!found) task.FTaskCode.clear();
    return found;
}

void TCoursePlanTaskDBProcess::ListTaskLines(const TCoursePlanTask& task, const std::string& columns,
                                             const std::string& extra,
                                             const db::Params& extraParams,
                                             std::vector<std::string>& list) {
    const auto names = splitColumns(columns);
    requireColumns(connection_, "vCoursePlanTask", names);
    std::string select;
    for (const auto& name : names) select += (select.empty() ? "" : ", ") + db::quoteName(name);
    db::Params params;
    const std::string where = BuildTaskFilter(task, extra, params);
    params.insert(params.end(), extraParams.begin(), extraParams.end());
    lookup_.open("SELECT DISTINCT " + select + " FROM vCoursePlanTask" + where, params);
    list.clear();
    for (lookup_.first(); !lookup_.eof(); lookup_.next()) {
        std::string line;
        for (int i = 0; i < lookup_.fieldCount(); ++i)
            line += (i ? ", " : "") + lookup_.field(i).asText();
        list.push_back(line);
    }
    lookup_.close();
}

int TCoursePlanTaskDBProcess::OpenTasks(const TCoursePlanTask& task, const std::string& extra,
                                        const db::Params& extraParams) {
    db::Params params = {task.FTaskCode, db::escapeLike(task.FTerm) + "%"};
    params.insert(params.end(), extraParams.begin(), extraParams.end());
    db::NotificationPause pause(grid_);
    grid_.open("SELECT * FROM vCoursePlanTask WHERE ((任务编号 = ?) OR (学期 LIKE ? ESCAPE '\\')) AND " +
                   extra,
               params);
    return grid_.rowCount();
}

void TCoursePlanTaskDBProcess::InsertTask(TCoursePlanTask& task, const std::string& deptID) {
    db::Transaction tx(connection_);
    const db::Value classDept = connection_.scalar(
        "SELECT COALESCE(教学部, '') FROM Class WHERE 班号 = ?", {task.FClassCode});
    const std::string dept = db::isNull(classDept) ? deptID : db::toText(classDept);
    // Tasks of classes without a Class row count under the department they were made for,
    // so a second such task does not take the first one's ID.
    std::string maxSql =
        "SELECT MAX(t.ID) FROM CoursePlanTask t LEFT JOIN Class c ON c.班号 = t.班号 "
        "WHERE c.教学部 = ?";
    if (dept == deptID) maxSql += " OR c.ID IS NULL";
    const std::int64_t maxID = db::toInteger(connection_.scalar(maxSql, {dept}));
    const db::Value param1 =
        connection_.scalar("SELECT param1 FROM [system] WHERE DeptID = ? ORDER BY ID", {dept});
    const std::int64_t base = rangeBase(db::isNull(param1) ? "0" : db::toText(param1), dept);

    const std::int64_t id = std::max(maxID, base) + 1;
    const std::string code = "CPT" + std::to_string(id);
    db::Params params = {id, code};
    const db::Params stored = storedValues(task);
    params.insert(params.end(), stored.begin(), stored.end());
    connection_.execute(std::string("INSERT INTO CoursePlanTask (ID, 任务编号, ") + kStoredColumns +
                            ") VALUES (?, ?, " + kStoredMarks + ")",
                        params);
    tx.commit();
    task.FTaskCode = code;
}

bool TCoursePlanTaskDBProcess::UpdateTask(const TCoursePlanTask& task) {
    db::Params params = storedValues(task);
    params.push_back(task.FTaskCode);
    try {
        return connection_.execute(std::string("UPDATE CoursePlanTask SET (") + kStoredColumns +
                                       ") = (" + kStoredMarks + ") WHERE 任务编号 = ?",
                                   params) > 0;
    } catch (const db::Error&) {
        return false;
    }
}

void TCoursePlanTaskDBProcess::InitTasks(const std::string& term,
                                         const std::vector<std::string>& grades,
                                         const std::vector<std::string>& majors,
                                         const std::string& deptID, int& count,
                                         std::vector<std::string>& failures,
                                         std::vector<std::string>& log) {
    // Built aside and handed over only once the run is committed.
    std::vector<std::string> newFailures = {"年级, 专业, 班号, 开课号, 备注"};
    std::vector<std::string> newLog = {"年级, 专业, 班数, 开课数:开课"};
    int visited = 0;
    TMajorClassDBProcess majorClasses(connection_);
    TCoursePlanDBProcess plans(connection_);
    db::Transaction tx(connection_);
    for (const auto& grade : grades) {
        for (const auto& major : majors) {
            TMajorClass classCriteria;
            classCriteria.FGrade = grade;
            classCriteria.FMajor = major;
            std::vector<std::string> classCodes;
            majorClasses.ListMajorClassValues(classCriteria, "班号", "1=1", {}, classCodes);
            TCoursePlan planCriteria;
            planCriteria.FTerm = term;
            planCriteria.FGrade = grade;
            planCriteria.FMajor = major;
            std::vector<std::string> planCodes;
            plans.ListPlanValues(planCriteria, "编号", "1=1", {}, planCodes);

            std::string line = grade + ", " + major + ", " + std::to_string(classCodes.size()) +
                               ", " + std::to_string(planCodes.size()) + ": ";
            for (const auto& classCode : classCodes) {
                for (const auto& planCode : planCodes) {
                    line += planCode + ".";
                    TCoursePlanTask task;
                    task.FPlanCode = planCode;
                    task.FClassCode = classCode;
                    if (GetTaskByPlanAndClass(task)) {
                        newFailures.push_back(grade + ", " + major + ", " + classCode + ", " +
                                              planCode + ", " + "已存在任务:" + task.FTaskCode);
                    } else {
                        InsertTask(task, deptID);
                        line += "OK.";
                    }
                    ++visited;
                }
            }
            newLog.push_back(line);
        }
    }
    tx.commit();
    count = visited;
    failures = std::move(newFailures);
    log = std::move(newLog);
}

void TCoursePlanTaskDBProcess::GetCombinedClassName(const std::vector<std::string>& codes,
                                                    std::string& name, int& size) {
    name.clear();
    size = 0;
    for (const auto& code : codes) {
        lookup_.open("SELECT 任务编号, 班级, 班级人数 FROM vCoursePlanTask WHERE 任务编号 = ?", {code});
        if (!lookup_.isEmpty()) {
            std::string className = lookup_["班级"].asText();
            // The grade digits (or first character) shared with the name so far are said once.
            if (!name.empty() && gbkLeft(name, 2) == gbkLeft(className, 2))
                className = gbkDropLeft(className, 2);
            name += className;
            size += static_cast<int>(lookup_["班级人数"].asInteger());
        }
        lookup_.close();
    }
}

std::string TCoursePlanTaskDBProcess::BuildTaskFilter(const TCoursePlanTask& task,
                                                      const std::string& extra, db::Params& params) {
    std::string where = " WHERE ";
    const auto text = [&](const std::string& value, const char* condition) {
        if (value.empty()) return;
        where += condition;
        params.push_back(value);
    };
    const auto number = [&](int value, const char* condition) {
        if (value <= 0) return;
        where += condition;
        params.emplace_back(std::in_place_type<std::int64_t>, value);
    };
    const auto flag = [&](bool value, const char* condition) {
        if (value) where += condition;
    };
    text(task.FTaskCode, "(任务编号 = ?) AND ");
    text(task.FTerm, "(学期 = ?) AND ");
    text(task.FPlanCode, "(开课编号 = ?) AND ");
    text(task.FCrcTaskCode, "(排课任务编号 = ?) AND ");
    flag(task.FIsSingle, "(是否单班 = 1) AND ");
    flag(task.FIsCombined, "(是否合班 = 1) AND ");
    flag(task.FIsSplit, "(是否拆班 = 1) AND ");
    flag(task.FIsSet, "(是否设置 = 1) AND ");
    text(task.FCourse, "(课程 = ?) AND ");
    text(task.FClassName, "(班级 = ?) AND ");
    number(task.FWeeklyHours, "(周学时 = ?) AND ");
    text(task.FRoomRequirement, "(教室要求 = ?) AND ");
    number(task.FClassSize, "(班级人数 = ?) AND ");
    number(task.FWeeks, "(周数 = ?) AND ");
    text(task.FDept, "(教学部 = ?) AND ");
    return where + extra;
}

}  // namespace business
