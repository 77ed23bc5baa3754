#include "business/class_crc.h"

#include "business/item_lists.h"
#include "db/names.h"
#include "db/schema.h"

namespace business {

std::string placeholders(std::size_t n) {
    std::string marks;
    for (std::size_t i = 0; i < n; ++i) marks += i ? ", ?" : "?";
    return marks;
}

TClassCrcDBProcess::TClassCrcDBProcess(db::Connection& connection)
    : connection_(connection), lookup_(connection), grid_(connection) {
    connection_.ensureOpen();
}

bool TClassCrcDBProcess::GetClassEntry(TClassCrc& entry) {
    // Two look-ups rather than one with OR, so that each can use its index.
    lookup_.open("SELECT * FROM vCrcClass WHERE 任务编号 = ?", {entry.FTaskCode});
    if (lookup_.isEmpty())
        lookup_.open("SELECT * FROM vCrcClass WHERE 教室 = ? AND trim(节时) = ?",
                     {entry.FRoom, db::schema::trimmedPeriodName(entry.FPeriod)});
    const bool found = !lookup_.isEmpty();
    if (found) {
        entry.FTaskCode = lookup_["任务编号"].asText();
        entry.FClassCode = lookup_["班号"].asText();
        entry.FClassName = lookup_["班级"].asText();
        entry.FPeriod = lookup_["节时"].asText();
        entry.FRoom = lookup_["教室"].asText();
        entry.FCourse = lookup_["课程"].asText();
        entry.FTeacher = lookup_["主讲教师"].asText();
        entry.FIsCombined = lookup_["是否合班"].asBool();
        entry.FTeachingGroup = lookup_["排课班"].asText();
        entry.FDept = lookup_["教学部"].asText();
        entry.FGrade = lookup_["年级"].asText();
        entry.FMemo = lookup_["备注"].asText();
    }
    lookup_.close();
    return found;
}

void TClassCrcDBProcess::ListClassValues(const TClassCrc& entry, const std::string& column,
                                         const std::string& condition, const db::Params& params,
                                         std::vector<std::string>& list) {
    requireColumns(connection_, "vCrcClass", {column});
    db::Params all = {db::escapeLike(entry.FRoom) + "%", "%" + db::escapeLike(entry.FPeriod)};
    all.insert(all.end(), params.begin(), params.end());
    lookup_.open("SELECT DISTINCT " + db::quoteName(column) +
                     " FROM vCrcClass WHERE (教室 LIKE ? ESCAPE '\\') AND (节时 LIKE ? ESCAPE '\\')"
                     " AND (" + condition + ")",
                 all);
    list = lookup_.columnTexts(0);
    lookup_.close();
}

int TClassCrcDBProcess::OpenClassTimetable(const TClassCrc& entry,
                                           const std::vector<std::string>& classNames) {
    db::Params params = {entry.FDept, entry.FGrade, entry.FTeachingSection};
    params.insert(params.end(), classNames.begin(), classNames.end());
    db::NotificationPause pause(grid_);
    grid_.open("SELECT * FROM vcCrcClass WHERE (教学部 = ?) OR (年级 = ?) OR (教研室 = ?) OR "
               "(班级 IN (" + placeholders(classNames.size()) + "))",
               params);
    return grid_.rowCount();
}

std::optional<std::string> TClassCrcDBProcess::FindTeacherBusy(
    const std::string& teacherName, const std::vector<std::string>& periodCodes) {
    if (periodCodes.empty()) return std::nullopt;
    // CROSS JOIN keeps the order: from the teacher's tasks to their cells, never from every
    // cell of the period. The staff numbers that show under this name: teachers of that name, the text itself
    // when no teacher has it as staff number, and the placeholder when it has no row.
    const std::string placeholder(db::kPlaceholderStaffNo);
    db::Params params = {teacherName, teacherName, teacherName, placeholder, teacherName,
                         std::string(db::kPlaceholderTeacherName), placeholder};
    params.insert(params.end(), periodCodes.begin(), periodCodes.end());
    const db::Value cell = connection_.scalar(
        "SELECT c.编号 FROM CrcTask t CROSS JOIN Curriculum c ON c.排课任务编号 = t.编号 "
        "LEFT JOIN Room r ON r.编号 = c.教室 "
        "WHERE t.主讲教师 IN (SELECT 教工号 FROM Teacher WHERE 姓名 = ? "
        "  UNION SELECT ? WHERE NOT EXISTS (SELECT 1 FROM Teacher WHERE 教工号 = ?) "
        "  UNION SELECT ? WHERE ? = ? AND NOT EXISTS (SELECT 1 FROM Teacher WHERE 教工号 = ?)) "
        "AND c.是否已排 = 1 AND c.节时 IN (" + placeholders(periodCodes.size()) + ") "
        "ORDER BY r.教室, c.ID LIMIT 1",
        params);
    if (db::isNull(cell)) return std::nullopt;
    return db::toText(cell);
}

std::optional<std::string> TClassCrcDBProcess::FindClassesBusy(
    const std::vector<std::string>& classNames, const std::vector<std::string>& periodCodes) {
    if (periodCodes.empty() || classNames.empty()) return std::nullopt;
    db::Params params(classNames.begin(), classNames.end());
    params.insert(params.end(), periodCodes.begin(), periodCodes.end());
    const db::Value cell = connection_.scalar(
        "SELECT c.编号 FROM Class cl CROSS JOIN CoursePlanTask cpt ON cpt.班号 = cl.班号 "
        "CROSS JOIN Curriculum c ON c.排课任务编号 = cpt.排课任务编号 "
        "CROSS JOIN CrcTask t ON t.编号 = c.排课任务编号 "
        "LEFT JOIN Room r ON r.编号 = c.教室 "
        "WHERE cl.班级 IN (" + placeholders(classNames.size()) + ") AND cpt.排课任务编号 <> '' "
        "AND c.是否已排 = 1 AND c.节时 IN (" + placeholders(periodCodes.size()) + ") "
        "ORDER BY r.教室, c.ID LIMIT 1",
        params);
    if (db::isNull(cell)) return std::nullopt;
    return db::toText(cell);
}

}  // namespace business
