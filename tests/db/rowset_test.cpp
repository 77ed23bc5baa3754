#include <gtest/gtest.h>

#include "db/connection.h"
#include "db/query.h"
#include "tests/support/scratch_database.h"

namespace {

class RowSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        c.executeScript(R"(
            CREATE TABLE Task (ID INTEGER PRIMARY KEY, 编号 TEXT, 课程 TEXT, 待排节 INTEGER,
                               是否合班 INTEGER NOT NULL DEFAULT 0, 学分 REAL, 时间 TEXT);
            INSERT INTO Task VALUES (1, '1001', 'Java程序设计', 4, 0, 3.5, NULL);
            INSERT INTO Task VALUES (2, '1002', '高等数学', 2, 1, NULL, NULL);
            INSERT INTO Task VALUES (3, '1003', 'english', 0, 1, 2, NULL);
            INSERT INTO Task VALUES (4, '1004', NULL, NULL, 0, NULL, NULL);
            CREATE TABLE Teacher (ID INTEGER PRIMARY KEY, 姓名 TEXT);
            INSERT INTO Teacher VALUES (1, '张伟');
            CREATE TABLE Loose (名称 TEXT, 数量 INTEGER);
            INSERT INTO Loose VALUES ('same', 1);
            INSERT INTO Loose VALUES ('same', 1);
        )");
    }
    std::vector<std::int64_t> ids(db::Query& q) {
        std::vector<std::int64_t> out;
        for (q.first(); !q.eof(); q.next()) out.push_back(q["ID"].asInteger());
        return out;
    }
    testing_support::ScratchDatabase scratch{testing_support::ScratchDatabase::Kind::Plain};
    db::Connection& c = scratch.connection;
};

TEST_F(RowSetTest, NavigatesAndReturnsToARememberedRow) {
    db::Query q(c);
    q.open("SELECT * FROM Task ORDER BY ID");
    EXPECT_EQ(q.rowCount(), 4);
    EXPECT_EQ(q.rowNumber(), 0);
    EXPECT_FALSE(q.bof() && q.eof());
    q.next();
    q.next();
    EXPECT_EQ(q["ID"].asInteger(), 3);
    const auto mark = q.bookmark();
    q.last();
    EXPECT_EQ(q["ID"].asInteger(), 4);
    q.next();
    EXPECT_TRUE(q.eof());
    EXPECT_THROW(q["ID"].asInteger(), db::Error);  // no current row past the end
    q.moveBy(-3);
    EXPECT_EQ(q["ID"].asInteger(), 2);
    q.prior();
    q.prior();
    EXPECT_TRUE(q.bof());
    EXPECT_TRUE(q.gotoBookmark(mark));
    EXPECT_EQ(q["ID"].asInteger(), 3);

    q.open("SELECT * FROM Task WHERE ID > ?", {std::int64_t{99}});
    EXPECT_TRUE(q.eof());
    EXPECT_TRUE(q.bof());
    EXPECT_TRUE(q.isEmpty());
}

TEST_F(RowSetTest, NullsReadAsEmptyZeroOrNo) {
    db::Query q(c);
    q.open("SELECT * FROM Task WHERE ID = 4");
    EXPECT_TRUE(q["课程"].isNull());
    EXPECT_EQ(q["课程"].asText(), "");
    EXPECT_EQ(q["待排节"].asInteger(), 0);
    EXPECT_FALSE(q["是否合班"].asBool());
    EXPECT_EQ(q["学分"].asFloat(), 0.0);
    EXPECT_EQ(q.field(0).name(), "ID");
    EXPECT_EQ(q["id"].asInteger(), 4);  // names ignore ASCII case
    try {
        q["排课班"];
        FAIL() << "a missing field must throw";
    } catch (const db::Error& e) {
        EXPECT_NE(std::string(e.what()).find("排课班"), std::string::npos);
    }
}

TEST_F(RowSetTest, EditsAppendsAndDeletesReachTheTable) {
    db::Query q(c);
    q.open("SELECT * FROM Task ORDER BY ID");
    q.next();
    q["课程"].setText("线性代数");  // puts the row into edit by itself
    q["是否合班"].setBool(false);
    EXPECT_EQ(q.state(), db::RowSet::State::Edit);
    q.next();  // moving on posts
    EXPECT_EQ(db::toText(c.scalar("SELECT 课程 FROM Task WHERE ID = 2")), "线性代数");
    EXPECT_EQ(db::toInteger(c.scalar("SELECT 是否合班 FROM Task WHERE ID = 2")), 0);

    q.edit();
    q["课程"].setText("cancelled");
    q.cancel();
    EXPECT_EQ(q["课程"].asText(), "english");
    EXPECT_EQ(db::toText(c.scalar("SELECT 课程 FROM Task WHERE ID = 3")), "english");

    q.append();
    q["编号"].setText("1005");
    q["时间"].setDateTime(db::parseDateTime("2026-12-11 08:30:00"));
    q.post();
    EXPECT_EQ(q["ID"].asInteger(), 5);  // the table's key comes back into the row
    EXPECT_EQ(q["是否合班"].asInteger(), 0);  // and so do its defaults
    EXPECT_EQ(q.rowCount(), 5);
    EXPECT_EQ(db::formatDateTime(q["时间"].asDateTime()), "2026-12-11 08:30:00");

    q.first();
    q.remove();
    EXPECT_EQ(q["ID"].asInteger(), 2);
    EXPECT_EQ(q.rowCount(), 4);
    EXPECT_EQ(db::toInteger(c.scalar("SELECT Count(*) FROM Task")), 4);
    EXPECT_TRUE(db::isNull(c.scalar("SELECT 1 FROM Task WHERE ID = 1")));
}

TEST_F(RowSetTest, ARowChangedElsewhereIsNotOverwrittenSilently) {
    db::Query q(c);
    q.open("SELECT * FROM Task WHERE ID = 1");
    c.execute("DELETE FROM Task WHERE ID = 1");
    q["课程"].setText("late");
    EXPECT_THROW(q.post(), db::Error);
    EXPECT_EQ(q.state(), db::RowSet::State::Edit);  // the edit is kept for the user to decide
}

TEST_F(RowSetTest, TableWithoutKeyWritesOneRowOnly) {
    db::Query q(c);
    q.open("SELECT * FROM Loose");
    q["数量"].setInteger(7);
    q.post();
    EXPECT_EQ(db::toInteger(c.scalar("SELECT Count(*) FROM Loose WHERE 数量 = 7")), 1);
    q.remove();
    EXPECT_EQ(db::toInteger(c.scalar("SELECT Count(*) FROM Loose")), 1);
}

TEST_F(RowSetTest, ResultOfSeveralTablesIsReadOnly) {
    db::Query q(c);
    q.open("SELECT t.ID, t.课程, te.姓名 FROM Task t JOIN Teacher te ON te.ID = t.ID");
    EXPECT_TRUE(q.baseTable().empty());
    q["课程"].setText("x");
    EXPECT_THROW(q.post(), db::Error);
    q.cancel();
    EXPECT_EQ(db::toText(c.scalar("SELECT 课程 FROM Task WHERE ID = 1")), "Java程序设计");

    q.open("SELECT ID, 待排节 + 1 AS 下次 FROM Task");
    q["下次"].setInteger(9);
    EXPECT_THROW(q.post(), db::Error);
}

TEST_F(RowSetTest, LocateIgnoresCase) {
    db::Query q(c);
    q.open("SELECT * FROM Task ORDER BY ID");
    EXPECT_TRUE(q.locate("课程", std::string("ENGLISH")));
    EXPECT_EQ(q["ID"].asInteger(), 3);
    EXPECT_TRUE(q.locate("编号", std::string("1002")));
    EXPECT_EQ(q["ID"].asInteger(), 2);
    EXPECT_FALSE(q.locate("课程", std::string("物理")));
    EXPECT_EQ(q["ID"].asInteger(), 2);  // a miss stays where it was
}

TEST_F(RowSetTest, FilterAndSortTexts) {
    db::Query q(c);
    q.open("SELECT * FROM Task ORDER BY ID");
    q.setFilter("是否合班=True and 待排节 > 0");
    EXPECT_EQ(ids(q), (std::vector<std::int64_t>{1, 2, 3, 4}));  // not switched on yet
    q.setFiltered(true);
    EXPECT_EQ(ids(q), std::vector<std::int64_t>{2});
    q.setFilter("课程 = 'ENGLISH' or (编号 in ('1001','1004'))");
    EXPECT_EQ(ids(q), (std::vector<std::int64_t>{1, 3, 4}));
    EXPECT_THROW(q.setFilter("课程 = 'open"), db::Error);
    EXPECT_EQ(ids(q), (std::vector<std::int64_t>{1, 3, 4}));  // a bad text changes nothing
    q.setSort("ID DESC");
    EXPECT_EQ(ids(q), (std::vector<std::int64_t>{4, 3, 1}));
    q.setFiltered(false);
    q.setSort("是否合班, 待排节 DESC");
    EXPECT_EQ(ids(q), (std::vector<std::int64_t>{1, 4, 2, 3}));
    q.setSort("");
    EXPECT_EQ(ids(q), (std::vector<std::int64_t>{1, 2, 3, 4}));
}

TEST_F(RowSetTest, ListenersFollowTheCurrentRowAndTheData) {
    db::Query q(c);
    std::vector<std::pair<db::RowSetChange, int>> heard;
    q.subscribe([&](db::RowSetChange change, int row) { heard.emplace_back(change, row); });
    q.open("SELECT * FROM Task ORDER BY ID");
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back().first, db::RowSetChange::Reset);
    heard.clear();
    q.next();
    EXPECT_EQ(heard, (std::vector<std::pair<db::RowSetChange, int>>{{db::RowSetChange::CurrentRow, 1}}));
    heard.clear();
    {
        db::NotificationPause pause(q);
        q.last();
        q.first();
    }
    EXPECT_EQ(heard, (std::vector<std::pair<db::RowSetChange, int>>{{db::RowSetChange::Reset, -1}}));
}

TEST_F(RowSetTest, RequeryKeepsTheRow) {
    db::Query q(c);
    q.open("SELECT * FROM Task ORDER BY ID");
    q.moveTo(2);
    c.execute("INSERT INTO Task (ID, 编号) VALUES (0, '1000')");
    q.requery();
    EXPECT_EQ(q.rowCount(), 5);
    EXPECT_EQ(q["ID"].asInteger(), 3);
}

TEST(MemoryRowSetTest, DeclaredColumnsHoldRowsInMemory) {
    db::RowSet set({"LineID", "Comp", "课程"});
    EXPECT_TRUE(set.isActive());
    EXPECT_TRUE(set.isEmpty());
    const std::vector<std::pair<int, std::string>> rows = {{1, "="}, {2, "<>"}, {3, "="}};
    for (const auto& [id, comp] : rows) {
        set.append();
        set["LineID"].setInteger(id);
        set["Comp"].setText(comp);
        set.post();
    }
    set.setFilter("Comp = '='");
    set.setFiltered(true);
    EXPECT_EQ(set.rowCount(), 2);
    set.setSort("LineID desc");
    set.first();
    EXPECT_EQ(set["LineID"].asInteger(), 3);
    EXPECT_TRUE(set["课程"].isNull());
}

}  // namespace
