#include <gtest/gtest.h>

#include <filesystem>

#include "app/data_module.h"
#include "db/names.h"
#include "db/schema.h"
#include "tests/support/temp_dir.h"

namespace {

const std::string kPassword(db::kDatabasePassword);

TEST(DataModuleTest, SharedConnectionPointsBesideTheExecutableAndOpensOnDemand) {
    testing_support::TempDir dir;
    const auto folder = (dir.path() / "程序 目录").string() + "/";  // blanks and Chinese
    std::filesystem::create_directories(folder);
    db::schema::createDatabase(folder + "Korvane.dat", kPassword);

    app::TdmData dm(folder);
    EXPECT_EQ(dm.FConnectionString, folder + "Korvane.dat");
    EXPECT_EQ(dm.DataSiteText, "本机");
    EXPECT_FALSE(dm.acData.isOpen());
    dm.adsSearch.open("SELECT * FROM Term");  // the first query opens the connection
    EXPECT_TRUE(dm.acData.isOpen());
}

TEST(DataModuleTest, OpeningBringsCrosstabsInStepWithThePeriods) {
    testing_support::TempDir dir;
    const auto folder = dir.path().string() + "/";
    db::schema::createDatabase(folder + "Korvane.dat", kPassword);
    {
        db::Connection raw;  // another program that added a period
        raw.setTarget(folder + "Korvane.dat", kPassword);
        raw.open();
        raw.execute("INSERT INTO Period (编号, 节时) VALUES ('1', '一12D')");
    }
    app::TdmData dm(folder);
    dm.acData.open();
    EXPECT_EQ(dm.acData.columnNames("vcCrcRoom").back(), "一12D");
}

TEST(DataModuleTest, ConnectToDataFile) {
    testing_support::TempDir dir;
    const auto folder = (dir.path() / "共享 数据").string() + "/";
    std::filesystem::create_directories(folder);
    db::schema::createDatabase(folder + "other.dat", kPassword);

    db::Connection c;
    // The merge window passes the whole path as the folder and a blank as the name.
    EXPECT_TRUE(app::ConnectToDataFile(c, folder + "other.dat", " "));
    EXPECT_TRUE(c.isOpen());
    EXPECT_EQ(c.path(), folder + "other.dat");

    EXPECT_FALSE(app::ConnectToDataFile(c, folder, "missing.dat"));
    EXPECT_FALSE(c.isOpen());
    EXPECT_EQ(c.path(), folder + "missing.dat");  // keeps the new target

    db::schema::createDatabase(folder + "foreign.dat", "another password");
    EXPECT_FALSE(app::ConnectToDataFile(c, folder, "foreign.dat"));
}

TEST(DataModuleTest, RestoringTheLocalConnection) {
    testing_support::TempDir dir;
    const auto folder = dir.path().string() + "/";
    db::schema::createDatabase(folder + "Korvane.dat", kPassword);
    app::TdmData dm(folder);
    EXPECT_FALSE(app::ConnectToDataFile(dm.acData, "/nowhere/", "Korvane.dat"));
    dm.RestoreLocalConnection();
    EXPECT_NO_THROW(dm.acData.open());
    EXPECT_EQ(dm.acData.path(), folder + "Korvane.dat");
}

}  // namespace
