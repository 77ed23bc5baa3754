#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/support/temp_dir.h"

namespace {

struct CliRun {
    int exitCode;
    std::string out;  // standard output and error together
};

std::string quoted(const std::string& s) {
    std::string q = "'";
    for (char ch : s) q += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return q + "'";
}

CliRun cli(const std::vector<std::string>& args) {
    std::string command = TESSORY_CLI;
    for (const auto& a : args) command += " " + quoted(a);
    command += " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buf{};
    while (std::size_t n = fread(buf.data(), 1, buf.size(), pipe)) out.append(buf.data(), n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

class CliTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = new testing_support::TempDir;
        demo = dir->file("demo.dat");
        ASSERT_EQ(cli({"init", demo, "--demo"}).exitCode, 0);
    }
    static void TearDownTestSuite() { delete dir; }
    static testing_support::TempDir* dir;
    static std::string demo;
};
testing_support::TempDir* CliTest::dir = nullptr;
std::string CliTest::demo;

TEST_F(CliTest, InfoDescribesTheDemoCollege) {
    const CliRun r = cli({"info", demo});
    ASSERT_EQ(r.exitCode, 0) << r.out;
    EXPECT_NE(r.out.find("教学部\t教务处\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("教学部列表\t3\t"), std::string::npos);
    EXPECT_NE(r.out.find("已排单元\t1200/3000\t40.0%"), std::string::npos);
    EXPECT_NE(r.out.find("Curriculum\t3000\n"), std::string::npos);
    EXPECT_EQ(r.out.find("tessory_access"), std::string::npos);
}

TEST_F(CliTest, QueryIsReadOnlyAndTabSeparated) {
    CliRun r = cli({"query", demo, "SELECT 编号, 节时 FROM Period WHERE ID <= 2 ORDER BY ID"});
    ASSERT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(r.out, "编号\t节时\n1\t一12D\n2\t一12S\n");
    r = cli({"query", demo, "SELECT NULL AS a, 'x' || char(9) || 'y' AS b"});
    EXPECT_EQ(r.out, "a\tb\n\tx\\ty\n");  // null as empty, a tab kept inside its column
    r = cli({"query", demo, "DELETE FROM CCLog"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(cli({"query", demo, "SELECT Count(*) FROM CCLog"}).out, "Count(*)\n1200\n");
    r = cli({"query", demo, "SELECT * FROM Nowhere"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("Nowhere"), std::string::npos);
}

TEST_F(CliTest, PlaceAndRemoveAreLoggedLikeTheRoomTimetable) {
    const std::string copy = dir->file("place.dat");
    std::filesystem::copy_file(demo, copy);
    // A placed cell of a task with periods left, and a free room in the same period.
    const CliRun placed = cli({"query", copy,
                               "SELECT 排课任务编号, 教室, 节时 FROM vCrcRoom v JOIN CrcTask t ON "
                               "t.编号 = v.排课任务编号 WHERE t.待排节 > 0 ORDER BY v.ID LIMIT 1"});
    const auto fields = [](const std::string& out) {
        const std::string line = out.substr(out.find('\n') + 1);
        std::vector<std::string> parts;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find_first_of("\t\n", start)) != std::string::npos; start = tab + 1)
            parts.push_back(line.substr(start, tab - start));
        return parts;
    };
    const auto cell = fields(placed.out);
    ASSERT_EQ(cell.size(), 3u) << placed.out;
    const std::string task = cell[0], room = cell[1], period = cell[2];
    const auto free = fields(cli({"query", copy,
                                  "SELECT 教室 FROM vCrcRoom WHERE 是否已排 = 0 AND 节时 = '" + period +
                                      "' LIMIT 1"}).out);
    ASSERT_EQ(free.size(), 1u);

    CliRun r = cli({"remove", copy, room, period});
    ASSERT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(r.out.rfind("删除：" + period + "，" + room + "，(", 0), 0u) << r.out;
    EXPECT_EQ(cli({"query", copy, "SELECT 操作, 参数1, 参数2, 参数3, 人员 FROM CCLog ORDER BY ID DESC LIMIT 1"}).out,
              "操作\t参数1\t参数2\t参数3\t人员\nDelete\t" + room + "\t" + period + "\t" + task + "\t\n");
    EXPECT_EQ(cli({"remove", copy, room, period}).exitCode, 3);

    r = cli({"place", copy, task, room, period});
    ASSERT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(r.out.rfind("排入: " + period + " " + room + " (", 0), 0u) << r.out;
    EXPECT_EQ(cli({"query", copy, "SELECT 操作, 参数1, 参数2, 参数3 FROM CCLog ORDER BY ID DESC LIMIT 1"}).out,
              "操作\t参数1\t参数2\t参数3\nAdd\t" + task + "\t" + room + "\t" + period + "\n");
    const std::string lines = cli({"query", copy, "SELECT Count(*) FROM CCLog"}).out;

    r = cli({"place", copy, task, room, period});  // the cell is taken now
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.out, "");
    r = cli({"place", copy, task, free[0], period});  // its own classes are busy then
    EXPECT_EQ(r.exitCode, 2) << r.out;
    EXPECT_NE(r.out.find("冲突"), std::string::npos);
    EXPECT_EQ(cli({"query", copy, "SELECT Count(*) FROM CCLog"}).out, lines);  // refusals are not logged
    EXPECT_EQ(cli({"place", copy, "999999", room, period}).exitCode, 1);
}

TEST_F(CliTest, InitNeverOverwritesAndChecksItsArguments) {
    const std::string other = dir->file("keep.dat");
    std::ofstream(other) << "precious";
    EXPECT_EQ(cli({"init", other, "--demo"}).exitCode, 1);
    std::ifstream in(other);
    std::string content((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(content, "precious");
    EXPECT_EQ(cli({"init", dir->file("x.dat"), "--huge"}).exitCode, 1);
    EXPECT_EQ(cli({"frobnicate"}).exitCode, 1);
    EXPECT_EQ(cli({"--help"}).exitCode, 0);
    EXPECT_EQ(cli({"info", dir->file("missing.dat")}).exitCode, 1);
}

}  // namespace
