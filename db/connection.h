#pragma once
// One connection to a database file. Only db/ sees the engine; callers see this interface.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "db/value.h"

struct sqlite3;

namespace db {

using Params = std::vector<Value>;

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Creates a new database file guarded by the password; refuses a file that exists.
    static void createFile(const std::string& path, const std::string& password);

    // Where open() goes; closes the connection when the target changes.
    void setTarget(std::string path, std::string password);
    const std::string& path() const { return path_; }

    // Opens the target (never creates it). A file guarded by another password is refused.
    void open();
    void openReadOnly();
    void close();
    bool isOpen() const { return handle_ != nullptr; }
    void ensureOpen() {
        if (!handle_) open();
    }

    // Runs one statement that returns no rows; answers the number of rows it changed.
    int execute(std::string_view sql, const Params& params = {});
    // Runs several statements without parameters (schema scripts).
    void executeScript(std::string_view sql);
    // The first column of the first row, or null when there is none.
    Value scalar(std::string_view sql, const Params& params = {});
    std::int64_t lastInsertId();

    // User tables and views, without the engine's and the access check's own tables.
    std::vector<std::string> tableNames();
    std::vector<std::string> viewNames();
    std::vector<std::string> tableAndViewNames();
    bool hasObject(std::string_view name);  // table or view, case ignored
    std::vector<std::string> primaryKeyColumns(std::string_view table);
    std::vector<std::string> columnNames(std::string_view tableOrView);

    // Runs after every read-write open, before the connection is used (keeps generated
    // views in step with the data they were generated from).
    void setOpenHook(std::function<void(Connection&)> hook) { openHook_ = std::move(hook); }

    bool inTransaction();
    sqlite3* handle();  // for db/ itself

    // Prepared statements are kept and reused: parsing a statement over the views costs far
    // more than running it. For db/'s Statement only.
    class StatementCache;
    StatementCache& statementCache();

private:
    void openWith(int flags);
    void checkPassword();

    sqlite3* handle_ = nullptr;
    std::unique_ptr<StatementCache> cache_;
    std::string path_;
    std::string password_;
    std::function<void(Connection&)> openHook_;
};

// Quotes a name that comes from data (a table or column chosen in a window, a period
// name in a generated view) so it can only ever be read as a name.
std::string quoteName(std::string_view name);
// Quotes text as an SQL literal; only for generated view definitions, which take no parameters.
std::string quoteLiteral(std::string_view text);
// Escapes % and _ (and the escape character) so a value matches itself in `like ? escape '\'`.
std::string escapeLike(std::string_view text);

}  // namespace db
