#include "spreadsheet/xlsx_editor.h"

#include <algorithm>
#include <map>

#include "spreadsheet/address.h"
#include "spreadsheet/ooxml.h"

namespace spreadsheet {

namespace {

using ooxml::child;
using ooxml::children;
using ooxml::localName;

// Keep everything the parser can keep, so an edited part differs only where it was edited.
constexpr unsigned kParseOptions = pugi::parse_full | pugi::parse_ws_pcdata;

std::string serialize(const pugi::xml_document& doc) {
    struct Writer : pugi::xml_writer {
        std::string out;
        void write(const void* data, size_t size) override {
            out.append(static_cast<const char*>(data), size);
        }
    } writer;
    doc.save(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return writer.out;
}

// The prefix the part's own elements use ("x:" in "x:worksheet"), for elements we add.
std::string prefixOf(pugi::xml_node node) {
    std::string_view name = node.name();
    return std::string(name.substr(0, name.size() - localName(node.name()).size()));
}

// Positions left out of rows and cells follow the previous one; writing them in lets new
// rows and cells go in between without shifting the others.
void numberRowsAndCells(pugi::xml_node sheetData) {
    int rowNumber = 0;
    for (pugi::xml_node row : children(sheetData, "row")) {
        if (row.attribute("r"))
            rowNumber = row.attribute("r").as_int();
        else
            row.prepend_attribute("r") = ++rowNumber;
        int col = 0;
        for (pugi::xml_node cell : children(row, "c")) {
            if (cell.attribute("r"))
                col = parseCell(cell.attribute("r").value()).col;
            else
                cell.prepend_attribute("r") = cellName(rowNumber, ++col).c_str();
        }
    }
}

pugi::xml_node sheetDataOf(pugi::xml_node worksheet) {
    if (pugi::xml_node data = child(worksheet, "sheetData")) return data;
    // The schema orders a worksheet's children; sheetData follows these.
    pugi::xml_node after;
    for (pugi::xml_node node : worksheet.children())
        for (std::string_view name :
             {"sheetPr", "dimension", "sheetViews", "sheetFormatPr", "cols"})
            if (node.type() == pugi::node_element && localName(node.name()) == name) after = node;
    std::string name = prefixOf(worksheet) + "sheetData";
    return after ? worksheet.insert_child_after(name.c_str(), after)
                 : worksheet.prepend_child(name.c_str());
}

pugi::xml_node rowOf(pugi::xml_node sheetData, int row) {
    std::string name = prefixOf(sheetData) + "row";
    for (pugi::xml_node node : children(sheetData, "row")) {
        int r = node.attribute("r").as_int();
        if (r == row) return node;
        if (r > row) {
            pugi::xml_node added = sheetData.insert_child_before(name.c_str(), node);
            added.append_attribute("r") = row;
            return added;
        }
    }
    pugi::xml_node added = sheetData.append_child(name.c_str());
    added.append_attribute("r") = row;
    return added;
}

pugi::xml_node cellOf(pugi::xml_node row, int rowNumber, int col) {
    // Cells come before anything else a row holds (extLst).
    pugi::xml_node before;
    for (pugi::xml_node node : row.children()) {
        if (node.type() != pugi::node_element) continue;
        if (localName(node.name()) != "c") {
            before = node;
            break;
        }
        int c = parseCell(node.attribute("r").value()).col;
        if (c == col) return node;
        if (c > col) {
            before = node;
            break;
        }
    }
    std::string name = prefixOf(row) + "c";
    pugi::xml_node added =
        before ? row.insert_child_before(name.c_str(), before) : row.append_child(name.c_str());
    added.append_attribute("r") = cellName(rowNumber, col).c_str();
    // A row's spans only hint at its cells; a stale one is worse than none.
    row.remove_attribute("spans");
    return added;
}

void extendDimension(pugi::xml_node worksheet, CellRef cell) {
    pugi::xml_attribute ref = child(worksheet, "dimension").attribute("ref");
    if (!ref) return;
    RangeRef range{cell, cell};
    try {
        RangeRef old = parseRange(ref.value());
        range = {{std::min(old.first.row, cell.row), std::min(old.first.col, cell.col)},
                 {std::max(old.last.row, cell.row), std::max(old.last.col, cell.col)}};
    } catch (const Error&) {
        // An unreadable dimension is replaced by one that is right at least for this cell.
    }
    ref.set_value(rangeName(range).c_str());
}

}  // namespace

struct XlsxEditor::Impl {
    ZipArchive zip;
    ooxml::WorkbookParts parts;
    std::map<std::string, pugi::xml_document> edited;  // by part name
    bool formulaReplaced = false;

    explicit Impl(const std::string& path)
        : zip(path, ZipArchive::Mode::Edit), parts(ooxml::findParts(zip)) {}

    pugi::xml_document& sheet(std::string_view name) {
        auto part = std::find_if(parts.sheets.begin(), parts.sheets.end(),
                                 [&](const auto& s) { return s.name == name; });
        if (part == parts.sheets.end())
            throw Error("no sheet named '" + std::string(name) + "' in " + zip.path());
        auto it = edited.find(part->part);
        if (it == edited.end()) {
            it = edited.emplace(part->part, ooxml::parse(zip, part->part, kParseOptions)).first;
            numberRowsAndCells(sheetDataOf(it->second.document_element()));
        }
        return it->second;
    }

    // Excel's calculation chain lists formula cells; one naming a cell that no longer has a
    // formula makes Excel call the file damaged. Without the chain Excel builds a new one.
    void dropCalcChain() {
        const std::string& chain = parts.calcChain;
        if (chain.empty() || !zip.has(chain)) return;
        zip.remove(chain);

        std::string relsPart = ooxml::relationshipsPart(parts.workbook);
        pugi::xml_document rels = ooxml::parse(zip, relsPart, kParseOptions);
        for (pugi::xml_node rel : children(rels.document_element(), "Relationship"))
            if (ooxml::resolveTarget(parts.workbook, rel.attribute("Target").value()) == chain)
                rels.document_element().remove_child(rel);
        zip.write(relsPart, serialize(rels));

        pugi::xml_document types = ooxml::parse(zip, "[Content_Types].xml", kParseOptions);
        for (pugi::xml_node over : children(types.document_element(), "Override"))
            if (std::string_view(over.attribute("PartName").value()) == "/" + chain)
                types.document_element().remove_child(over);
        zip.write("[Content_Types].xml", serialize(types));
    }
};

XlsxEditor::XlsxEditor(const std::string& path) : impl_(std::make_unique<Impl>(path)) {}

XlsxEditor::~XlsxEditor() = default;

void XlsxEditor::setText(std::string_view sheet, int row, int col, std::string_view text) {
    std::string address = cellName(row, col);
    pugi::xml_node worksheet = impl_->sheet(sheet).document_element();
    pugi::xml_node cell = cellOf(rowOf(sheetDataOf(worksheet), row), row, col);

    if (pugi::xml_node f = child(cell, "f")) {
        // A formula other cells share, or an array formula spanning cells, would leave them
        // without their formula.
        pugi::xml_attribute ref = f.attribute("ref");
        if (ref && parseRange(ref.value()) != RangeRef{{row, col}, {row, col}})
            throw Error("cell " + address + " of sheet '" + std::string(sheet) +
                        "' holds a formula shared with cells " + ref.value());
        impl_->formulaReplaced = true;
    }
    while (pugi::xml_node content = cell.first_child()) cell.remove_child(content);
    // Only the position and the style survive; the type and the rest described the old value.
    for (pugi::xml_attribute attr = cell.first_attribute(); attr;) {
        pugi::xml_attribute next = attr.next_attribute();
        std::string_view name = attr.name();
        if (name != "r" && name != "s") cell.remove_attribute(attr);
        attr = next;
    }
    cell.append_attribute("t") = "inlineStr";
    std::string prefix = prefixOf(cell);
    pugi::xml_node t =
        cell.append_child((prefix + "is").c_str()).append_child((prefix + "t").c_str());
    t.append_attribute("xml:space") = "preserve";
    t.text().set(ooxml::encodeText(text).c_str());
    extendDimension(worksheet, {row, col});
}

void XlsxEditor::save() {
    for (const auto& [part, doc] : impl_->edited) impl_->zip.write(part, serialize(doc));
    if (impl_->formulaReplaced) impl_->dropCalcChain();
    impl_->zip.commit();
}

}  // namespace spreadsheet
