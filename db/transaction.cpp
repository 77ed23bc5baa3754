#include "db/transaction.h"

namespace db {

Transaction::Transaction(Connection& connection) : connection_(connection) {
    if (connection_.inTransaction()) {
        // One name serves every level: a savepoint name refers to the innermost of that name.
        savepoint_ = "nested";
        connection_.execute("SAVEPOINT " + savepoint_);
    } else {
        // IMMEDIATE takes the write lock now, so two programs never both read a maximum
        // and then collide on the insert.
        connection_.execute("BEGIN IMMEDIATE");
    }
}

Transaction::~Transaction() {
    if (!open_) return;
    try {
        if (savepoint_.empty()) {
            connection_.execute("ROLLBACK");
        } else {
            connection_.execute("ROLLBACK TO " + savepoint_);
            connection_.execute("RELEASE " + savepoint_);
        }
    } catch (...) {
        // The engine already rolled back (for instance after a full disk); nothing is left to undo.
    }
}

void Transaction::commit() {
    connection_.execute(savepoint_.empty() ? "COMMIT" : "RELEASE " + savepoint_);
    open_ = false;
}

}  // namespace db
