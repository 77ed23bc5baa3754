#include "widgets/grid_sort.h"

#include <gtest/gtest.h>

#include <vector>

#include "widgets/data_grid.h"

namespace {

using widgets::DataGrid;

// 班号 is a substring of 班号名; "Room No" needs brackets in a sort text.
void fill(db::RowSet& rows) {
    const struct {
        const char* code;
        const char* name;
        std::int64_t size;
        const char* room;
    } data[] = {{"B", "x2", 30, "R2"}, {"A", "x3", 10, "R3"}, {"C", "x1", 20, "R1"}};
    for (const auto& d : data) {
        rows.append();
        rows.field(0).set(std::string(d.code));
        rows.field(1).set(std::string(d.name));
        rows.field(2).set(d.size);
        rows.field(3).set(std::string(d.room));
        rows.post();
    }
}

QString titles(const DataGrid& grid) {
    QStringList all;
    for (int c = 0; c < grid.model()->columnCount(); ++c)
        all.append(grid.model()->headerData(c, Qt::Horizontal).toString());
    return all.join('|');
}

// The first column of every row as the grid shows it.
QString order(const DataGrid& grid) {
    QString codes;
    for (int r = 0; r < grid.model()->rowCount(); ++r)
        codes += grid.model()->data(grid.model()->index(r, 0)).toString();
    return codes;
}

TEST(GridSort, ClickSequences) {
    struct Case {
        const char* name;
        QString thirdTitle;  // the title of 人数 before the clicks
        std::vector<int> clicks;
        std::string sort;
        QString titles;
        QString order;
    };
    const Case cases[] = {
        {"once", "人数", {2}, "人数", "班号|班号名|▲人数|Room No", "ACB"},
        {"twice", "人数", {2, 2}, "人数 DESC", "班号|班号名|▼人数|Room No", "BCA"},
        {"thrice", "人数", {2, 2, 2}, "人数 ", "班号|班号名|▲人数|Room No", "ACB"},
        {"another column", "人数", {2, 2, 0}, "班号", "▲班号|班号名|人数|Room No", "ABC"},
        {"substring key", "人数", {1, 0}, "班号名 DESC", "▼班号|班号名|人数|Room No", "ABC"},
        {"bracketed name", "人数", {3}, "[Room No]", "班号|班号名|人数|▲Room No", "CBA"},
        {"bracketed twice", "人数", {3, 3}, "[Room No] DESC", "班号|班号名|人数|▼Room No", "ABC"},
        {"own ▲ dropped", "▲高", {0}, "班号", "▲班号|班号名|高|Room No", "ABC"},
        {"own ▲ replaced", "▲高", {2, 2}, "人数 DESC", "班号|班号名|▼高|Room No", "BCA"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db::RowSet rows({"班号", "班号名", "人数", "Room No"});
        fill(rows);
        DataGrid grid(rows);
        grid.rowSetModel().setTitle(2, c.thirdTitle);
        for (int column : c.clicks) widgets::SortGridByColumn(grid, column);
        EXPECT_EQ(rows.sortText(), c.sort);
        EXPECT_EQ(titles(grid), c.titles);
        EXPECT_EQ(order(grid), c.order);
    }
}

TEST(GridSort, ClearSortMarksTakesOneCharacter) {
    db::RowSet rows({"A", "B", "C"});
    DataGrid grid(rows);
    grid.rowSetModel().setTitle(0, "▲▲甲");
    grid.rowSetModel().setTitle(1, "▼乙");
    grid.rowSetModel().setTitle(2, "丙▲");
    widgets::ClearSortMarks(grid);
    EXPECT_EQ(titles(grid), "▲甲|乙|丙▲");
}

TEST(GridSort, ClosedRowSetIsLeftAlone) {
    db::RowSet rows({"班号", "班号名", "人数", "Room No"});
    fill(rows);
    DataGrid grid(rows);
    widgets::SortGridByColumn(grid, 0);
    rows.close();

    widgets::SortGridByColumn(grid, 1);
    widgets::ClearSortMarks(grid);
    EXPECT_EQ(rows.sortText(), "");
    EXPECT_EQ(grid.rowSetModel().title(0), "▲班号");
    EXPECT_EQ(grid.rowSetModel().title(1), "班号名");
}

}  // namespace
