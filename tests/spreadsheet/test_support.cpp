#include "test_support.h"

#include <zip.h>
#include <pugixml.hpp>

#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace spreadsheet::test {

Parts readZip(const std::string& path) {
    int code = 0;
    std::unique_ptr<zip_t, void (*)(zip_t*)> archive(zip_open(path.c_str(), ZIP_RDONLY, &code),
                                                     zip_discard);
    if (!archive) throw std::runtime_error("cannot open " + path);
    Parts parts;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive.get(), 0); ++i) {
        zip_stat_t stat;
        zip_stat_index(archive.get(), i, 0, &stat);
        std::string data(stat.size, '\0');
        zip_file_t* file = zip_fopen_index(archive.get(), i, 0);
        zip_fread(file, data.data(), data.size());
        zip_fclose(file);
        parts[stat.name] = data;
    }
    return parts;
}

void writeZip(const std::string& path, const Parts& parts) {
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive) throw std::runtime_error("cannot create " + path);
    for (const auto& [name, data] : parts) {
        zip_source_t* source = zip_source_buffer(archive, data.data(), data.size(), 0);
        zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8);
    }
    if (zip_close(archive) != 0) throw std::runtime_error("cannot write " + path);
}

Parts makePackage(const std::vector<std::pair<std::string, std::string>>& sheets,
                  const std::string& sharedStrings) {
    const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    const std::string main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    Parts parts;
    parts["_rels/.rels"] =
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"" +
        rel +
        "/officeDocument\" Target=\"xl/workbook.xml\"/>"
        "</Relationships>";
    std::string types =
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>";
    std::string book = "<workbook xmlns=\"" + main + "\" xmlns:r=\"" + rel + "\"><sheets>";
    std::string rels =
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    for (size_t i = 0; i < sheets.size(); ++i) {
        std::string n = std::to_string(i + 1);
        book +=
            "<sheet name=\"" + sheets[i].first + "\" sheetId=\"" + n + "\" r:id=\"rId" + n + "\"/>";
        rels += "<Relationship Id=\"rId" + n + "\" Type=\"" + rel +
                "/worksheet\" Target=\"/xl/worksheets/sheet" + n + ".xml\"/>";
        parts["xl/worksheets/sheet" + n + ".xml"] = sheets[i].second;
    }
    if (!sharedStrings.empty()) {
        rels += "<Relationship Id=\"rIdS\" Type=\"" + rel +
                "/sharedStrings\" Target=\"sharedStrings.xml\"/>";
        parts["xl/sharedStrings.xml"] = sharedStrings;
    }
    parts["xl/workbook.xml"] = book + "</sheets></workbook>";
    parts["xl/_rels/workbook.xml.rels"] = rels + "</Relationships>";
    parts["[Content_Types].xml"] = types + "</Types>";
    return parts;
}

namespace {

pugi::xml_node nth(pugi::xml_node parent, const char* name, int index) {
    int i = 0;
    for (pugi::xml_node node : parent.children(name))
        if (i++ == index) return node;
    throw std::runtime_error(std::string("no ") + name + " number " + std::to_string(index));
}

}  // namespace

CellStyle styleOf(const Parts& parts, const std::string& sheetPart, const std::string& cell) {
    pugi::xml_document sheet, styles;
    sheet.load_string(parts.at(sheetPart).c_str());
    styles.load_string(parts.at("xl/styles.xml").c_str());
    pugi::xml_node c = sheet.select_node(("//c[@r='" + cell + "']").c_str()).node();
    if (!c) throw std::runtime_error("no cell " + cell + " in " + sheetPart);

    pugi::xml_node root = styles.document_element();
    pugi::xml_node xf = nth(root.child("cellXfs"), "xf", c.attribute("s").as_int());
    pugi::xml_node font = nth(root.child("fonts"), "font", xf.attribute("fontId").as_int());
    pugi::xml_node border = nth(root.child("borders"), "border", xf.attribute("borderId").as_int());
    pugi::xml_node align = xf.child("alignment");

    CellStyle style;
    style.fontName = font.child("name").attribute("val").value();
    style.fontSize = font.child("sz").attribute("val").as_double();
    style.bold = bool(font.child("b"));
    style.italic = bool(font.child("i"));
    style.leftBorder = border.child("left").attribute("style").value();
    style.rightBorder = border.child("right").attribute("style").value();
    style.horizontal = align.attribute("horizontal").value();
    style.vertical = align.attribute("vertical").value();
    style.wrap = align.attribute("wrapText").as_bool();
    int id = xf.attribute("numFmtId").as_int();
    // Built-in formats have fixed ids and no entry of their own.
    const std::map<int, std::string> builtIn{{0, "General"}, {2, "0.00"}, {49, "@"}};
    if (builtIn.count(id))
        style.numberFormat = builtIn.at(id);
    else
        style.numberFormat =
            root.child("numFmts")
                .find_child_by_attribute("numFmt", "numFmtId", std::to_string(id).c_str())
                .attribute("formatCode")
                .value();
    return style;
}

}  // namespace spreadsheet::test
