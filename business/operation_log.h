#pragma once
// One line of the operation log: every placement and removal, and every replayed line,
// named by task, room and period so another copy of the file can redo it.
#include <string>

#include "db/connection.h"
#include "db/datetime.h"

namespace business {

class TCCLog {
public:
    explicit TCCLog(db::Connection& connection);

    // Appends the members as a new line; false when it could not be stored. The new ID is
    // taken and written in one transaction, so no half line is left and two programs on
    // one file never take the same ID.
    bool WriteLine();
    // The engine's message when the last WriteLine failed.
    const std::string& LastError() const { return lastError_; }

    std::string FModule;
    std::string FOperation;
    std::string FArg1, FArg2, FArg3, FArg4, FArg5, FArg6, FArg7, FArg8, FArg9;
    std::string FRemark;
    db::TimePoint FTime{};
    std::string FPerson;
    std::string FStatus;
    bool FApplied = false;

private:
    db::Connection& connection_;
    std::string lastError_;
};

// Fills and writes the line the room timetable writes after a placement ("Add": task, room,
// period) or a removal ("Delete": room, period, task), with the engine's message.
bool WriteTimetableLine(TCCLog& log, const std::string& operation, const std::string& taskCode,
                        const std::string& room, const std::string& period,
                        const std::string& message, const std::string& person);

}  // namespace business
