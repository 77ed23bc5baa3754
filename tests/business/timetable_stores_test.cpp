#include <gtest/gtest.h>

#include "business/class_crc.h"
#include "business/crc_task_remain.h"
#include "business/room_crc.h"
#include "tests/business/small_college.h"

namespace {

class TimetableStoresTest : public ::testing::Test {
protected:
    void SetUp() override { testing_support::fillSmallCollege(c); }
    testing_support::ScratchDatabase scratch;
    db::Connection& c = scratch.connection;
};

TEST_F(TimetableStoresTest, CellsAreFoundByCodeOrByTrimmedNames) {
    c.execute("UPDATE Period SET 节时 = '  一12S ' WHERE 编号 = 'P2'");
    business::TRoomCrcDBProcess cells(c);
    business::TRoomCrc cell;
    cell.FRoom = "一教102";
    cell.FPeriod = "一12S";
    ASSERT_TRUE(cells.LoadCell(cell));
    EXPECT_EQ(cell.FRoomType, "普通");
    const std::string code = cell.FCode;

    business::TRoomCrc byCode;
    byCode.FCode = code;
    ASSERT_TRUE(cells.LoadCell(byCode));
    EXPECT_EQ(byCode.FRoom, "一教102");

    business::TRoomCrc missing = cell;  // a miss empties what the last look-up left
    missing.FCode.clear();
    missing.FRoom = "没有的教室";
    EXPECT_FALSE(cells.LoadCell(missing));
    EXPECT_EQ(missing.FRoomType, "");
    EXPECT_EQ(missing.FRoom, "没有的教室");

    cell.FPlaced = true;
    cell.FMemo = "占用标记";
    cell.FCode.clear();
    EXPECT_TRUE(cells.SaveCell(cell));
    EXPECT_EQ(db::toText(c.scalar("SELECT 备注 FROM Curriculum WHERE 编号 = ?", {code})), "占用标记");
    EXPECT_FALSE(cells.SaveCell(missing));
}

TEST_F(TimetableStoresTest, CellValueListsAndTheRoomGrid) {
    business::TRoomCrcDBProcess cells(c);
    std::vector<std::string> list = {"kept"};
    cells.ListCellValues({}, "", "1=1", {}, list);
    EXPECT_EQ(list, std::vector<std::string>{"kept"});  // no column: untouched
    cells.ListCellValues({}, "教室", "1=1", {}, list);
    EXPECT_EQ(list.size(), 3u);
    business::TRoomCrc filter;
    filter.FPeriod = "一12D";  // periods ending with it
    cells.ListCellValues(filter, "节时", "类型 = ?", {std::string("普通")}, list);
    EXPECT_EQ(list, (std::vector<std::string>{"一12D", "加一12D"}));
    EXPECT_THROW(cells.ListCellValues({}, "教室; DROP TABLE Room", "1=1", {}, list), db::Error);

    filter = {};
    filter.FRoomType = "普";
    EXPECT_EQ(cells.OpenRoomGrid(filter, "1=1", {}), 2);
    EXPECT_EQ(cells.GridQuery().fieldNames().size(), 4u + 3u);

    std::vector<std::string> moves;
    business::TRoomCrc source, target;
    source.FCode = "11";
    target.FCode = "12";
    EXPECT_TRUE(cells.AddMoveLine(source, target, moves));
    target.FPlaced = true;
    EXPECT_TRUE(cells.AddMoveLine(source, target, moves));
    EXPECT_EQ(moves, std::vector<std::string>{"11 -> 12"});
}

TEST_F(TimetableStoresTest, TaskFilterAsksOnlyWhatIsSet) {
    business::TCrcTaskRemainDBProcess tasks(c);
    db::Params params;
    EXPECT_EQ(tasks.BuildTaskWhere(business::TCrcTaskRemain::NoFilter(), "1=1", params), " WHERE 1=1");
    EXPECT_TRUE(params.empty());

    auto filter = business::TCrcTaskRemain::NoFilter();
    filter.FIsCombined = false;  // cannot ask for tasks that are not combined
    filter.FTeacher = "张伟";
    filter.FPeriodsToPlace = 1;
    EXPECT_EQ(tasks.BuildTaskWhere(filter, "待排节>0", params),
              " WHERE (主讲教师 = ?) AND (待排节 = ?) AND 待排节>0");
    std::vector<std::string> list;
    tasks.ListTaskValues(filter, "编号", "待排节>0", {}, list);
    EXPECT_EQ(list, std::vector<std::string>{"1004"});

    filter = business::TCrcTaskRemain::NoFilter();
    filter.FIsCombined = true;
    EXPECT_EQ(tasks.OpenTaskGrid(filter, "1=1 ORDER BY 编号 DESC", {}), 1);
    EXPECT_EQ(tasks.OpenTaskGrid(business::TCrcTaskRemain::NoFilter(), "待排节 > ? ORDER BY 编号 DESC",
                                 {std::int64_t{1}}),
              4);
    EXPECT_EQ(tasks.GridQuery()["编号"].asText(), "1005");

    business::TCrcTaskRemain task;
    task.FCode = "1001";
    ASSERT_TRUE(tasks.LoadTask(task));
    EXPECT_EQ(task.FTeacher, "张伟");
    EXPECT_EQ(task.FCourse, "高等数学");
    EXPECT_EQ(task.FDept, "信息系");
    task.FCode = "0";
    EXPECT_FALSE(tasks.LoadTask(task));
    EXPECT_EQ(task.FCourse, "");
    EXPECT_FALSE(tasks.SaveTaskCounters(task));
}

TEST_F(TimetableStoresTest, ClassEntriesAndTheClassCrosstab) {
    c.execute("UPDATE Curriculum SET 是否已排 = 1, 排课任务编号 = '1001', 排课权重 = 100 "
              "WHERE 教室 = 'R1' AND 节时 = 'P1'");
    business::TClassCrcDBProcess classes(c);
    business::TClassCrc entry;
    entry.FRoom = "一教101";
    entry.FPeriod = "一12D ";
    ASSERT_TRUE(classes.GetClassEntry(entry));
    EXPECT_EQ(entry.FTaskCode, "1001");
    EXPECT_EQ(entry.FTeacher, "张伟");
    std::vector<std::string> list;
    classes.ListClassValues({}, "班级", "1=1", {}, list);
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(classes.OpenClassTimetable({}, {"25软件2班", "25网络1班"}), 2);
    const auto placed = db::toText(c.scalar("SELECT 编号 FROM Curriculum WHERE 是否已排 = 1"));
    EXPECT_EQ(classes.FindTeacherBusy("张伟", {"P1"}).value_or(""), placed);
    EXPECT_FALSE(classes.FindTeacherBusy("张伟", {"P2"}).has_value());
    EXPECT_FALSE(classes.FindTeacherBusy("李娜", {"P1"}).has_value());
    EXPECT_TRUE(classes.FindClassesBusy({"25软件2班"}, {"P1", "P3"}).has_value());
    EXPECT_FALSE(classes.FindClassesBusy({"25网络1班"}, {"P1"}).has_value());
}

}  // namespace
