#include "business/placement_engine.h"

#include <algorithm>

#include "db/query.h"
#include "db/schema.h"
#include "db/transaction.h"

namespace business {

namespace {

std::string missingTask(const TCrcTaskRemain& task) { return "找不到排课任务：" + task.FCode; }

std::string missingCell(const TRoomCrc& cell) {
    return "找不到教室课表单元：" + (cell.FCode.empty() ? cell.FRoom + " " + cell.FPeriod : cell.FCode);
}

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

TCrcDBProcess::TCrcDBProcess(db::Connection& connection, std::string undecidedTeacher)
    : connection_(connection),
      undecidedTeacher_(std::move(undecidedTeacher)),
      tasks_(connection),
      cells_(connection),
      classes_(connection),
      planTasks_(connection) {}

PlacementOutcome TCrcDBProcess::PlaceTask(TCrcTaskRemain& task, TRoomCrc& cell,
                                          std::string& message) {
    message.clear();
    try {
        // The write lock is taken before anything is read: what is checked is still true
        // when it is written, whatever another program does meanwhile.
        db::Transaction tx(connection_);
        if (!tasks_.LoadTask(task)) {
            message = missingTask(task);
            return PlacementOutcome::Error;
        }
        if (!cells_.LoadCell(cell)) {
            message = missingCell(cell);
            return PlacementOutcome::Error;
        }
        if (cell.FPlaced || task.FPeriodsToPlace == 0) return PlacementOutcome::NothingDone;

        TRoomCrc probe;
        probe.FPeriod = cell.FPeriod;
        probe.FRoomType = cell.FRoomType;
        probe.FRoom = cell.FRoom;
        probe.FCrcTaskCode = task.FCode;
        probe.FTeacher = task.FTeacher;
        probe.FIsCombined = task.FIsCombined;
        probe.FTeachingGroup = task.FTeachingGroup;
        message = findConflict(probe);
        if (!message.empty()) return PlacementOutcome::Refused;

        cell.FCrcTaskCode = task.FCode;
        cell.FWeight = 100;
        task.FPeriodsPlaced += 1;
        task.FPeriodsToPlace -= 1;
        if (!tasks_.SaveTaskCounters(task)) throw db::Error("排课任务无法保存：" + task.FCode);
        cell.FPlaced = true;
        if (!cells_.SaveCell(cell)) throw db::Error("教室课表单元无法保存：" + cell.FCode);
        tx.commit();
        message = "排入: " + cell.FPeriod + " " + cell.FRoom + " (" + task.FCourse + " " +
                  task.FTeachingGroup + " " + task.FTeacher + " " + cell.FMemo + ")";
        return PlacementOutcome::Done;
    } catch (const std::exception& e) {
        message = e.what();
        return PlacementOutcome::Error;
    }
}

bool TCrcDBProcess::CheckConflicts(const TRoomCrc& probe, std::string& message) {
    try {
        message = findConflict(probe);
    } catch (const std::exception& e) {
        message = e.what();
    }
    return !message.empty();
}

std::string TCrcDBProcess::findConflict(const TRoomCrc& probe) {
    const auto periods = periodsEndingWith(probe.FPeriod);
    std::string message;
    FClassProbe = TClassCrc{};
    FClassProbe.FPeriod = probe.FPeriod;
    const bool undecided = !undecidedTeacher_.empty() &&
                           probe.FTeacher.find(undecidedTeacher_) != std::string::npos;
    if (!undecided) {
        if (auto cell = classes_.FindTeacherBusy(probe.FTeacher, periods))
            message = conflictMessage("教师冲突：", *cell);
    }
    // A class conflict replaces a teacher conflict.
    if (auto cell = classes_.FindClassesBusy(classesOf(probe), periods))
        message = conflictMessage("班级冲突：", *cell);
    return message;
}

// Periods whose name ends with this one's, so "一12D" also meets lessons of "周一12D".
std::vector<std::string> TCrcDBProcess::periodsEndingWith(const std::string& period) {
    const std::string wanted = db::schema::trimmedPeriodName(period);
    std::vector<std::string> codes;
    db::Query q(connection_);
    q.open("SELECT 编号, 节时 FROM Period ORDER BY ID");
    for (q.first(); !q.eof(); q.next())
        if (endsWith(db::schema::trimmedPeriodName(q["节时"].asText()), wanted))
            codes.push_back(q["编号"].asText());
    return codes;
}

// The classes the task teaches: those of its course-plan tasks, and its teaching group's
// name, which names the class of a single-class task. Taking the course-plan tasks for a
// single-class task too means a renamed group cannot hide its class.
std::vector<std::string> TCrcDBProcess::classesOf(const TRoomCrc& probe) {
    FPlanTaskProbe = TCoursePlanTask{};
    FPlanTaskProbe.FCrcTaskCode = probe.FCrcTaskCode;
    std::vector<std::string> classes;
    planTasks_.ListTaskLines(FPlanTaskProbe, "班级", "1=1", {}, classes);
    if (!probe.FTeachingGroup.empty() &&
        std::find(classes.begin(), classes.end(), probe.FTeachingGroup) == classes.end())
        classes.push_back(probe.FTeachingGroup);
    return classes;
}

std::string TCrcDBProcess::conflictMessage(const std::string& kind, const std::string& cellCode) {
    TRoomCrc busy;
    busy.FCode = cellCode;
    cells_.LoadCell(busy);
    FClassProbe.FPeriod = busy.FPeriod;
    FClassProbe.FRoom = busy.FRoom;
    FClassProbe.FCourse = busy.FCourse;
    FClassProbe.FTeachingGroup = busy.FTeachingGroup;
    FClassProbe.FTeacher = busy.FTeacher;
    FClassProbe.FMemo = busy.FMemo;
    FClassProbe.FTaskCode = busy.FCrcTaskCode;
    return kind + busy.FPeriod + "，" + busy.FRoom + "，(" + busy.FCourse + "，" +
           busy.FTeachingGroup + "，" + busy.FTeacher + "，" + busy.FMemo + ")";
}

PlacementOutcome TCrcDBProcess::RemoveTask(TRoomCrc& cell, TCrcTaskRemain& task,
                                           std::string& message) {
    message.clear();
    try {
        db::Transaction tx(connection_);
        if (!cells_.LoadCell(cell)) {
            message = missingCell(cell);
            return PlacementOutcome::Error;
        }
        if (!cell.FPlaced) return PlacementOutcome::NothingDone;
        task.FCode = cell.FCrcTaskCode;
        if (!tasks_.LoadTask(task)) {
            message = missingTask(task);
            return PlacementOutcome::Error;
        }
        const std::string removal = "删除：" + cell.FPeriod + "，" + cell.FRoom + "，(" +
                                    cell.FCourse + "，" + cell.FTeachingGroup + "，" +
                                    cell.FTeacher + "，" + cell.FMemo + ")";
        cell.FPlaced = false;
        cell.FCrcTaskCode.clear();
        cell.FWeight = 0;
        cell.FMemo.clear();
        task.FPeriodsToPlace += 1;
        task.FPeriodsPlaced -= 1;
        if (!tasks_.SaveTaskCounters(task)) throw db::Error("排课任务无法保存：" + task.FCode);
        if (!cells_.SaveCell(cell)) throw db::Error("教室课表单元无法保存：" + cell.FCode);
        tx.commit();
        message = removal;
        return PlacementOutcome::Done;
    } catch (const std::exception& e) {
        message = e.what();
        return PlacementOutcome::Error;
    }
}

}  // namespace business
