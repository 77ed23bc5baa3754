#pragma once
// A prepared statement with its parameters bound; internal to db/.
#include <sqlite3.h>

#include <string_view>

#include "db/connection.h"

namespace db {

class Statement {
public:
    Statement(Connection& connection, std::string_view sql, const Params& params = {});
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // True while a row is ready; throws the engine's message on failure.
    bool step();
    int columnCount() const { return sqlite3_column_count(stmt_); }
    Value column(int i) const;
    sqlite3_stmt* get() const { return stmt_; }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

[[noreturn]] void throwEngineError(sqlite3* db, std::string_view context = {});

}  // namespace db
