#include "db/query.h"

#include "db/statement.h"

namespace db {

void Query::setSql(std::string sql, Params params) {
    sql_ = std::move(sql);
    params_ = std::move(params);
}

void Query::open(std::string sql, Params params) {
    setSql(std::move(sql), std::move(params));
    open();
}

void Query::open() {
    Statement st(connection_, sql_, params_);
    const int n = st.columnCount();
    std::vector<std::string> columns;
    std::vector<std::string> origins;
    std::vector<bool> booleans;
    std::string table;
    bool oneTable = true;
    for (int i = 0; i < n; ++i) {
        columns.emplace_back(sqlite3_column_name(st.get(), i));
        const char* declared = sqlite3_column_decltype(st.get(), i);
        booleans.push_back(declared && sqlite3_stricmp(declared, "BOOLEAN") == 0);
        const char* t = sqlite3_column_table_name(st.get(), i);
        const char* o = sqlite3_column_origin_name(st.get(), i);
        const char* d = sqlite3_column_database_name(st.get(), i);
        if (!t || !o) {
            origins.emplace_back();
            continue;
        }
        if (d && std::string_view(d) != "main") oneTable = false;
        if (table.empty()) table = t;
        else if (table != t) oneTable = false;
        origins.emplace_back(o);
    }
    std::vector<Row> rows;
    while (st.step()) {
        Row row;
        row.reserve(n);
        for (int i = 0; i < n; ++i) row.push_back(st.column(i));
        rows.push_back(std::move(row));
    }

    baseTable_ = oneTable ? table : std::string();
    origins_ = std::move(origins);
    keyFields_.clear();
    if (!baseTable_.empty()) {
        for (const auto& key : connection_.primaryKeyColumns(baseTable_)) {
            int found = -1;
            for (int i = 0; i < n; ++i)
                if (origins_[i] == key) found = i;
            if (found < 0) {
                keyFields_.clear();
                break;
            }
            keyFields_.push_back(found);
        }
    }
    load(std::move(columns), std::move(rows), std::move(booleans));
}

int Query::execute() { return connection_.execute(sql_, params_); }

void Query::requery() {
    std::optional<Row> key;
    if (isActive() && !eof() && !bof() && !keyFields_.empty()) {
        Row k;
        for (int f : keyFields_) k.push_back(row(rowNumber()).at(f));
        key = std::move(k);
    }
    open();
    if (!key) return;
    for (int r = 0; r < rowCount(); ++r) {
        bool same = true;
        for (std::size_t i = 0; i < keyFields_.size() && same; ++i)
            same = compareValues(row(r).at(keyFields_[i]), (*key)[i]) == 0;
        if (same) {
            moveTo(r);
            return;
        }
    }
}

void Query::requireWritable() const {
    if (baseTable_.empty())
        throw Error("这个结果集的字段不只来自一个表，不能写入：" + sql_);
}

// Finds the stored row by its key, or, for a table without one in the result, by every
// column it shows; the first such row is the one written.
std::string Query::rowCriteria(const Row& row, Params& params) const {
    std::string where;
    auto add = [&](int field, const char* op) {
        if (!where.empty()) where += " AND ";
        where += quoteName(origins_[field]) + op + "?";
        params.push_back(row[field]);
    };
    if (!keyFields_.empty()) {
        for (int f : keyFields_) add(f, " = ");
        return where;
    }
    for (std::size_t f = 0; f < origins_.size(); ++f)
        if (!origins_[f].empty()) add(static_cast<int>(f), " IS ");
    return "rowid = (SELECT rowid FROM " + quoteName(baseTable_) + " WHERE " + where +
           " LIMIT 1)";
}

void Query::writeUpdate(const Row& before, Row& after) {
    requireWritable();
    std::string sets;
    Params params;
    for (std::size_t f = 0; f < after.size(); ++f) {
        const bool changed = after[f].index() != before[f].index() ||
                             compareValues(after[f], before[f]) != 0;
        if (!changed) continue;
        if (origins_[f].empty()) throw Error("字段不能写入：" + fieldNames()[f]);
        if (!sets.empty()) sets += ", ";
        sets += quoteName(origins_[f]) + " = ?";
        params.push_back(after[f]);
    }
    if (sets.empty()) return;
    const std::string where = rowCriteria(before, params);
    const int changed = connection_.execute(
        "UPDATE " + quoteName(baseTable_) + " SET " + sets + " WHERE " + where, params);
    if (changed != 1) throw Error("记录已被删除或改动，无法保存");
}

void Query::writeInsert(Row& row) {
    requireWritable();
    std::string names, marks;
    Params params;
    for (std::size_t f = 0; f < row.size(); ++f) {
        if (isNull(row[f])) continue;
        if (origins_[f].empty()) throw Error("字段不能写入：" + fieldNames()[f]);
        if (!names.empty()) names += ", ", marks += ", ";
        names += quoteName(origins_[f]);
        marks += "?";
        params.push_back(row[f]);
    }
    const std::string table = quoteName(baseTable_);
    if (names.empty())
        connection_.execute("INSERT INTO " + table + " DEFAULT VALUES");
    else
        connection_.execute("INSERT INTO " + table + " (" + names + ") VALUES (" + marks + ")",
                            params);
    reloadFromTable(connection_.lastInsertId(), row);
}

// The table may have filled columns (a counter, defaults); the row shows what was stored.
void Query::reloadFromTable(std::int64_t rowid, Row& row) {
    std::string names;
    std::vector<int> fields;
    for (std::size_t f = 0; f < origins_.size(); ++f) {
        if (origins_[f].empty()) continue;
        if (!names.empty()) names += ", ";
        names += quoteName(origins_[f]);
        fields.push_back(static_cast<int>(f));
    }
    if (fields.empty()) return;
    Statement st(connection_,
                 "SELECT " + names + " FROM " + quoteName(baseTable_) + " WHERE rowid = ?",
                 {rowid});
    if (!st.step()) return;
    for (std::size_t i = 0; i < fields.size(); ++i) row[fields[i]] = st.column(static_cast<int>(i));
}

void Query::writeDelete(const Row& row) {
    requireWritable();
    Params params;
    const std::string where = rowCriteria(row, params);
    const int changed =
        connection_.execute("DELETE FROM " + quoteName(baseTable_) + " WHERE " + where, params);
    if (changed != 1) throw Error("记录已被删除，无法删除");
}

}  // namespace db
