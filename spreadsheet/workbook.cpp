#include "spreadsheet/workbook.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <array>

namespace spreadsheet {

namespace {

struct WorkbookFree {
    void operator()(lxw_workbook* book) const { lxw_workbook_free(book); }
};
using WorkbookPtr = std::unique_ptr<lxw_workbook, WorkbookFree>;

int utf8Length(const std::string& text) {
    return int(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string asciiLower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return text;
}

void check(lxw_error err, const std::string& what) {
    if (err != LXW_NO_ERROR) throw Error(what + ": " + lxw_strerror(err));
}

}  // namespace

template <class F>
void Range::forEachFormat(F change) {
    for (int r = ref_.first.row; r <= ref_.last.row; ++r)
        for (int c = ref_.first.col; c <= ref_.last.col; ++c) change(sheet_->cells_[{r, c}].format);
}

void Range::setValue(const Value& value) {
    for (int r = ref_.first.row; r <= ref_.last.row; ++r)
        for (int c = ref_.first.col; c <= ref_.last.col; ++c) sheet_->cells_[{r, c}].value = value;
}

void Range::setValues(const std::vector<std::vector<Value>>& rows) {
    bool fits = int(rows.size()) == ref_.rows() &&
                std::all_of(rows.begin(), rows.end(),
                            [&](const auto& row) { return int(row.size()) == ref_.cols(); });
    if (!fits)
        throw Error("values do not have the shape of range " + rangeName(ref_) + " (" +
                    std::to_string(ref_.rows()) + " x " + std::to_string(ref_.cols()) + ")");
    for (int r = 0; r < ref_.rows(); ++r)
        for (int c = 0; c < ref_.cols(); ++c)
            sheet_->cells_[{ref_.first.row + r, ref_.first.col + c}].value = rows[r][c];
}

void Range::merge() {
    if (ref_.first == ref_.last) return;  // one cell is already as merged as it gets
    for (const RangeRef& merged : sheet_->merges_) {
        if (merged == ref_) return;
        if (merged.overlaps(ref_))
            throw Error("range " + rangeName(ref_) + " overlaps merged range " + rangeName(merged));
    }
    sheet_->merges_.push_back(ref_);
}

void Range::setHorizontalAlignment(HAlign align) {
    forEachFormat([&](auto& f) { f.hAlign = align; });
}

void Range::setVerticalAlignment(VAlign align) {
    forEachFormat([&](auto& f) { f.vAlign = align; });
}

void Range::setNumberFormat(const std::string& format) {
    forEachFormat([&](auto& f) { f.numberFormat = format; });
}

void Range::setWrapText(bool wrap) {
    forEachFormat([&](auto& f) { f.wrap = wrap; });
}

void Range::setFontName(const std::string& name) {
    forEachFormat([&](auto& f) { f.fontName = name; });
}

void Range::setFontStyle(std::string_view style) {
    struct Style {
        std::string_view chinese, english;
        bool bold, italic;
    };
    static constexpr std::array<Style, 4> styles{{{"常规", "Regular", false, false},
                                                  {"加粗", "Bold", true, false},
                                                  {"倾斜", "Italic", false, true},
                                                  {"加粗 倾斜", "Bold Italic", true, true}}};
    auto it = std::find_if(styles.begin(), styles.end(), [&](const Style& s) {
        return style == s.chinese || style == s.english;
    });
    if (it == styles.end()) throw Error("unknown font style '" + std::string(style) + "'");
    forEachFormat([&](auto& f) {
        f.bold = it->bold;
        f.italic = it->italic;
    });
}

void Range::setFontSize(double points) {
    forEachFormat([&](auto& f) { f.fontSize = points; });
}

void Range::setBorders() {
    forEachFormat([](auto& f) { f.borders = true; });
}

void Range::setRowHeight(double points) {
    for (int r = ref_.first.row; r <= ref_.last.row; ++r) sheet_->rowHeights_[r] = points;
}

void Range::setColumnWidth(double characters) {
    for (int c = ref_.first.col; c <= ref_.last.col; ++c) sheet_->columnWidths_[c] = characters;
}

void Worksheet::setName(const std::string& name) {
    book_->checkName(name, this);
    name_ = name;
}

Range Worksheet::cell(int row, int col) {
    return range(RangeRef{{row, col}, {row, col}});
}

Range Worksheet::range(std::string_view address) {
    return Range(*this, parseRange(address));
}

Range Worksheet::range(const RangeRef& ref) {
    auto inside = [](CellRef c) {
        return c.row >= 1 && c.row <= kMaxRows && c.col >= 1 && c.col <= kMaxColumns;
    };
    if (!inside(ref.first) || !inside(ref.last) || ref.first.row > ref.last.row ||
        ref.first.col > ref.last.col)
        throw Error("invalid range (" + std::to_string(ref.first.row) + ", " +
                    std::to_string(ref.first.col) + ") to (" + std::to_string(ref.last.row) + ", " +
                    std::to_string(ref.last.col) + ")");
    return Range(*this, ref);
}

void Workbook::checkName(const std::string& name, const Worksheet* renamed) const {
    auto bad = [&](const std::string& why) {
        return Error("invalid sheet name '" + name + "': " + why);
    };
    if (name.empty()) throw bad("empty");
    if (utf8Length(name) > 31) throw bad("longer than 31 characters");
    if (name.find_first_of("[]:*?/\\") != std::string::npos) throw bad("contains one of []:*?/\\");
    if (name.front() == '\'' || name.back() == '\'') throw bad("begins or ends with an apostrophe");
    for (const auto& sheet : sheets_)
        if (sheet.get() != renamed && asciiLower(sheet->name()) == asciiLower(name))
            throw bad("already in use");
}

Worksheet& Workbook::addWorksheet(const std::string& name) {
    checkName(name, nullptr);
    sheets_.push_back(std::unique_ptr<Worksheet>(new Worksheet(*this, name)));
    return *sheets_.back();
}

Worksheet& Workbook::sheet(int index) {
    if (index < 1 || index > sheetCount())
        throw Error("no sheet number " + std::to_string(index) + " in a workbook of " +
                    std::to_string(sheetCount()));
    return *sheets_[index - 1];
}

Worksheet& Workbook::sheet(std::string_view name) {
    for (auto& sheet : sheets_)
        if (sheet->name() == name) return *sheet;
    throw Error("no sheet named '" + std::string(name) + "'");
}

void Workbook::save() const {
    WorkbookPtr book(workbook_new(path_.c_str()));
    if (!book) throw Error("cannot create workbook " + path_);

    // libxlsxwriter wants one format object per distinct look, owned by the workbook.
    std::map<Worksheet::Format, lxw_format*> formats;
    auto formatFor = [&](const Worksheet::Format& f) -> lxw_format* {
        if (f == Worksheet::Format{}) return nullptr;
        auto [it, added] = formats.try_emplace(f, nullptr);
        if (!added) return it->second;
        lxw_format* format = it->second = workbook_add_format(book.get());
        if (f.hAlign)
            format_set_align(format, *f.hAlign == HAlign::Left     ? LXW_ALIGN_LEFT
                                     : *f.hAlign == HAlign::Center ? LXW_ALIGN_CENTER
                                                                   : LXW_ALIGN_RIGHT);
        if (f.vAlign)
            format_set_align(format, *f.vAlign == VAlign::Top      ? LXW_ALIGN_VERTICAL_TOP
                                     : *f.vAlign == VAlign::Center ? LXW_ALIGN_VERTICAL_CENTER
                                                                   : LXW_ALIGN_VERTICAL_BOTTOM);
        if (!f.numberFormat.empty()) format_set_num_format(format, f.numberFormat.c_str());
        if (f.wrap) format_set_text_wrap(format);
        if (!f.fontName.empty()) format_set_font_name(format, f.fontName.c_str());
        if (f.bold) format_set_bold(format);
        if (f.italic) format_set_italic(format);
        if (f.fontSize > 0) format_set_font_size(format, f.fontSize);
        if (f.borders) format_set_border(format, LXW_BORDER_THIN);
        return format;
    };

    if (sheets_.empty() && !workbook_add_worksheet(book.get(), "Sheet1"))
        throw Error("cannot add a sheet to " + path_);
    for (const auto& sheet : sheets_) {
        lxw_worksheet* ws = workbook_add_worksheet(book.get(), sheet->name_.c_str());
        if (!ws) throw Error("cannot add sheet '" + sheet->name_ + "' to " + path_);
        std::string where = "sheet '" + sheet->name_ + "'";
        for (auto [col, width] : sheet->columnWidths_)
            check(worksheet_set_column(ws, col - 1, col - 1, width, nullptr), where);
        for (auto [row, height] : sheet->rowHeights_)
            check(worksheet_set_row(ws, row - 1, height, nullptr), where);
        for (const RangeRef& m : sheet->merges_)
            check(worksheet_merge_range(ws, m.first.row - 1, m.first.col - 1, m.last.row - 1,
                                        m.last.col - 1, "", nullptr),
                  where + ", merging " + rangeName(m));
        for (const auto& [at, cell] : sheet->cells_) {
            bool hidden =
                std::any_of(sheet->merges_.begin(), sheet->merges_.end(),
                            [&](const RangeRef& m) { return m.contains(at) && m.first != at; });
            lxw_row_t r = at.row - 1;
            lxw_col_t c = at.col - 1;
            lxw_format* format = formatFor(cell.format);
            lxw_error err = LXW_NO_ERROR;
            if (hidden || std::holds_alternative<std::monostate>(cell.value)) {
                if (format) err = worksheet_write_blank(ws, r, c, format);
            } else if (auto* text = std::get_if<std::string>(&cell.value)) {
                err = text->starts_with('=')
                          ? worksheet_write_formula(ws, r, c, text->c_str(), format)
                          : worksheet_write_string(ws, r, c, text->c_str(), format);
            } else if (auto* integer = std::get_if<std::int64_t>(&cell.value)) {
                err = worksheet_write_number(ws, r, c, double(*integer), format);
            } else {
                err = worksheet_write_number(ws, r, c, std::get<double>(cell.value), format);
            }
            if (err != LXW_NO_ERROR) check(err, where + ", cell " + cellName(at.row, at.col));
        }
    }
    lxw_error err = workbook_close(book.release());
    if (err != LXW_NO_ERROR) throw Error("cannot save " + path_ + ": " + lxw_strerror(err));
}

}  // namespace spreadsheet
