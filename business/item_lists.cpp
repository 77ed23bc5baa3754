#include "business/item_lists.h"

#include <algorithm>
#include <strings.h>

namespace business {

void requireColumns(db::Connection& connection, const std::string& table,
                    const std::vector<std::string>& columns) {
    if (!connection.hasObject(table)) throw db::Error("没有这个表：" + table);
    const auto known = connection.columnNames(table);
    for (const auto& column : columns) {
        const bool found = std::any_of(known.begin(), known.end(), [&](const std::string& k) {
            return strcasecmp(k.c_str(), column.c_str()) == 0;
        });
        if (!found) throw db::Error("表 " + table + " 没有字段：" + column);
    }
}

TGetAndFillItems::TGetAndFillItems(db::Connection& connection) : query_(connection) {
    connection.ensureOpen();
}

std::vector<std::string> TGetAndFillItems::FillDistinctItems(const std::string& table,
                                                             const std::string& column,
                                                             const std::string& condition,
                                                             const db::Params& params) {
    requireColumns(query_.connection(), table, {column});
    query_.open("SELECT DISTINCT " + db::quoteName(column) + " FROM " + db::quoteName(table) +
                    " WHERE " + condition,
                params);
    std::vector<std::string> items = query_.columnTexts(0);
    query_.close();
    return items;
}

db::Value TGetAndFillItems::GetFirstValue(const std::string& table, const std::string& column,
                                          const std::string& condition, const db::Params& params) {
    requireColumns(query_.connection(), table, {column});
    query_.open("SELECT " + db::quoteName(column) + " FROM " + db::quoteName(table) + " WHERE " +
                    condition,
                params);
    const db::Value value = query_.isEmpty() ? db::Value{} : query_.field(0).value();
    query_.close();
    return value;
}

TItemsKeyChange::TItemsKeyChange(db::Connection& connection) : query_(connection) {
    connection.ensureOpen();
}

std::optional<std::string> TItemsKeyChange::FindByTypedText(const std::string& table,
                                                            const std::string& keyColumn,
                                                            const std::string& resultColumn,
                                                            const std::string& text) {
    requireColumns(query_.connection(), table, {keyColumn, resultColumn});
    query_.open("SELECT " + db::quoteName(resultColumn) + " FROM " + db::quoteName(table) +
                    " WHERE " + db::quoteName(keyColumn) + " LIKE ? ESCAPE '\\'",
                {"%" + db::escapeLike(text) + "%"});
    std::optional<std::string> found;
    if (!query_.isEmpty()) found = query_.field(0).asText();
    query_.close();
    return found;
}

}  // namespace business
