#include "spreadsheet/ooxml.h"

#include <map>

#include "spreadsheet/error.h"

namespace spreadsheet::ooxml {

std::string_view localName(const char* qualified) {
    std::string_view name(qualified);
    size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node child(pugi::xml_node parent, std::string_view name) {
    for (pugi::xml_node node : parent.children())
        if (node.type() == pugi::node_element && localName(node.name()) == name) return node;
    return {};
}

std::vector<pugi::xml_node> children(pugi::xml_node parent, std::string_view name) {
    std::vector<pugi::xml_node> found;
    for (pugi::xml_node node : parent.children())
        if (node.type() == pugi::node_element && localName(node.name()) == name)
            found.push_back(node);
    return found;
}

pugi::xml_attribute attribute(pugi::xml_node node, std::string_view name) {
    for (pugi::xml_attribute attr : node.attributes())
        if (localName(attr.name()) == name) return attr;
    return {};
}

pugi::xml_document parse(const ZipArchive& zip, const std::string& part, unsigned options) {
    std::string data = zip.read(part);
    pugi::xml_document doc;
    pugi::xml_parse_result result = doc.load_buffer(data.data(), data.size(), options);
    if (!result)
        throw Error("cannot parse " + part + " in " + zip.path() + ": " + result.description());
    return doc;
}

std::string relationshipsPart(const std::string& part) {
    size_t slash = part.rfind('/');
    std::string folder = slash == std::string::npos ? "" : part.substr(0, slash + 1);
    return folder + "_rels/" + part.substr(folder.size()) + ".rels";
}

std::string resolveTarget(const std::string& from, std::string_view target) {
    std::string path;
    if (target.starts_with('/')) {
        target.remove_prefix(1);
    } else {
        size_t slash = from.rfind('/');
        if (slash != std::string::npos) path = from.substr(0, slash);
    }
    for (size_t start = 0; start <= target.size();) {
        size_t end = std::min(target.find('/', start), target.size());
        std::string_view segment = target.substr(start, end - start);
        if (segment == "..") {
            size_t slash = path.rfind('/');
            path.erase(slash == std::string::npos ? 0 : slash);
        } else if (!segment.empty() && segment != ".") {
            if (!path.empty()) path += '/';
            path += segment;
        }
        start = end + 1;
    }
    return path;
}

namespace {

struct Relationship {
    std::string type;
    std::string target;
};

// By id; targets resolved to part names.
std::map<std::string, Relationship> relationships(const ZipArchive& zip, const std::string& part) {
    std::map<std::string, Relationship> found;
    std::string rels = relationshipsPart(part);
    if (!zip.has(rels)) return found;
    pugi::xml_document doc = parse(zip, rels, pugi::parse_default);
    for (pugi::xml_node rel : children(doc.document_element(), "Relationship")) {
        if (std::string_view(rel.attribute("TargetMode").value()) == "External") continue;
        found[rel.attribute("Id").value()] = {rel.attribute("Type").value(),
                                              resolveTarget(part, rel.attribute("Target").value())};
    }
    return found;
}

}  // namespace

WorkbookParts findParts(const ZipArchive& zip) {
    WorkbookParts parts;
    for (const auto& [id, rel] : relationships(zip, ""))
        if (rel.type.ends_with("/officeDocument")) parts.workbook = rel.target;
    if (parts.workbook.empty() && zip.has("xl/workbook.xml")) parts.workbook = "xl/workbook.xml";
    if (parts.workbook.empty() || !zip.has(parts.workbook))
        throw Error(zip.path() + " is not an xlsx workbook: it has no workbook part");

    auto rels = relationships(zip, parts.workbook);
    for (const auto& [id, rel] : rels) {
        if (rel.type.ends_with("/sharedStrings")) parts.sharedStrings = rel.target;
        if (rel.type.ends_with("/calcChain")) parts.calcChain = rel.target;
    }
    pugi::xml_document doc = parse(zip, parts.workbook, pugi::parse_default);
    for (pugi::xml_node sheet : children(child(doc.document_element(), "sheets"), "sheet")) {
        std::string name = sheet.attribute("name").value();
        auto rel = rels.find(attribute(sheet, "id").value());
        if (rel == rels.end())
            throw Error("sheet '" + name + "' of " + zip.path() + " has no part");
        parts.sheets.push_back({name, rel->second.target});
    }
    return parts;
}

namespace {

bool hexCode(std::string_view digits, unsigned& code) {
    code = 0;
    for (char c : digits) {
        int d = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                       : -1;
        if (d < 0) return false;
        code = code * 16 + d;
    }
    return true;
}

// Where text[at] begins an escape "_xHHHH_", its code.
bool escapeAt(std::string_view text, size_t at, unsigned& code) {
    return at + 7 <= text.size() && text[at] == '_' && text[at + 1] == 'x' && text[at + 6] == '_' &&
           hexCode(text.substr(at + 2, 4), code);
}

void appendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | code >> 6);
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xE0 | code >> 12);
        out += char(0x80 | (code >> 6 & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

}  // namespace

std::string decodeText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned code;
        if (escapeAt(text, i, code) && (code < 0xD800 || code > 0xDFFF)) {
            appendUtf8(out, code);
            i += 6;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string encodeText(std::string_view text) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = text[i];
        unsigned code;
        if ((c < 0x20 && c != '\t' && c != '\n') || escapeAt(text, i, code)) {
            out += "_x00";  // an escape's own "_" becomes _x005F_
            out += hex[c >> 4];
            out += hex[c & 0xF];
            out += '_';
        } else {
            out += char(c);
        }
    }
    return out;
}

}  // namespace spreadsheet::ooxml
