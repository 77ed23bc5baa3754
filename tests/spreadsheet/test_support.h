#pragma once
// Files for the tests: a scratch folder, raw access to a package's parts, handmade packages.
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/temp_dir.h"

namespace spreadsheet::test {

using testing_support::TempDir;

using Parts = std::map<std::string, std::string>;  // part name → content

Parts readZip(const std::string& path);
void writeZip(const std::string& path, const Parts& parts);

// A minimal package of the given sheets (name, worksheet XML) with optional shared strings.
// Sheet targets are absolute ("/xl/worksheets/sheet1.xml"), where libxlsxwriter writes
// relative ones.
Parts makePackage(const std::vector<std::pair<std::string, std::string>>& sheets,
                  const std::string& sharedStrings = "");

// What styles.xml says of one cell, resolved through its xf.
struct CellStyle {
    std::string fontName;
    double fontSize = 0;
    bool bold = false;
    bool italic = false;
    std::string leftBorder;  // "thin", or "" for none
    std::string rightBorder;
    std::string horizontal;  // alignment, "" for the default
    std::string vertical;
    bool wrap = false;
    std::string numberFormat;  // the format code
};
CellStyle styleOf(const Parts& parts, const std::string& sheetPart, const std::string& cell);

}  // namespace spreadsheet::test
