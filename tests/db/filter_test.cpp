#include "db/filter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using db::Value;
using namespace std::string_literals;

const std::vector<std::string> kColumns = {"ID",     "编号", "课程",      "是否合班",
                                           "待排节", "备注", "Class Name"};
const Value null;
Value n(std::int64_t v) {
    return v;
}

// Mixed storage on purpose: 是否合班 and 待排节 hold numbers, number-like text, other text, null.
const std::vector<std::vector<Value>> kRows = {
    {n(1), "A01"s, "语文"s, n(1), n(4), null, "Grade One"s},
    {n(2), "a02"s, "数学"s, n(0), 2.5, "Lab"s, "Grade Two"s},
    {n(3), "B10"s, "English"s, "True"s, "6"s, ""s, null},
    {n(4), null, "english"s, null, null, "O'Brien"s, "Grade One"s},
    {n(5), "B2"s, "语文（上）"s, n(-1), "n/a"s, "50%"s, "Grade 3"s},
};

std::vector<std::int64_t> idsOf(const std::vector<const std::vector<Value>*>& rows) {
    std::vector<std::int64_t> ids;
    for (const auto* row : rows) ids.push_back(std::get<std::int64_t>(row->front()));
    return ids;
}

std::vector<std::int64_t> matching(const std::string& text) {
    const auto filter = db::Filter::parse(text, kColumns);
    std::vector<const std::vector<Value>*> rows;
    for (const auto& row : kRows)
        if (filter.matches(row)) rows.push_back(&row);
    return idsOf(rows);
}

template <class Parsed>
std::string parseError(const std::string& text) {
    try {
        Parsed::parse(text, kColumns);
    } catch (const db::Error& e) {
        return e.what();
    }
    return "(parsed without error)";
}

struct FilterCase {
    std::string text;
    std::vector<std::int64_t> ids;
};

TEST(Filter, SelectsMatchingRows) {
    const std::vector<FilterCase> cases = {
        {"", {1, 2, 3, 4, 5}},
        {" \t\n ", {1, 2, 3, 4, 5}},
        // Text: either quote, ASCII case folded, Chinese exact, null as empty text.
        {"课程 = '语文'", {1}},
        {"课程 = \"ENGLISH\"", {3, 4}},
        {"编号='a01'", {1}},
        {"备注 = 'O''Brien'", {4}},
        {"备注 = \"O'Brien\"", {4}},
        {"备注 = ''", {1, 3}},
        {"ID = '3'", {3}},
        {"编号 > 'b'", {3, 5}},
        // Numbers: number-like text by its number, null as 0, other text never equal and lowest.
        {"待排节 = 4", {1}},
        {"待排节 = 6.0", {3}},
        {"待排节 = 2.5", {2}},
        {"待排节 = 0", {4}},
        {"待排节 <> 4", {2, 3, 4, 5}},
        {"待排节 != 4", {2, 3, 4, 5}},
        {"待排节 < 1", {4, 5}},
        {"待排节 > -1", {1, 2, 3, 4}},
        {"待排节 >= 2.5 and 待排节 <= +4", {1, 2}},
        {"ID >= .5 and ID < 2", {1}},
        // Booleans by truth, not by stored form.
        {"是否合班 = True", {1, 3, 5}},
        {"是否合班 = false", {2, 4}},
        {"是否合班 <> TRUE", {2, 4}},
        // like: % and * any run, _ one character even when it is Chinese, ASCII case folded.
        {"课程 like '语%'", {1, 5}},
        {"课程 LIKE '%LISH'", {3, 4}},
        {"编号 like 'b_'", {5}},
        {"编号 like '___'", {1, 2, 3}},
        {"编号 like '*0*'", {1, 2, 3}},
        {"课程 like '语文（_）'", {5}},
        {"课程 like '_'", {}},
        {"备注 like '%'", {1, 2, 3, 4, 5}},
        {"备注 like '50%'", {5}},
        // in (...)
        {"ID in (1, 3, 5)", {1, 3, 5}},
        {"课程 in ('english', \"数学\")", {2, 3, 4}},
        {"待排节 in (2.5, '6')", {2, 3}},
        // is null
        {"备注 is null", {1}},
        {"编号 IS NOT NULL", {1, 2, 3, 5}},
        // and binds tighter than or; parentheses and not.
        {"ID = 1 or ID = 2 and 课程 = 'x'", {1}},
        {"(ID = 1 or ID = 2) and 课程 = '数学'", {2}},
        {"not ID = 1", {2, 3, 4, 5}},
        {"not (ID < 3 or 备注 is null)", {3, 4, 5}},
        {"ID > 1 and not 编号 like 'b%'", {2, 4}},
        {"not not ID = 1", {1}},
        // Names: any case, brackets for blanks.
        {"id = 3", {3}},
        {"[Class Name] = 'grade one'", {1, 4}},
        {"[CLASS NAME] like 'grade _'", {5}},
        {"[class name] is null", {3}},
        {"[课程]='数学'", {2}},
    };
    for (const auto& c : cases) EXPECT_EQ(matching(c.text), c.ids) << c.text;
}

struct ErrorCase {
    std::string text;
    std::string piece;
};

TEST(Filter, ParseErrorsNameTheBadPiece) {
    const std::vector<ErrorCase> cases = {
        {"Foo = 1", "unknown column \"Foo\""},
        {"[Class] = 1", "unknown column \"Class\""},
        {"课程 = '语文", "unterminated quote at position 6: '语文"},
        {"课程 = \"语文", "unterminated quote"},
        {"[Class Name = 1", "\"[Class Name = 1\""},
        {"ID =", "after \"=\": expected a value"},
        {"ID = 1 and", "after \"and\""},
        {"ID = 1 or not", "after \"not\""},
        {"(ID = 1", "expected \")\""},
        {"ID = 1)", "unexpected \")\" at position 7"},
        {"ID in (1, 2", "expected \")\""},
        {"ID in ()", "unexpected \")\""},
        {"ID = Null", "\"Null\""},
        {"ID like 5", "unexpected \"5\""},
        {"ID 1", "unexpected \"1\""},
        {"ID = 1 2", "unexpected \"2\""},
        {"ID # 1", "unexpected \"#\""},
        {"ID is 1", "unexpected \"1\""},
        {"ID = abc", "unexpected \"abc\""},
    };
    for (const auto& c : cases) {
        const auto message = parseError<db::Filter>(c.text);
        EXPECT_NE(message.find(c.piece), std::string::npos) << c.text << " -> " << message;
    }
}

TEST(SortOrder, OrdersByKeysInTurn) {
    const std::vector<FilterCase> cases = {
        {"", {1, 2, 3, 4, 5}},
        {"ID DESC", {5, 4, 3, 2, 1}},
        // Null first, then UTF-8 byte order.
        {"编号", {4, 1, 3, 5, 2}},
        {"备注 desc", {4, 2, 5, 3, 1}},
        {" [class name] ASC , id desc ", {3, 5, 4, 1, 2}},
    };
    for (const auto& c : cases) {
        const auto order = db::SortOrder::parse(c.text, kColumns);
        std::vector<const std::vector<Value>*> rows;
        for (const auto& row : kRows) {
            EXPECT_FALSE(order.less(row, row)) << c.text;
            rows.push_back(&row);
        }
        std::stable_sort(rows.begin(), rows.end(),
                         [&](const auto* a, const auto* b) { return order.less(*a, *b); });
        EXPECT_EQ(idsOf(rows), c.ids) << c.text;
    }
}

TEST(SortOrder, ParseErrorsNameTheBadPiece) {
    const std::vector<ErrorCase> cases = {
        {"Foo", "unknown column \"Foo\""},
        {"ID DOWN", "unexpected \"DOWN\""},
        {"ID DESC ASC", "unexpected \"ASC\""},
        {"ID,", "after \",\": expected a column"},
        {"[ID", "\"[ID\""},
    };
    for (const auto& c : cases) {
        const auto message = parseError<db::SortOrder>(c.text);
        EXPECT_NE(message.find(c.piece), std::string::npos) << c.text << " -> " << message;
    }
}

}  // namespace
