#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <stdexcept>

#include "app/data_setting_window.h"
#include "app/main_window.h"
#include "db/names.h"
#include "db/schema.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_dir.h"

namespace {

const std::string kPassword(db::kDatabasePassword);

// A data file beside a pretend executable, with editions, terms and departments.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = dir.path().string() + "/";
        db::schema::createDatabase(folder + "Korvane.dat", kPassword);
        raw.setTarget(folder + "Korvane.dat", kPassword);
        raw.open();
        raw.executeScript(R"(
            INSERT INTO [Version] (VerType, VerName, IsActive) VALUES (0, '教务处排课版', 1);
            INSERT INTO [Version] (VerType, VerName, IsActive) VALUES (1, '查询版', 0);
            INSERT INTO Term (编号, 起始日期, 结束日期) VALUES ('252', '2000-01-01', '2000-06-30');
            INSERT INTO Term (编号, 起始日期, 结束日期) VALUES ('261', date('now', 'localtime', '-10 days'), date('now', 'localtime', '+10 days'));
            INSERT INTO [system] (DeptID, Dept, IsActive, param1, param2) VALUES ('01', '信息系', 0, '10000', '1000');
            INSERT INTO [system] (DeptID, Dept, IsActive, param1, param2) VALUES ('02', '经管系', 0, '20000', '2000');
        )");
    }
    std::unique_ptr<app::TfrmMain> start() {
        data = std::make_unique<app::TdmData>(folder);
        auto w = std::make_unique<app::TfrmMain>(*data, dialogs);
        w->show();
        return w;
    }
    template <typename T>
    T* child(app::TfrmMain& w, const char* name) {
        T* found = w.findChild<T*>(name);
        if (!found) throw std::runtime_error(std::string("no control ") + name);
        return found;
    }
    void saveScreenshot(QWidget& w, const QString& name) {
        QDir().mkpath(TESSORY_SCREENSHOT_DIR);
        w.grab().save(QString(TESSORY_SCREENSHOT_DIR) + "/" + name);
    }
    std::string activeDept() {
        return db::toText(raw.scalar("SELECT Dept FROM [system] WHERE IsActive = 1"));
    }

    testing_support::TempDir dir;
    std::string folder;
    db::Connection raw;
    testing_support::ScriptedDialogs dialogs;
    std::unique_ptr<app::TdmData> data;
};

TEST_F(MainWindowTest, FullEditionForTheOffice) {
    auto w = start();
    EXPECT_EQ(w->windowTitle(), "TessoryV2 - 261学期");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0],
              "当前系统为：\"非教学部使用\" ，请确认！\n如非则双击窗口空白处修改！");
    auto* dept = child<QComboBox>(*w, "cbbCurrentDept");
    EXPECT_EQ(dept->currentText(), "");
    EXPECT_EQ(dept->count(), 3);
    EXPECT_EQ(dept->itemText(2), "教务处");
    EXPECT_FALSE(dept->isEnabled());
    auto* term = child<QComboBox>(*w, "cbbCurrentTerm");
    EXPECT_EQ(term->currentText(), "261");
    EXPECT_EQ(term->count(), 2);
    EXPECT_EQ(child<QPushButton>(*w, "btnCurriculum")->text(), "排课&R");
    EXPECT_EQ(child<QLabel>(*w, "lblDataSite")->text(), "本机");
    saveScreenshot(*w, "main_window_full.png");
}

TEST_F(MainWindowTest, StartMessageNamesTheActiveDepartment) {
    raw.execute("UPDATE [system] SET IsActive = 1 WHERE Dept = '信息系'");
    auto w = start();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0],
              "当前系统为：\"信息系\" 使用！\n\n如不正确请双击窗口空白处修改至本部门！");
    EXPECT_EQ(child<QComboBox>(*w, "cbbCurrentDept")->currentText(), "信息系");
}

TEST_F(MainWindowTest, QueryEditionShowsAndSearchesOnly) {
    raw.execute("UPDATE [Version] SET IsActive = (VerType = 1)");
    auto w = start();
    EXPECT_TRUE(w->windowTitle().startsWith("QuilletV2 - "));
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(child<QPushButton>(*w, "btnCurriculum")->text(), "教室课表&R");
    for (const char* name : {"btnCoursePlanInput", "btnChange", "btnCoursePlan", "btnCrcSetting",
                             "btnCrcMerge", "btnSystem", "bbtnCrcAnalysis", "bbtnChangeVer"})
        EXPECT_FALSE(child<QPushButton>(*w, name)->isEnabled()) << name;
    EXPECT_FALSE(child<QAction>(*w, "N2")->isEnabled());
    EXPECT_TRUE(child<QAction>(*w, "N10")->isEnabled());
    saveScreenshot(*w, "main_window_query.png");
}

TEST_F(MainWindowTest, DepartmentLockOpensTheEditionSwitchInTheQueryEdition) {
    raw.execute("UPDATE [Version] SET IsActive = (VerType = 1)");
    data = std::make_unique<app::TdmData>(folder);
    app::TfrmMain w(*data, dialogs);
    w.registry().add("frmVerChange", [](QWidget*) { return new QDialog; });
    w.show();
    auto* changeVer = child<QPushButton>(w, "bbtnChangeVer");
    EXPECT_FALSE(changeVer->isEnabled());
    dialogs.inputAnswers = {app::kLockCode, app::kLockCode};
    w.FormDblClick();
    EXPECT_TRUE(changeVer->isEnabled());
    EXPECT_TRUE(child<QComboBox>(w, "cbbCurrentDept")->isEnabled());
    w.FormDblClick();  // twice: back as it was
    EXPECT_FALSE(changeVer->isEnabled());
}

TEST_F(MainWindowTest, NoTermCoversToday) {
    raw.execute("DELETE FROM Term WHERE 编号 = '261'");
    auto w = start();
    EXPECT_EQ(w->windowTitle(), "TessoryV2 - 学期");
}

TEST_F(MainWindowTest, DepartmentLockAndChoosingTheOffice) {
    raw.execute("UPDATE [system] SET IsActive = 1 WHERE Dept = '信息系'");
    auto w = start();
    auto* dept = child<QComboBox>(*w, "cbbCurrentDept");

    dialogs.inputAnswers = {QString("wrong"), std::nullopt};
    w->FormDblClick();
    w->FormDblClick();
    EXPECT_FALSE(dept->isEnabled());
    const auto before = dialogs.messages().size();

    dialogs.inputAnswers = {app::kLockCode};
    w->FormDblClick();
    EXPECT_TRUE(dept->isEnabled());
    EXPECT_EQ(dialogs.messages().size(), before);  // the lock itself says nothing

    dept->setCurrentText("经管系");
    w->actSetActiveDeptExecute();
    EXPECT_EQ(activeDept(), "经管系");
    dept->setCurrentText("信息系");  // back to the start value within the same run
    w->actSetActiveDeptExecute();
    EXPECT_EQ(activeDept(), "信息系");
    dept->setCurrentText("教务处");
    w->actSetActiveDeptExecute();
    EXPECT_EQ(db::toInteger(raw.scalar("SELECT Count(*) FROM [system] WHERE IsActive = 1")), 0);

    dialogs.inputAnswers = {app::kLockCode};
    w->FormDblClick();
    EXPECT_FALSE(dept->isEnabled());
}

TEST_F(MainWindowTest, AnalysisLockRefusesAWrongCode) {
    auto w = start();
    dialogs.shown.clear();
    dialogs.inputAnswers = {QString("x")};
    w->bbtnCrcAnalysisClick();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0], "请核对密码，或与相关人员联系！");
    EXPECT_EQ(dialogs.shown[0].title, "输入密码锁");
    EXPECT_EQ(dialogs.shown[0].text, "锁值为：");
}

TEST_F(MainWindowTest, WindowsAreFoundByNameOrMadeAnew) {
    auto w = start();
    int made = 0;
    w->registry().add("frmRoomCrc", [&](QWidget*) {
        ++made;
        return new QWidget;
    });
    w->registry().add("frmPreCrcPlanTask", [](QWidget*) { return new QWidget; });
    QWidget* first = w->openWindow("frmRoomCrc");
    ASSERT_NE(first, nullptr);
    first->close();  // closing a single window hides it
    EXPECT_EQ(w->openWindow("frmRoomCrc"), first);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(first->objectName(), "frmRoomCrc");
    QWidget* plan1 = w->openWindow("frmPreCrcPlanTask");
    QWidget* plan2 = w->openWindow("frmPreCrcPlanTask");
    EXPECT_NE(plan1, plan2);

    dialogs.shown.clear();
    w->registry().add("frmClassCrc", [](QWidget*) -> QWidget* { throw std::runtime_error("坏了"); });
    w->registry().add("frmCrcQuery", [](QWidget*) -> QWidget* { throw std::runtime_error("静默"); });
    EXPECT_EQ(w->openWindow("frmClassCrc"), nullptr);
    EXPECT_EQ(w->openWindow("frmCrcQuery"), nullptr);
    EXPECT_EQ(dialogs.messages(), std::vector<QString>{"坏了"});  // the search's errors are ignored
}

TEST_F(MainWindowTest, AboutBoxShowsTheBuildsVersion) {
    auto w = start();
    w->N9Click();
    auto* about = w->findChild<QDialog*>("frmAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(about->findChild<QLabel*>("lblVersion")->text().contains(TESSORY_VERSION_TEXT));
    saveScreenshot(*about, "about_box.png");
    about->close();  // made anew each time: closing destroys it
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w->findChild<QDialog*>("frmAbout"), nullptr);
}

TEST_F(MainWindowTest, ButtonsOfWindowsNotYetBuiltAreDisabled) {
    auto w = start();
    auto* merge = child<QPushButton>(*w, "btnCrcMerge");
    EXPECT_FALSE(merge->isEnabled());
    EXPECT_FALSE(merge->toolTip().isEmpty());
}

TEST_F(MainWindowTest, RemoteDatabaseWindow) {
    auto w = start();
    // This machine's own share is a folder of that name in the home folder.
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QByteArray::fromStdString(dir.path().string()));
    QDir().mkpath(QString::fromStdString(dir.path().string()) + "/CrcData");
    db::schema::createDatabase(dir.path().string() + "/CrcData/Korvane.dat", kPassword);

    w->N10Click();
    auto* window = w->findChild<app::TfrmData*>("frmData");
    ASSERT_NE(window, nullptr);
    saveScreenshot(*window, "remote_database.png");
    dialogs.shown.clear();
    window->btnConnectTestClick();
    EXPECT_EQ(dialogs.messages().back(), "指定数据库连接成功");
    EXPECT_EQ(data->acData.path(), folder + "Korvane.dat");  // the shared connection is untouched

    auto* host = window->findChild<QComboBox*>("cbbHost");
    host->setCurrentText("no-such-host");
    window->btnConnectTestClick();
    EXPECT_EQ(dialogs.messages().back(), "无法连接指定的数据库");
    const auto shownBefore = dialogs.shown.size();
    window->btnSetClick();
    EXPECT_EQ(dialogs.shown.size(), shownBefore);  // a failed set says nothing
    EXPECT_EQ(data->DataSiteText, "本机");
    EXPECT_EQ(data->acData.path(), folder + "Korvane.dat");
    EXPECT_FALSE(window->isVisible());

    w->N10Click();  // the same window again, with the texts last typed
    EXPECT_EQ(w->findChild<app::TfrmData*>("frmData"), window);
    EXPECT_EQ(host->currentText(), "no-such-host");
    host->setCurrentText("127.0.0.1");
    window->btnSetClick();
    EXPECT_EQ(data->DataSiteText, "网络");
    EXPECT_EQ(data->acData.path(), dir.path().string() + "/CrcData/Korvane.dat");
    w->FormPaint();
    EXPECT_EQ(child<QLabel>(*w, "lblDataSite")->text(), "网络");
    qputenv("HOME", home);
}

}  // namespace
