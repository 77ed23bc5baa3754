#include <gtest/gtest.h>

#include "business/operation_log.h"
#include "db/query.h"
#include "db/schema.h"
#include "tests/support/scratch_database.h"

namespace {

class OperationLogTest : public ::testing::Test {
protected:
    testing_support::ScratchDatabase scratch{testing_support::ScratchDatabase::Kind::Schema};
    db::Connection& c = scratch.connection;
};

TEST_F(OperationLogTest, WritesEveryMemberIntoItsColumn) {
    business::TCCLog log(c);
    log.FModule = "Curriculum";
    log.FOperation = "Delete";
    log.FArg1 = "一教101";
    log.FArg2 = "一12D";
    log.FArg3 = "1001";
    // Longer than the old column widths: stored whole rather than cut or refused.
    log.FRemark = "删除：一12D 一教101 (高等数学 25软件1班软件2班 张伟 ) 这一段说明文字比五十个字符还要长得多，也要完整保存下来";
    log.FTime = db::parseDateTime("2026-12-11 15:04:05");
    log.FPerson = "信息工程系教学部";
    log.FApplied = true;
    ASSERT_TRUE(log.WriteLine());

    db::Query q(c);
    q.open("SELECT * FROM CCLog");
    ASSERT_EQ(q.rowCount(), 1);
    EXPECT_EQ(q["ID"].asInteger(), 1);  // the first line of an empty table
    EXPECT_EQ(q["模块"].asText(), "Curriculum");
    EXPECT_EQ(q["操作"].asText(), "Delete");
    EXPECT_EQ(q["参数1"].asText(), "一教101");
    EXPECT_EQ(q["参数3"].asText(), "1001");
    EXPECT_EQ(q["参数4"].asText(), "");
    EXPECT_EQ(q["备注"].asText(), log.FRemark);
    EXPECT_EQ(q["时间"].asText(), "2026-12-11 15:04:05");
    EXPECT_EQ(q["人员"].asText(), "信息工程系教学部");
    EXPECT_TRUE(q["执行"].asBool());
}

TEST_F(OperationLogTest, NextIdFollowsTheRemainingMaximum) {
    business::TCCLog log(c);
    log.FModule = "Curriculum";
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(log.WriteLine());
    c.execute("DELETE FROM CCLog WHERE ID = 3");
    ASSERT_TRUE(log.WriteLine());
    EXPECT_EQ(db::toInteger(c.scalar("SELECT Max(ID) FROM CCLog")), 3);
    EXPECT_EQ(db::toInteger(c.scalar("SELECT Count(*) FROM CCLog")), 3);
}

TEST_F(OperationLogTest, FailureIsReportedAndLeavesNoHalfLine) {
    business::TCCLog log(c);
    c.execute("DROP TABLE CCLog");
    EXPECT_FALSE(log.WriteLine());
    EXPECT_NE(log.LastError().find("CCLog"), std::string::npos);

    c.execute(db::schema::kCreateLogTable);
    // A trigger standing in for any failure after the ID was taken.
    c.execute("CREATE TRIGGER refuse BEFORE INSERT ON CCLog WHEN NEW.备注 = 'bad' "
              "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    log.FRemark = "bad";
    EXPECT_FALSE(log.WriteLine());
    EXPECT_EQ(db::toInteger(c.scalar("SELECT Count(*) FROM CCLog")), 0);
}

}  // namespace
