#pragma once
// Courses and course plans: the records, and the plan store's listing by the shared plan
// criteria.
#include <string>
#include <vector>

#include "db/connection.h"
#include "db/query.h"

namespace business {

struct TCourse {
    std::string FCode;
    std::string FName;
    std::string FFullName;
    std::string FCategory;
    std::string FOfferingDept;
    std::string FOfferingSection;
    std::string FOfferingTeacher;
    std::string FTerm;
    bool FDiscontinued = false;
    std::string FSuitableMajors;
    float FCredit = 0;
    int FWeeklyHours = 0;
    int FWeeks = 0;
    int FTotalHours = 0;
    int FTheoryHours = 0;
    int FPracticeHours = 0;
    std::string FTraining;
    std::string FRoomRequirement;
    std::string FStudyType;
    std::string FExamForm;
    std::string FSyllabus;
    std::string FScheduleAdvice;
    std::string FMemo;
};

// A plan to write, or the criteria plans are listed by.
struct TCoursePlan {
    int FID = 0;
    std::string FCode;
    std::string FGrade;
    std::string FMajor;
    std::string FSection;  // criterion only
    std::string FDept;     // criterion only
    std::string FTerm;
    std::string FCourseCode;
    int FWeeklyHours = 0;
    int FWeeks = 0;
    int FTheoryHours = 0;
    int FPracticeHours = 0;
    std::string FRoomRequirement;
    std::string FStudyType;
    std::string FExamForm;
    bool FInProgressTable = false;
    std::string FMemo;
};

class TCoursePlanDBProcess {
public:
    explicit TCoursePlanDBProcess(db::Connection& connection);

    // Distinct values of a vCoursePlan column over the plans the criteria select, in the
    // order the engine returns them.
    void ListPlanValues(const TCoursePlan& plan, const std::string& column,
                        const std::string& extra, const db::Params& extraParams,
                        std::vector<std::string>& list);

    // " WHERE " + (code equals FCode, or term, grade, major, section and department each
    // begin with the record's value) + " AND " + extra. The criteria's values are appended
    // to `params`; `extra` is program text, a complete condition ("1=1" for none).
    static std::string BuildPlanFilter(const TCoursePlan& plan, const std::string& extra,
                                       db::Params& params);

private:
    db::Query query_;
};

}  // namespace business
