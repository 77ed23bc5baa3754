#pragma once
// A database file of a test's own, in a folder of its own, open on `connection`.
#include <string>

#include "db/connection.h"
#include "tests/support/temp_dir.h"

namespace testing_support {

class ScratchDatabase {
public:
    enum class Kind { Schema, Plain };  // every table and view of the program, or nothing
    explicit ScratchDatabase(Kind kind = Kind::Schema, const std::string& password = "pw");

    TempDir dir;
    std::string path;
    db::Connection connection;
};

}  // namespace testing_support
