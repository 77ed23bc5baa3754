#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <filesystem>

#include "app/exports.h"
#include "app/main_window.h"
#include "db/names.h"
#include "db/query.h"
#include "db/schema.h"
#include "spreadsheet/workbook.h"
#include "spreadsheet/xlsx_editor.h"
#include "spreadsheet/xlsx_reader.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/scratch_database.h"
#include "widgets/data_grid.h"
#include "widgets/grid_sort.h"

namespace {

class ExportsTest : public ::testing::Test {
protected:
    void SetUp() override {
        c.executeScript(R"(
            CREATE TABLE Cell (ID INTEGER PRIMARY KEY, 教室 TEXT, 是否已排 BOOLEAN NOT NULL DEFAULT 0,
                               "一12D" TEXT, "一12S" TEXT, "一34D" TEXT);
            INSERT INTO Cell VALUES (1, '一教102', 1, '高等数学/25软件1班/张伟', NULL, 'x');
            INSERT INTO Cell VALUES (2, '一教101', 0, NULL, NULL, NULL);
        )");
    }
    testing_support::ScratchDatabase scratch{testing_support::ScratchDatabase::Kind::Plain};
    testing_support::TempDir& dir = scratch.dir;
    db::Connection& c = scratch.connection;
};

TEST_F(ExportsTest, GridExportHoldsTitlesAndEveryRowAsShown) {
    db::Query q(c);
    q.open("SELECT * FROM Cell ORDER BY ID");
    widgets::DataGrid grid(q);
    grid.setObjectName("dgRoomCrc");
    grid.setColumnHidden(0, true);  // hidden columns are exported too
    widgets::SortGridByColumn(grid, 1);
    const auto path = dir.file("grid.xlsx");
    ASSERT_TRUE(app::writeGridsWorkbook({&grid}, path));

    spreadsheet::XlsxReader book(path);
    EXPECT_EQ(book.sheetNames(), std::vector<std::string>{"dgRoomCrc"});
    EXPECT_EQ(book.sheet("dgRoomCrc").rows(),
              (std::vector<std::vector<std::string>>{
                  {"ID", "▲教室", "是否已排", "一12D", "一12S", "一34D"},
                  {"2", "一教101", "False", "", "", ""},
                  {"1", "一教102", "True", "高等数学/25软件1班/张伟", "", "x"}}));
}

TEST_F(ExportsTest, EmptyDataSetGivesTitlesOnlyAndAClosedOneNoFile) {
    db::Query q(c);
    q.open("SELECT ID, 教室 FROM Cell WHERE ID > 9");
    widgets::DataGrid grid(q);
    grid.setObjectName("dgCrcClass");
    ASSERT_TRUE(app::writeGridsWorkbook({&grid}, dir.file("empty.xlsx")));
    EXPECT_EQ(spreadsheet::XlsxReader(dir.file("empty.xlsx")).sheet(1).rows(),
              (std::vector<std::vector<std::string>>{{"ID", "教室"}}));

    q.close();
    EXPECT_FALSE(app::writeGridsWorkbook({&grid}, dir.file("closed.xlsx")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("closed.xlsx")));
}

TEST_F(ExportsTest, TimetableTitlesGoIntoTheUsersCopyAndNothingElseChanges) {
    const QString exportFolder = QString::fromStdString(dir.file("docs"));
    QDir().mkpath(exportFolder);
    const QDate day(2026, 12, 11);
    const QString copy = app::copyTimetableTemplate(TESSORY_BIN_DIR, exportFolder, day);
    EXPECT_TRUE(copy.endsWith("课表2026-12-11.xlsx"));
    {
        spreadsheet::XlsxEditor mine(copy.toStdString());  // the user's own note in the copy
        mine.setText("班级课表", 20, 2, "我的备注");
        mine.save();
    }
    EXPECT_EQ(app::copyTimetableTemplate(TESSORY_BIN_DIR, exportFolder, day), copy);  // kept

    db::Query q(c);
    q.open("SELECT 教室, \"一12D\", \"一12S\", \"一34D\" FROM Cell");
    widgets::DataGrid grid(q);
    app::writeTimetableTitles(grid, copy.toStdString(), 8);

    const auto sheet = spreadsheet::XlsxReader(copy.toStdString()).sheet("班级课表");
    EXPECT_EQ(sheet.value(8, 1), "教室");
    EXPECT_EQ(sheet.value(8, 2), "一12");  // the pair 一12D, 一12S
    EXPECT_EQ(sheet.value(8, 3), "一34D");
    EXPECT_EQ(sheet.value(8, 4), "");
    EXPECT_EQ(sheet.value(20, 2), "我的备注");
    EXPECT_EQ(sheet.value(1, 1), "课  程  表");
    EXPECT_EQ(sheet.value(2, 1), "");  // no data rows are written
}

TEST_F(ExportsTest, TimetableExportErrorsReachTheCaller) {
    db::Query q(c);
    q.open("SELECT 教室 FROM Cell");
    widgets::DataGrid grid(q);
    EXPECT_ANY_THROW(app::writeTimetableTitles(grid, dir.file("missing.xlsx"), 8));
    {
        spreadsheet::Workbook other(dir.file("other.xlsx"));
        other.addWorksheet("Sheet1");
        other.save();
    }
    EXPECT_ANY_THROW(app::writeTimetableTitles(grid, dir.file("other.xlsx"), 8));
    EXPECT_ANY_THROW(app::copyTimetableTemplate(QString::fromStdString(dir.file("nowhere")),
                                                QString::fromStdString(dir.path().string()),
                                                QDate(2026, 1, 1)));
}

TEST(MainWindowExportTest, ExportIsSavedInTheDocumentsFolderAndHandedToTheUser) {
    testing_support::TempDir dir;
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QByteArray::fromStdString(dir.path().string()));
    const std::string folder = dir.path().string() + "/";
    db::schema::createDatabase(folder + "Korvane.dat", std::string(db::kDatabasePassword));
    app::TdmData data(folder);
    testing_support::ScriptedDialogs dialogs;
    app::TfrmMain main(data, dialogs);
    main.show();

    db::Query q(data.acData);
    q.open("SELECT 编号, 节时 FROM Period");
    widgets::DataGrid grid(q);
    grid.setObjectName("dgSearch");
    main.ExportGridsToWorkbook({&grid});
    ASSERT_EQ(dialogs.opened.size(), 1u);
    const QString path = dialogs.opened[0];
    EXPECT_TRUE(path.startsWith(main.exportFolder()));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(dialogs.messages().back().contains(path));  // the user is told where
    qputenv("HOME", home);
}

}  // namespace
