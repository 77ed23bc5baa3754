#include "spreadsheet/xlsx_editor.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include "spreadsheet/address.h"
#include "spreadsheet/workbook.h"
#include "spreadsheet/xlsx_reader.h"
#include "test_support.h"

namespace spreadsheet {
namespace {

const std::string kSheet1 = "xl/worksheets/sheet1.xml";

// Rows in ascending order, each one's cells in ascending columns and on that row.
void expectInOrder(const std::string& sheetXml) {
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(sheetXml.c_str()));
    int lastRow = 0;
    for (pugi::xml_node row : doc.document_element().child("sheetData").children("row")) {
        int r = row.attribute("r").as_int();
        EXPECT_GT(r, lastRow);
        lastRow = r;
        int lastCol = 0;
        for (pugi::xml_node c : row.children("c")) {
            CellRef at = parseCell(c.attribute("r").value());
            EXPECT_EQ(at.row, r);
            EXPECT_GT(at.col, lastCol) << c.attribute("r").value();
            lastCol = at.col;
        }
    }
}

class XlsxEditorTest : public testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.file("模板.xlsx");
};

TEST_F(XlsxEditorTest, WritesTitlesAndKeepsEverythingElse) {
    {
        Workbook book(path);
        Worksheet& table = book.addWorksheet("班级课表");
        table.range("A1:F1").setValue("旧标题");
        table.range("A1:F1").merge();
        table.range("A1:F1").setFontStyle("加粗");
        table.range("A1:F1").setHorizontalAlignment(HAlign::Center);
        table.cell(3, 1).setValue("节次");
        table.cell(3, 2).setValue("周一");
        table.cell(3, 4).setValue("周三");
        table.cell(5, 1).setValue(std::int64_t{1});
        book.addWorksheet("教师").cell(1, 1).setValue("张老师");
        book.save();
    }
    test::Parts before = test::readZip(path);

    XlsxEditor editor(path);
    editor.setText("班级课表", 1, 1, "2024 秋 课表");  // over the merge's styled cell
    editor.setText("班级课表", 2, 1, "星期一");        // a new row between rows
    editor.setText("班级课表", 2, 2, " 星期二\n");
    editor.setText("班级课表", 2, 3,
                   "a\x01"
                   "b_x0041_");
    editor.setText("班级课表", 3, 3, "周二");   // between cells of a row
    editor.setText("班级课表", 3, 8, "备注");   // past a row's last cell
    editor.setText("班级课表", 7, 2, "末行");   // past the last row
    editor.setText("班级课表", 3, 2, "周一*");  // the same sheet twice, a cell twice
    editor.save();

    test::Parts after = test::readZip(path);
    for (const auto& [part, data] : before) {
        if (part == kSheet1) continue;
        EXPECT_EQ(after.at(part), data) << part;
    }
    EXPECT_EQ(after.size(), before.size());
    expectInOrder(after.at(kSheet1));
    EXPECT_NE(after.at(kSheet1).find("<dimension ref=\"A1:H7\"/>"), std::string::npos);
    test::CellStyle title = test::styleOf(after, kSheet1, "A1");
    EXPECT_TRUE(title.bold);
    EXPECT_EQ(title.horizontal, "center");

    XlsxReader reader(path);
    EXPECT_EQ(reader.sheetNames(), (std::vector<std::string>{"班级课表", "教师"}));
    const SheetData& table = reader.sheet("班级课表");
    using Row = std::vector<std::string>;
    EXPECT_EQ(table.rows(), (std::vector<Row>{
                                {"2024 秋 课表", "", "", "", "", "", "", ""},
                                {"星期一", " 星期二\n",
                                 "a\x01"
                                 "b_x0041_",
                                 "", "", "", "", ""},
                                {"节次", "周一*", "周二", "周三", "", "", "", "备注"},
                                {"", "", "", "", "", "", "", ""},
                                {"1", "", "", "", "", "", "", ""},
                                {"", "", "", "", "", "", "", ""},
                                {"", "末行", "", "", "", "", "", ""},
                            }));
    EXPECT_EQ(table.merges, std::vector<std::string>{"A1:F1"});
    EXPECT_EQ(reader.sheet("教师").value(1, 1), "张老师");
}

TEST_F(XlsxEditorTest, ReplacingAFormulaDropsTheCalculationChain) {
    const std::string main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    test::Parts parts = test::makePackage(
        {{"S", "<worksheet xmlns=\"" + main +
                   "\"><sheetData>"
                   "<row><c><v>1</v></c><c><f>A1+1</f><v>2</v></c></row>"
                   "<row><c><f t=\"shared\" ref=\"A2:B2\" si=\"0\">A1*2</f><v>2</v></c>"
                   "<c><f t=\"shared\" si=\"0\"/><v>4</v></c></row>"
                   "</sheetData></worksheet>"}});
    parts["xl/calcChain.xml"] =
        "<calcChain xmlns=\"" + main + "\"><c r=\"B1\" i=\"1\"/></calcChain>";
    auto insertBefore = [&](const std::string& part, const std::string& end,
                            const std::string& text) {
        parts[part].insert(parts[part].rfind(end), text);
    };
    insertBefore("xl/_rels/workbook.xml.rels", "</Relationships>",
                 "<Relationship Id=\"rIdC\" Type=\"http://schemas.openxmlformats.org/"
                 "officeDocument/2006/relationships/calcChain\" Target=\"calcChain.xml\"/>");
    insertBefore("[Content_Types].xml", "</Types>",
                 "<Override PartName=\"/xl/calcChain.xml\" ContentType=\"application/"
                 "vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml\"/>");
    test::writeZip(path, parts);

    XlsxEditor editor(path);
    editor.setText("S", 1, 2, "text");                    // B1, a cell the file leaves unnumbered
    EXPECT_THROW(editor.setText("S", 2, 1, "x"), Error);  // B2 would lose its formula
    editor.setText("S", 1, 4, "new");
    editor.save();

    test::Parts after = test::readZip(path);
    EXPECT_FALSE(after.count("xl/calcChain.xml"));
    EXPECT_EQ(after.at("xl/_rels/workbook.xml.rels").find("calcChain"), std::string::npos);
    EXPECT_EQ(after.at("[Content_Types].xml").find("calcChain"), std::string::npos);
    EXPECT_NE(after.at("xl/_rels/workbook.xml.rels").find("sheet1.xml"), std::string::npos);

    XlsxReader reader(path);
    const SheetData& sheet = reader.sheet(1);
    EXPECT_EQ(sheet.rows(), (std::vector<std::vector<std::string>>{{"1", "text", "", "new"},
                                                                   {"2", "4", "", ""}}));
    EXPECT_EQ(sheet.formula(1, 2), "");
    EXPECT_EQ(sheet.formula(2, 1), "=A1*2");
}

TEST_F(XlsxEditorTest, MissingSheetsAndFilesAreErrors) {
    Workbook book(path);
    book.addWorksheet("班级课表");
    book.save();
    XlsxEditor editor(path);
    try {
        editor.setText("课表", 1, 1, "x");
        FAIL() << "edited a missing sheet";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("'课表'"), std::string::npos) << e.what();
    }
    EXPECT_THROW(XlsxEditor(dir.file("missing.xlsx")), Error);
}

}  // namespace
}  // namespace spreadsheet
