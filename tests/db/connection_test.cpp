#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <thread>

#include "db/connection.h"
#include "db/query.h"
#include "db/transaction.h"
#include "tests/support/scratch_database.h"

namespace {

using testing_support::TempDir;

TEST(ConnectionTest, PasswordGuardsTheFile) {
    TempDir dir;
    const auto path = dir.file("guarded.dat");
    db::Connection::createFile(path, "secret");

    db::Connection right;
    right.setTarget(path, "secret");
    EXPECT_NO_THROW(right.open());
    EXPECT_TRUE(right.isOpen());

    db::Connection wrong;
    wrong.setTarget(path, "guess");
    EXPECT_THROW(wrong.open(), db::Error);
    EXPECT_FALSE(wrong.isOpen());

    // The guard itself never shows among the tables.
    right.execute("CREATE TABLE T (ID INTEGER PRIMARY KEY)");
    EXPECT_EQ(right.tableNames(), std::vector<std::string>{"T"});
}

TEST(ConnectionTest, PlainFileOpensWithAnyPassword) {
    TempDir dir;
    const auto path = dir.file("plain.db");
    {
        db::Connection::createFile(path, "x");
        db::Connection c;
        c.setTarget(path, "x");
        c.open();
        c.execute("DROP TABLE tessory_access");
    }
    db::Connection c;
    c.setTarget(path, "anything");
    EXPECT_NO_THROW(c.open());
}

TEST(ConnectionTest, RefusesWhatIsNoDatabase) {
    testing_support::ScratchDatabase scratch{testing_support::ScratchDatabase::Kind::Plain};
    testing_support::TempDir& dir = scratch.dir;
    db::Connection& c = scratch.connection;
    c.setTarget(dir.file("missing.dat"), "x");
    EXPECT_THROW(c.open(), db::Error);
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing.dat")));  // never created

    std::ofstream(dir.file("text.dat")) << "not a database at all, just some text\n";
    c.setTarget(dir.file("text.dat"), "x");
    EXPECT_THROW(c.open(), db::Error);

    EXPECT_THROW(db::Connection::createFile(dir.file("text.dat"), "x"), db::Error);
}

class OpenConnection : public ::testing::Test {
protected:
    void SetUp() override {
        c.execute("CREATE TABLE Item (ID INTEGER PRIMARY KEY, 名称 TEXT, 数量 INTEGER)");
    }
    testing_support::ScratchDatabase scratch{testing_support::ScratchDatabase::Kind::Plain};
    testing_support::TempDir& dir = scratch.dir;
    db::Connection& c = scratch.connection;
};

TEST_F(OpenConnection, ListsTablesViewsAndKeys) {
    c.execute("CREATE VIEW vItem AS SELECT * FROM Item");
    c.execute("CREATE TABLE Pair (A TEXT, B TEXT, PRIMARY KEY (B, A))");
    EXPECT_EQ(c.tableNames(), (std::vector<std::string>{"Item", "Pair"}));
    EXPECT_EQ(c.viewNames(), std::vector<std::string>{"vItem"});
    EXPECT_TRUE(c.hasObject("VITEM"));
    EXPECT_EQ(c.primaryKeyColumns("Item"), std::vector<std::string>{"ID"});
    EXPECT_EQ(c.primaryKeyColumns("Pair"), (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(c.columnNames("vItem"), (std::vector<std::string>{"ID", "名称", "数量"}));
}

TEST_F(OpenConnection, NamesWithQuotesAndWildcardsAreStoredAndFoundExactly) {
    const std::vector<std::string> names = {"O'Brien", "50%_off", "a\"b", "'; DROP TABLE Item; --"};
    for (const auto& n : names) c.execute("INSERT INTO Item (名称) VALUES (?)", {n});
    for (const auto& n : names)
        EXPECT_EQ(db::toInteger(c.scalar("SELECT Count(*) FROM Item WHERE 名称 = ?", {n})), 1) << n;
    // A prefix search for "50%" must not match "50x" through the wildcard.
    c.execute("INSERT INTO Item (名称) VALUES ('50x')");
    EXPECT_EQ(db::toInteger(c.scalar("SELECT Count(*) FROM Item WHERE 名称 LIKE ? ESCAPE '\\'",
                                     {db::escapeLike("50%") + "%"})),
              1);
    EXPECT_TRUE(c.hasObject("Item"));
}

TEST_F(OpenConnection, OneStatementAtATimeAndParametersMustFit) {
    EXPECT_THROW(c.execute("DELETE FROM Item; DROP TABLE Item"), db::Error);
    EXPECT_TRUE(c.hasObject("Item"));
    EXPECT_THROW(c.execute("INSERT INTO Item (名称) VALUES (?)"), db::Error);
    EXPECT_THROW(c.execute("SELECT * FROM Nowhere"), db::Error);
}

TEST_F(OpenConnection, TransactionsCommitWholeOrRollBack) {
    {
        db::Transaction t(c);
        c.execute("INSERT INTO Item (名称) VALUES ('kept')");
        {
            db::Transaction inner(c);  // nests as a savepoint
            c.execute("INSERT INTO Item (名称) VALUES ('dropped')");
        }
        t.commit();
    }
    {
        db::Transaction t(c);
        c.execute("INSERT INTO Item (名称) VALUES ('never')");
    }
    db::Query q(c);
    q.open("SELECT 名称 FROM Item ORDER BY ID");
    ASSERT_EQ(q.rowCount(), 1);
    EXPECT_EQ(q["名称"].asText(), "kept");
    EXPECT_FALSE(c.inTransaction());
}

TEST_F(OpenConnection, SecondWriterWaitsForTheFirstInsteadOfFailing) {
    using namespace std::chrono_literals;
    db::Connection other;
    other.setTarget(scratch.path, "pw");
    other.open();
    auto first = std::make_unique<db::Transaction>(c);
    c.execute("INSERT INTO Item (名称) VALUES ('first')");
    std::thread releaser([&] {
        std::this_thread::sleep_for(300ms);
        first->commit();
    });
    const auto start = std::chrono::steady_clock::now();
    db::Transaction second(other);
    const auto waited = std::chrono::steady_clock::now() - start;
    other.execute("INSERT INTO Item (名称) VALUES ('second')");
    second.commit();
    releaser.join();
    EXPECT_GE(waited, 200ms);
    EXPECT_EQ(db::toInteger(c.scalar("SELECT Count(*) FROM Item")), 2);
}

}  // namespace
