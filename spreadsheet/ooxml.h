#pragma once
// Internal: finding one's way around an .xlsx package. Elements are matched by local name, as
// some writers put every element under a namespace prefix ("x:row").
#include <pugixml.hpp>

#include <string>
#include <string_view>
#include <vector>

#include "spreadsheet/zip_archive.h"

namespace spreadsheet::ooxml {

std::string_view localName(const char* qualified);
pugi::xml_node child(pugi::xml_node parent, std::string_view name);
std::vector<pugi::xml_node> children(pugi::xml_node parent, std::string_view name);
pugi::xml_attribute attribute(pugi::xml_node node, std::string_view name);

pugi::xml_document parse(const ZipArchive& zip, const std::string& part, unsigned options);

struct SheetPart {
    std::string name;
    std::string part;  // "xl/worksheets/sheet1.xml"
};

struct WorkbookParts {
    std::string workbook;           // "xl/workbook.xml"
    std::vector<SheetPart> sheets;  // in workbook order
    std::string sharedStrings;      // empty when the workbook names none
    std::string calcChain;          // likewise
};

// Throws when the archive holds no workbook.
WorkbookParts findParts(const ZipArchive& zip);

// "xl/workbook.xml" → "xl/_rels/workbook.xml.rels"
std::string relationshipsPart(const std::string& part);
// A relationship target is relative to the folder of the part that names it.
std::string resolveTarget(const std::string& from, std::string_view target);

// Excel writes control characters (XML drops or refuses them), and a literal "_xHHHH_", as
// _xHHHH_ escapes.
std::string decodeText(std::string_view text);
std::string encodeText(std::string_view text);

}  // namespace spreadsheet::ooxml
