#include "widgets/rowset_model.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "tests/widgets/sample_db.h"

namespace {

using widgets::RowSetModel;

void appendRow(db::RowSet& rows, db::Value a, db::Value b) {
    rows.append();
    rows.field(0).set(std::move(a));
    rows.field(1).set(std::move(b));
    rows.post();
}

QString cell(const RowSetModel& model, int row, int column) {
    return model.data(model.index(row, column)).toString();
}

TEST(RowSetModel, FollowsInsertEditAndRemove) {
    db::RowSet rows({"名称", "数量"});
    RowSetModel model(rows);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    appendRow(rows, std::string("甲"), std::int64_t{3});
    appendRow(rows, std::string("乙"), 2.5);
    appendRow(rows, db::Value{}, std::int64_t{7});
    ASSERT_EQ(inserted.count(), 3);
    EXPECT_EQ(inserted.at(2).at(1).toInt(), 2);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), 2);
    EXPECT_EQ(cell(model, 0, 0), "甲");
    EXPECT_EQ(cell(model, 0, 1), "3");
    EXPECT_EQ(cell(model, 1, 1), "2.5");
    EXPECT_EQ(cell(model, 2, 0), "");

    rows.moveTo(1);
    changed.clear();
    rows.field(1).set(std::int64_t{9});
    rows.post();
    ASSERT_FALSE(changed.isEmpty());
    const auto topLeft = changed.last().at(0).value<QModelIndex>();
    const auto bottomRight = changed.last().at(1).value<QModelIndex>();
    EXPECT_EQ(topLeft.row(), 1);
    EXPECT_EQ(bottomRight.row(), 1);
    EXPECT_EQ(bottomRight.column(), 1);
    EXPECT_EQ(cell(model, 1, 1), "9");

    rows.moveTo(0);
    rows.remove();
    ASSERT_EQ(removed.count(), 1);
    EXPECT_EQ(removed.at(0).at(1).toInt(), 0);
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(cell(model, 0, 0), "乙");
}

TEST(RowSetModel, CurrentRowMarkedInRowHeader) {
    db::RowSet rows({"名称", "数量"});
    for (int i = 0; i < 4; ++i) appendRow(rows, std::to_string(i), std::int64_t{i});
    RowSetModel model(rows);
    QSignalSpy moved(&model, &RowSetModel::currentRowChanged);

    rows.moveTo(2);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.at(0).at(0).toInt(), 2);
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(model.headerData(r, Qt::Vertical).toString(), r == 2 ? "▶" : "") << r;
}

TEST(RowSetModel, TitlesSurviveReopenUntilFieldsChange) {
    widgets_test::SampleDb sample;
    db::Query query(sample.connection);
    query.open(widgets_test::SampleDb::kClasses);
    RowSetModel model(query);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "班号");
    model.setTitle(1, "班级");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "班级");

    query.close();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), 0);
    sample.connection.execute("DELETE FROM Class WHERE ID = 1");
    query.open();
    EXPECT_EQ(resets.count(), 2);
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(cell(model, 0, 1), "乙班");
    EXPECT_EQ(model.title(1), "班级");

    query.open("SELECT 班号, ID FROM Class");
    EXPECT_EQ(model.title(0), "班号");
    EXPECT_EQ(model.title(1), "ID");
}

TEST(RowSetModel, EditableModelWritesBackToTable) {
    widgets_test::SampleDb sample;
    db::Query query(sample.connection);
    query.open(widgets_test::SampleDb::kClasses);
    RowSetModel model(query);
    const QModelIndex size = model.index(2, 2);

    EXPECT_FALSE(model.flags(size) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.setData(size, "33"));
    EXPECT_EQ(sample.text("SELECT 人数 FROM Class WHERE ID = 3"), "30");

    model.setEditable(true);
    EXPECT_TRUE(model.flags(size) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.setData(size, "33"));
    EXPECT_EQ(sample.text("SELECT 人数 FROM Class WHERE ID = 3"), "33");
    EXPECT_EQ(cell(model, 2, 2), "33");
    EXPECT_EQ(query.rowNumber(), 2);

    EXPECT_TRUE(model.setData(model.index(0, 1), QString()));
    EXPECT_EQ(sample.connection.scalar("SELECT typeof(班号) FROM Class WHERE ID = 1"),
              db::Value(std::string("null")));
}

TEST(RowSetModel, YesNoFieldsShowAndTakeTrueAndFalse) {
    widgets_test::SampleDb sample;
    sample.connection.executeScript(
        "CREATE TABLE Flag (ID INTEGER PRIMARY KEY, 是否合班 BOOLEAN NOT NULL DEFAULT 0);"
        "INSERT INTO Flag VALUES (1, 1), (2, 0);");
    db::Query query(sample.connection);
    query.open("SELECT * FROM Flag ORDER BY ID");
    RowSetModel model(query);
    model.setEditable(true);
    EXPECT_EQ(cell(model, 0, 1), "True");
    EXPECT_EQ(cell(model, 1, 1), "False");
    EXPECT_TRUE(model.setData(model.index(1, 1), "True"));
    EXPECT_EQ(sample.text("SELECT 是否合班 FROM Flag WHERE ID = 2"), "1");
    EXPECT_TRUE(model.setData(model.index(0, 1), "False"));
    EXPECT_EQ(sample.text("SELECT 是否合班 FROM Flag WHERE ID = 1"), "0");
}

TEST(RowSetModel, FailedWriteIsReportedAndChangesNothing) {
    widgets_test::SampleDb sample;
    db::Query query(sample.connection);
    query.open(widgets_test::SampleDb::kJoined);
    RowSetModel model(query);
    model.setEditable(true);
    QSignalSpy failed(&model, &RowSetModel::writeFailed);

    EXPECT_FALSE(model.setData(model.index(1, 1), "新班"));
    ASSERT_EQ(failed.count(), 1);
    EXPECT_TRUE(failed.at(0).at(0).toString().contains("不能写入"));
    EXPECT_EQ(query.state(), db::RowSet::State::Browse);
    EXPECT_EQ(cell(model, 1, 1), "乙班");
    EXPECT_EQ(sample.text("SELECT 班号 FROM Class WHERE ID = 2"), "乙班");
}

}  // namespace
