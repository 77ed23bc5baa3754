#include "tests/support/scratch_database.h"

#include "db/schema.h"

namespace testing_support {

ScratchDatabase::ScratchDatabase(Kind kind, const std::string& password)
    : path(dir.file("test.dat")) {
    if (kind == Kind::Schema)
        db::schema::createDatabase(path, password);
    else
        db::Connection::createFile(path, password);
    connection.setTarget(path, password);
    connection.open();
}

}  // namespace testing_support
