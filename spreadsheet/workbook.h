#pragma once
// A workbook built in memory and written as .xlsx at save(). Values and formatting may be
// given to cells in any order; nothing reaches the file until save().
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "spreadsheet/address.h"
#include "spreadsheet/error.h"

namespace spreadsheet {

// A text that begins with "=" is a formula, as a spreadsheet application takes typed input.
using Value = std::variant<std::monostate, std::string, std::int64_t, double>;

enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Center, Bottom };

class Worksheet;

// A rectangle of cells of one sheet; a cheap handle, valid as long as its workbook.
class Range {
public:
    const RangeRef& address() const { return ref_; }

    void setValue(const Value& value);  // every cell of the range
    // Row by row; the block must have the range's shape.
    void setValues(const std::vector<std::vector<Value>>& rows);
    // Only the top left cell's value shows and is written; the other cells keep their formats.
    void merge();

    void setHorizontalAlignment(HAlign align);
    void setVerticalAlignment(VAlign align);
    void setNumberFormat(const std::string& format);  // "@" is text, "0.00", "yyyy-mm-dd", ...
    void setWrapText(bool wrap);
    void setFontName(const std::string& name);
    // "常规", "加粗", "倾斜", "加粗 倾斜", or "Regular", "Bold", "Italic", "Bold Italic".
    void setFontStyle(std::string_view style);
    void setFontSize(double points);
    void setBorders();  // a thin line on every side of every cell
    void setRowHeight(double points);
    void setColumnWidth(double characters);

private:
    friend class Worksheet;
    Range(Worksheet& sheet, RangeRef ref) : sheet_(&sheet), ref_(ref) {}
    template <class F>
    void forEachFormat(F change);

    Worksheet* sheet_;
    RangeRef ref_;
};

class Workbook;

class Worksheet {
public:
    Worksheet(const Worksheet&) = delete;
    Worksheet& operator=(const Worksheet&) = delete;

    const std::string& name() const { return name_; }
    void setName(const std::string& name);

    Range cell(int row, int col);
    Range range(std::string_view address);
    Range range(const RangeRef& ref);

private:
    friend class Range;
    friend class Workbook;
    struct Format {
        std::optional<HAlign> hAlign;
        std::optional<VAlign> vAlign;
        std::string numberFormat;
        bool wrap = false;
        std::string fontName;
        bool bold = false;
        bool italic = false;
        double fontSize = 0;  // 0: the workbook's default
        bool borders = false;
        auto operator<=>(const Format&) const = default;
    };
    struct Cell {
        Value value;
        Format format;
    };

    Worksheet(Workbook& book, std::string name) : book_(&book), name_(std::move(name)) {}

    Workbook* book_;
    std::string name_;
    std::map<CellRef, Cell> cells_;
    std::vector<RangeRef> merges_;
    std::map<int, double> rowHeights_;
    std::map<int, double> columnWidths_;
};

class Workbook {
public:
    explicit Workbook(std::string path) : path_(std::move(path)) {}
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    // Names follow Excel's rules: 1 to 31 characters, none of []:*?/\, no apostrophe at
    // either end, unique regardless of ASCII case.
    Worksheet& addWorksheet(const std::string& name);
    int sheetCount() const { return int(sheets_.size()); }
    Worksheet& sheet(int index);  // from 1
    Worksheet& sheet(std::string_view name);

    // Writes the file; a workbook without sheets is saved with one empty "Sheet1".
    void save() const;

private:
    friend class Worksheet;
    void checkName(const std::string& name, const Worksheet* renamed) const;

    std::string path_;
    std::vector<std::unique_ptr<Worksheet>> sheets_;
};

}  // namespace spreadsheet
