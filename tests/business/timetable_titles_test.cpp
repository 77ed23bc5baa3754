#include <gtest/gtest.h>

#include "business/timetable_titles.h"

namespace {

using Titles = std::vector<std::string>;

TEST(TimetableTitlesTest, PairsNeighboursThatAgreeInThreeBytes) {
    const std::vector<std::pair<Titles, Titles>> cases = {
        {{"一12D", "一12S", "一34D", "一34S"}, {"一12", "一34"}},
        // Only neighbours pair; a pair is never reused for the next title.
        {{"一12D", "一12S", "一12X"}, {"一12", "一12X"}},
        {{"一12D", "一34D"}, {"一12D", "一34D"}},  // the third byte differs
        {{" 二56D ", "二56S"}, {"二56"}},           // trimmed first
        {{"教室", "主用教学部", "一12D"}, {"教室", "主用教学部", "一12D"}},
        {{"一12D"}, {"一12D"}},
        {{}, {}},
        // ASCII titles count one byte per character.
        {{"ABCx", "ABCy"}, {"ABCx"}},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(business::pairPeriodTitles(in), out);
}

}  // namespace
