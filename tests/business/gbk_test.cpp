#include <gtest/gtest.h>

#include "business/gbk.h"

namespace {

TEST(GbkTest, CountsAndCutsByGbkBytes) {
    struct Case {
        std::string text;
        std::size_t length;
        std::string left3;
        std::string dropped2;
    };
    const std::vector<Case> cases = {
        {"08软件1班", 9, "08", "软件1班"},
        {"一12D", 5, "一1", "12D"},
        {"软件2班", 7, "软", "件2班"},
        {"", 0, "", ""},
        {"AB", 2, "AB", ""},
        {"€x", 2, "€x", ""},  // GBK has the euro sign as one byte (0x80)
    };
    for (const auto& c : cases) {
        EXPECT_EQ(business::gbkLength(c.text), c.length) << c.text;
        EXPECT_EQ(business::gbkLeft(c.text, 3), c.left3) << c.text;
        EXPECT_EQ(business::gbkDropLeft(c.text, 2), c.dropped2) << c.text;
    }
    // A Chinese character is never split: four bytes of "一12D" keep "一12".
    EXPECT_EQ(business::gbkLeft("一12D", 4), "一12");
    EXPECT_EQ(business::gbkLeft("软件", 3), "软");
}

}  // namespace
