#pragma once
// One entry of the class timetable (a class in a placed cell) and its store: single
// entries, value lists, the class crosstab for a window, and who is busy in a period.
#include <optional>
#include <string>
#include <vector>

#include "db/connection.h"
#include "db/query.h"

namespace business {

struct TClassCrc {
    std::string FTaskCode;
    std::string FClassCode;
    std::string FClassName;
    std::string FDept;
    std::string FGrade;
    std::string FTeachingSection;
    std::string FPeriod;
    std::string FRoom;
    std::string FCourse;
    std::string FTeacher;
    std::string FTeachingGroup;
    bool FIsCombined = false;
    std::string FMemo;
};

class TClassCrcDBProcess {
public:
    explicit TClassCrcDBProcess(db::Connection& connection);

    // The first entry of the task FTaskCode, else the one in room FRoom and period FPeriod
    // (trimmed). False, and the entry unchanged, when there is none.
    bool GetClassEntry(TClassCrc& entry);
    // Distinct values of a vCrcClass column over entries whose room begins with FRoom and
    // whose period ends with FPeriod, where the condition (program text, ? for params) holds.
    void ListClassValues(const TClassCrc& entry, const std::string& column,
                         const std::string& condition, const db::Params& params,
                         std::vector<std::string>& list);
    // Opens on GridQuery() the class crosstab rows of the named classes (and of classes of
    // the entry's department, grade or section); answers the row count.
    int OpenClassTimetable(const TClassCrc& entry, const std::vector<std::string>& classNames);
    db::Query& GridQuery() { return grid_; }

    // The code of a placed cell, in one of the periods, of a task whose teacher shows under
    // this name; the one in the first room by name. Read from the teacher's own tasks, so it
    // costs the same in a small college and a large one.
    std::optional<std::string> FindTeacherBusy(const std::string& teacherName,
                                               const std::vector<std::string>& periodCodes);
    // Likewise for a placed cell, in one of the periods, of a task one of these classes takes.
    std::optional<std::string> FindClassesBusy(const std::vector<std::string>& classNames,
                                               const std::vector<std::string>& periodCodes);

private:
    db::Connection& connection_;
    db::Query lookup_;
    db::Query grid_;
};

// "?, ?, ?" for n values.
std::string placeholders(std::size_t n);

}  // namespace business
