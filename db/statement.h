#pragma once
// A prepared statement with its parameters bound; internal to db/.
#include <sqlite3.h>

#include <map>
#include <string>
#include <string_view>

#include "db/connection.h"

namespace db {

// The statements a connection keeps, by their text. A statement in use is never handed out
// twice; asking for it again prepares a fresh one.
class Connection::StatementCache {
public:
    explicit StatementCache(sqlite3* db) : db_(db) {}
    ~StatementCache();
    sqlite3_stmt* acquire(std::string_view sql);  // throws the engine's error
    void release(sqlite3_stmt* stmt);

private:
    struct Entry {
        sqlite3_stmt* stmt;
        bool inUse;
    };
    sqlite3* db_;
    std::map<std::string, Entry, std::less<>> entries_;
};

class Statement {
public:
    Statement(Connection& connection, std::string_view sql, const Params& params = {});
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // True while a row is ready; throws the engine's message on failure.
    bool step();
    int columnCount() const { return sqlite3_column_count(stmt_); }
    Value column(int i) const;
    sqlite3_stmt* get() const { return stmt_; }

private:
    void bind(const Params& params);

    sqlite3* db_;
    Connection::StatementCache& cache_;
    sqlite3_stmt* stmt_ = nullptr;
};

[[noreturn]] void throwEngineError(sqlite3* db, std::string_view context = {});

}  // namespace db
