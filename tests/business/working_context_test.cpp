#include <gtest/gtest.h>

#include <chrono>

#include "business/working_context.h"
#include "db/datetime.h"
#include "db/schema.h"
#include "tests/support/scratch_database.h"

namespace {

using namespace std::chrono_literals;

std::string daysFromToday(int days) {
    return db::formatDate(std::chrono::system_clock::now() + std::chrono::hours(24 * days));
}

class WorkingContextTest : public ::testing::Test {
protected:
    void addTerm(const std::string& code, int fromDay, int toDay) {
        c.execute("INSERT INTO Term (编号, 起始日期, 结束日期) VALUES (?, ?, ?)",
                  {code, daysFromToday(fromDay), daysFromToday(toDay)});
    }
    void addDept(const std::string& id, const std::string& name, bool active) {
        c.execute("INSERT INTO [system] (DeptID, Dept, IsActive, param1, param2) VALUES (?, ?, ?, ?, ?)",
                  {id, name, std::int64_t{active}, id + "0000", id + "000"});
    }
    std::string activeDept() {
        return db::toText(c.scalar("SELECT Dept FROM [system] WHERE IsActive = 1"));
    }
    testing_support::ScratchDatabase scratch{testing_support::ScratchDatabase::Kind::Schema};
    db::Connection& c = scratch.connection;
};

TEST_F(WorkingContextTest, CurrentTermIsTheFirstWhoseDatesHoldToday) {
    addTerm("251", -300, -100);
    addTerm("261", -10, 0);  // today is its last day
    addTerm("262", -1, 30);  // overlaps: the first row wins
    business::TCurrentTerm term(c);
    EXPECT_EQ(term.FTermCode, "261");
    EXPECT_EQ(term.FTermList, (std::vector<std::string>{"251", "261", "262"}));
}

TEST_F(WorkingContextTest, NoTermCoversToday) {
    addTerm("251", -300, -100);
    // A date stored with a time still counts by its day, and this one is over.
    c.execute("INSERT INTO Term (编号, 起始日期, 结束日期) VALUES ('252', ?, ?)",
              {daysFromToday(-90), daysFromToday(-1) + " 23:59:59"});
    business::TCurrentTerm term(c);
    EXPECT_EQ(term.FTermCode, "");
}

TEST_F(WorkingContextTest, PlaceholderTeacherName) {
    EXPECT_EQ(business::TCurrentTerm(c).FUndecidedTeacher, "待定");
    c.execute("INSERT INTO Teacher (教工号, 姓名) VALUES ('0000000', '未定教师')");
    EXPECT_EQ(business::TCurrentTerm(c).FUndecidedTeacher, "未定教师");
}

TEST_F(WorkingContextTest, ActiveDepartmentOrTheOffice) {
    business::TCurrentDept office(c);
    EXPECT_EQ(office.FDeptID, "00");
    EXPECT_EQ(office.FDept, "");
    EXPECT_EQ(office.FParam1, "0");
    EXPECT_EQ(office.FParam2, "0");

    addDept("01", "信息系", false);
    addDept("02", "经管系", true);
    business::TCurrentDept dept(c);
    EXPECT_EQ(dept.FDeptID, "02");
    EXPECT_EQ(dept.FDept, "经管系");
    EXPECT_EQ(dept.FParam1, "020000");
    EXPECT_EQ(dept.FDeptList, (std::vector<std::string>{"信息系", "经管系"}));
    EXPECT_EQ(dept.GetDeptParam("01", "param2"), "01000");
    EXPECT_EQ(dept.GetDeptParam("99", "param2"), "0");
    EXPECT_THROW(dept.GetDeptParam("01", "nosuchcolumn"), db::Error);
}

TEST_F(WorkingContextTest, SwitchingDepartmentsWithinOneRun) {
    addDept("01", "信息系", true);
    addDept("02", "经管系", false);
    business::TCurrentDept dept(c);
    dept.SetActiveDept("信息系");  // the loaded one: nothing to do
    EXPECT_EQ(activeDept(), "信息系");
    dept.SetActiveDept("经管系");
    EXPECT_EQ(activeDept(), "经管系");
    EXPECT_EQ(dept.FDept, "信息系");  // takes effect at the next start
    dept.SetActiveDept("信息系");  // back again within the same run
    EXPECT_EQ(activeDept(), "信息系");
    dept.SetActiveDept("");  // the office
    EXPECT_EQ(db::toInteger(c.scalar("SELECT Count(*) FROM [system] WHERE IsActive = 1")), 0);
    EXPECT_THROW(dept.SetActiveDept("没有的系"), db::Error);
    EXPECT_EQ(db::toInteger(c.scalar("SELECT Count(*) FROM [system] WHERE IsActive = 1")), 0);
}

TEST_F(WorkingContextTest, EditionFromTheActiveRow) {
    EXPECT_EQ(business::TVerType(c).FVerType, 1);  // none active: query edition
    c.executeScript(R"(
        INSERT INTO [Version] (VerType, VerName, VerExeID, VerDatID, IsActive) VALUES (0, '教务处排课版', '2.0.0', '2.0', 0);
        INSERT INTO [Version] (VerType, VerName, VerExeID, VerDatID, IsActive) VALUES (1, '查询版', '2.0.0', '2.0', 0);
    )");
    EXPECT_TRUE(business::TVerType(c).IsQueryEdition());
    business::TVerType ver(c);
    ver.SetActiveVer("教务处排课版");
    business::TVerType after(c);
    EXPECT_EQ(after.FVerType, 0);
    EXPECT_FALSE(after.IsQueryEdition());
    EXPECT_EQ(after.LoadActiveVer(), "教务处排课版");
    EXPECT_EQ(after.FVerExeID, "2.0.0");
    EXPECT_EQ(after.FVerNameList, (std::vector<std::string>{"教务处排课版", "查询版"}));
}

}  // namespace
