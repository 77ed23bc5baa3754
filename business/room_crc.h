#pragma once
// One cell of the room timetable: one room in one period, addressed by its code or by
// room and period names.
#include <cstdint>
#include <string>

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

}  // namespace business
