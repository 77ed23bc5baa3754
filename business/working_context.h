#pragma once
// The context every window works in: the current term, the department that uses this
// copy of the file, and the edition. Each reads its table once, when created.
#include <string>
#include <vector>

#include "db/connection.h"
#include "db/query.h"

namespace business {

class TCurrentTerm {
public:
    explicit TCurrentTerm(db::Connection& connection);

    void LoadCurrentTerm();
    void LoadUndecidedTeacher();
    void LoadTermList();

    std::string FTermCode;          // empty when no term's dates hold today
    std::string FUndecidedTeacher;  // name of the placeholder teacher
    std::vector<std::string> FTermList;

private:
    db::Query query_;
};

class TCurrentDept {
public:
    explicit TCurrentDept(db::Connection& connection);

    void LoadActiveDept();
    void LoadDeptList();
    // The named column of the department's row, or "0" when no row has that key.
    std::string GetDeptParam(const std::string& deptID, const std::string& column);
    // Makes the named department active (empty: none, the office itself). Compares with
    // what the file holds now, so switching back within one run works; the members keep
    // their start values until the next start. An unknown name changes nothing and throws.
    void SetActiveDept(const std::string& name);

    std::string FDeptID = "00";
    std::string FDept;  // empty: the academic affairs office works on this copy
    std::string FParam1 = "0";
    std::string FParam2 = "0";
    std::string FParam3 = "0";
    std::vector<std::string> FDeptList;

private:
    db::Query query_;
};

class TVerType {
public:
    explicit TVerType(db::Connection& connection);

    std::string LoadActiveVer();
    void LoadVerNames();
    // Like TCurrentDept::SetActiveDept, on the editions.
    void SetActiveVer(const std::string& name);
    bool IsQueryEdition() const { return FVerType == 1; }

    int FVerType = 1;  // 1, or no active row: the query edition
    std::string FVerName;
    std::string FVerExeID;
    std::string FVerDatID;
    std::vector<std::string> FVerNameList;

private:
    db::Query query_;
};

}  // namespace business
