#include "business/major_class.h"

#include "business/item_lists.h"

namespace business {

TMajorClassDBProcess::TMajorClassDBProcess(db::Connection& connection) : query_(connection) {
    connection.ensureOpen();
}

void TMajorClassDBProcess::ListMajorClassValues(const TMajorClass& majorClass,
                                                const std::string& column, const std::string& extra,
                                                const db::Params& extraParams,
                                                std::vector<std::string>& list) {
    requireColumns(query_.connection(), "vMajorClass", {column});
    db::Params params = {majorClass.FClassCode, db::escapeLike(majorClass.FGrade) + "%",
                         db::escapeLike(majorClass.FMajor) + "%"};
    params.insert(params.end(), extraParams.begin(), extraParams.end());
    query_.open("SELECT DISTINCT " + db::quoteName(column) +
                    " FROM vMajorClass WHERE ((班号 = ?) OR ((年级 LIKE ? ESCAPE '\\') AND "
                    "(专业 LIKE ? ESCAPE '\\'))) AND " + extra,
                params);
    list = query_.columnTexts(0);
    query_.close();
}

}  // namespace business
