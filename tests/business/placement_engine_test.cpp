#include <gtest/gtest.h>

#include "business/placement_engine.h"
#include "tests/business/small_college.h"

namespace {

using business::PlacementOutcome;

class PlacementEngineTest : public ::testing::Test {
protected:
    void SetUp() override { testing_support::fillSmallCollege(c); }

    PlacementOutcome place(const std::string& task, const std::string& room,
                           const std::string& period) {
        business::TCrcTaskRemain t;
        t.FCode = task;
        business::TRoomCrc cell;
        cell.FRoom = room;
        cell.FPeriod = period;
        return engine.PlaceTask(t, cell, message);
    }
    PlacementOutcome remove(const std::string& room, const std::string& period) {
        business::TRoomCrc cell;
        cell.FRoom = room;
        cell.FPeriod = period;
        business::TCrcTaskRemain t;
        return engine.RemoveTask(cell, t, message);
    }
    std::string counters(const std::string& task) {
        return db::toText(c.scalar("SELECT 已排节 || '/' || 待排节 FROM CrcTask WHERE 编号 = ?", {task}));
    }
    std::string cellState(const std::string& room, const std::string& period) {
        return db::toText(c.scalar(
            "SELECT 是否已排 || ',' || 排课任务编号 || ',' || 排课权重 || ',' || 备注 FROM vCrcRoom "
            "WHERE 教室 = ? AND 节时 = ?",
            {room, period}));
    }

    testing_support::ScratchDatabase scratch;
    db::Connection& c = scratch.connection;
    business::TCrcDBProcess engine{c, "待定"};
    std::string message;
};

TEST_F(PlacementEngineTest, PlacesAPeriodAndMovesTheCounters) {
    EXPECT_EQ(place("1002", "一教101", "一12D"), PlacementOutcome::Done);
    EXPECT_EQ(message, "排入: 一12D 一教101 (Java 25软件1班 李娜 )");
    EXPECT_EQ(counters("1002"), "1/1");
    EXPECT_EQ(cellState("一教101", "一12D"), "1,1002,100,");
    EXPECT_EQ(db::toInteger(c.scalar("SELECT 待排周 FROM CrcTask WHERE 编号 = '1002'")), 16);
}

TEST_F(PlacementEngineTest, TakenCellAndLastPeriodDoNothing) {
    ASSERT_EQ(place("1004", "一教101", "一12D"), PlacementOutcome::Done);
    EXPECT_EQ(counters("1004"), "1/0");
    EXPECT_EQ(place("1004", "一教102", "一12S"), PlacementOutcome::NothingDone);  // none left
    EXPECT_EQ(message, "");
    EXPECT_EQ(place("1002", "一教101", "一12D"), PlacementOutcome::NothingDone);  // taken
    EXPECT_EQ(message, "");
    EXPECT_EQ(counters("1002"), "0/2");
    EXPECT_EQ(cellState("一教101", "一12D"), "1,1004,100,");
}

TEST_F(PlacementEngineTest, RefusalsNameTheLessonInTheWay) {
    struct Case {
        const char* name;
        std::vector<std::array<const char*, 3>> before;  // task, room, period placed first
        std::array<const char*, 3> attempt;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"a class of a combined task is busy", {{"1002", "一教101", "一12D"}}, {"1001", "一教102", "一12D"},
         "班级冲突：一12D，一教101，(Java，25软件1班，李娜，)"},
        {"the other class of it", {{"1005", "一教103", "一12S"}}, {"1001", "一教101", "一12S"},
         "班级冲突：一12S，一教103，(英语，25软件2班，待定，)"},
        {"the teacher is busy", {{"1004", "一教101", "一12S"}}, {"1001", "一教102", "一12S"},
         "教师冲突：一12S，一教101，(Java，25网络1班，张伟，)"},
        {"both busy: the class conflict", {{"1004", "一教101", "一12D"}, {"1002", "一教103", "一12D"}},
         {"1001", "一教102", "一12D"}, "班级冲突：一12D，一教103，(Java，25软件1班，李娜，)"},
        {"a single class by its group", {{"1001", "一教101", "一12S"}}, {"1002", "一教102", "一12S"},
         "班级冲突：一12S，一教101，(高等数学，25软件1班软件2班，张伟，)"},
        {"a period whose name ends with this one's", {{"1002", "一教101", "加一12D"}},
         {"1001", "一教102", "一12D"}, "班级冲突：加一12D，一教101，(Java，25软件1班，李娜，)"},
        {"the placeholder teacher's class is still checked", {{"1003", "一教101", "一12D"}},
         {"1004", "一教102", "一12D"}, "班级冲突：一12D，一教101，(英语，25网络1班，待定，)"},
    };
    for (const auto& k : cases) {
        testing_support::ScratchDatabase fresh;
        testing_support::fillSmallCollege(fresh.connection);
        business::TCrcDBProcess e(fresh.connection, "待定");
        std::string m;
        for (const auto& [task, room, period] : k.before) {
            business::TCrcTaskRemain t;
            t.FCode = task;
            business::TRoomCrc cell;
            cell.FRoom = room;
            cell.FPeriod = period;
            ASSERT_EQ(e.PlaceTask(t, cell, m), PlacementOutcome::Done) << k.name << ": " << m;
        }
        const auto before = db::toText(fresh.connection.scalar(
            "SELECT group_concat(编号 || ':' || 已排节 || '/' || 待排节) FROM CrcTask"));
        business::TCrcTaskRemain t;
        t.FCode = k.attempt[0];
        business::TRoomCrc cell;
        cell.FRoom = k.attempt[1];
        cell.FPeriod = k.attempt[2];
        EXPECT_EQ(e.PlaceTask(t, cell, m), PlacementOutcome::Refused) << k.name;
        EXPECT_EQ(m, k.message) << k.name;
        EXPECT_NE(m.find("冲突"), std::string::npos);
        EXPECT_EQ(db::toText(fresh.connection.scalar(
                      "SELECT group_concat(编号 || ':' || 已排节 || '/' || 待排节) FROM CrcTask")),
                  before)
            << k.name;
    }
}

TEST_F(PlacementEngineTest, PlaceholderTeacherIsNeverInConflict) {
    ASSERT_EQ(place("1003", "一教101", "一12D"), PlacementOutcome::Done);
    EXPECT_EQ(place("1005", "一教102", "一12D"), PlacementOutcome::Done) << message;
}

TEST_F(PlacementEngineTest, ARenamedGroupCannotHideItsClass) {
    c.execute("UPDATE CrcTask SET 排课班 = 'Java提高班' WHERE 编号 = '1002'");
    ASSERT_EQ(place("1001", "一教101", "一12D"), PlacementOutcome::Done);
    EXPECT_EQ(place("1002", "一教102", "一12D"), PlacementOutcome::Refused);
    EXPECT_EQ(message.rfind("班级冲突：", 0), 0u);
}

TEST_F(PlacementEngineTest, RemovingClearsTheCellAndItsRemark) {
    ASSERT_EQ(place("1001", "一教101", "一12D"), PlacementOutcome::Done);
    c.execute("UPDATE Curriculum SET 备注 = '需要投影' WHERE 排课任务编号 = '1001'");
    EXPECT_EQ(remove("一教101", " 一12D "), PlacementOutcome::Done);  // blanks around the period
    EXPECT_EQ(message, "删除：一12D，一教101，(高等数学，25软件1班软件2班，张伟，需要投影)");
    EXPECT_EQ(cellState("一教101", "一12D"), "0,,0,");
    EXPECT_EQ(counters("1001"), "0/4");
    EXPECT_EQ(remove("一教101", "一12D"), PlacementOutcome::NothingDone);
}

TEST_F(PlacementEngineTest, MissingTaskOrCellIsAnErrorThatWritesNothing) {
    EXPECT_EQ(place("9999", "一教101", "一12D"), PlacementOutcome::Error);
    EXPECT_NE(message.find("9999"), std::string::npos);
    EXPECT_EQ(place("1002", "二教201", "一12D"), PlacementOutcome::Error);
    EXPECT_NE(message.find("二教201"), std::string::npos);
    EXPECT_EQ(counters("1002"), "0/2");

    ASSERT_EQ(place("1002", "一教101", "一12D"), PlacementOutcome::Done);
    c.execute("DELETE FROM CrcTask WHERE 编号 = '1002'");
    EXPECT_EQ(remove("一教101", "一12D"), PlacementOutcome::Error);
    EXPECT_NE(message.find("1002"), std::string::npos);
    EXPECT_EQ(cellState("一教101", "一12D"), "1,1002,100,");
}

TEST_F(PlacementEngineTest, AFailedWriteIsReportedAndUndone) {
    // The cell write fails after the counters were written: both are undone.
    c.execute("CREATE TRIGGER refuse BEFORE UPDATE ON Curriculum BEGIN SELECT RAISE(ABORT, '磁盘已满'); END");
    EXPECT_EQ(place("1002", "一教101", "一12D"), PlacementOutcome::Error);
    EXPECT_NE(message.find("磁盘已满"), std::string::npos);
    EXPECT_EQ(counters("1002"), "0/2");
}

}  // namespace
