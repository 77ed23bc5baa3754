#include "db/statement.h"

#include <string>

namespace db {

void throwEngineError(sqlite3* db, std::string_view context) {
    std::string msg = db ? sqlite3_errmsg(db) : "database engine unavailable";
    if (!context.empty()) msg = std::string(context) + ": " + msg;
    throw Error(msg);
}

namespace {

constexpr std::size_t kCachedStatements = 256;

bool onlyBlanksAndSemicolons(const char* p, const char* end) {
    for (; p < end; ++p)
        if (*p != ' ' && *p != '\n' && *p != '\r' && *p != '\t' && *p != ';') return false;
    return true;
}

sqlite3_stmt* prepare(sqlite3* db, std::string_view sql, unsigned flags) {
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()), flags, &stmt, &tail) !=
        SQLITE_OK)
        throwEngineError(db);
    if (!stmt) throw Error("empty SQL statement");
    if (!onlyBlanksAndSemicolons(tail, sql.data() + sql.size())) {
        sqlite3_finalize(stmt);
        throw Error("only one SQL statement may be run at a time");
    }
    return stmt;
}

}  // namespace

Connection::StatementCache::~StatementCache() {
    for (auto& [sql, entry] : entries_) sqlite3_finalize(entry.stmt);
}

sqlite3_stmt* Connection::StatementCache::acquire(std::string_view sql) {
    const auto it = entries_.find(sql);
    if (it != entries_.end()) {
        if (it->second.inUse) return prepare(db_, sql, 0);
        it->second.inUse = true;
        return it->second.stmt;
    }
    if (entries_.size() >= kCachedStatements) return prepare(db_, sql, 0);
    sqlite3_stmt* stmt = prepare(db_, sql, SQLITE_PREPARE_PERSISTENT);
    entries_.emplace(std::string(sql), Entry{stmt, true});
    return stmt;
}

void Connection::StatementCache::release(sqlite3_stmt* stmt) {
    for (auto& [sql, entry] : entries_) {
        if (entry.stmt != stmt) continue;
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
        entry.inUse = false;
        return;
    }
    sqlite3_finalize(stmt);
}

Statement::Statement(Connection& connection, std::string_view sql, const Params& params)
    : db_(connection.handle()), cache_(connection.statementCache()) {
    stmt_ = cache_.acquire(sql);
    try {
        bind(params);
    } catch (...) {
        cache_.release(stmt_);
        throw;
    }
}

Statement::~Statement() { cache_.release(stmt_); }

void Statement::bind(const Params& params) {
    const int expected = sqlite3_bind_parameter_count(stmt_);
    if (expected != static_cast<int>(params.size()))
        throw Error("statement expects " + std::to_string(expected) + " parameters, got " +
                    std::to_string(params.size()));
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
