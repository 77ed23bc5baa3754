// Placing and removing periods, as the room timetable does, with its log lines.
#include <iostream>
#include <memory>

#include "app/data_module.h"
#include "business/operation_log.h"
#include "business/placement_engine.h"
#include "business/working_context.h"
#include "cli/commands.h"
#include "db/names.h"

namespace cli {

namespace {

constexpr int kRefused = 2;
constexpr int kNothingDone = 3;
constexpr int kNotLogged = 4;

// A file opened for writing with what a placement needs: the placeholder teacher's name
// for the engine and the active department's for the log.
struct TimetableSession {
    explicit TimetableSession(const std::string& path) {
        app::PrepareProgramConnection(connection);
        connection.setTarget(path, std::string(db::kDatabasePassword));
        connection.open();
        term = std::make_unique<business::TCurrentTerm>(connection);
        dept = std::make_unique<business::TCurrentDept>(connection);
        engine = std::make_unique<business::TCrcDBProcess>(connection, term->FUndecidedTeacher);
    }
    db::Connection connection;
    std::unique_ptr<business::TCurrentTerm> term;
    std::unique_ptr<business::TCurrentDept> dept;
    std::unique_ptr<business::TCrcDBProcess> engine;
};

int logged(business::TCCLog& log, bool written) {
    if (written) return 0;
    std::cerr << "日记无法存入：" << log.LastError() << '\n';
    return kNotLogged;
}

}  // namespace

int placeCommand(const Args& args) {
    if (args.size() != 4) throw UsageError{"place takes a file, a task code, a room and a period"};
    TimetableSession session(args[0]);
    business::TCrcDBProcess& engine = *session.engine;
    engine.FPlaceTask = {};
    engine.FPlaceTask.FCode = args[1];
    engine.FPlaceCell = {};
    engine.FPlaceCell.FRoom = args[2];
    engine.FPlaceCell.FPeriod = args[3];
    std::string message;
    switch (engine.PlaceTask(engine.FPlaceTask, engine.FPlaceCell, message)) {
        case business::PlacementOutcome::Done: {
            std::cout << message << '\n';
            business::TCCLog log(session.connection);
            return logged(log, business::WriteTimetableLine(log, "Add", args[1], args[2], args[3],
                                                            message, session.dept->FDept));
        }
        case business::PlacementOutcome::Refused: std::cout << message << '\n'; return kRefused;
        case business::PlacementOutcome::NothingDone: return kNothingDone;
        case business::PlacementOutcome::Error: break;
    }
    throw db::Error(message);
}

int removeCommand(const Args& args) {
    if (args.size() != 3) throw UsageError{"remove takes a file, a room and a period"};
    TimetableSession session(args[0]);
    business::TCrcDBProcess& engine = *session.engine;
    engine.FRemoveCell = {};
    engine.FRemoveCell.FRoom = args[1];
    engine.FRemoveCell.FPeriod = args[2];
    std::string message;
    switch (engine.RemoveTask(engine.FRemoveCell, engine.FRemoveTask, message)) {
        case business::PlacementOutcome::Done: {
            std::cout << message << '\n';
            business::TCCLog log(session.connection);
            return logged(log, business::WriteTimetableLine(log, "Delete", engine.FRemoveTask.FCode,
                                                            args[1], args[2], message,
                                                            session.dept->FDept));
        }
        case business::PlacementOutcome::NothingDone: return kNothingDone;
        case business::PlacementOutcome::Refused:
        case business::PlacementOutcome::Error: break;
    }
    throw db::Error(message);
}

}  // namespace cli
