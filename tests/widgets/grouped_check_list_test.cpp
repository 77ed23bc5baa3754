#include "widgets/grouped_check_list.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

using widgets::GroupedCheckList;

struct CheckListTest : ::testing::Test {
    CheckListTest() {
        list.addItems({"//一年级", "语文", "数学", "//二年级", "英语"});
        list.resize(200, 200);
        list.show();
    }

    void clickRow(int row) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(list.item(row)).center());
    }

    GroupedCheckList list;
};

TEST_F(CheckListTest, HeadersOpenAndCloseTheirGroup) {
    EXPECT_EQ(list.item(0)->text(), "▾ 一年级");
    EXPECT_TRUE(list.item(0)->font().bold());
    EXPECT_FALSE(list.item(0)->flags() & Qt::ItemIsUserCheckable);
    EXPECT_TRUE(list.item(1)->flags() & Qt::ItemIsUserCheckable);

    clickRow(0);
    EXPECT_EQ(list.item(0)->text(), "▸ 一年级");
    EXPECT_FALSE(list.isGroupOpen(0));
    EXPECT_TRUE(list.item(1)->isHidden());
    EXPECT_TRUE(list.item(2)->isHidden());
    EXPECT_FALSE(list.item(3)->isHidden());
    EXPECT_FALSE(list.item(4)->isHidden());

    clickRow(3);
    EXPECT_TRUE(list.item(4)->isHidden());
    clickRow(0);
    EXPECT_FALSE(list.item(1)->isHidden());
    EXPECT_FALSE(list.item(2)->isHidden());
    EXPECT_TRUE(list.item(4)->isHidden());
    EXPECT_EQ(list.item(0)->text(), "▾ 一年级");
}

TEST_F(CheckListTest, CheckedItemsInOrder) {
    EXPECT_TRUE(list.checkedItems().isEmpty());
    list.item(4)->setCheckState(Qt::Checked);
    list.item(2)->setCheckState(Qt::Checked);
    list.setGroupOpen(3, false);  // a closed group still counts
    EXPECT_EQ(list.checkedItems(), QStringList({"数学", "英语"}));
    EXPECT_EQ(list.checkedText("、"), "数学、英语");

    list.setAllChecked(true);
    EXPECT_EQ(list.checkedItems(), QStringList({"语文", "数学", "英语"}));
    list.setAllChecked(false);
    EXPECT_EQ(list.checkedText(","), "");
}

}  // namespace
