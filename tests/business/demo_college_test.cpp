#include "business/demo_college.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "db/connection.h"
#include "db/datetime.h"
#include "db/names.h"
#include "db/query.h"
#include "tests/support/temp_dir.h"

namespace {

using business::CollegeKind;
using business::createCollege;

std::int64_t count(db::Connection& c, const std::string& sql, const db::Params& params = {}) {
    return db::toInteger(c.scalar(sql, params));
}

void openFile(db::Connection& c, const std::string& path) {
    c.setTarget(path, std::string(db::kDatabasePassword));
    c.openReadOnly();
}

std::string today() {
    return db::formatDate(std::chrono::system_clock::now());
}

// Rows of a query, each as its fields' text joined by '|', to compare whole tables.
std::string dump(db::Connection& c, const std::string& sql) {
    db::Query q(c);
    q.open(sql);
    std::string text;
    for (q.first(); !q.eof(); q.next()) {
        for (int i = 0; i < q.fieldCount(); ++i) text += q.field(i).asText() + "|";
        text += "\n";
    }
    return text;
}

// Pairs of (teacher or class, period) that occur in more than one cell.
const char* const kTeacherClashes =
    "SELECT count(*) FROM (SELECT 1 FROM vCrcTeacher GROUP BY 教工号, 节时 HAVING count(*) > 1)";
const char* const kClassClashes =
    "SELECT count(*) FROM (SELECT 1 FROM vCrcClass GROUP BY 班号, 节时 HAVING count(*) > 1)";

class DemoCollege : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<testing_support::TempDir>();
        createCollege(path(), CollegeKind::Demo);
    }
    static void TearDownTestSuite() { dir_.reset(); }
    static std::string path() { return dir_->file("demo.dat"); }

    void SetUp() override { openFile(c_, path()); }
    std::int64_t count(const std::string& sql, const db::Params& params = {}) {
        return ::count(c_, sql, params);
    }

    static inline std::unique_ptr<testing_support::TempDir> dir_;
    db::Connection c_;
};

TEST_F(DemoCollege, HasOneCellForEveryRoomAndPeriod) {
    EXPECT_EQ(count("SELECT count(*) FROM Curriculum"), 3000);
    EXPECT_EQ(count("SELECT count(*) FROM Room") * count("SELECT count(*) FROM Period"), 3000);
    EXPECT_EQ(count("SELECT count(DISTINCT r.ID || '/' || p.ID) FROM Curriculum c "
                    "JOIN Room r ON r.编号 = c.教室 JOIN Period p ON p.编号 = c.节时"),
              3000);
    EXPECT_EQ(count("SELECT count(*) FROM Curriculum WHERE 编号 IS NOT CAST(ID AS TEXT)"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM Curriculum WHERE 是否已排 = 0 AND "
                    "(排课任务编号 <> '' OR 排课权重 <> 0 OR 备注 <> '')"),
              0);
}

TEST_F(DemoCollege, HasDepartmentsRoomsAndPeriodsOfTheRightForm) {
    db::Query q(c_);
    q.open(
        "SELECT s.*, d.教学部 FROM [system] s LEFT JOIN Dept d ON d.编号 = s.DeptID ORDER BY s.ID");
    ASSERT_EQ(q.rowCount(), 3);
    EXPECT_EQ(count("SELECT count(*) FROM Dept"), 3);
    int k = 1;
    for (q.first(); !q.eof(); q.next(), ++k) {
        EXPECT_EQ(q["DeptID"].asText(), "0" + std::to_string(k));
        EXPECT_EQ(q["Dept"].asText(), q["教学部"].asText());
        EXPECT_EQ(q["IsActive"].asInteger(), 0);
        EXPECT_EQ(q["param1"].asText(), std::to_string(10000 * k));
        EXPECT_EQ(q["param2"].asText(), std::to_string(1000 * k));
        EXPECT_EQ(q["param3"].asText(), "0");
    }
    EXPECT_EQ(count("SELECT count(*) FROM Major"), 6);

    EXPECT_EQ(count("SELECT count(*) FROM Building"), 4);
    EXPECT_EQ(count("SELECT count(*) FROM Room r WHERE NOT EXISTS "
                    "(SELECT 1 FROM Building b WHERE substr(r.教室, 1, length(b.楼名)) = b.楼名)"),
              0);
    EXPECT_EQ(count("SELECT count(*) FROM Room "
                    "WHERE 类型 NOT IN ('普通', '多媒体', '机房', '实验室', '操场') "
                    "OR 座位数 <= 0 OR 主用教学部 NOT IN (SELECT 教学部 FROM Dept)"),
              0);
    const auto fields = count("SELECT count(*) FROM Room WHERE 类型 = '操场'");
    EXPECT_TRUE(fields >= 1 && fields <= 2) << fields;
    EXPECT_GT(count("SELECT count(*) FROM Room WHERE 类型 IN ('普通', '多媒体')"), 40);

    q.open("SELECT 编号, 节时 FROM Period ORDER BY ID");
    ASSERT_EQ(q.rowCount(), 50);
    const std::vector<std::string> days = {"一", "二", "三", "四", "五"};
    const std::vector<std::string> pairs = {"12", "34", "56", "78", "90"};
    int n = 0;
    for (const auto& d : days)
        for (const auto& p : pairs)
            for (const auto* half : {"D", "S"}) {
                ASSERT_TRUE(q.moveTo(n));
                EXPECT_EQ(q["编号"].asText(), std::to_string(++n));
                EXPECT_EQ(q["节时"].asText(), d + p + half);
            }
    // The crosstab views were rebuilt from these periods.
    EXPECT_EQ(c_.columnNames("vcCrcRoom").size(), 4u + 50u);
}

TEST_F(DemoCollege, HasClassesTeachersAndCoursesOfTheRightForm) {
    EXPECT_EQ(count("SELECT count(*) FROM Class c WHERE 班级人数 NOT BETWEEN 30 AND 50 "
                    "OR 年级 NOT IN ('24', '25', '26') OR length(班号) <> 7 "
                    "OR 教学部 NOT IN (SELECT 编号 FROM Dept) OR NOT EXISTS "
                    "(SELECT 1 FROM Major m WHERE m.专业 = c.专业 AND m.教学部 = c.教学部) "
                    "OR substr(班级, 1, 2) <> 年级 "
                    "OR 班级全称 NOT LIKE '20' || 年级 || '级' || 专业 || '%班'"),
              0);
    EXPECT_EQ(count("SELECT count(*) FROM (SELECT 1 FROM Class GROUP BY 年级, 专业 "
                    "HAVING count(*) NOT BETWEEN 2 AND 3)"),
              0);
    EXPECT_EQ(count("SELECT count(DISTINCT 年级 || 专业) FROM Class"), 18);

    EXPECT_EQ(
        count("SELECT count(*) FROM Teacher WHERE 教工号 = ? AND 姓名 = ?",
              {std::string(db::kPlaceholderStaffNo), std::string(db::kPlaceholderTeacherName)}),
        1);
    const auto teachers = count("SELECT count(*) FROM Teacher WHERE 教工号 <> ?",
                                {std::string(db::kPlaceholderStaffNo)});
    EXPECT_TRUE(teachers >= 80 && teachers <= 100) << teachers;
    EXPECT_EQ(count("SELECT count(DISTINCT 姓名) FROM Teacher"), teachers + 1);
    EXPECT_EQ(count("SELECT count(*) FROM Teacher WHERE 教工号 <> ? AND (length(教工号) <> 7 "
                    "OR 教工号 GLOB '*[^0-9]*' OR 性别 NOT IN ('男', '女') "
                    "OR 所在部门 NOT IN (SELECT 编号 FROM Dept))",
                    {std::string(db::kPlaceholderStaffNo)}),
              0);

    const auto courses = count("SELECT count(*) FROM Course");
    EXPECT_TRUE(courses >= 70 && courses <= 90) << courses;
    EXPECT_EQ(count("SELECT count(*) FROM Course "
                    "WHERE 课程类别 NOT IN ('公共课', '专业课', '素质课', '实践课') "
                    "OR 周学时 NOT IN (2, 4, 6) OR 周数 NOT BETWEEN 16 AND 18 "
                    "OR 理论学时 + 实践学时 <> 周学时 * 周数 "
                    "OR 开设教学部 NOT IN (SELECT 编号 FROM Dept)"),
              0);
    EXPECT_EQ(
        count("SELECT count(*) FROM Course WHERE 课程 LIKE '%程序设计' AND 教室要求 <> '机房'"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM Course WHERE 课程 LIKE '体育%' AND 教室要求 <> '操场'"),
              0);
}

TEST_F(DemoCollege, IsMidWayThroughScheduling) {
    const double placed = count("SELECT count(*) FROM Curriculum WHERE 是否已排 = 1");
    EXPECT_GE(placed / 3000, 0.38);
    EXPECT_LE(placed / 3000, 0.42);
    const double tasks = count("SELECT count(*) FROM CrcTask");
    EXPECT_GE(count("SELECT count(*) FROM CrcTask WHERE 待排节 > 0") / tasks, 0.25);
    EXPECT_GT(count("SELECT count(*) FROM CrcTask WHERE 待排节 = 0"), 0);
}

TEST_F(DemoCollege, PutsNobodyInTwoRoomsAtOnceAndEveryTaskInAFittingRoom) {
    EXPECT_EQ(count(kTeacherClashes), 0);
    EXPECT_EQ(count(kClassClashes), 0);
    EXPECT_GT(count("SELECT count(*) FROM vCrcTeacher WHERE 教工号 = ?",
                    {std::string(db::kPlaceholderStaffNo)}),
              0);
    EXPECT_EQ(
        count(
            "SELECT count(*) FROM Curriculum c JOIN CrcTask t ON t.编号 = c.排课任务编号 "
            "JOIN Room r ON r.编号 = c.教室 WHERE c.是否已排 = 1 AND (r.座位数 < t.排课人数 OR NOT "
            "CASE t.教室要求 WHEN '' THEN r.类型 IN ('普通', '多媒体') "
            "WHEN '普通' THEN r.类型 IN ('普通', '多媒体') ELSE r.类型 = t.教室要求 END)"),
        0);
    // Lessons of a task fall on different days while the week has room for them.
    const double spread = count("SELECT count(*) FROM CrcTask WHERE 已排节 BETWEEN 2 AND 5");
    const auto crowded = count(
        "SELECT count(*) FROM (SELECT 1 FROM Curriculum c "
        "JOIN CrcTask t ON t.编号 = c.排课任务编号 JOIN Period p ON p.编号 = c.节时 "
        "WHERE c.是否已排 = 1 AND t.已排节 BETWEEN 2 AND 5 "
        "GROUP BY t.编号 HAVING count(DISTINCT substr(p.节时, 1, 1)) < count(*))");
    EXPECT_LT(crowded / spread, 0.1);
}

// The planning tables agree by every rule the program's consistency check applies.
TEST_F(DemoCollege, PlanningDataAgreesWithItself) {
    // Counters match the placed cells, and every placed cell belongs to a task.
    EXPECT_EQ(
        count("SELECT count(*) FROM CrcTask t WHERE 已排节 <> (SELECT count(*) FROM Curriculum c "
              "WHERE c.是否已排 = 1 AND c.排课任务编号 = t.编号)"),
        0);
    EXPECT_EQ(count("SELECT count(*) FROM Curriculum c WHERE 是否已排 = 1 AND (排课权重 <> 100 OR "
                    "NOT EXISTS (SELECT 1 FROM CrcTask t WHERE t.编号 = c.排课任务编号))"),
              0);
    // Each plan task is set, points to its task and plan, and the hours add up.
    const auto planTasks = count("SELECT count(*) FROM CoursePlanTask");
    EXPECT_EQ(
        count("SELECT count(*) FROM CoursePlanTask cpt JOIN CrcTask t ON t.编号 = cpt.排课任务编号 "
              "JOIN CoursePlan p ON p.编号 = cpt.开课编号 JOIN Class cl ON cl.班号 = cpt.班号 "
              "WHERE cpt.是否设置 = 1 AND p.周学时 = t.待排节 + t.已排节 AND p.周数 = t.待排周 "
              "AND p.教室要求 = t.教室要求 AND cpt.排课班 = t.排课班 AND cpt.排课人数 = t.排课人数 "
              "AND p.年级 = cl.年级 AND p.专业 = cl.专业 AND cpt.任务编号 = 'CPT' || cpt.ID"),
        planTasks);
    // Every class has one plan task for each plan of its grade and major.
    EXPECT_EQ(count("SELECT count(*) FROM Class cl JOIN CoursePlan p ON p.年级 = cl.年级 AND "
                    "p.专业 = cl.专业"),
              planTasks);
    // Plans of the current term, their hours copied from the course.
    EXPECT_EQ(count("SELECT count(*) FROM CoursePlan p JOIN Course co ON co.编号 = p.课程编号 "
                    "WHERE p.学期 = "
                    "(SELECT 编号 FROM Term WHERE ? BETWEEN date(起始日期) AND date(结束日期)) "
                    "AND p.编号 = 'CP' || p.ID AND p.周学时 = co.周学时 AND p.周数 = co.周数 "
                    "AND p.理论学时 = co.理论学时 AND p.实践学时 = co.实践学时 "
                    "AND p.课程类别 = co.课程类别 AND p.教室要求 = co.教室要求",
                    {today()}),
              count("SELECT count(*) FROM CoursePlan"));
    EXPECT_EQ(
        count("SELECT count(*) FROM CrcTask WHERE 主讲教师 NOT IN (SELECT 教工号 FROM Teacher)"),
        0);
    const auto undecided = count("SELECT count(*) FROM CrcTask WHERE 主讲教师 = ?",
                                 {std::string(db::kPlaceholderStaffNo)});
    EXPECT_TRUE(undecided >= 1 && undecided * 20 < count("SELECT count(*) FROM CrcTask"))
        << undecided;

    // Group names, sizes, codes, flags and ID ranges, rebuilt from the classes of each task.
    struct Member {
        std::int64_t id;
        std::string code, className, single, combined, note, dept;
        std::int64_t size;
        std::string plan;
    };
    std::map<std::string, std::vector<Member>> members;
    db::Query q(c_);
    q.open(
        "SELECT cpt.*, cl.班级, cl.班级人数, cl.教学部 AS 部门 FROM CoursePlanTask cpt "
        "JOIN Class cl ON cl.班号 = cpt.班号 ORDER BY cpt.ID");
    for (q.first(); !q.eof(); q.next())
        members[q["排课任务编号"].asText()].push_back(
            {q["ID"].asInteger(), q["任务编号"].asText(), q["班级"].asText(),
             q["是否单班"].asText(), q["是否合班"].asText(), q["合班备注"].asText(),
             q["部门"].asText(), q["班级人数"].asInteger(), q["开课编号"].asText()});
    // Department → its param1 and param2, the bases of its two ID ranges.
    std::map<std::string, std::pair<std::int64_t, std::int64_t>> bases;
    q.open("SELECT * FROM [system]");
    for (q.first(); !q.eof(); q.next())
        bases[q["DeptID"].asText()] = {q["param1"].asInteger(), q["param2"].asInteger()};

    q.open("SELECT * FROM CrcTask ORDER BY ID");
    ASSERT_EQ(static_cast<std::size_t>(q.rowCount()), members.size());
    int combinedTasks = 0;
    for (q.first(); !q.eof(); q.next()) {
        const auto code = q["编号"].asText();
        const auto& m = members[code];
        ASSERT_TRUE(m.size() == 1 || m.size() == 2) << code;
        const bool combined = m.size() == 2;
        combinedTasks += combined;
        std::string name = m[0].className, expectedCodes = combined ? "" : m[0].code;
        std::int64_t size = m[0].size;
        for (const auto& x : m) {
            if (combined) expectedCodes += x.code + ",";
            EXPECT_EQ(x.single, combined ? "0" : "1") << x.code;
            EXPECT_EQ(x.combined, combined ? "1" : "0") << x.code;
            EXPECT_EQ(x.note.empty(), !combined) << x.code;
            const auto cptBase = bases[x.dept].first;
            EXPECT_TRUE(x.id > cptBase && x.id < cptBase + 10000) << x.code;
        }
        if (combined) {
            const auto& second = m[1].className;
            const bool shared = name.size() >= 2 && second.compare(0, 2, name, 0, 2) == 0 &&
                                static_cast<unsigned char>(name[0]) < 0x80 &&
                                static_cast<unsigned char>(name[1]) < 0x80;
            name += shared ? second.substr(2) : second;
            size += m[1].size;
            EXPECT_EQ(m[0].plan, m[1].plan) << code;
            EXPECT_EQ(m[0].dept, m[1].dept) << code;
        }
        EXPECT_EQ(q["排课班"].asText(), name) << code;
        EXPECT_EQ(q["排课人数"].asInteger(), size) << code;
        EXPECT_EQ(q["任务编号"].asText(), expectedCodes) << code;
        EXPECT_EQ(q["是否合班"].asInteger(), combined ? 1 : 0) << code;
        const auto id = q["ID"].asInteger();
        EXPECT_EQ(code, std::to_string(id));
        const auto taskBase = bases[m[0].dept].second;
        EXPECT_TRUE(id > taskBase && id < taskBase + 1000) << code;
    }
    EXPECT_GT(combinedTasks, 0);
}

TEST_F(DemoCollege, LogsEveryPlacementWithItsMessage) {
    const auto placed = count("SELECT count(*) FROM Curriculum WHERE 是否已排 = 1");
    EXPECT_EQ(count("SELECT count(*) FROM CCLog"), placed);
    EXPECT_EQ(
        count("SELECT count(*) FROM Curriculum c JOIN Room r ON r.编号 = c.教室 "
              "JOIN Period p ON p.编号 = c.节时 JOIN vCrcTask t ON t.编号 = c.排课任务编号 "
              "JOIN CCLog l ON l.参数1 = c.排课任务编号 AND l.参数2 = r.教室 AND l.参数3 = p.节时 "
              "WHERE c.是否已排 = 1 AND l.模块 = 'Curriculum' AND l.操作 = 'Add' "
              "AND l.人员 = t.教学部 AND l.执行 = 0 AND l.状态 = '' "
              "AND l.参数4 || l.参数5 || l.参数6 || l.参数7 || l.参数8 || l.参数9 = '' "
              "AND l.备注 = '排入: ' || p.节时 || ' ' || r.教室 || ' (' || t.课程 || ' ' "
              "|| t.排课班 || ' ' || t.主讲教师 || ' ' || c.备注 || ')'"),
        placed);
    // Local times of the last weeks, in order.
    EXPECT_EQ(count("SELECT count(*) FROM CCLog WHERE 时间 IS NOT datetime(时间) "
                    "OR 时间 > datetime('now', 'localtime') "
                    "OR 时间 < datetime('now', 'localtime', '-35 days')"),
              0);
    EXPECT_EQ(
        count("SELECT count(*) FROM CCLog a JOIN CCLog b ON b.ID = a.ID + 1 WHERE b.时间 < a.时间"),
        0);
}

TEST_F(DemoCollege, IsTheSameEveryTime) {
    const auto again = dir_->file("again.dat");
    createCollege(again, CollegeKind::Demo);
    db::Connection other;
    openFile(other, again);
    for (const auto* sql :
         {"SELECT * FROM Curriculum ORDER BY ID", "SELECT * FROM CrcTask ORDER BY ID",
          "SELECT * FROM Teacher ORDER BY ID", "SELECT * FROM Room ORDER BY ID",
          "SELECT * FROM CoursePlanTask ORDER BY ID", "SELECT * FROM Course ORDER BY ID"})
        EXPECT_EQ(dump(c_, sql), dump(other, sql)) << sql;
}

TEST(EmptyCollege, HasOnlyEditionsAndTerms) {
    testing_support::TempDir dir;
    const auto path = dir.file("empty.dat");
    createCollege(path, CollegeKind::Empty);
    db::Connection c;
    openFile(c, path);
    EXPECT_EQ(
        dump(c, "SELECT VerType, VerName, VerExeID, VerDatID, IsActive FROM [Version] ORDER BY ID"),
        "0|教务处排课版|2.0.0|2.0|1|\n2|教学部排课版|2.0.0|2.0|0|\n1|查询版|2.0.0|2.0|0|\n");
    EXPECT_EQ(count(c, "SELECT count(*) FROM Term"), 4);
    EXPECT_EQ(
        count(c, "SELECT count(*) FROM Term WHERE ? BETWEEN date(起始日期) AND date(结束日期)",
              {today()}),
        1);
    for (const auto* table : {"system", "Dept", "Room", "Period", "Class", "Teacher", "Course",
                              "CrcTask", "Curriculum", "CCLog"})
        EXPECT_EQ(count(c, "SELECT count(*) FROM " + db::quoteName(table)), 0) << table;
}

TEST(Terms, FollowTheSemestersAroundADay) {
    using namespace std::chrono;
    const auto terms = business::termsAround(2026y / 12 / 11);
    ASSERT_EQ(terms.size(), 4u);
    EXPECT_EQ(terms[0].code + terms[1].code + terms[2].code + terms[3].code, "251252261262");
    EXPECT_EQ(terms[2].start + " " + terms[2].end, "2026-09-01 2027-01-20");
    // In the winter break the autumn term lasts until the spring term begins.
    const auto winter = business::termsAround(2027y / 2 / 1);
    EXPECT_EQ(winter[2].code + " " + winter[2].end + " " + winter[3].start,
              "261 2027-02-19 2027-02-20");
}

TEST(Terms, AlwaysHoldExactlyOneTermForTheDay) {
    using namespace std::chrono;
    const sys_days first{2026y / 1 / 1};
    for (auto d = first; d < first + days{2 * 366}; d += days{1}) {
        const year_month_day ymd{d};
        char day[16];
        std::snprintf(day, sizeof day, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                      static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
        const auto terms = business::termsAround(ymd);
        int covering = 0;
        for (const auto& t : terms) covering += t.start <= day && day <= t.end;
        EXPECT_EQ(covering, 1) << day;
        EXPECT_TRUE(terms[2].start <= day && day <= terms[2].end) << day;
        EXPECT_LT(terms[1].end, terms[2].start) << day;
    }
}

TEST(CreateCollege, RefusesAnExistingFileAndLeavesItAlone) {
    testing_support::TempDir dir;
    const auto path = dir.file("taken.dat");
    std::ofstream(path) << "not ours";
    EXPECT_THROW(createCollege(path, CollegeKind::Demo), db::Error);
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "not ours");
}

TEST(LargeCollege, HasTheScaleOfABigUniversityAndIsQuickToMake) {
    testing_support::TempDir dir;
    const auto path = dir.file("large.dat");
    const auto started = std::chrono::steady_clock::now();
    createCollege(path, CollegeKind::Large);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    EXPECT_LT(took.count(), 30.0);

    db::Connection c;
    openFile(c, path);
    auto about = [&](const char* table, double expected) {
        const double n = count(c, "SELECT count(*) FROM " + db::quoteName(table));
        EXPECT_TRUE(n > expected * 0.9 && n < expected * 1.1) << table << ": " << n;
        return n;
    };
    const double rooms = about("Room", 600), periods = count(c, "SELECT count(*) FROM Period");
    EXPECT_EQ(periods, 60);
    EXPECT_EQ(count(c, "SELECT count(*) FROM Curriculum"), rooms * periods);
    about("Class", 1500);
    about("Teacher", 1200);
    about("CrcTask", 9000);
    const double placed = count(c, "SELECT count(*) FROM Curriculum WHERE 是否已排 = 1");
    EXPECT_TRUE(placed / (rooms * periods) >= 0.45 && placed / (rooms * periods) <= 0.55) << placed;
    const double periodsOfTasks = count(c, "SELECT sum(待排节 + 已排节) FROM CrcTask");
    EXPECT_TRUE(placed / periodsOfTasks >= 0.45 && placed / periodsOfTasks <= 0.55)
        << periodsOfTasks;
    EXPECT_EQ(count(c, "SELECT count(*) FROM CCLog"), placed);
    EXPECT_EQ(count(c, kTeacherClashes), 0);
    EXPECT_EQ(count(c, kClassClashes), 0);
}

}  // namespace
