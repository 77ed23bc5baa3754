#pragma once
// SQL on a connection. open() holds the rows in memory; edits, appends and deletes of a
// result whose columns come from one table are written back to that table at post().
#include <string>
#include <vector>

#include "db/connection.h"
#include "db/rowset.h"

namespace db {

class Query : public RowSet {
public:
    explicit Query(Connection& connection) : connection_(connection) {}

    void setSql(std::string sql, Params params = {});
    const std::string& sql() const { return sql_; }
    Connection& connection() { return connection_; }

    // Runs the SQL and holds its rows; opens the connection when it is closed.
    void open();
    void open(std::string sql, Params params = {});
    // Runs SQL that returns no rows; answers the number of rows changed.
    int execute();
    // Runs the same SQL again and returns to the row with the same key, when there is one.
    void requery();

    // The table edits go to, or empty when the result cannot be written.
    const std::string& baseTable() const { return baseTable_; }

protected:
    void writeUpdate(const Row& before, Row& after) override;
    void writeInsert(Row& row) override;
    void writeDelete(const Row& row) override;

private:
    void requireWritable() const;
    std::string rowCriteria(const Row& row, Params& params) const;
    void reloadFromTable(std::int64_t rowid, Row& row);

    Connection& connection_;
    std::string sql_;
    Params params_;
    std::string baseTable_;
    std::vector<std::string> origins_;  // column of baseTable_ behind each field, or empty
    std::vector<int> keyFields_;        // fields holding the table's primary key
};

}  // namespace db
