#pragma once
// A database file with a class table (writable through a query) and a room table to join.
#include "db/connection.h"
#include "db/query.h"
#include "tests/support/temp_dir.h"

namespace widgets_test {

struct SampleDb {
    SampleDb() {
        db::Connection::createFile(dir.file("t.dat"), "pw");
        connection.setTarget(dir.file("t.dat"), "pw");
        connection.open();
        connection.executeScript(R"(
            CREATE TABLE Class (ID INTEGER PRIMARY KEY, 班号 TEXT, 人数 INTEGER, RoomID INTEGER);
            CREATE TABLE Room (RoomID INTEGER PRIMARY KEY, 教室 TEXT);
            INSERT INTO Room VALUES (1, '一楼'), (2, '二楼');
            INSERT INTO Class VALUES (1, '甲班', 40, 1), (2, '乙班', 35, 2), (3, '丙班', 30, 1),
                                     (4, '丁班', 45, 2), (5, '戊班', 50, 1);
        )");
    }

    std::string text(const std::string& sql) { return db::toText(connection.scalar(sql)); }

    static constexpr const char* kClasses = "SELECT ID, 班号, 人数 FROM Class ORDER BY ID";
    static constexpr const char* kJoined =
        "SELECT c.ID, c.班号, r.教室 FROM Class c JOIN Room r ON r.RoomID = c.RoomID ORDER BY c.ID";

    testing_support::TempDir dir;
    db::Connection connection;
};

}  // namespace widgets_test
