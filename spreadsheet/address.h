#pragma once
// Cell and range addresses as a spreadsheet shows them: rows and columns count from 1.
#include <compare>
#include <string>
#include <string_view>

namespace spreadsheet {

inline constexpr int kMaxRows = 1048576;
inline constexpr int kMaxColumns = 16384;

struct CellRef {
    int row = 1;
    int col = 1;
    auto operator<=>(const CellRef&) const = default;  // row by row, then by column
};

struct RangeRef {
    CellRef first;  // top left
    CellRef last;   // bottom right
    int rows() const { return last.row - first.row + 1; }
    int cols() const { return last.col - first.col + 1; }
    bool contains(CellRef cell) const;
    bool overlaps(const RangeRef& other) const;
    bool operator==(const RangeRef&) const = default;
};

std::string columnName(int col);               // 1 → "A", 27 → "AA"
std::string cellName(int row, int col);        // (3, 2) → "B3"
std::string rangeName(const RangeRef& range);  // "A5:V6", or "B3" for a single cell

// Accept "B3", "b3", "$B$3"; a range's corners may come in any order.
CellRef parseCell(std::string_view address);
RangeRef parseRange(std::string_view address);  // "A5:V6" or "B3"

}  // namespace spreadsheet
