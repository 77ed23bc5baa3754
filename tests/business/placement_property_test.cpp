// Many random placements and removals, in one process and in two at once, must keep the
// counters equal to the placed cells and never put a teacher or class in two rooms.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <random>

#include "business/demo_college.h"
#include "business/placement_engine.h"
#include "db/names.h"
#include "db/query.h"
#include "tests/support/temp_dir.h"

namespace {

using Totals = std::map<std::string, std::int64_t>;

Totals periodTotals(db::Connection& c) {
    Totals totals;
    db::Query q(c);
    q.open("SELECT 编号, 已排节 + 待排节 AS n FROM CrcTask");
    for (q.first(); !q.eof(); q.next()) totals[q["编号"].asText()] = q["n"].asInteger();
    return totals;
}

// Runs random operations; answers how many ended in an error.
int randomOperations(const std::string& path, unsigned seed, int count) {
    db::Connection c;
    c.setTarget(path, std::string(db::kDatabasePassword));
    c.open();
    std::vector<std::string> tasks, rooms, periods;
    db::Query q(c);
    q.open("SELECT 编号 FROM CrcTask");
    for (q.first(); !q.eof(); q.next()) tasks.push_back(q.field(0).asText());
    q.open("SELECT 教室 FROM Room");
    for (q.first(); !q.eof(); q.next()) rooms.push_back(q.field(0).asText());
    q.open("SELECT 节时 FROM Period");
    for (q.first(); !q.eof(); q.next()) periods.push_back(q.field(0).asText());
    // Two programs aim at the same few rooms, so they meet.
    rooms.resize(8);

    business::TCrcDBProcess engine(c, "待定");
    std::mt19937 random(seed);
    auto pick = [&](const std::vector<std::string>& v) { return v[random() % v.size()]; };
    int errors = 0;
    std::string message;
    for (int i = 0; i < count; ++i) {
        business::TRoomCrc cell;
        cell.FRoom = pick(rooms);
        cell.FPeriod = pick(periods);
        business::TCrcTaskRemain task;
        business::PlacementOutcome outcome;
        if (random() % 10 < 6) {
            task.FCode = pick(tasks);
            outcome = engine.PlaceTask(task, cell, message);
        } else {
            outcome = engine.RemoveTask(cell, task, message);
        }
        if (outcome == business::PlacementOutcome::Error) ++errors;
    }
    return errors;
}

void expectConsistent(db::Connection& c, const Totals& before) {
    EXPECT_EQ(periodTotals(c), before);  // 已排节 + 待排节 never moves
    EXPECT_EQ(db::toInteger(c.scalar(
                  "SELECT Count(*) FROM CrcTask t WHERE 已排节 <> (SELECT Count(*) FROM Curriculum c "
                  "WHERE c.排课任务编号 = t.编号 AND c.是否已排 = 1)")),
              0);
    EXPECT_EQ(db::toInteger(c.scalar(
                  "SELECT Count(*) FROM (SELECT 节时 FROM vCrcConflictClass GROUP BY 节时, 班级 "
                  "HAVING Count(教室) > 1)")),
              0);
    EXPECT_EQ(db::toInteger(c.scalar(
                  "SELECT Count(*) FROM (SELECT 节时 FROM vCrcConflictTeacher WHERE 主讲教师 NOT LIKE "
                  "'%待定%' GROUP BY 节时, 主讲教师 HAVING Count(教室) > 1)")),
              0);
}

class PlacementPropertyTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("demo.dat");
        business::createCollege(path, business::CollegeKind::Demo);
        c.setTarget(path, std::string(db::kDatabasePassword));
        c.open();
        before = periodTotals(c);
    }
    testing_support::TempDir dir;
    std::string path;
    db::Connection c;
    Totals before;
};

TEST_F(PlacementPropertyTest, RandomPlacementsKeepTheTimetableSound) {
    EXPECT_EQ(randomOperations(path, 7, 3000), 0);
    expectConsistent(c, before);
}

TEST_F(PlacementPropertyTest, TwoProgramsAtOnceNeverDoubleBookOrLoseACount) {
    c.close();
    std::vector<pid_t> children;
    for (unsigned seed : {11u, 12u}) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) _exit(randomOperations(path, seed, 600) == 0 ? 0 : 1);
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a program met an error";
    }
    c.open();
    expectConsistent(c, before);
}

}  // namespace
