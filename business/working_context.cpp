#include "business/working_context.h"

#include <chrono>

#include "db/datetime.h"
#include "db/names.h"
#include "db/transaction.h"

namespace business {

namespace {

std::vector<std::string> firstColumn(db::Query& q, const std::string& sql) {
    q.open(sql);
    std::vector<std::string> values = q.columnTexts(0);
    q.close();
    return values;
}

// Makes the row whose key column holds `name` the only active one; an empty name leaves
// none active. Both updates land together or not at all.
void setActiveRow(db::Connection& c, const std::string& table, const std::string& keyColumn,
                  const std::string& name) {
    const std::string t = db::quoteName(table), k = db::quoteName(keyColumn);
    db::Transaction tx(c);
    const auto current =
        db::toText(c.scalar("SELECT " + k + " FROM " + t + " WHERE IsActive = 1 ORDER BY ID"));
    if (current == name) return;
    if (!name.empty() &&
        db::isNull(c.scalar("SELECT 1 FROM " + t + " WHERE " + k + " = ?", {name})))
        throw db::Error("没有这一项：" + name);
    c.execute("UPDATE " + t + " SET IsActive = 0");
    if (!name.empty()) c.execute("UPDATE " + t + " SET IsActive = 1 WHERE " + k + " = ?", {name});
    tx.commit();
}

}  // namespace

TCurrentTerm::TCurrentTerm(db::Connection& connection) : query_(connection) {
    connection.ensureOpen();
    LoadCurrentTerm();
    LoadUndecidedTeacher();
    LoadTermList();
}

void TCurrentTerm::LoadCurrentTerm() {
    // date() also reads dates stored with a time, so a term's last day still counts.
    query_.open("SELECT 编号 FROM Term WHERE ? BETWEEN date(起始日期) AND date(结束日期) ORDER BY ID",
                {db::formatDate(std::chrono::system_clock::now())});
    if (!query_.isEmpty()) FTermCode = query_["编号"].asText();
    query_.close();
}

void TCurrentTerm::LoadUndecidedTeacher() {
    query_.open("SELECT 姓名 FROM Teacher WHERE 教工号 = ? ORDER BY ID",
                {std::string(db::kPlaceholderStaffNo)});
    FUndecidedTeacher =
        query_.isEmpty() ? std::string(db::kPlaceholderTeacherName) : query_.field(0).asText();
    query_.close();
}

void TCurrentTerm::LoadTermList() { FTermList = firstColumn(query_, "SELECT 编号 FROM Term ORDER BY ID"); }

TCurrentDept::TCurrentDept(db::Connection& connection) : query_(connection) {
    connection.ensureOpen();
    LoadActiveDept();
    LoadDeptList();
}

void TCurrentDept::LoadActiveDept() {
    query_.open("SELECT * FROM [system] WHERE IsActive = 1 ORDER BY ID");
    if (query_.isEmpty()) {
        FDeptID = "00";
        FDept.clear();
        FParam1 = FParam2 = FParam3 = "0";
    } else {
        FDeptID = query_["DeptID"].asText();
        FDept = query_["Dept"].asText();
        FParam1 = query_["param1"].asText();
        FParam2 = query_["param2"].asText();
        FParam3 = query_["param3"].asText();
    }
    query_.close();
}

void TCurrentDept::LoadDeptList() { FDeptList = firstColumn(query_, "SELECT Dept FROM [system] ORDER BY ID"); }

std::string TCurrentDept::GetDeptParam(const std::string& deptID, const std::string& column) {
    query_.open("SELECT * FROM [system] WHERE DeptID = ? ORDER BY ID", {deptID});
    const std::string value = query_.isEmpty() ? "0" : query_[column].asText();
    query_.close();
    return value;
}

void TCurrentDept::SetActiveDept(const std::string& name) {
    setActiveRow(query_.connection(), "system", "Dept", name);
}

TVerType::TVerType(db::Connection& connection) : query_(connection) {
    connection.ensureOpen();
    LoadActiveVer();
    LoadVerNames();
}

std::string TVerType::LoadActiveVer() {
    query_.open("SELECT * FROM [Version] WHERE IsActive = 1 ORDER BY ID");
    if (query_.isEmpty()) {
        FVerType = 1;
    } else {
        FVerType = static_cast<int>(query_["VerType"].asInteger());
        FVerName = query_["VerName"].asText();
        FVerExeID = query_["VerExeID"].asText();
        FVerDatID = query_["VerDatID"].asText();
    }
    query_.close();
    return FVerName;
}

void TVerType::LoadVerNames() { FVerNameList = firstColumn(query_, "SELECT VerName FROM [Version] ORDER BY ID"); }

void TVerType::SetActiveVer(const std::string& name) {
    setActiveRow(query_.connection(), "Version", "VerName", name);
}

}  // namespace business
