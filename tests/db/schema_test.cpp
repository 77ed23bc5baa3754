#include <gtest/gtest.h>

#include "db/connection.h"
#include "db/query.h"
#include "db/schema.h"
#include "tests/support/scratch_database.h"

namespace {

using Names = std::vector<std::string>;

Names firstColumns(db::Connection& c, const std::string& view, std::size_t n) {
    Names all = c.columnNames(view);
    all.resize(std::min(n, all.size()));
    return all;
}

class SchemaTest : public ::testing::Test {
protected:
    void SetUp() override {
        // One combined task of two classes placed in one cell, one undecided task placed in
        // another; the placeholder teacher has no row of its own.
        c.executeScript(R"(
            INSERT INTO Dept (编号, 教学部) VALUES ('01', '信息系');
            INSERT INTO Room (编号, 教室, 类型, 主用教学部) VALUES ('R1', '一教101', '多媒体', '信息系');
            INSERT INTO Room (编号, 教室, 类型, 主用教学部) VALUES ('R2', '一教102', '普通', '信息系');
            INSERT INTO Period (编号, 节时) VALUES ('1', '一12D');
            INSERT INTO Period (编号, 节时) VALUES ('2', ' 一12S ');
            INSERT INTO Class (班号, 班级, 年级, 专业, 教学部, 班级人数) VALUES ('C1', '25软件1班', '25', '软件技术', '01', 40);
            INSERT INTO Class (班号, 班级, 年级, 专业, 教学部, 班级人数) VALUES ('C2', '25软件2班', '25', '软件技术', '01', 42);
            INSERT INTO Teacher (教工号, 姓名, 所在部门) VALUES ('1000001', '张伟', '01');
            INSERT INTO Course (编号, 课程, 开设教学部) VALUES ('K1', '高等数学', '01');
            INSERT INTO CoursePlan (编号, 年级, 专业, 学期, 课程编号, 周学时) VALUES ('CP1', '25', '软件技术', '261', 'K1', 4);
            INSERT INTO CoursePlanTask (ID, 任务编号, 开课编号, 班号, 排课任务编号, 是否合班) VALUES (10001, 'CPT10001', 'CP1', 'C1', '1001', 1);
            INSERT INTO CoursePlanTask (ID, 任务编号, 开课编号, 班号, 排课任务编号, 是否合班) VALUES (10002, 'CPT10002', 'CP1', 'C2', '1001', 1);
            INSERT INTO CrcTask (ID, 编号, 任务编号, 是否合班, 排课班, 待排节, 已排节, 主讲教师) VALUES (1001, '1001', 'CPT10001,CPT10002,', 1, '25软件1班软件2班', 3, 1, '1000001');
            INSERT INTO CrcTask (ID, 编号, 排课班, 待排节, 已排节) VALUES (1002, '1002', '空', 0, 1);
            INSERT INTO Curriculum (编号, 教室, 节时, 是否已排, 排课任务编号, 排课权重) VALUES ('1', 'R1', '1', 1, '1001', 100);
            INSERT INTO Curriculum (编号, 教室, 节时) VALUES ('2', 'R1', '2');
            INSERT INTO Curriculum (编号, 教室, 节时, 是否已排, 排课任务编号) VALUES ('3', 'R2', '1', 1, '1002');
            INSERT INTO Curriculum (编号, 教室, 节时) VALUES ('4', 'R2', '2');
        )");
        db::schema::refreshCrosstabViews(c);
    }
    testing_support::ScratchDatabase scratch{testing_support::ScratchDatabase::Kind::Schema};
    testing_support::TempDir& dir = scratch.dir;
    db::Connection& c = scratch.connection;
};

TEST_F(SchemaTest, ViewsDeliverTheirColumnsInOrder) {
    EXPECT_EQ(c.columnNames("vCrcTaskRemain"),
              (Names{"编号", "课程", "排课班", "主讲教师", "已排节", "待排节", "教室要求",
                     "排课人数", "是否合班", "待排周", "教学部"}));
    EXPECT_EQ(firstColumns(c, "vCrcTask", 3), (Names{"编号", "课程", "排课班"}));
    EXPECT_EQ(firstColumns(c, "vcCrcRoom", 4), (Names{"教室", "主用教学部", "类型", "座位数"}));
    EXPECT_EQ(firstColumns(c, "vcCrcClass", 4), (Names{"教学部", "年级", "教研室", "班级"}));
    EXPECT_EQ(c.columnNames("vcCrcRoom").size(), 4u + 2u);
    // Period titles are trimmed.
    EXPECT_EQ(c.columnNames("vcCrcClass").back(), "一12S");
    for (const char* view : {"vTeacher", "vCrc", "vCurriculum", "vCrcConflictClass",
                             "vCrcConflictTeacher", "vCoursePlan", "vCoursePlanTask", "vMajorClass",
                             "vClass", "vCrcCountRoom", "vcCrcCountClass", "vcCrcCountTeacher"})
        EXPECT_TRUE(c.hasObject(view)) << view;
}

TEST_F(SchemaTest, ViewsResolveNamesAndClassesOfACombinedTask) {
    db::Query q(c);
    q.open("SELECT * FROM vCrcTask WHERE 编号 = '1002'");
    EXPECT_EQ(q["主讲教师"].asText(), "待定");
    q.open("SELECT * FROM vCrcRoom WHERE 教室 = '一教101' AND trim(节时) = '一12D'");
    EXPECT_EQ(q["课程"].asText(), "高等数学");
    EXPECT_EQ(q["教师"].asText(), "张伟");
    q.open("SELECT 班级 FROM vCrcClass WHERE 任务编号 = '1001' ORDER BY 班级");
    EXPECT_EQ(q.rowCount(), 2);  // one row per class of the combined task
    q.open("SELECT 教学部 FROM vCrcTaskRemain WHERE 编号 = '1001'");
    EXPECT_EQ(q["教学部"].asText(), "信息系");  // the name, not the key
    q.open("SELECT * FROM vcCrcRoom ORDER BY 教室");
    EXPECT_EQ(q["一12D"].asText(), "高等数学/25软件1班软件2班/张伟");
    EXPECT_TRUE(q["一12S"].isNull());
    q.open("SELECT 班级, \"一12D\" FROM vcCrcClass ORDER BY 班级");
    EXPECT_EQ(q.field(1).asText(), "高等数学/一教101/张伟");
    q.open("SELECT 节时数 FROM vCrcCountRoom WHERE 教室 = '一教101'");
    EXPECT_EQ(q.field(0).asInteger(), 1);  // a combined period counts once for its room
}

TEST_F(SchemaTest, YesNoFieldsAreKnownThroughViews) {
    db::Query q(c);
    q.open("SELECT 编号, 是否已排, 是否合班 FROM vCrcRoom WHERE 编号 = '1'");
    EXPECT_FALSE(q.isBooleanField(0));
    EXPECT_TRUE(q.isBooleanField(1));
    EXPECT_TRUE(q.isBooleanField(2));
    EXPECT_EQ(q.displayText(0, 1), "True");
    EXPECT_EQ(q.displayText(0, 2), "True");
    EXPECT_EQ(q.displayText(0, 0), "1");
}

TEST_F(SchemaTest, CrosstabsFollowThePeriods) {
    EXPECT_TRUE(db::schema::refreshCrosstabViews(c).empty());  // nothing changed
    c.execute("INSERT INTO Period (编号, 节时) VALUES ('3', '二12D')");
    const auto rebuilt = db::schema::refreshCrosstabViews(c);
    EXPECT_EQ(rebuilt, (Names{"vcCrcRoom", "vcCrcClass", "vcCrcTeacher", "vcCrcCountClass",
                              "vcCrcCountTeacher", "vcCrcCountRoom"}));
    EXPECT_EQ(c.columnNames("vcCrcRoom").back(), "二12D");
    EXPECT_EQ(c.columnNames("vcCrcCountRoom").back(), "二");
    c.execute("UPDATE Period SET 节时 = '一34D' WHERE 编号 = '3'");
    db::schema::refreshCrosstabViews(c);
    EXPECT_EQ(c.columnNames("vcCrcRoom").back(), "一34D");
    EXPECT_EQ(c.columnNames("vcCrcCountRoom").back(), "一");
}

TEST_F(SchemaTest, AMissingViewStaysMissing) {
    c.execute("DROP VIEW vcCrcCountRoom");
    c.execute("INSERT INTO Period (编号, 节时) VALUES ('3', '二12D')");
    db::schema::refreshCrosstabViews(c);
    EXPECT_FALSE(c.hasObject("vcCrcCountRoom"));
    EXPECT_TRUE(c.hasObject("vcCrcCountClass"));
}

TEST_F(SchemaTest, EngineRefusesCorruptingWrites) {
    // A second row for one room and period, and a counter below zero.
    EXPECT_THROW(c.execute("INSERT INTO Curriculum (编号, 教室, 节时) VALUES ('9', 'R1', '1')"),
                 db::Error);
    EXPECT_THROW(c.execute("UPDATE CrcTask SET 待排节 = -1 WHERE 编号 = '1002'"), db::Error);
}

TEST(SchemaLogTableTest, OlderFileGetsALogTableThatNumbersItself) {
    testing_support::TempDir dir;
    db::Connection::createFile(dir.file("old.dat"), "pw");
    db::Connection c;
    c.setTarget(dir.file("old.dat"), "pw");
    c.open();
    c.execute(db::schema::kCreateLogTable);
    c.execute("INSERT INTO CCLog (模块, 操作) VALUES ('Curriculum', 'Add')");
    EXPECT_EQ(db::toInteger(c.scalar("SELECT ID FROM CCLog")), 1);
}

}  // namespace
