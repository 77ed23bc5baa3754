#pragma once
// Reads the cells of an .xlsx file as texts, the way a user sees them before any formatting.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "spreadsheet/address.h"
#include "spreadsheet/error.h"

namespace spreadsheet {

struct CellData {
    // Strings as they are; numbers in their shortest exact text ("3", "2.5", "1E+20"; dates
    // stay serial numbers); booleans "TRUE" / "FALSE"; errors as Excel shows them ("#DIV/0!").
    // For a formula cell, the result the file last stored.
    std::string value;
    // With its "=", as typed: "=SUM(A1:A3)". Empty for cells that only share another cell's
    // formula, whose text the file keeps once for all of them.
    std::string formula;
};

struct SheetData {
    std::string name;
    std::map<CellRef, CellData> cells;   // only cells holding a value or formula
    std::vector<std::string> merges;     // "A1:C1"
    std::map<int, double> columnWidths;  // where the file sets them, in its own units
    std::map<int, double> rowHeights;    // likewise, in points

    // The smallest range holding every cell; none for a sheet without cells.
    std::optional<RangeRef> usedRange() const;
    std::string value(int row, int col) const;  // "" for an empty cell
    std::string formula(int row, int col) const;
    // The used range's values, row by row, every row as wide as the range.
    std::vector<std::vector<std::string>> rows() const;
};

class XlsxReader {
public:
    explicit XlsxReader(const std::string& path);  // reads the whole file at once

    std::vector<std::string> sheetNames() const;  // in workbook order
    const SheetData& sheet(std::string_view name) const;
    const SheetData& sheet(int index) const;  // from 1

private:
    std::string path_;
    std::vector<SheetData> sheets_;
};

}  // namespace spreadsheet
