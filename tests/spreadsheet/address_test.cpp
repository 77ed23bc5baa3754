#include "spreadsheet/address.h"

#include <gtest/gtest.h>

#include "spreadsheet/error.h"

namespace spreadsheet {
namespace {

TEST(Address, CellNamesCountColumnsInBase26WithoutZero) {
    const std::pair<int, std::string> cases[] = {
        {1, "A1"},    {26, "Z1"},   {27, "AA1"},   {52, "AZ1"},     {53, "BA1"},
        {256, "IV1"}, {702, "ZZ1"}, {703, "AAA1"}, {16384, "XFD1"},
    };
    for (const auto& [col, name] : cases) {
        EXPECT_EQ(cellName(1, col), name) << "column " << col;
        EXPECT_EQ(parseCell(name), (CellRef{1, col})) << name;
    }
    EXPECT_EQ(cellName(1048576, 3), "C1048576");
}

TEST(Address, OutOfSheetCellsAreErrors) {
    EXPECT_THROW(cellName(0, 1), Error);
    EXPECT_THROW(cellName(1, 0), Error);
    EXPECT_THROW(cellName(1048577, 1), Error);
    EXPECT_THROW(columnName(16385), Error);
}

TEST(Address, RangesParseWhateverTheCornersOrder) {
    const std::pair<std::string, RangeRef> cases[] = {
        {"A5:V6", {{5, 1}, {6, 22}}}, {"B3", {{3, 2}, {3, 2}}},    {"$B$3:$C$4", {{3, 2}, {4, 3}}},
        {"c4:b3", {{3, 2}, {4, 3}}},  {"A2:C1", {{1, 1}, {2, 3}}},
    };
    for (const auto& [text, range] : cases) EXPECT_EQ(parseRange(text), range) << text;
    EXPECT_EQ(rangeName(parseRange("A5:V6")), "A5:V6");
    EXPECT_EQ(rangeName(parseRange("B3")), "B3");
}

TEST(Address, MalformedAddressesAreErrorsNamingThem) {
    for (const char* text : {"", "A", "3", "A0", "1A", "A1:", ":B2", "A1:B2:C3", "XFE1", "A1048577",
                             "A 1", "AAAAA1", "A1B"}) {
        try {
            parseRange(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find("'" + std::string(text) + "'"), std::string::npos)
                << e.what();
        }
    }
}

}  // namespace
}  // namespace spreadsheet
