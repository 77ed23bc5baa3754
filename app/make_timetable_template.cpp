// Build step: writes the timetable template workbook that the program copies for each
// timetable export. Row 8 of its sheet receives the period titles.
#include <iostream>

#include "spreadsheet/workbook.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_timetable_template OUTPUT.xlsx\n";
        return 1;
    }
    try {
        spreadsheet::Workbook book(argv[1]);
        auto& sheet = book.addWorksheet("班级课表");
        auto title = sheet.range("A1:AZ1");
        title.merge();
        title.setValue(std::string("课  程  表"));
        title.setFontName("宋体");
        title.setFontSize(18);
        title.setFontStyle("加粗");
        title.setHorizontalAlignment(spreadsheet::HAlign::Center);
        title.setRowHeight(30);
        sheet.cell(3, 1).setValue(std::string("学期："));
        sheet.cell(4, 1).setValue(std::string("部门："));
        sheet.cell(5, 1).setValue(std::string("制表日期："));
        auto note = sheet.range("A6:AZ6");
        note.merge();
        note.setValue(std::string("第8行为节次标题，由导出时写入；其余内容可按需修改，导出不会覆盖。"));
        auto header = sheet.range("A8:AZ8");
        header.setFontStyle("加粗");
        header.setHorizontalAlignment(spreadsheet::HAlign::Center);
        header.setBorders();
        sheet.range("A8:A40").setColumnWidth(12);
        sheet.range("B8:AZ40").setColumnWidth(9);
        book.save();
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
