#include "spreadsheet/workbook.h"

#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include "spreadsheet/xlsx_reader.h"
#include "test_support.h"

namespace spreadsheet {
namespace {

TEST(Workbook, ValuesSheetsMergesAndFormulasReadBack) {
    test::TempDir dir;
    std::string path = dir.file("课表.xlsx");
    {
        Workbook book(path);
        Worksheet& table = book.addWorksheet("班级课表");
        table.range("A1:D1").setValue("2024 秋 高一(3)班");  // the merge keeps only A1's
        table.range("A1:D1").merge();
        table.range("A2:D3").setValues(
            {{"节次", "周一", std::int64_t{3}, 2.5}, {"=C2*2", "", -7.25, Value{}}});
        table.cell(4, 1).setValue("=SUM(C2:D2)");
        table.cell(5, 6).setValue(std::int64_t{202312345678});
        book.addWorksheet("Other").cell(2, 2).setValue("x");
        EXPECT_EQ(&book.sheet(1), &table);
        EXPECT_EQ(&book.sheet("Other"), &book.sheet(2));
        book.save();
    }

    XlsxReader reader(path);
    EXPECT_EQ(reader.sheetNames(), (std::vector<std::string>{"班级课表", "Other"}));
    const SheetData& table = reader.sheet("班级课表");
    EXPECT_EQ(table.merges, std::vector<std::string>{"A1:D1"});
    EXPECT_EQ(table.value(1, 1), "2024 秋 高一(3)班");
    EXPECT_EQ(table.value(1, 2), "");
    EXPECT_EQ(table.rows()[1], (std::vector<std::string>{"节次", "周一", "3", "2.5", "", ""}));
    EXPECT_EQ(table.value(3, 3), "-7.25");
    EXPECT_EQ(table.formula(3, 1), "=C2*2");
    EXPECT_EQ(table.formula(4, 1), "=SUM(C2:D2)");
    EXPECT_EQ(table.formula(2, 3), "");
    EXPECT_EQ(table.value(5, 6), "202312345678");
    EXPECT_EQ(table.usedRange(), (RangeRef{{1, 1}, {5, 6}}));
    EXPECT_EQ(reader.sheet(2).value(2, 2), "x");
}

TEST(Workbook, FormattingAppliesToValuesPutBeforeOrAfter) {
    test::TempDir dir;
    std::string path = dir.file("formats.xlsx");
    {
        Workbook book(path);
        Worksheet& sheet = book.addWorksheet("S");
        sheet.range("A1:C2").setValue("v");
        sheet.range("A1:C2").setBorders();
        sheet.range("A1:C1").merge();
        sheet.range("B2:C2").setHorizontalAlignment(HAlign::Center);
        sheet.range("B2:C2").setVerticalAlignment(VAlign::Top);
        sheet.range("B2:C2").setWrapText(true);
        sheet.range("B2:C2").setFontName("宋体");
        sheet.range("B2:C2").setFontSize(14);
        sheet.range("B2:C2").setFontStyle("加粗");
        sheet.cell(2, 3).setFontStyle("Italic");  // replaces the bold, as picking a style does
        sheet.cell(3, 1).setNumberFormat("@");
        sheet.cell(3, 1).setValue("001");
        sheet.cell(3, 2).setNumberFormat("0.000");
        sheet.range("A4:B5").setRowHeight(30);
        sheet.range("B1:C1").setColumnWidth(20);
        book.save();
    }

    test::Parts parts = test::readZip(path);
    const std::string sheet = "xl/worksheets/sheet1.xml";
    for (const char* cell : {"A1", "B1", "C1", "A2", "C2"}) {
        EXPECT_EQ(test::styleOf(parts, sheet, cell).leftBorder, "thin") << cell;
        EXPECT_EQ(test::styleOf(parts, sheet, cell).rightBorder, "thin") << cell;
    }
    test::CellStyle b2 = test::styleOf(parts, sheet, "B2");
    EXPECT_EQ(b2.horizontal, "center");
    EXPECT_EQ(b2.vertical, "top");
    EXPECT_TRUE(b2.wrap);
    EXPECT_EQ(b2.fontName, "宋体");
    EXPECT_EQ(b2.fontSize, 14);
    EXPECT_TRUE(b2.bold);
    EXPECT_FALSE(b2.italic);
    test::CellStyle c2 = test::styleOf(parts, sheet, "C2");
    EXPECT_FALSE(c2.bold);
    EXPECT_TRUE(c2.italic);
    EXPECT_EQ(test::styleOf(parts, sheet, "A2").horizontal, "");
    EXPECT_EQ(test::styleOf(parts, sheet, "A3").numberFormat, "@");
    EXPECT_EQ(test::styleOf(parts, sheet, "B3").numberFormat, "0.000");

    XlsxReader reader(path);
    const SheetData& read = reader.sheet("S");
    EXPECT_EQ(read.value(2, 2), "v");
    EXPECT_EQ(read.value(3, 1), "001");
    EXPECT_EQ(read.rowHeights, (std::map<int, double>{{4, 30}, {5, 30}}));
    EXPECT_FALSE(read.columnWidths.count(1));
    ASSERT_TRUE(read.columnWidths.count(3));
    EXPECT_NEAR(read.columnWidths.at(3), 20, 1);  // the file adds the cell padding
}

TEST(Workbook, FontStylesInEitherLanguage) {
    const std::tuple<const char*, bool, bool> cases[] = {
        {"常规", false, false},    {"加粗", true, false},       {"倾斜", false, true},
        {"加粗 倾斜", true, true}, {"Regular", false, false},   {"Bold", true, false},
        {"Italic", false, true},   {"Bold Italic", true, true},
    };
    test::TempDir dir;
    std::string path = dir.file("fonts.xlsx");
    Workbook book(path);
    Worksheet& sheet = book.addWorksheet("S");
    int row = 0;
    for (const auto& [style, bold, italic] : cases) {
        sheet.cell(++row, 1).setValue(style);
        sheet.cell(row, 1).setFontStyle("加粗 倾斜");
        sheet.cell(row, 1).setFontStyle(style);
    }
    EXPECT_THROW(sheet.cell(1, 1).setFontStyle("Heavy"), Error);
    book.save();

    test::Parts parts = test::readZip(path);
    row = 0;
    for (const auto& [style, bold, italic] : cases) {
        test::CellStyle got = test::styleOf(parts, "xl/worksheets/sheet1.xml", cellName(++row, 1));
        EXPECT_EQ(got.bold, bold) << style;
        EXPECT_EQ(got.italic, italic) << style;
    }
}

TEST(Workbook, SheetNamesFollowExcelRules) {
    Workbook book("unused.xlsx");
    book.addWorksheet("Sheet");
    const std::string chinese31 = [] {
        std::string s;
        for (int i = 0; i < 31; ++i) s += "课";
        return s;
    }();
    book.addWorksheet(chinese31);  // characters count, not bytes
    for (std::string bad :
         {std::string(""), std::string(32, 'x'), chinese31 + "课", std::string("a[b"),
          std::string("a]b"), std::string("a:b"), std::string("a*b"), std::string("a?b"),
          std::string("a/b"), std::string("a\\b"), std::string("'ab"), std::string("ab'"),
          std::string("SHEET")}) {
        try {
            book.addWorksheet(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find("'" + bad + "'"), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(book.sheetCount(), 2);

    Worksheet& other = book.addWorksheet("Other");
    EXPECT_THROW(other.setName("sheet"), Error);
    EXPECT_THROW(other.setName("a/b"), Error);
    EXPECT_EQ(other.name(), "Other");
    other.setName("OTHER");
    EXPECT_EQ(&book.sheet("OTHER"), &other);
    EXPECT_THROW(book.sheet("Other"), Error);
    EXPECT_THROW(book.sheet(4), Error);
    EXPECT_THROW(book.sheet(0), Error);
}

TEST(Workbook, MisuseOfRangesIsAnError) {
    Workbook book("unused.xlsx");
    Worksheet& sheet = book.addWorksheet("S");
    EXPECT_THROW(sheet.range("A1:B2").setValues({{"a", "b"}}), Error);
    EXPECT_THROW(sheet.range("A1:B2").setValues({{"a", "b"}, {"c"}}), Error);
    sheet.range("A1:B2").merge();
    sheet.range("A1:B2").merge();  // the same merge again changes nothing
    EXPECT_THROW(sheet.range("B2:C3").merge(), Error);
    EXPECT_THROW(sheet.range("A1:"), Error);
    EXPECT_THROW(sheet.cell(0, 1), Error);
    EXPECT_THROW(sheet.range(RangeRef{{2, 2}, {1, 1}}), Error);
}

TEST(Workbook, SavingIntoAMissingFolderFailsWithTheLibrarysMessage) {
    test::TempDir dir;
    Workbook book(dir.file("no-such-folder/book.xlsx"));
    book.addWorksheet("S").cell(1, 1).setValue("x");
    try {
        book.save();
        FAIL() << "saved into a missing folder";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find(lxw_strerror(LXW_ERROR_CREATING_XLSX_FILE)),
                  std::string::npos)
            << e.what();
    }
}

TEST(Workbook, AWorkbookWithoutSheetsGetsAnEmptySheet1) {
    test::TempDir dir;
    Workbook(dir.file("empty.xlsx")).save();
    XlsxReader reader(dir.file("empty.xlsx"));
    EXPECT_EQ(reader.sheetNames(), std::vector<std::string>{"Sheet1"});
    EXPECT_FALSE(reader.sheet(1).usedRange());
}

TEST(Workbook, ALargeTextSheetSaves) {
    test::TempDir dir;
    std::string path = dir.file("large.xlsx");
    Workbook book(path);
    Worksheet& sheet = book.addWorksheet("S");
    std::vector<std::vector<Value>> rows(600, std::vector<Value>(64));
    for (int r = 0; r < 600; ++r)
        for (int c = 0; c < 64; ++c)
            rows[r][c] = "课" + std::to_string(r) + "-" + std::to_string(c);
    sheet.range(RangeRef{{1, 1}, {600, 64}}).setValues(rows);
    sheet.range(RangeRef{{1, 1}, {600, 64}}).setBorders();
    book.save();

    XlsxReader reader(path);
    const SheetData& read = reader.sheet("S");
    EXPECT_EQ(read.cells.size(), 600u * 64u);
    EXPECT_EQ(read.value(600, 64), "课599-63");
    EXPECT_EQ(read.value(1, 1), "课0-0");
}

}  // namespace
}  // namespace spreadsheet
