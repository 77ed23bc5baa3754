#include "widgets/record_navigator.h"

#include <gtest/gtest.h>

#include <QToolButton>

#include "tests/support/scripted_dialogs.h"
#include "tests/widgets/sample_db.h"

namespace {

using Nav = widgets::RecordNavigator;

struct NavigatorOnClasses : ::testing::Test {
    NavigatorOnClasses() { query.open(widgets_test::SampleDb::kClasses); }

    void click(Nav::Button which) { navigator.button(which)->click(); }
    bool enabled(Nav::Button which) { return navigator.button(which)->isEnabled(); }

    widgets_test::SampleDb sample;
    db::Query query{sample.connection};
    testing_support::ScriptedDialogs dialogs;
    Nav navigator{query, dialogs};
};

TEST_F(NavigatorOnClasses, MovesAndEnablesByPosition) {
    const struct {
        Nav::Button button;
        int row;
        bool backEnabled;     // first and prior
        bool forwardEnabled;  // next and last
    } steps[] = {
        {Nav::Next, 1, true, true},
        {Nav::Last, 4, true, false},
        {Nav::Prior, 3, true, true},
        {Nav::First, 0, false, true},
    };
    EXPECT_FALSE(enabled(Nav::First));
    EXPECT_FALSE(enabled(Nav::Prior));
    for (const auto& step : steps) {
        SCOPED_TRACE(step.row);
        click(step.button);
        EXPECT_EQ(query.rowNumber(), step.row);
        EXPECT_EQ(enabled(Nav::First), step.backEnabled);
        EXPECT_EQ(enabled(Nav::Prior), step.backEnabled);
        EXPECT_EQ(enabled(Nav::Next), step.forwardEnabled);
        EXPECT_EQ(enabled(Nav::Last), step.forwardEnabled);
    }
}

TEST_F(NavigatorOnClasses, PostAndCancelOnlyWhileEditing) {
    EXPECT_FALSE(enabled(Nav::Post));
    EXPECT_FALSE(enabled(Nav::Cancel));
    click(Nav::Edit);
    EXPECT_EQ(query.state(), db::RowSet::State::Edit);
    EXPECT_TRUE(enabled(Nav::Post));
    EXPECT_TRUE(enabled(Nav::Cancel));
    EXPECT_FALSE(enabled(Nav::Edit));

    query.field(1).set(std::string("改名"));
    click(Nav::Post);
    EXPECT_EQ(sample.text("SELECT 班号 FROM Class WHERE ID = 1"), "改名");
    EXPECT_FALSE(enabled(Nav::Post));

    click(Nav::Insert);
    EXPECT_EQ(query.state(), db::RowSet::State::Insert);
    EXPECT_FALSE(enabled(Nav::Delete));
    click(Nav::Cancel);
    EXPECT_EQ(query.state(), db::RowSet::State::Browse);
    EXPECT_EQ(query.rowCount(), 5);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(NavigatorOnClasses, DeleteAsksFirst) {
    query.last();
    dialogs.confirmAnswers = {false, true};
    click(Nav::Delete);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "confirm");
    EXPECT_EQ(dialogs.shown[0].title, widgets::kMessageTitle);
    EXPECT_EQ(dialogs.shown[0].text, "删除当前记录吗？");
    EXPECT_EQ(query.rowCount(), 5);
    EXPECT_EQ(sample.text("SELECT count(*) FROM Class"), "5");

    click(Nav::Delete);
    EXPECT_EQ(query.rowCount(), 4);
    EXPECT_EQ(sample.text("SELECT count(*) FROM Class"), "4");
    // The last row went; the one before it is current.
    EXPECT_EQ(query.rowNumber(), 3);
    EXPECT_TRUE(enabled(Nav::Delete));
}

TEST_F(NavigatorOnClasses, RefreshRereadsAndButtonsCanBeHidden) {
    sample.connection.execute("INSERT INTO Class (班号) VALUES ('新班')");
    click(Nav::Refresh);
    EXPECT_EQ(query.rowCount(), 6);

    navigator.setButtons(Nav::First | Nav::Next | Nav::Refresh);
    for (auto which : {Nav::First, Nav::Prior, Nav::Next, Nav::Last, Nav::Insert, Nav::Delete,
                       Nav::Edit, Nav::Post, Nav::Cancel, Nav::Refresh})
        EXPECT_EQ(navigator.button(which)->isHidden(),
                  !(which == Nav::First || which == Nav::Next || which == Nav::Refresh))
            << navigator.button(which)->objectName().toStdString();
    EXPECT_EQ(navigator.button(Nav::First)->objectName(), "btnFirst");
}

TEST(RecordNavigator, FailedPostIsShownAndEditKept) {
    widgets_test::SampleDb sample;
    db::Query query(sample.connection);
    query.open(widgets_test::SampleDb::kJoined);
    testing_support::ScriptedDialogs dialogs;
    Nav navigator(query, dialogs);

    navigator.button(Nav::Edit)->click();
    query.field(1).set(std::string("新班"));
    navigator.button(Nav::Post)->click();

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "error");
    EXPECT_EQ(dialogs.shown[0].title, widgets::kMessageTitle);
    EXPECT_TRUE(dialogs.shown[0].text.contains("不能写入"));
    EXPECT_EQ(query.state(), db::RowSet::State::Edit);
    EXPECT_EQ(query.field(1).asText(), "新班");
    EXPECT_TRUE(navigator.button(Nav::Post)->isEnabled());
    EXPECT_EQ(sample.text("SELECT 班号 FROM Class WHERE ID = 1"), "甲班");
}

}  // namespace
