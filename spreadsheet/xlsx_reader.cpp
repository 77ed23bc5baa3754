#include "spreadsheet/xlsx_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "spreadsheet/ooxml.h"

namespace spreadsheet {

namespace {

using ooxml::child;
using ooxml::children;

// A shared or inline string: plain text, or rich text runs; phonetic guides are not part of it.
std::string stringItem(pugi::xml_node item) {
    std::string text;
    for (pugi::xml_node node : item.children()) {
        std::string_view name = ooxml::localName(node.name());
        if (name == "t") text += node.child_value();
        if (name == "r") text += child(node, "t").child_value();
    }
    return ooxml::decodeText(text);
}

std::string numberText(std::string_view raw) {
    double number = 0;
    auto [end, ec] = std::from_chars(raw.data(), raw.data() + raw.size(), number);
    if (ec != std::errc() || end != raw.data() + raw.size()) return std::string(raw);
    if (number == 0) number = 0;  // no "-0"
    char buffer[400];
    // Whole numbers Excel holds exactly are written out in full, never as "1e+14".
    auto format = std::floor(number) == number && std::fabs(number) < 1e15
                      ? std::chars_format::fixed
                      : std::chars_format::general;
    std::string text(buffer, std::to_chars(buffer, buffer + sizeof buffer, number, format).ptr);
    std::replace(text.begin(), text.end(), 'e', 'E');  // as Excel shows it: "1E+20"
    return text;
}

CellData cellData(pugi::xml_node cell, const std::vector<std::string>& shared) {
    CellData data;
    std::string_view type = cell.attribute("t").value();
    std::string_view v = child(cell, "v").child_value();
    if (pugi::xml_node f = child(cell, "f"); *f.child_value())
        data.formula = "=" + std::string(f.child_value());

    if (type == "s") {
        size_t index = 0;
        auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), index);
        if (ec == std::errc() && end == v.data() + v.size() && index < shared.size())
            data.value = shared[index];
    } else if (type == "inlineStr") {
        data.value = stringItem(child(cell, "is"));
    } else if (type == "b") {
        if (!v.empty()) data.value = v == "0" ? "FALSE" : "TRUE";
    } else if (type == "str") {
        data.value = ooxml::decodeText(v);
    } else if (type.empty() || type == "n") {
        data.value = numberText(v);
    } else {
        data.value = v;  // "e" errors, "d" ISO dates
    }
    return data;
}

SheetData readSheet(const ZipArchive& zip, const ooxml::SheetPart& part,
                    const std::vector<std::string>& shared) {
    SheetData sheet;
    sheet.name = part.name;
    // Keep a text that is only spaces; drop the indentation between elements.
    pugi::xml_document doc =
        ooxml::parse(zip, part.part, pugi::parse_default | pugi::parse_ws_pcdata_single);
    pugi::xml_node root = doc.document_element();

    for (pugi::xml_node col : children(child(root, "cols"), "col")) {
        if (!col.attribute("width")) continue;
        int last = std::min(col.attribute("max").as_int(), kMaxColumns);
        for (int c = std::max(col.attribute("min").as_int(), 1); c <= last; ++c)
            sheet.columnWidths[c] = col.attribute("width").as_double();
    }

    // Rows and cells may leave out their position; it then follows the previous one.
    int rowNumber = 0;
    for (pugi::xml_node row : children(child(root, "sheetData"), "row")) {
        rowNumber = row.attribute("r") ? row.attribute("r").as_int() : rowNumber + 1;
        if (row.attribute("ht")) sheet.rowHeights[rowNumber] = row.attribute("ht").as_double();
        CellRef at{rowNumber, 0};
        for (pugi::xml_node cell : children(row, "c")) {
            if (pugi::xml_attribute r = cell.attribute("r"))
                at = parseCell(r.value());
            else
                ++at.col;
            CellData data = cellData(cell, shared);
            if (!data.value.empty() || !data.formula.empty()) sheet.cells[at] = std::move(data);
        }
    }

    for (pugi::xml_node merge : children(child(root, "mergeCells"), "mergeCell"))
        sheet.merges.push_back(merge.attribute("ref").value());
    return sheet;
}

}  // namespace

std::optional<RangeRef> SheetData::usedRange() const {
    if (cells.empty()) return std::nullopt;
    RangeRef used{cells.begin()->first, cells.begin()->first};
    for (const auto& [at, cell] : cells) {
        used.first.row = std::min(used.first.row, at.row);
        used.first.col = std::min(used.first.col, at.col);
        used.last.row = std::max(used.last.row, at.row);
        used.last.col = std::max(used.last.col, at.col);
    }
    return used;
}

std::string SheetData::value(int row, int col) const {
    auto it = cells.find({row, col});
    return it == cells.end() ? "" : it->second.value;
}

std::string SheetData::formula(int row, int col) const {
    auto it = cells.find({row, col});
    return it == cells.end() ? "" : it->second.formula;
}

std::vector<std::vector<std::string>> SheetData::rows() const {
    std::optional<RangeRef> used = usedRange();
    if (!used) return {};
    std::vector<std::vector<std::string>> table(used->rows(),
                                                std::vector<std::string>(used->cols()));
    for (const auto& [at, cell] : cells)
        table[at.row - used->first.row][at.col - used->first.col] = cell.value;
    return table;
}

XlsxReader::XlsxReader(const std::string& path) : path_(path) {
    ZipArchive zip(path, ZipArchive::Mode::Read);
    ooxml::WorkbookParts parts = ooxml::findParts(zip);
    std::vector<std::string> shared;
    if (!parts.sharedStrings.empty() && zip.has(parts.sharedStrings)) {
        pugi::xml_document doc = ooxml::parse(zip, parts.sharedStrings,
                                              pugi::parse_default | pugi::parse_ws_pcdata_single);
        for (pugi::xml_node item : children(doc.document_element(), "si"))
            shared.push_back(stringItem(item));
    }
    for (const ooxml::SheetPart& part : parts.sheets)
        sheets_.push_back(readSheet(zip, part, shared));
}

std::vector<std::string> XlsxReader::sheetNames() const {
    std::vector<std::string> names;
    for (const SheetData& sheet : sheets_) names.push_back(sheet.name);
    return names;
}

const SheetData& XlsxReader::sheet(std::string_view name) const {
    for (const SheetData& sheet : sheets_)
        if (sheet.name == name) return sheet;
    throw Error("no sheet named '" + std::string(name) + "' in " + path_);
}

const SheetData& XlsxReader::sheet(int index) const {
    if (index < 1 || index > int(sheets_.size()))
        throw Error("no sheet number " + std::to_string(index) + " in " + path_);
    return sheets_[index - 1];
}

}  // namespace spreadsheet
