#include "db/statement.h"

#include <string>

namespace db {

void throwEngineError(sqlite3* db, std::string_view context) {
    std::string msg = db ? sqlite3_errmsg(db) : "database engine unavailable";
    if (!context.empty()) msg = std::string(context) + ": " + msg;
    throw Error(msg);
}

Statement::Statement(Connection& connection, std::string_view sql, const Params& params)
    : db_(connection.handle()) {
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &stmt_, &tail) !=
        SQLITE_OK)
        throwEngineError(db_);
    if (!stmt_) throw Error("empty SQL statement");
    for (const char* p = tail; p && p < sql.data() + sql.size(); ++p) {
        if (*p != ' ' && *p != '\n' && *p != '\r' && *p != '\t' && *p != ';') {
            sqlite3_finalize(stmt_);
            stmt_ = nullptr;
            throw Error("only one SQL statement may be run at a time");
        }
    }
    const int expected = sqlite3_bind_parameter_count(stmt_);
    if (expected != static_cast<int>(params.size())) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        throw Error("statement expects " + std::to_string(expected) + " parameters, got " +
                    std::to_string(params.size()));
    }
    for (int i = 0; i < expected; ++i) {
        const Value& v = params[i];
        int rc = SQLITE_OK;
        if (auto n = std::get_if<std::int64_t>(&v))
            rc = sqlite3_bind_int64(stmt_, i + 1, *n);
        else if (auto d = std::get_if<double>(&v))
            rc = sqlite3_bind_double(stmt_, i + 1, *d);
        else if (auto s = std::get_if<std::string>(&v))
            rc = sqlite3_bind_text(stmt_, i + 1, s->data(), static_cast<int>(s->size()),
                                   SQLITE_TRANSIENT);
        else
            rc = sqlite3_bind_null(stmt_, i + 1);
        if (rc != SQLITE_OK) throwEngineError(db_);
    }
}

bool Statement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    throwEngineError(db_);
}

Value Statement::column(int i) const {
    switch (sqlite3_column_type(stmt_, i)) {
        case SQLITE_INTEGER: return static_cast<std::int64_t>(sqlite3_column_int64(stmt_, i));
        case SQLITE_FLOAT: return sqlite3_column_double(stmt_, i);
        case SQLITE_NULL: return {};
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i));
            return std::string(text ? text : "", sqlite3_column_bytes(stmt_, i));
        }
    }
}

}  // namespace db
