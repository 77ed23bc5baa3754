#include <gtest/gtest.h>

#include "business/item_lists.h"
#include "db/schema.h"
#include "tests/support/scratch_database.h"

namespace {

class ItemListsTest : public ::testing::Test {
protected:
    void SetUp() override {
        c.executeScript(R"(
            INSERT INTO Building (楼名) VALUES ('一教'), ('二教'), ('实验楼');
            INSERT INTO Course (编号, 课程) VALUES ('C1', 'Java程序设计'), ('C2', '高等数学'),
                                                  ('C3', 'O''Reilly写作'), ('C4', '100%_达标');
        )");
    }
    testing_support::ScratchDatabase scratch{testing_support::ScratchDatabase::Kind::Schema};
    db::Connection& c = scratch.connection;
};

TEST_F(ItemListsTest, FillsDistinctValuesAndFirstValue) {
    business::TGetAndFillItems fill(c);
    EXPECT_EQ(fill.FillDistinctItems("Building", "楼名", "1=1"),
              (std::vector<std::string>{"一教", "二教", "实验楼"}));
    EXPECT_TRUE(fill.FillDistinctItems("Building", "楼名", "楼名 = ?", {std::string("无")}).empty());
    EXPECT_EQ(db::toText(fill.GetFirstValue("Course", "课程", "编号 = ?", {std::string("C2")})),
              "高等数学");
    EXPECT_TRUE(db::isNull(fill.GetFirstValue("Course", "课程", "编号 = ?", {std::string("C9")})));
    EXPECT_THROW(fill.FillDistinctItems("Nowhere", "x", "1=1"), db::Error);
    EXPECT_THROW(fill.FillDistinctItems("Building", "楼名; DROP TABLE Building", "1=1"), db::Error);
}

TEST_F(ItemListsTest, FindsByTypedTextHoldingQuotesAndWildcards) {
    business::TItemsKeyChange find(c);
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
        {"数学", "C2"},
        {"O'Reilly", "C3"},    // a quote is searched for, not an error
        {"100%_", "C4"},       // % and _ match themselves
        {"0%", "C4"},
        {"%", "C4"},
        {"物理", std::nullopt},
        {"", "C1"},            // empty text: the first row
    };
    for (const auto& [typed, expected] : cases)
        EXPECT_EQ(find.FindByTypedText("Course", "课程", "编号", typed), expected) << typed;
}

}  // namespace
