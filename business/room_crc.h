#pragma once
// One cell of the room timetable (one room in one period) and the store that reads and
// writes cells. The store only moves data; what may be placed where is the engine's.
#include <cstdint>
#include <string>
#include <vector>

#include "db/connection.h"
#include "db/query.h"

namespace business {

struct TRoomCrc {
    std::string FCode;  // Curriculum.编号; empty when addressed by room and period
    std::string FRoomType;
    std::string FRoom;
    std::string FPeriod;
    bool FPlaced = false;
    std::string FCrcTaskCode;
    std::uint8_t FWeight = 0;
    std::string FCourse;
    std::string FTeachingGroup;
    std::string FTeacher;
    bool FIsCombined = false;
    std::string FMemo;
};

class TRoomCrcDBProcess {
public:
    explicit TRoomCrcDBProcess(db::Connection& connection);

    // Fills the cell found by its code, else by room name and trimmed period name. When
    // there is none, answers false and empties every member but the address looked up.
    bool LoadCell(TRoomCrc& cell);
    // Distinct values of a vCrcRoom column: the cell of FCode, or the cells whose room
    // begins with FRoom and whose period ends with FPeriod where the condition holds (program
    // text with ? for `params`). An empty column leaves the list as it was.
    void ListCellValues(const TRoomCrc& cell, const std::string& column,
                        const std::string& condition, const db::Params& params,
                        std::vector<std::string>& list);
    // Opens the room timetable crosstab for rooms whose type begins with FRoomType where the
    // condition holds, on GridQuery(); answers the row count.
    int OpenRoomGrid(const TRoomCrc& cell, const std::string& condition, const db::Params& params);
    db::Query& GridQuery() { return grid_; }
    // Notes a move of a lesson to a free target cell.
    bool AddMoveLine(const TRoomCrc& source, const TRoomCrc& target, std::vector<std::string>& list);
    // Writes 是否已排, 排课任务编号, 排课权重 and 备注 of the cell found by its code, else by
    // room and period. False when there is no such cell.
    bool SaveCell(const TRoomCrc& cell);

private:
    db::Connection& connection_;
    db::Query lookup_;
    db::Query grid_;
};

}  // namespace business
