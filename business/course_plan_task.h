#pragma once
// Course-plan tasks: one course plan applied to one class, and grouped into the teaching
// group of a scheduling task. The store reads them through vCoursePlanTask and writes
// CoursePlanTask.
#include <string>
#include <vector>

#include "db/connection.h"
#include "db/query.h"

namespace business {

// A task to read or write, or the criteria of a list: a text takes part when not empty, a
// flag when true, FWeeklyHours, FWeeks and FClassSize when greater than 0 (-9: no
// condition). FTerm, FCourse, FWeeklyHours, FWeeks, FRoomRequirement, FClassName, FDept,
// FClassSize and FSuggestedTeacher come from the view; writes leave them out.
struct TCoursePlanTask {
    std::string FTaskCode;
    std::string FTerm;
    std::string FPlanCode;
    std::string FCourse;
    int FWeeklyHours = 0;
    int FWeeks = 0;
    std::string FRoomRequirement;
    std::string FClassCode;
    std::string FClassName;
    std::string FDept;
    std::string FCrcTaskCode;  // empty while no scheduling task serves it
    bool FIsSingle = false;
    bool FIsCombined = false;
    std::string FCombineMemo;
    bool FIsSplit = false;
    std::string FSplitCode;
    std::string FTeachingGroup;
    int FGroupSize = 0;
    int FClassSize = 0;
    std::string FSuggestedTeacher;
    bool FIsSet = false;
};

class TCoursePlanTaskDBProcess {
public:
    explicit TCoursePlanTaskDBProcess(db::Connection& connection);

    // Fill the task of FTaskCode / of FPlanCode and FClassCode. When there is none they
    // answer false and empty the fields a find fills (by plan and class FTaskCode too).
    bool GetTaskByCode(TCoursePlanTask& task);
    bool GetTaskByPlanAndClass(TCoursePlanTask& task);
    // One line per distinct row of `columns` (a comma-separated list of vCoursePlanTask
    // columns) over the tasks the criteria select: the values joined by ", ".
    void ListTaskLines(const TCoursePlanTask& task, const std::string& columns,
                       const std::string& extra, const db::Params& extraParams,
                       std::vector<std::string>& list);
    // Opens on GridQuery() the task FTaskCode and the tasks whose term begins with FTerm,
    // where `extra` holds; answers the row count.
    int OpenTasks(const TCoursePlanTask& task, const std::string& extra,
                  const db::Params& extraParams);
    db::Query& GridQuery() { return grid_; }
    // Creates the task with the next ID of its class's department (deptID for a class
    // without a Class row) and sets FTaskCode to its code.
    void InsertTask(TCoursePlanTask& task, const std::string& deptID);
    // Writes the stored fields to the task of FTaskCode; false when none was written.
    bool UpdateTask(const TCoursePlanTask& task);
    // Creates the missing task of every class and plan of each grade and major in the term,
    // all or nothing. `count`: the pairs visited; `failures` and `log` start with a header.
    void InitTasks(const std::string& term, const std::vector<std::string>& grades,
                   const std::vector<std::string>& majors, const std::string& deptID,
                   int& count, std::vector<std::string>& failures, std::vector<std::string>& log);
    // The default name and size of a teaching group made of these tasks' classes.
    void GetCombinedClassName(const std::vector<std::string>& codes, std::string& name, int& size);

    // " WHERE " + one condition per criterion, each followed by " AND ", + extra (program
    // text, a complete condition). The criteria's values are appended to `params`.
    static std::string BuildTaskFilter(const TCoursePlanTask& task, const std::string& extra,
                                       db::Params& params);

private:
    bool readTask(TCoursePlanTask& task);

    db::Connection& connection_;
    db::Query lookup_;
    db::Query grid_;
};

}  // namespace business
