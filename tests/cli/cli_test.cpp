#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
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
