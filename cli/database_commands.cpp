// Creating, describing and reading database files.
#include <cstdio>
#include <iostream>

#include "business/demo_college.h"
#include "business/working_context.h"
#include "cli/commands.h"
#include "db/names.h"
#include "db/query.h"

namespace cli {

namespace {

void openReadOnly(db::Connection& c, const std::string& path) {
    c.setTarget(path, std::string(db::kDatabasePassword));
    c.openReadOnly();
}

// Keeps one value on one line and one column, whatever it holds.
std::string escaped(const std::string& text) {
    std::string out;
    for (char ch : text) {
        switch (ch) {
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            default: out += ch;
        }
    }
    return out;
}

}  // namespace

int initCommand(const Args& args) {
    if (args.size() != 2) throw UsageError{"init takes a file and one of --demo, --large, --empty"};
    business::CollegeKind kind;
    if (args[1] == "--demo") kind = business::CollegeKind::Demo;
    else if (args[1] == "--large") kind = business::CollegeKind::Large;
    else if (args[1] == "--empty") kind = business::CollegeKind::Empty;
    else throw UsageError{"unknown kind: " + args[1]};
    business::createCollege(args[0], kind);
    std::cout << "created " << args[0] << '\n';
    return 0;
}

int infoCommand(const Args& args) {
    if (args.size() != 1) throw UsageError{"info takes one file"};
    db::Connection c;
    openReadOnly(c, args[0]);
    const business::TVerType ver(c);
    const business::TCurrentTerm term(c);
    const business::TCurrentDept dept(c);

    std::cout << "学期\t" << term.FTermCode << '\n';
    std::cout << "教学部\t" << (dept.FDept.empty() ? "教务处" : dept.FDept) << '\n';
    std::cout << "版本\t" << ver.FVerName << '\t' << (ver.IsQueryEdition() ? "查询版" : "排课版")
              << '\n';
    std::string departments;
    for (const auto& d : dept.FDeptList) departments += (departments.empty() ? "" : ",") + d;
    std::cout << "教学部列表\t" << dept.FDeptList.size() << '\t' << departments << '\n';
    if (c.hasObject("Curriculum")) {
        const auto cells = db::toInteger(c.scalar("SELECT Count(*) FROM Curriculum"));
        const auto placed =
            db::toInteger(c.scalar("SELECT Count(*) FROM Curriculum WHERE 是否已排 = 1"));
        char share[32];
        std::snprintf(share, sizeof share, "%.1f%%", cells ? 100.0 * placed / cells : 0.0);
        std::cout << "已排单元\t" << placed << '/' << cells << '\t' << share << '\n';
    }
    for (const auto& table : c.tableNames())
        std::cout << table << '\t'
                  << db::toInteger(c.scalar("SELECT Count(*) FROM " + db::quoteName(table)))
                  << '\n';
    return 0;
}

int queryCommand(const Args& args) {
    if (args.size() != 2) throw UsageError{"query takes a file and one SQL statement"};
    db::Connection c;
    openReadOnly(c, args[0]);
    db::Query q(c);
    q.open(args[1]);
    for (int i = 0; i < q.fieldCount(); ++i)
        std::cout << (i ? "\t" : "") << escaped(q.fieldNames()[i]);
    std::cout << '\n';
    for (q.first(); !q.eof(); q.next()) {
        for (int i = 0; i < q.fieldCount(); ++i)
            std::cout << (i ? "\t" : "") << escaped(q.field(i).asText());
        std::cout << '\n';
    }
    return 0;
}

}  // namespace cli
