#include "spreadsheet/xlsx_reader.h"

#include <gtest/gtest.h>

#include <fstream>

#include "test_support.h"

namespace spreadsheet {
namespace {

// Written the way other producers write: prefixed elements, rows and cells without positions,
// skipped columns, rich text with a phonetic guide, shared formulas, escapes.
const char* kSheet = R"(<?xml version="1.0" encoding="UTF-8"?>
<x:worksheet xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main">
  <x:cols><x:col min="2" max="3" width="12.5" customWidth="1"/></x:cols>
  <x:sheetData>
    <x:row r="2" ht="25" customHeight="1">
      <x:c r="B2" t="s"><x:v>0</x:v></x:c>
      <x:c r="E2" t="inlineStr"><x:is><x:t>inline</x:t></x:is></x:c>
      <x:c t="b"><x:v>1</x:v></x:c>
      <x:c t="b"><x:v>0</x:v></x:c>
    </x:row>
    <x:row>
      <x:c><x:v>3.0</x:v></x:c>
      <x:c><x:v>2.50</x:v></x:c>
      <x:c s="1"><x:v>45292</x:v></x:c>
      <x:c><x:v>0.1</x:v></x:c>
      <x:c><x:v>1E+20</x:v></x:c>
      <x:c t="e"><x:v>#DIV/0!</x:v></x:c>
      <x:c s="3"/>
    </x:row>
    <x:row r="5">
      <x:c r="A5"><x:f>SUM(A3:B3)</x:f><x:v>5.5</x:v></x:c>
      <x:c r="B5"><x:f t="shared" ref="B5:C5" si="0">A3*2</x:f><x:v>6</x:v></x:c>
      <x:c r="C5"><x:f t="shared" si="0"/><x:v>5</x:v></x:c>
      <x:c r="D5" t="str"><x:f>"a"&amp;"b"</x:f><x:v>ab</x:v></x:c>
      <x:c r="E5" t="s"><x:v>1</x:v></x:c>
      <x:c r="F5" t="s"><x:v>2</x:v></x:c>
    </x:row>
  </x:sheetData>
  <x:mergeCells count="1"><x:mergeCell ref="B2:D2"/></x:mergeCells>
</x:worksheet>)";

const char* kSharedStrings =
    R"(<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">
<si><r><t>高一</t></r><r><rPr><b/></rPr><t>(3)班</t></r><rPh sb="0" eb="2"><t>こういち</t></rPh></si>
<si><t xml:space="preserve"> </t></si>
<si><t>a_x000D_b_x005F_x0041_</t></si>
</sst>)";

class XlsxReaderTest : public testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.file("book.xlsx");
};

TEST_F(XlsxReaderTest, ReadsCellsAsTexts) {
    test::writeZip(path, test::makePackage(
                             {{"数据", kSheet}, {"Empty", "<worksheet><sheetData/></worksheet>"}},
                             kSharedStrings));
    XlsxReader reader(path);
    EXPECT_EQ(reader.sheetNames(), (std::vector<std::string>{"数据", "Empty"}));

    const SheetData& sheet = reader.sheet("数据");
    EXPECT_EQ(sheet.usedRange(), (RangeRef{{2, 1}, {5, 7}}));
    using Row = std::vector<std::string>;
    EXPECT_EQ(sheet.rows(), (std::vector<Row>{
                                {"", "高一(3)班", "", "", "inline", "TRUE", "FALSE"},
                                {"3", "2.5", "45292", "0.1", "1E+20", "#DIV/0!", ""},
                                {"", "", "", "", "", "", ""},
                                {"5.5", "6", "5", "ab", " ", "a\rb_x0041_", ""},
                            }));
    EXPECT_EQ(sheet.formula(5, 1), "=SUM(A3:B3)");
    EXPECT_EQ(sheet.formula(5, 2), "=A3*2");
    EXPECT_EQ(sheet.formula(5, 3), "");
    EXPECT_EQ(sheet.formula(5, 4), "=\"a\"&\"b\"");
    EXPECT_EQ(sheet.merges, std::vector<std::string>{"B2:D2"});
    EXPECT_EQ(sheet.columnWidths, (std::map<int, double>{{2, 12.5}, {3, 12.5}}));
    EXPECT_EQ(sheet.rowHeights, (std::map<int, double>{{2, 25}}));
    EXPECT_FALSE(sheet.cells.count({3, 7}));  // a style alone is no content

    EXPECT_FALSE(reader.sheet(2).usedRange());
    EXPECT_TRUE(reader.sheet(2).rows().empty());
    EXPECT_THROW(reader.sheet(3), Error);
    EXPECT_THROW(reader.sheet("数据 "), Error);
}

TEST_F(XlsxReaderTest, FilesThatAreNoWorkbookAreErrors) {
    auto expectError = [&](const std::string& file, const std::string& part) {
        try {
            XlsxReader reader(file);
            ADD_FAILURE() << "read " << file;
        } catch (const Error& e) {
            std::string message = e.what();
            EXPECT_NE(message.find(file), std::string::npos) << message;
            EXPECT_NE(message.find(part), std::string::npos) << message;
        }
    };
    expectError(dir.file("missing.xlsx"), "No such file");
    std::ofstream(dir.file("text.xlsx")) << "not a zip";
    expectError(dir.file("text.xlsx"), "Not a zip archive");
    test::writeZip(dir.file("other.zip"), {{"readme.txt", "hello"}});
    expectError(dir.file("other.zip"), "not an xlsx workbook");
}

}  // namespace
}  // namespace spreadsheet
