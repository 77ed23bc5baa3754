#pragma once
// A scheduling task with its counters of periods placed and still to place, and the store
// that reads them (through vCrcTaskRemain) and writes the counters back.
#include <string>
#include <vector>

#include "db/connection.h"
#include "db/query.h"

namespace business {

struct TCrcTaskRemain {
    std::string FCode;
    std::string FCourse;
    std::string FTeachingGroup;
    std::string FTeacher;  // the teacher's name
    int FPeriodsPlaced = 0;
    int FPeriodsToPlace = 0;
    std::string FRoomRequirement;
    int FGroupSize = 0;
    bool FIsCombined = false;
    int FWeeksToPlace = 0;
    std::string FDept;

    // As a filter an empty text, a negative number and a false flag ask nothing; this one
    // asks nothing at all.
    static TCrcTaskRemain NoFilter();
};

class TCrcTaskRemainDBProcess {
public:
    explicit TCrcTaskRemainDBProcess(db::Connection& connection);

    // Fills the task of FCode. When there is none, answers false and empties every member
    // but the code.
    bool LoadTask(TCrcTaskRemain& task);
    // Distinct values of a column of the tasks the filter selects; an empty column leaves
    // the list as it was.
    void ListTaskValues(const TCrcTaskRemain& filter, const std::string& column,
                        const std::string& tail, const db::Params& tailParams,
                        std::vector<std::string>& list);
    // Opens the selected tasks on GridQuery(); answers the row count.
    int OpenTaskGrid(const TCrcTaskRemain& filter, const std::string& tail,
                     const db::Params& tailParams);
    db::Query& GridQuery() { return grid_; }
    // " WHERE " and one condition for each member the filter sets, each followed by
    // " AND ", then the tail (program text: the last operand, maybe an ORDER BY).
    std::string BuildTaskWhere(const TCrcTaskRemain& filter, const std::string& tail,
                               db::Params& params) const;
    // Writes 已排节 and 待排节 of the task of FCode; false when there is no such task.
    bool SaveTaskCounters(const TCrcTaskRemain& task);

private:
    db::Connection& connection_;
    db::Query lookup_;
    db::Query grid_;
};

}  // namespace business
