#pragma once
// Everything between construction and commit() happens whole or not at all. Inside an
// open transaction it nests as a savepoint, so operations compose.
#include <string>

#include "db/connection.h"

namespace db {

class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Connection& connection_;
    std::string savepoint_;  // empty for the outermost transaction
    bool open_ = true;
};

}  // namespace db
