#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "business/course_plan.h"
#include "business/course_plan_task.h"
#include "business/major_class.h"
#include "tests/support/scratch_database.h"

namespace {

using business::TCoursePlanTask;
using Lines = std::vector<std::string>;

// Department 01 numbers its tasks from 3000, department 02 has no [system] row. Term 261
// plans CP1 (grade 08, 软件) and CP2 (grade 081, 软件技术) reach classes S1 and S2; CP3 is
// of another term, CP4 of another major, CP5's course has no teaching section, CP6 is 09's.
class CoursePlanTaskTest : public ::testing::Test {
protected:
    void SetUp() override {
        c.executeScript(R"(
            INSERT INTO Dept (编号, 教学部) VALUES ('01', '信息系'), ('02', '机电系');
            INSERT INTO "system" (DeptID, Dept, param1) VALUES ('01', '信息系', '3000');
            INSERT INTO Class (班号, 班级, 年级, 专业, 教学部, 班级人数) VALUES
                ('S1', '08软件1班', '08', '软件', '01', 40),
                ('S2', '08软件2班', '081', '软件技术', '01', 42),
                ('N1', '08网络1班', '08', '网络', '01', 38),
                ('M1', '09软件1班', '09', '软件', '02', 35),
                ('T1', '电子1班', '07', '电子', '01', 30),
                ('T2', '电子2班', '07', '电子', '01', 31),
                ('W1', 'C1班', '20', 'C''%_语言', '01', 20),
                ('W2', 'C2班', '20', 'C''ab语言', '01', 21);
            INSERT INTO Course (编号, 课程, 开设教学部, 开设教研组) VALUES
                ('K1', '高等数学', '01', '数学组'), ('K2', 'Java', '01', '软件组');
            INSERT INTO Course (编号, 课程, 开设教学部) VALUES ('K3', '体育', '01');
            INSERT INTO CoursePlan (编号, 年级, 专业, 学期, 课程编号, 周学时, 周数) VALUES
                ('CP1', '08', '软件', '261', 'K1', 4, 16), ('CP2', '081', '软件技术', '261', 'K2', 2, 18),
                ('CP3', '08', '软件', '262', 'K1', 4, 16), ('CP4', '08', '网络', '261', 'K2', 2, 16),
                ('CP5', '08', '软件', '261', 'K3', 2, 16), ('CP6', '09', '软件', '261', 'K1', 4, 16),
                ('CP7', '07', '电子', '261', 'K1', 4, 16);
        )");
    }

    std::string addTask(const std::string& plan, const std::string& classCode,
                        const std::string& deptID = "01") {
        TCoursePlanTask task;
        task.FPlanCode = plan;
        task.FClassCode = classCode;
        store.InsertTask(task, deptID);
        return task.FTaskCode;
    }
    std::int64_t taskRows() { return db::toInteger(c.scalar("SELECT COUNT(*) FROM CoursePlanTask")); }

    testing_support::ScratchDatabase scratch;
    db::Connection& c = scratch.connection;
    business::TCoursePlanTaskDBProcess store{c};
};

using MajorClassTest = CoursePlanTaskTest;

Lines sorted(Lines lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

TEST_F(MajorClassTest, ValuesMatchCodeOrPrefixesTakenLiterally) {
    struct Case {
        business::TMajorClass criteria;
        std::string extra;
        db::Params extraParams;
        Lines classes;
    };
    const std::vector<Case> cases = {
        {{"", "08", "软件"}, "1=1", {}, {"S1", "S2"}},  // 081 and 软件技术 begin with them
        {{"N1", "none", "none"}, "1=1", {}, {"N1"}},
        {{"", "0_", ""}, "1=1", {}, {}},
        {{"", "20", "C'%_"}, "1=1", {}, {"W1"}},
        {{"", "08", ""}, "班级人数 > ?", {std::int64_t{39}}, {"S1", "S2"}},
    };
    business::TMajorClassDBProcess classes(c);
    for (const auto& k : cases) {
        Lines list = {"stale"};
        classes.ListMajorClassValues(k.criteria, "班号", k.extra, k.extraParams, list);
        EXPECT_EQ(sorted(list), k.classes) << k.criteria.FGrade << " " << k.criteria.FMajor;
    }
    Lines list;
    EXPECT_THROW(classes.ListMajorClassValues({}, "班号 FROM Class; --", "1=1", {}, list), db::Error);
}

TEST_F(CoursePlanTaskTest, PlanValuesMatchCodeOrEveryPrefix) {
    business::TCoursePlanDBProcess plans(c);
    business::TCoursePlan criteria;
    criteria.FTerm = "261";
    criteria.FGrade = "08";
    criteria.FMajor = "软件";
    Lines list;
    plans.ListPlanValues(criteria, "编号", "1=1", {}, list);
    EXPECT_EQ(sorted(list), (Lines{"CP1", "CP2"}));  // not CP5: its section is null

    criteria.FCode = "CP5";
    criteria.FTerm = "999";
    plans.ListPlanValues(criteria, "编号", "1=1", {}, list);
    EXPECT_EQ(list, (Lines{"CP5"}));

    criteria.FCode = "CP1' OR '1'='1";
    plans.ListPlanValues(criteria, "编号", "1=1", {}, list);
    EXPECT_TRUE(list.empty());
    EXPECT_THROW(plans.ListPlanValues(criteria, "没有", "1=1", {}, list), db::Error);
}

TEST_F(CoursePlanTaskTest, FilterOfNoCriteriaIsTheExtraCondition) {
    TCoursePlanTask none;
    none.FWeeklyHours = none.FWeeks = none.FClassSize = -9;
    for (const TCoursePlanTask& task : {TCoursePlanTask{}, none}) {
        db::Params params;
        EXPECT_EQ(business::TCoursePlanTaskDBProcess::BuildTaskFilter(task, "是否设置=0", params),
                  " WHERE 是否设置=0");
        EXPECT_TRUE(params.empty());
    }
}

TEST_F(CoursePlanTaskTest, InsertTaskNumbersWithinTheDepartmentRange) {
    EXPECT_EQ(addTask("CP1", "S1"), "CPT3001");
    EXPECT_EQ(addTask("CP2", "S2"), "CPT3002");
    EXPECT_EQ(addTask("CP6", "M1", "01"), "CPT1");  // its class's department 02 has no base
    EXPECT_EQ(addTask("CP6", "M1", "01"), "CPT2");
    // No Class row: the given department's range, and a second one does not collide.
    EXPECT_EQ(addTask("CP1", "X9"), "CPT3003");
    EXPECT_EQ(addTask("CP1", "X8"), "CPT3004");

    TCoursePlanTask task;
    task.FPlanCode = "CP4";
    task.FClassCode = "N1";
    task.FCrcTaskCode = "1001";
    task.FIsSingle = task.FIsSplit = task.FIsSet = true;
    task.FCombineMemo = "备注";
    task.FSplitCode = "SP";
    task.FTeachingGroup = "08网络1班";
    task.FGroupSize = 38;
    store.InsertTask(task, "01");
    TCoursePlanTask read;
    read.FTaskCode = task.FTaskCode;
    ASSERT_TRUE(store.GetTaskByCode(read));
    EXPECT_EQ(read.FTaskCode, "CPT3005");
    EXPECT_EQ(std::tie(read.FPlanCode, read.FClassCode, read.FCrcTaskCode, read.FCombineMemo,
                       read.FSplitCode, read.FTeachingGroup, read.FGroupSize),
              std::tie(task.FPlanCode, task.FClassCode, task.FCrcTaskCode, task.FCombineMemo,
                       task.FSplitCode, task.FTeachingGroup, task.FGroupSize));
    EXPECT_TRUE(read.FIsSingle && read.FIsSplit && read.FIsSet && !read.FIsCombined);

    c.execute("UPDATE \"system\" SET param1 = '3千' WHERE DeptID = '01'");
    const auto before = taskRows();
    TCoursePlanTask refused;
    refused.FClassCode = "S1";
    try {
        store.InsertTask(refused, "01");
        ADD_FAILURE() << "a base that is no whole number was taken";
    } catch (const db::Error& e) {
        EXPECT_NE(std::string(e.what()).find("3千"), std::string::npos) << e.what();
    }
    EXPECT_EQ(taskRows(), before);
    EXPECT_TRUE(refused.FTaskCode.empty());
}

TEST_F(CoursePlanTaskTest, FindsTasksAndEmptiesTheRecordOnAMiss) {
    const std::string code = addTask("CP1", "S1");
    TCoursePlanTask byPair;
    byPair.FPlanCode = "CP1";
    byPair.FClassCode = "S1";
    ASSERT_TRUE(store.GetTaskByPlanAndClass(byPair));
    EXPECT_EQ(byPair.FTaskCode, code);
    EXPECT_EQ(byPair.FClassName, "08软件1班");
    EXPECT_EQ(byPair.FClassSize, 40);
    EXPECT_EQ(byPair.FWeeklyHours, 4);
    EXPECT_EQ(byPair.FWeeks, 16);
    EXPECT_EQ(byPair.FSuggestedTeacher, "");

    TCoursePlanTask filled;
    filled.FTerm = "261";
    filled.FClassName = "x";
    filled.FTeachingGroup = "x";
    filled.FIsSet = filled.FIsCombined = true;
    filled.FGroupSize = filled.FWeeklyHours = 9;
    for (const std::string& missing : {std::string("CPT9"), code + "' OR '1'='1"}) {
        TCoursePlanTask task = filled;
        task.FTaskCode = missing;
        EXPECT_FALSE(store.GetTaskByCode(task));
        EXPECT_EQ(task.FTaskCode, missing);
        EXPECT_EQ(task.FTerm, "261");  // not a field a find fills
        EXPECT_TRUE(task.FClassName.empty() && task.FTeachingGroup.empty());
        EXPECT_FALSE(task.FIsSet || task.FIsCombined);
        EXPECT_EQ(task.FGroupSize + task.FWeeklyHours, 0);
    }
    TCoursePlanTask pair = filled;
    pair.FTaskCode = code;
    pair.FPlanCode = "CP2";
    pair.FClassCode = "S1";
    EXPECT_FALSE(store.GetTaskByPlanAndClass(pair));
    EXPECT_TRUE(pair.FTaskCode.empty());
}

TEST_F(CoursePlanTaskTest, UpdateTaskReportsWhetherItWrote) {
    TCoursePlanTask task;
    task.FTaskCode = addTask("CP1", "S1");
    ASSERT_TRUE(store.GetTaskByCode(task));
    task.FIsSet = task.FIsCombined = true;
    task.FCrcTaskCode = "1001";
    task.FTeachingGroup = "08软件1班软件2班";
    task.FGroupSize = 82;
    EXPECT_TRUE(store.UpdateTask(task));
    TCoursePlanTask read;
    read.FTaskCode = task.FTaskCode;
    ASSERT_TRUE(store.GetTaskByCode(read));
    EXPECT_TRUE(read.FIsSet && read.FIsCombined);
    EXPECT_EQ(read.FCrcTaskCode, "1001");
    EXPECT_EQ(read.FTeachingGroup, "08软件1班软件2班");
    EXPECT_EQ(read.FGroupSize, 82);

    TCoursePlanTask unknown = task;
    unknown.FTaskCode = "CPT9";
    EXPECT_FALSE(store.UpdateTask(unknown));

    c.close();
    c.openReadOnly();
    task.FGroupSize = 1;
    EXPECT_FALSE(store.UpdateTask(task));
}

TEST_F(CoursePlanTaskTest, ListsLinesOfTheSelectedTasks) {
    const std::string s1 = addTask("CP1", "S1");
    const std::string s2 = addTask("CP1", "S2");
    addTask("CP4", "N1");
    TCoursePlanTask set;
    set.FTaskCode = s2;
    ASSERT_TRUE(store.GetTaskByCode(set));
    set.FIsSet = true;
    set.FTeachingGroup = "08软件2班";
    set.FGroupSize = 42;
    ASSERT_TRUE(store.UpdateTask(set));

    struct Case {
        TCoursePlanTask criteria;
        std::string extra;
        db::Params extraParams;
        Lines lines;
    };
    TCoursePlanTask ofPlan;
    ofPlan.FPlanCode = "CP1";
    TCoursePlanTask setOnes;
    setOnes.FIsSet = true;
    TCoursePlanTask wide;
    wide.FTerm = "261";
    wide.FWeeklyHours = 4;
    wide.FDept = "信息系";
    wide.FClassName = "08软件1班";
    const std::vector<Case> cases = {
        {ofPlan, "1=1", {}, {s1 + ", 08软件1班, 0", s2 + ", 08软件2班, 42"}},
        {ofPlan, "是否设置=0", {}, {s1 + ", 08软件1班, 0"}},
        {setOnes, "1=1", {}, {s2 + ", 08软件2班, 42"}},
        {wide, "排课人数 < ?", {std::int64_t{1}}, {s1 + ", 08软件1班, 0"}},
    };
    for (const auto& k : cases) {
        Lines list = {"stale"};
        store.ListTaskLines(k.criteria, "任务编号,  班级 , 排课人数", k.extra, k.extraParams, list);
        EXPECT_EQ(sorted(list), sorted(k.lines)) << k.extra;
    }
    Lines list;
    EXPECT_THROW(store.ListTaskLines({}, "任务编号, 没有", "1=1", {}, list), db::Error);
    EXPECT_THROW(store.ListTaskLines({}, "任务编号 FROM Class; --", "1=1", {}, list), db::Error);
}

TEST_F(CoursePlanTaskTest, OpenTasksByCodeOrTermPrefix) {
    addTask("CP1", "S1");
    addTask("CP2", "S2");
    const std::string other = addTask("CP3", "S1");  // term 262
    TCoursePlanTask criteria;
    criteria.FTerm = "26";
    EXPECT_EQ(store.OpenTasks(criteria, "1=1", {}), 3);

    criteria.FTaskCode = other;
    criteria.FTerm = "261";
    EXPECT_EQ(store.OpenTasks(criteria, "班号 = ?", {std::string("S1")}), 2);
    EXPECT_EQ(store.GridQuery().rowCount(), 2);
    criteria.FTerm = "2_1";
    EXPECT_EQ(store.OpenTasks(criteria, "1=1", {}), 1);
    EXPECT_EQ(store.GridQuery()["任务编号"].asText(), other);
}

TEST_F(CoursePlanTaskTest, InitTasksCreatesMissingTasksOnce) {
    int count = -1;
    Lines failures, log;
    store.InitTasks("261", {"08"}, {"软件"}, "01", count, failures, log);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(failures, (Lines{"年级, 专业, 班号, 开课号, 备注"}));
    EXPECT_EQ(log, (Lines{"年级, 专业, 班数, 开课数:开课", "08, 软件, 2, 2: CP1.OK.CP2.OK.CP1.OK.CP2.OK."}));
    EXPECT_EQ(taskRows(), 4);
    TCoursePlanTask task;
    task.FPlanCode = "CP2";
    task.FClassCode = "S2";
    ASSERT_TRUE(store.GetTaskByPlanAndClass(task));
    EXPECT_EQ(task.FTaskCode, "CPT3004");
    EXPECT_FALSE(task.FIsSet || task.FIsCombined || task.FIsSplit);
    EXPECT_TRUE(task.FCrcTaskCode.empty() && task.FTeachingGroup.empty());
    EXPECT_EQ(task.FGroupSize, 0);

    store.InitTasks("261", {"08"}, {"软件"}, "01", count, failures, log);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(failures, (Lines{"年级, 专业, 班号, 开课号, 备注", "08, 软件, S1, CP1, 已存在任务:CPT3001",
                               "08, 软件, S1, CP2, 已存在任务:CPT3002",
                               "08, 软件, S2, CP1, 已存在任务:CPT3003",
                               "08, 软件, S2, CP2, 已存在任务:CPT3004"}));
    EXPECT_EQ(log.at(1), "08, 软件, 2, 2: CP1.CP2.CP1.CP2.");
    EXPECT_EQ(taskRows(), 4);
}

TEST_F(CoursePlanTaskTest, InitTasksFailingHalfWayCreatesNothing) {
    c.execute("INSERT INTO \"system\" (DeptID, Dept, param1) VALUES ('02', '机电系', 'abc')");
    int count = -1;
    Lines failures = {"before"}, log = {"before"};
    EXPECT_THROW(store.InitTasks("261", {"07", "09"}, {"电子", "软件"}, "01", count, failures, log),
                 db::Error);
    EXPECT_EQ(taskRows(), 0);
    EXPECT_EQ(count, -1);
    EXPECT_EQ(failures, (Lines{"before"}));
    EXPECT_EQ(log, (Lines{"before"}));
}

TEST_F(CoursePlanTaskTest, CombinedClassNameSaysSharedStartOnce) {
    const std::string s1 = addTask("CP1", "S1"), s2 = addTask("CP1", "S2"),
                      n1 = addTask("CP4", "N1"), t1 = addTask("CP7", "T1"),
                      t2 = addTask("CP7", "T2");
    struct Case {
        Lines codes;
        std::string name;
        int size;
    };
    const std::vector<Case> cases = {
        {{s1, s2}, "08软件1班软件2班", 82},
        {{s1}, "08软件1班", 40},
        {{s1, "CPT9", n1}, "08软件1班网络1班", 78},
        {{t1, t2}, "电子1班子2班", 61},  // a Chinese first character is two bytes
        {{"CPT9"}, "", 0},
        {{}, "", 0},
    };
    for (const auto& k : cases) {
        std::string name = "stale";
        int size = -1;
        store.GetCombinedClassName(k.codes, name, size);
        EXPECT_EQ(name, k.name);
        EXPECT_EQ(size, k.size) << k.name;
    }
}

}  // namespace
