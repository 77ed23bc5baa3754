#include "widgets/data_grid.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "tests/widgets/sample_db.h"

namespace {

using widgets::DataGrid;

// Rows "r0".."r{n-1}" in the first column, the other columns numbered by row and column.
void fill(db::RowSet& rows, int count) {
    for (int r = 0; r < count; ++r) {
        rows.append();
        rows.field(0).set("r" + std::to_string(r));
        for (int c = 1; c < rows.fieldCount(); ++c) rows.field(c).set(std::int64_t{r * 10 + c});
        rows.post();
    }
    rows.first();
}

int sumOfWidths(const DataGrid& grid, int count) {
    int width = 0;
    for (int c = 0; c < count; ++c) width += grid.columnWidth(c);
    return width;
}

void clickCell(QTableView& view, int row, int column) {
    const QRect rect = view.visualRect(view.model()->index(row, column));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, rect.center());
}

TEST(DataGrid, FrozenColumnsStayInStep) {
    db::RowSet rows({"A", "B", "C", "D", "E", "F", "G", "H"});
    fill(rows, 5);
    DataGrid grid(rows);
    grid.resize(400, 300);
    grid.show();

    for (int frozen : {1, 3}) {
        SCOPED_TRACE(frozen);
        grid.setFrozenColumns(frozen);
        QTableView* overlay = grid.frozenView();
        EXPECT_TRUE(overlay->isVisible());
        for (int c = 0; c < 8; ++c) EXPECT_EQ(overlay->isColumnHidden(c), c >= frozen) << c;
        EXPECT_EQ(overlay->width(), sumOfWidths(grid, frozen));

        grid.setColumnWidthChars(0, 12 + frozen);
        EXPECT_EQ(overlay->columnWidth(0), grid.columnWidth(0));
        EXPECT_EQ(overlay->width(), sumOfWidths(grid, frozen));
    }

    // Scrolled sideways, the frozen area still answers for its own columns.
    grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
    ASSERT_GT(grid.horizontalScrollBar()->value(), 0);
    EXPECT_EQ(grid.dataColumnAt({2, 5}), 0);
    EXPECT_NE(grid.columnAt(sumOfWidths(grid, 3) + 2), 3);
    EXPECT_EQ(grid.dataColumnAt({sumOfWidths(grid, 3) + 2, 5}),
              grid.columnAt(sumOfWidths(grid, 3) + 2));
    EXPECT_EQ(grid.dataColumnAt({grid.viewport()->width() + 50, 5}), -1);

    // Scrolling back to a column brings it out beside the frozen ones, not beneath them.
    const QModelIndex firstScrolling = grid.model()->index(0, 3);
    grid.scrollTo(firstScrolling);
    EXPECT_EQ(grid.visualRect(firstScrolling).left(), sumOfWidths(grid, 3));

    grid.setFrozenColumns(0);
    EXPECT_FALSE(grid.frozenView()->isVisible());
}

// Closing drops the views' sections; the grid puts widths and frozen columns back.
TEST(DataGrid, WidthsAndFrozenColumnsSurviveReopen) {
    widgets_test::SampleDb sample;
    db::Query query(sample.connection);
    query.open(widgets_test::SampleDb::kClasses);
    DataGrid grid(query);
    grid.setFrozenColumns(2);
    grid.setColumnWidthChars(1, 20);
    const int width = grid.columnWidth(1);

    query.close();
    query.open();
    EXPECT_EQ(grid.columnWidth(1), width);
    EXPECT_EQ(grid.frozenView()->columnWidth(1), width);
    EXPECT_FALSE(grid.frozenView()->isColumnHidden(1));
    EXPECT_TRUE(grid.frozenView()->isColumnHidden(2));
}

TEST(DataGrid, ColumnWidthCountsChineseAsTwo) {
    db::RowSet rows({"A", "B"});
    DataGrid grid(rows);
    grid.setColumnWidthChars(0, 8);
    grid.setColumnWidthChars(1, 16);
    const QFontMetrics metrics = grid.fontMetrics();
    EXPECT_EQ(grid.columnWidth(1) - grid.columnWidth(0), 8 * metrics.averageCharWidth());
    EXPECT_GE(grid.columnWidth(0), metrics.horizontalAdvance(QStringLiteral("课程名称")));
}

TEST(DataGrid, CurrentRowFollowsBothWays) {
    db::RowSet rows({"A", "B", "C", "D"});
    fill(rows, 60);
    DataGrid grid(rows);
    grid.setFrozenColumns(1);
    grid.resize(300, 200);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    EXPECT_EQ(grid.currentIndex().row(), 0);

    rows.moveTo(45);
    EXPECT_EQ(grid.currentIndex().row(), 45);
    EXPECT_TRUE(grid.selectionModel()->isRowSelected(45, {}));
    EXPECT_EQ(grid.model()->headerData(45, Qt::Vertical).toString(), "▶");
    EXPECT_TRUE(grid.viewport()->rect().contains(grid.visualRect(grid.model()->index(45, 1))));
    EXPECT_TRUE(grid.frozenView()->viewport()->rect().contains(
        grid.frozenView()->visualRect(grid.model()->index(45, 0))));

    const int top = grid.rowAt(0);
    clickCell(grid, top + 1, 2);
    EXPECT_EQ(rows.rowNumber(), top + 1);
    clickCell(*grid.frozenView(), top + 2, 0);
    EXPECT_EQ(rows.rowNumber(), top + 2);
    EXPECT_EQ(grid.model()->headerData(top + 2, Qt::Vertical).toString(), "▶");
    EXPECT_EQ(grid.model()->headerData(45, Qt::Vertical).toString(), "");

    grid.setCurrentIndex(grid.model()->index(7, 1));
    EXPECT_EQ(rows.rowNumber(), 7);
}

TEST(DataGrid, LeavingARowThatCannotBeSavedStaysOnIt) {
    widgets_test::SampleDb sample;
    db::Query query(sample.connection);
    query.open(widgets_test::SampleDb::kJoined);
    DataGrid grid(query);
    QSignalSpy failed(&grid.rowSetModel(), &widgets::RowSetModel::writeFailed);
    query.moveTo(1);
    query.field(1).set(std::string("新班"));

    grid.setCurrentIndex(grid.model()->index(3, 1));
    EXPECT_EQ(failed.count(), 1);
    EXPECT_EQ(query.rowNumber(), 1);
    EXPECT_EQ(grid.currentIndex().row(), 1);
    EXPECT_EQ(query.state(), db::RowSet::State::Edit);
    EXPECT_EQ(query.field(1).asText(), "新班");
}

TEST(DataGrid, TitleClickSignalsWithoutSorting) {
    db::RowSet rows({"A", "B", "C"});
    fill(rows, 3);
    DataGrid grid(rows);
    grid.setFrozenColumns(1);
    grid.resize(300, 200);
    grid.show();
    QSignalSpy clicked(&grid, &DataGrid::titleClicked);

    auto clickTitle = [](QHeaderView* header, int column) {
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, {x, header->height() / 2});
    };
    clickTitle(grid.horizontalHeader(), 2);
    clickTitle(grid.frozenView()->horizontalHeader(), 0);
    ASSERT_EQ(clicked.count(), 2);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 2);
    EXPECT_EQ(clicked.at(1).at(0).toInt(), 0);
    EXPECT_EQ(rows.sortText(), "");
    EXPECT_EQ(grid.model()->data(grid.model()->index(0, 0)).toString(), "r0");
}

TEST(DataGrid, SuspendedUpdatesResetOnceAtResume) {
    widgets_test::SampleDb sample;
    db::Query query(sample.connection);
    query.open(widgets_test::SampleDb::kClasses);
    DataGrid grid(query);
    QSignalSpy resets(grid.model(), &QAbstractItemModel::modelReset);
    QSignalSpy inserted(grid.model(), &QAbstractItemModel::rowsInserted);

    grid.suspendUpdates();
    EXPECT_FALSE(grid.updatesEnabled());
    sample.connection.execute("DELETE FROM Class WHERE ID > 2");
    query.requery();
    query.append();
    query.field(1).set(std::string("新班"));
    query.post();
    query.setSort("人数");
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(grid.model()->data(grid.model()->index(4, 1)), QVariant());

    grid.resumeUpdates();
    EXPECT_TRUE(grid.updatesEnabled());
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(inserted.count(), 0);
    EXPECT_EQ(grid.model()->rowCount(), 3);
}

TEST(DataGrid, RestoresRememberedRowAfterReopen) {
    struct Case {
        const char* name;
        const char* change;  // made to the table between remember and reopen
        int startRow;
        std::string expectedKey;
    };
    const Case cases[] = {
        {"key moved up", "DELETE FROM Class WHERE ID IN (1, 2)", 3, "4"},
        {"key gone, same row number", "DELETE FROM Class WHERE ID = 3", 2, "4"},
        {"key gone, row number clamped", "DELETE FROM Class WHERE ID > 2", 4, "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        widgets_test::SampleDb sample;
        db::Query query(sample.connection);
        query.open(widgets_test::SampleDb::kClasses);
        DataGrid grid(query);
        query.moveTo(c.startRow);
        grid.rememberRow(0);

        query.close();
        sample.connection.execute(c.change);
        query.open();
        grid.restoreRow();
        EXPECT_EQ(query.field(0).asText(), c.expectedKey);
        EXPECT_EQ(grid.currentIndex().row(), query.rowNumber());
    }
}

TEST(DataGrid, ScreenshotWithChineseTitlesAndFrozenColumns) {
    db::RowSet rows({"班号", "班级名称", "班主任", "周一", "周二", "周三", "周四", "周五"});
    const char* names[] = {"高一(1)班", "高一(2)班", "高二(1)班", "高二(2)班", "高三(1)班"};
    const char* teachers[] = {"王老师", "李老师", "张老师", "刘老师", "陈老师"};
    for (int r = 0; r < 5; ++r) {
        rows.append();
        rows.field(0).set(std::int64_t{101 + r});
        rows.field(1).set(std::string(names[r]));
        rows.field(2).set(std::string(teachers[r]));
        for (int c = 3; c < 8; ++c) rows.field(c).set(std::string((r + c) % 2 ? "语文" : "数学"));
        rows.post();
    }
    rows.moveTo(2);
    DataGrid grid(rows);
    grid.setObjectName("dgClassWeek");
    grid.setFrozenColumns(3);
    grid.setColumnWidthChars(0, 6);
    grid.setColumnWidthChars(1, 12);
    grid.setColumnWidthChars(2, 8);
    for (int c = 3; c < 8; ++c) grid.setColumnWidthChars(c, 10);
    grid.resize(440, 220);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    grid.horizontalScrollBar()->setValue(grid.columnWidth(3) + 10);
    ASSERT_GT(grid.horizontalScrollBar()->value(), 0);

    const QImage image = grid.grab().toImage();
    ASSERT_FALSE(image.isNull());
    ASSERT_TRUE(QDir().mkpath(TESSORY_SCREENSHOT_DIR));
    EXPECT_TRUE(image.save(TESSORY_SCREENSHOT_DIR "/data_grid.png"));
    // Scrolled sideways, the second column still sits in the frozen area.
    EXPECT_EQ(grid.dataColumnAt({grid.columnWidth(0) + 5, 5}), 1);
}

}  // namespace
