#include "db/connection.h"

#include <sqlite3.h>
#include <strings.h>

#include <algorithm>
#include <filesystem>

#include "db/access_check.h"
#include "db/statement.h"

namespace db {

namespace {

// A second program on the same file waits this long for a lock before giving up.
constexpr int kBusyTimeoutMs = 15000;

bool isHiddenName(const std::string& name) {
    return name.rfind("sqlite_", 0) == 0 || name == kAccessTable;
}

}  // namespace

Connection::Connection() = default;
Connection::~Connection() { close(); }

void Connection::createFile(const std::string& path, const std::string& password) {
    if (std::filesystem::exists(path)) throw Error("文件已存在：" + path);
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        std::string msg = raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc);
        sqlite3_close(raw);
        throw Error("无法创建数据库文件 " + path + "：" + msg);
    }
    sqlite3_close(raw);
    Connection c;
    c.setTarget(path, password);
    c.openWith(SQLITE_OPEN_READWRITE);
    const std::string salt = newSalt();
    c.execute("CREATE TABLE " + quoteName(kAccessTable) + " (salt TEXT NOT NULL, hash TEXT NOT NULL)");
    c.execute("INSERT INTO " + quoteName(kAccessTable) + " (salt, hash) VALUES (?, ?)",
              {salt, passwordHash(salt, password)});
}

void Connection::setTarget(std::string path, std::string password) {
    close();
    path_ = std::move(path);
    password_ = std::move(password);
}

void Connection::open() {
    openWith(SQLITE_OPEN_READWRITE);
    if (!openHook_) return;
    try {
        openHook_(*this);
    } catch (...) {
        close();
        throw;
    }
}

void Connection::openReadOnly() {
    openWith(SQLITE_OPEN_READONLY);
    execute("PRAGMA query_only = ON");
}

void Connection::openWith(int flags) {
    close();
    if (path_.empty()) throw Error("没有指定数据库文件");
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path_.c_str(), &raw, flags, nullptr);
    if (rc != SQLITE_OK) {
        std::string msg = raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc);
        sqlite3_close(raw);
        throw Error("无法打开数据库文件 " + path_ + "：" + msg);
    }
    handle_ = raw;
    sqlite3_busy_timeout(handle_, kBusyTimeoutMs);
    sqlite3_extended_result_codes(handle_, 1);
    try {
        checkPassword();
    } catch (...) {
        close();
        throw;
    }
}

void Connection::checkPassword() {
    // Reading the schema also proves the file is a database at all.
    if (!hasObject(kAccessTable)) return;  // a plain file without the guard opens as it is
    Statement st(*this, "SELECT salt, hash FROM " + quoteName(kAccessTable) + " LIMIT 1");
    if (st.step() && toText(st.column(1)) == passwordHash(toText(st.column(0)), password_)) return;
    throw Error("数据库密码不正确，无法打开 " + path_);
}

Connection::StatementCache& Connection::statementCache() {
    ensureOpen();
    if (!cache_) cache_ = std::make_unique<StatementCache>(handle_);
    return *cache_;
}

void Connection::close() {
    cache_.reset();  // its statements go before the connection they belong to
    if (handle_) {
        sqlite3_close_v2(handle_);
        handle_ = nullptr;
    }
}

sqlite3* Connection::handle() {
    ensureOpen();
    return handle_;
}

int Connection::execute(std::string_view sql, const Params& params) {
    Statement st(*this, sql, params);
    while (st.step()) {
    }
    return sqlite3_changes(handle_);
}

void Connection::executeScript(std::string_view sql) {
    char* err = nullptr;
    if (sqlite3_exec(handle(), std::string(sql).c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::string msg = err ? err : "unknown error";
        sqlite3_free(err);
        throw Error(msg);
    }
}

Value Connection::scalar(std::string_view sql, const Params& params) {
    Statement st(*this, sql, params);
    return st.step() && st.columnCount() > 0 ? st.column(0) : Value{};
}

std::int64_t Connection::lastInsertId() { return sqlite3_last_insert_rowid(handle()); }

bool Connection::inTransaction() { return sqlite3_get_autocommit(handle()) == 0; }

namespace {

std::vector<std::string> objectNames(Connection& c, std::string_view typeCondition) {
    std::vector<std::string> names;
    Statement st(c, "SELECT name FROM sqlite_master WHERE " + std::string(typeCondition) +
                        " ORDER BY name");
    while (st.step()) {
        std::string name = toText(st.column(0));
        if (!isHiddenName(name)) names.push_back(std::move(name));
    }
    return names;
}

}  // namespace

std::vector<std::string> Connection::tableNames() { return objectNames(*this, "type = 'table'"); }
std::vector<std::string> Connection::viewNames() { return objectNames(*this, "type = 'view'"); }
std::vector<std::string> Connection::tableAndViewNames() {
    return objectNames(*this, "type IN ('table', 'view')");
}

bool Connection::hasObject(std::string_view name) {
    return !isNull(scalar("SELECT 1 FROM sqlite_master WHERE type IN ('table', 'view') "
                          "AND name = ? COLLATE NOCASE",
                          {std::string(name)}));
}

std::vector<std::string> Connection::primaryKeyColumns(std::string_view table) {
    std::vector<std::pair<std::int64_t, std::string>> keys;
    Statement st(*this, "SELECT name, pk FROM pragma_table_info(?) WHERE pk > 0",
                 {std::string(table)});
    while (st.step()) keys.emplace_back(toInteger(st.column(1)), toText(st.column(0)));
    std::sort(keys.begin(), keys.end());
    std::vector<std::string> names;
    for (auto& k : keys) names.push_back(std::move(k.second));
    return names;
}

std::vector<std::string> Connection::columnNames(std::string_view tableOrView) {
    std::vector<std::string> names;
    Statement st(*this, "SELECT name FROM pragma_table_info(?) ORDER BY cid",
                 {std::string(tableOrView)});
    while (st.step()) names.push_back(toText(st.column(0)));
    return names;
}

std::string quoteName(std::string_view name) {
    std::string q = "\"";
    for (char ch : name) {
        if (ch == '"') q += '"';
        q += ch;
    }
    return q + "\"";
}

std::string quoteLiteral(std::string_view text) {
    std::string q = "'";
    for (char ch : text) {
        if (ch == '\'') q += '\'';
        q += ch;
    }
    return q + "'";
}

std::string escapeLike(std::string_view text) {
    std::string e;
    for (char ch : text) {
        if (ch == '%' || ch == '_' || ch == '\\') e += '\\';
        e += ch;
    }
    return e;
}

}  // namespace db
