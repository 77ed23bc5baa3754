#pragma once
// Looking up the classes of a grade and major (or one class by its code).
#include <string>
#include <vector>

#include "db/connection.h"
#include "db/query.h"

namespace business {

struct TMajorClass {
    std::string FClassCode;
    std::string FGrade;
    std::string FMajor;
};

class TMajorClassDBProcess {
public:
    explicit TMajorClassDBProcess(db::Connection& connection);

    // Distinct values of a vMajorClass column over the class FClassCode and the classes
    // whose grade and major begin with FGrade and FMajor, where `extra` (program text, a
    // complete condition with ? for extraParams) also holds.
    void ListMajorClassValues(const TMajorClass& majorClass, const std::string& column,
                              const std::string& extra, const db::Params& extraParams,
                              std::vector<std::string>& list);

private:
    db::Query query_;
};

}  // namespace business
