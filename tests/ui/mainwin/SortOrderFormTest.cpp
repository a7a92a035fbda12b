#include "ui/mainwin/SortOrderForm.h"

#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace kv;
using kv::ui::SortOrderForm;
using List = SortOrderForm::List;

namespace {

QStringList Items(const QListWidget* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->item(i)->text();
    return items;
}

class SortOrderFormTest : public ::testing::Test {
protected:
    void Click(List list, int row) {
        QListWidget* box = form.ListBox(list);
        QListWidgetItem* item = box->item(row);
        box->scrollToItem(item);
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(item).center());
    }
    bool UpShown(List list) const { return !form.UpArrow(list)->isHidden(); }
    bool DownShown(List list) const { return !form.DownArrow(list)->isHidden(); }

    Settings settings;
    int saves = 0;
    SortOrderForm form{settings, [this] { ++saves; }};
};

TEST_F(SortOrderFormTest, ListsFollowTheirSettings) {
    Settings s;
    s.activationSort = "312";
    s.scopeSort = "54321";
    SortOrderForm f(s, {});
    EXPECT_EQ(f.windowTitle(), "Sort Order");
    EXPECT_EQ(Items(f.ListBox(List::Primary)), (QStringList{"Activation", "Nickname", "Scope"}));
    EXPECT_EQ(Items(f.ListBox(List::Activation)),
              (QStringList{"Timed Macro", "Hot Key", "Typeword"}));
    EXPECT_EQ(
        Items(f.ListBox(List::Scope)),
        (QStringList{"System", "PopUp Menu", "Specific Program", "Specific Window", "Global"}));
    EXPECT_EQ(f.OkButton()->text(), "&Ok");
    EXPECT_EQ(f.CancelButton()->text(), "&Cancel");
}

TEST_F(SortOrderFormTest, ArrowsShowOnlyWhereAMoveIsPossible) {
    for (List list : {List::Primary, List::Activation, List::Scope}) {
        EXPECT_FALSE(UpShown(list));
        EXPECT_FALSE(DownShown(list));
    }
    form.show();
    Click(List::Scope, 0);
    EXPECT_FALSE(UpShown(List::Scope));
    EXPECT_TRUE(DownShown(List::Scope));
    Click(List::Scope, 2);
    EXPECT_TRUE(UpShown(List::Scope));
    EXPECT_TRUE(DownShown(List::Scope));
    Click(List::Scope, 4);
    EXPECT_TRUE(UpShown(List::Scope));
    EXPECT_FALSE(DownShown(List::Scope));
    // The other lists keep their own selection and arrows.
    EXPECT_FALSE(UpShown(List::Primary));
    EXPECT_FALSE(DownShown(List::Primary));

    // Climbing to the top hides the up arrow there.
    for (int i = 0; i < 4; ++i)
        QTest::mouseClick(form.UpArrow(List::Scope), Qt::LeftButton);
    EXPECT_EQ(form.ListBox(List::Scope)->currentRow(), 0);
    EXPECT_EQ(form.ListBox(List::Scope)->currentItem()->text(), "System");
    EXPECT_FALSE(UpShown(List::Scope));
    EXPECT_TRUE(DownShown(List::Scope));
}

TEST_F(SortOrderFormTest, TheKeyboardSelectsAndShowsTheArrows) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QListWidget* box = form.ListBox(List::Activation);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);
    EXPECT_EQ(box->currentRow(), 2);
    EXPECT_TRUE(box->item(2)->isSelected());
    EXPECT_TRUE(UpShown(List::Activation));
    EXPECT_FALSE(DownShown(List::Activation));
}

TEST_F(SortOrderFormTest, OkStoresTheMovedOrdersAndSaves) {
    form.show();
    Click(List::Primary, 0); // Activation below Nickname
    QTest::mouseClick(form.DownArrow(List::Primary), Qt::LeftButton);
    EXPECT_EQ(Items(form.ListBox(List::Primary)), (QStringList{"Nickname", "Activation", "Scope"}));
    Click(List::Activation, 2); // Timed Macro to the top
    QTest::mouseClick(form.UpArrow(List::Activation), Qt::LeftButton);
    QTest::mouseClick(form.UpArrow(List::Activation), Qt::LeftButton);
    Click(List::Scope, 4); // System above PopUp Menu
    QTest::mouseClick(form.UpArrow(List::Scope), Qt::LeftButton);
    EXPECT_EQ(saves, 0);

    QTest::mouseClick(form.OkButton(), Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(settings.primarySort, "213");
    EXPECT_EQ(settings.activationSort, "312");
    EXPECT_EQ(settings.scopeSort, "12354");
    EXPECT_EQ(saves, 1);
}

TEST_F(SortOrderFormTest, CancelLeavesTheSettingsAlone) {
    form.show();
    Click(List::Primary, 2);
    QTest::mouseClick(form.UpArrow(List::Primary), Qt::LeftButton);
    QTest::mouseClick(form.CancelButton(), Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(settings.primarySort, "123");
    EXPECT_EQ(saves, 0);
}

} // namespace
