#include "spreadsheet/address.h"

#include <algorithm>
#include <optional>

#include "spreadsheet/error.h"

namespace spreadsheet {

bool RangeRef::contains(CellRef cell) const {
    return cell.row >= first.row && cell.row <= last.row && cell.col >= first.col &&
           cell.col <= last.col;
}

bool RangeRef::overlaps(const RangeRef& other) const {
    return first.row <= other.last.row && other.first.row <= last.row &&
           first.col <= other.last.col && other.first.col <= last.col;
}

std::string columnName(int col) {
    if (col < 1 || col > kMaxColumns) throw Error("column out of range: " + std::to_string(col));
    // Bijective base 26: there is no zero digit, so "Z" is followed by "AA".
    std::string name;
    for (; col > 0; col = (col - 1) / 26) name.insert(name.begin(), char('A' + (col - 1) % 26));
    return name;
}

std::string cellName(int row, int col) {
    if (row < 1 || row > kMaxRows) throw Error("row out of range: " + std::to_string(row));
    return columnName(col) + std::to_string(row);
}

std::string rangeName(const RangeRef& range) {
    std::string name = cellName(range.first.row, range.first.col);
    if (range.last != range.first) name += ":" + cellName(range.last.row, range.last.col);
    return name;
}

namespace {

std::optional<CellRef> tryParseCell(std::string_view address) {
    size_t i = 0;
    auto skipDollar = [&] {
        if (i < address.size() && address[i] == '$') ++i;
    };
    skipDollar();
    long col = 0;
    size_t letters = 0;
    for (; i < address.size() && letters < 4; ++i, ++letters) {
        char c = address[i];
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
        if (c < 'A' || c > 'Z') break;
        col = col * 26 + (c - 'A' + 1);
    }
    skipDollar();
    long row = 0;
    size_t digits = 0;
    for (; i < address.size() && digits < 8; ++i, ++digits) {
        char c = address[i];
        if (c < '0' || c > '9') break;
        row = row * 10 + (c - '0');
    }
    if (i != address.size() || letters == 0 || digits == 0) return std::nullopt;
    if (col > kMaxColumns || row < 1 || row > kMaxRows) return std::nullopt;
    return CellRef{int(row), int(col)};
}

}  // namespace

CellRef parseCell(std::string_view address) {
    std::optional<CellRef> cell = tryParseCell(address);
    if (!cell) throw Error("invalid cell address '" + std::string(address) + "'");
    return *cell;
}

RangeRef parseRange(std::string_view address) {
    size_t colon = address.find(':');
    std::optional<CellRef> a = tryParseCell(address.substr(0, colon));
    std::optional<CellRef> b =
        colon == std::string_view::npos ? a : tryParseCell(address.substr(colon + 1));
    if (!a || !b) throw Error("invalid range address '" + std::string(address) + "'");
    return {{std::min(a->row, b->row), std::min(a->col, b->col)},
            {std::max(a->row, b->row), std::max(a->col, b->col)}};
}

}  // namespace spreadsheet
