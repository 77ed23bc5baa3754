#pragma once
// The only code that puts a period of a scheduling task into a timetable cell or takes it
// out again. A placement is refused when the task's teacher or one of its classes is
// already taught in that period. Each operation runs in one transaction, its checks
// included, and answers with an outcome and one message text.
#include <string>
#include <vector>

#include "business/class_crc.h"
#include "business/course_plan_task.h"
#include "business/crc_task_remain.h"
#include "business/room_crc.h"
#include "db/connection.h"

namespace business {

enum class PlacementOutcome {
    Done,         // placed or removed; the message says what
    Refused,      // a teacher or class conflict; nothing written
    NothingDone,  // the cell is taken (or, removing, free), or the task has no periods left
    Error,        // the message is the error's text; nothing written
};

class TCrcDBProcess {
public:
    // `undecidedTeacher`: the placeholder teacher's name; a teacher whose name contains it
    // is never tested for conflicts.
    TCrcDBProcess(db::Connection& connection, std::string undecidedTeacher);

    // The caller sets the task's code and the cell's room and period names (or its code).
    PlacementOutcome PlaceTask(TCrcTaskRemain& task, TRoomCrc& cell, std::string& message);
    // The probe carries the period, room and type of a cell and the task code, teacher,
    // combined flag and teaching group of a task. True when the message is not empty: a
    // conflict, or the text of an error.
    bool CheckConflicts(const TRoomCrc& probe, std::string& message);
    // The caller sets the cell's room and period (or its code); the task removed is the one
    // the cell holds, whose code ends up in `task`.
    PlacementOutcome RemoveTask(TRoomCrc& cell, TCrcTaskRemain& task, std::string& message);

    // Working records that windows fill before calling and read afterwards.
    TClassCrc FClassProbe;
    TCoursePlanTask FPlanTaskProbe;
    TCrcTaskRemain FPlaceTask;
    TRoomCrc FPlaceCell;
    TCrcTaskRemain FRemoveTask;
    TRoomCrc FRemoveCell;

private:
    // The conflict message, or empty; errors are thrown.
    std::string findConflict(const TRoomCrc& probe);
    std::vector<std::string> periodsEndingWith(const std::string& period);
    std::vector<std::string> classesOf(const TRoomCrc& probe);
    std::string conflictMessage(const std::string& kind, const std::string& cellCode);

    db::Connection& connection_;
    std::string undecidedTeacher_;
    TCrcTaskRemainDBProcess tasks_;
    TRoomCrcDBProcess cells_;
    TClassCrcDBProcess classes_;
    TCoursePlanTaskDBProcess planTasks_;
};

}  // namespace business
