#include "business/course_plan.h"

#include "business/item_lists.h"

namespace business {

TCoursePlanDBProcess::TCoursePlanDBProcess(db::Connection& connection) : query_(connection) {
    connection.ensureOpen();
}

void TCoursePlanDBProcess::ListPlanValues(const TCoursePlan& plan, const std::string& column,
                                          const std::string& extra, const db::Params& extraParams,
                                          std::vector<std::string>& list) {
    requireColumns(query_.connection(), "vCoursePlan", {column});
    db::Params params;
    const std::string where = BuildPlanFilter(plan, extra, params);
    params.insert(params.end(), extraParams.begin(), extraParams.end());
    query_.open("SELECT DISTINCT " + db::quoteName(column) + " FROM vCoursePlan" + where, params);
    list = query_.columnTexts(0);
    query_.close();
}

std::string TCoursePlanDBProcess::BuildPlanFilter(const TCoursePlan& plan, const std::string& extra,
                                                  db::Params& params) {
    params.push_back(plan.FCode);
    for (const std::string* prefix : {&plan.FTerm, &plan.FGrade, &plan.FMajor, &plan.FSection, &plan.FDept})
        params.push_back(db::escapeLike(*prefix) + "%");
    // A null section or department fails LIKE, so such a plan is found only by its code.
    return " WHERE ((编号 = ?) OR ((学期 LIKE ? ESCAPE '\\') AND (年级 LIKE ? ESCAPE '\\') AND "
           "(专业 LIKE ? ESCAPE '\\') AND (教研室 LIKE ? ESCAPE '\\') AND (教学部 LIKE ? ESCAPE '\\'))) AND " +
           extra;
}

}  // namespace business
