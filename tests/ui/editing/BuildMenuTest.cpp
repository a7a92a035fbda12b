// "Build Macro Menu" driven through its controls: a menu opened with its options and items,
// macros added, ordered and removed through the buttons, the icon, "OK" and "Cancel".

#include "ui/editing/TDoBuildMenu.h"

#include "engine/core/Limits.h"
#include "engine/mainwin/PopupMenuPlaces.h"
#include "platform/fake/RecordingPrompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <set>

using namespace kv;
using namespace kv::ui;

namespace {

std::vector<MacroRecord> Table() {
    std::vector<MacroRecord> table;
    for (const char* nick : {"a", "b", "c", "d", "e"}) {
        MacroRecord r;
        r.nickname = nick;
        r.activation = kActivationTypeword;
        r.typeword = nick;
        table.push_back(r);
    }
    table[4].scope = static_cast<std::uint16_t>(Scope::System); // never offered
    return table;
}

// A menu of "c" then "a", in the tray, showing icons of 48 x 48.
MacroRecord Menu() {
    MacroRecord rec;
    rec.nickname = "Tools";
    rec.scope = static_cast<std::uint16_t>(Scope::PopupMenu);
    rec.typeword = "Y23";
    rec.icon = "MENU";
    rec.text = MenuArea({3, 1});
    return rec;
}

std::vector<std::string> Nicknames(const QTreeWidget* list) {
    std::vector<std::string> out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out.push_back(list->topLevelItem(i)->text(0).toStdString());
    return out;
}

std::string Current(const QTreeWidget* list) {
    const QTreeWidgetItem* item = list->currentItem();
    return item ? item->text(0).toStdString() : std::string();
}

void Choose(QTreeWidget* list, int row) {
    list->setCurrentItem(list->topLevelItem(row));
}

class BuildMenuTest : public ::testing::Test {
protected:
    BuildMenuParts Parts(bool isNew = false) { return {prompts, Table(), "", {}, isNew}; }
    fake::RecordingPrompts prompts;
};

TEST_F(BuildMenuTest, AnExistingMenuOpensWithItsOptionsAndItemsInItsOrder) {
    MacroRecord rec = Menu();
    TDoBuildMenu d(Parts(), rec);
    EXPECT_EQ(d.windowTitle(), "Build Macro Menu");
    EXPECT_EQ(d.NickName()->text(), "Tools");
    EXPECT_EQ(d.NickName()->maxLength(), 50);
    EXPECT_TRUE(d.TrayBox()->isChecked());
    EXPECT_TRUE(d.IconMode()->isChecked());
    EXPECT_EQ(d.IconSize()->currentText(), "48 x 48");
    EXPECT_EQ(d.IconName(), "MENU");
    EXPECT_EQ(Nicknames(d.Script()), (std::vector<std::string>{"c", "a"}));
    EXPECT_EQ(Nicknames(d.OptionBox()), (std::vector<std::string>{"b", "d"}));
    EXPECT_EQ(d.Script()->topLevelItem(0)->text(2), "GLOBAL");
    // Nothing is chosen yet, so only the lists can be used.
    for (const char* name :
         {"AddButton", "InsertBefore", "InsertAfter", "DoUp", "DoDown", "RemoveIt"})
        EXPECT_FALSE(d.Button(name)->isEnabled()) << name;
}

TEST_F(BuildMenuTest, TheButtonsCaptionsHaveLettersOfTheirOwn) {
    MacroRecord rec = Menu();
    TDoBuildMenu d(Parts(), rec);
    std::set<QChar> letters;
    auto take = [&](const QString& caption) {
        const qsizetype amp = caption.indexOf(QLatin1Char('&'));
        ASSERT_GE(amp, 0) << caption.toStdString();
        EXPECT_TRUE(letters.insert(caption.at(amp + 1).toLower()).second) << caption.toStdString();
    };
    take(QStringLiteral("&Nickname"));
    for (const QAbstractButton* b : d.findChildren<QAbstractButton*>())
        if (b->objectName() != "MySpeed")
            take(b->text());
}

TEST_F(BuildMenuTest, AMacroIsAddedWhereItsButtonSays) {
    const struct {
        const char* button;
        std::vector<std::string> menu;
        int chosen;
    } cases[] = {
        {"AddButton", {"c", "a", "b"}, 2},
        {"InsertBefore", {"b", "c", "a"}, 0},
        {"InsertAfter", {"c", "b", "a"}, 1},
    };
    for (const auto& c : cases) {
        MacroRecord rec = Menu();
        TDoBuildMenu d(Parts(), rec);
        Choose(d.Script(), 0);
        Choose(d.OptionBox(), 0);
        EXPECT_TRUE(d.Button(c.button)->isEnabled()) << c.button;
        d.Button(c.button)->click();
        EXPECT_EQ(Nicknames(d.Script()), c.menu) << c.button;
        EXPECT_EQ(d.Script()->indexOfTopLevelItem(d.Script()->currentItem()), c.chosen);
        EXPECT_EQ(Nicknames(d.OptionBox()), (std::vector<std::string>{"d"}));
        EXPECT_EQ(Current(d.OptionBox()), "d") << c.button;
    }
}

TEST_F(BuildMenuTest, UpDownAndRemoveFollowTheChosenRow) {
    MacroRecord rec = Menu();
    TDoBuildMenu d(Parts(), rec);
    Choose(d.Script(), 0);
    EXPECT_FALSE(d.Button("DoUp")->isEnabled());
    EXPECT_TRUE(d.Button("DoDown")->isEnabled());
    EXPECT_TRUE(d.Button("RemoveIt")->isEnabled());
    d.Button("DoDown")->click();
    EXPECT_EQ(Nicknames(d.Script()), (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(Current(d.Script()), "c");
    EXPECT_TRUE(d.Button("DoUp")->isEnabled());
    EXPECT_FALSE(d.Button("DoDown")->isEnabled());
    d.Button("DoUp")->click();
    EXPECT_EQ(Nicknames(d.Script()), (std::vector<std::string>{"c", "a"}));
    d.Button("RemoveIt")->click();
    EXPECT_EQ(Nicknames(d.Script()), (std::vector<std::string>{"a"}));
    EXPECT_EQ(Nicknames(d.OptionBox()), (std::vector<std::string>{"b", "c", "d"}));
}

TEST_F(BuildMenuTest, AddingWithoutAnAvailableMacroChosenIsRefused) {
    MacroRecord rec = Menu();
    TDoBuildMenu d(Parts(), rec);
    d.AddALine(MenuBuilder::Mode::AtEnd);
    ASSERT_EQ(prompts.Records().size(), 1U);
    EXPECT_EQ(prompts.Records()[0],
              (fake::PromptRecord{"message", "No macro selected.  Please select one.", "Error"}));
    EXPECT_EQ(Nicknames(d.Script()), (std::vector<std::string>{"c", "a"}));
}

TEST_F(BuildMenuTest, OkStoresTheOptionsAndTheMenuInItsOrder) {
    const struct {
        bool tray;
        QRadioButton* (TDoBuildMenu::*mode)() const;
        int size;
        const char* options;
        bool trayChanged;
    } cases[] = {
        {true, &TDoBuildMenu::IconMode, 3, "Y23", false},
        {false, &TDoBuildMenu::FirstPart, 0, "N10", true},
        {true, &TDoBuildMenu::NickScope, 4, "Y34", false},
    };
    for (const auto& c : cases) {
        MacroRecord rec = Menu();
        TDoBuildMenu d(Parts(), rec);
        d.TrayBox()->setChecked(c.tray);
        (d.*c.mode)()->setChecked(true);
        d.IconSize()->setCurrentIndex(c.size);
        Choose(d.Script(), 0);
        d.Button("DoDown")->click();
        d.Button("OkButton")->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(rec.typeword, c.options);
        EXPECT_EQ(MenuPlaces(rec.text), (std::vector<int>{1, 3}));
        EXPECT_EQ(rec.scope, static_cast<unsigned>(Scope::PopupMenu));
        EXPECT_EQ(d.TrayChanged(), c.trayChanged) << c.options;
    }
}

TEST_F(BuildMenuTest, ANewMenuStartsEmptyAndIsSavedWithoutItems) {
    MacroRecord rec;
    rec.nickname = "left over";
    rec.typeword = "Y12";
    rec.icon = "MAIN";
    TDoBuildMenu d(Parts(true), rec);
    EXPECT_TRUE(d.NickName()->text().isEmpty());
    EXPECT_FALSE(d.TrayBox()->isChecked());
    EXPECT_TRUE(d.NickScope()->isChecked());
    EXPECT_EQ(d.IconSize()->currentText(), "16 x 16");
    EXPECT_EQ(d.IconName(), "MENU");
    EXPECT_EQ(d.Script()->topLevelItemCount(), 0);
    EXPECT_EQ(Nicknames(d.OptionBox()), (std::vector<std::string>{"a", "b", "c", "d"}));
    d.NickName()->setText("Fresh");
    d.Button("OkButton")->click();
    EXPECT_EQ(rec.text, MenuArea({}));
    EXPECT_TRUE(MenuPlaces(rec.text).empty());
    EXPECT_EQ(rec.typeword, "N30");
    EXPECT_EQ(rec.icon, "MENU");
    EXPECT_EQ(rec.nickname, "Fresh");
}

TEST_F(BuildMenuTest, CancelLeavesTheRecord) {
    const MacroRecord before = Menu();
    MacroRecord rec = before;
    TDoBuildMenu d(Parts(), rec);
    d.NickName()->setText("Changed");
    d.TrayBox()->setChecked(false);
    Choose(d.Script(), 0);
    d.Button("RemoveIt")->click();
    d.Button("CancelButton")->click();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(rec, before);
}

TEST_F(BuildMenuTest, AMissingIconFileIsShownAndStoredAsTheMenuIcon) {
    MacroRecord rec = Menu();
    rec.icon = "GONE.ICO";
    TDoBuildMenu d(Parts(), rec);
    EXPECT_EQ(d.IconName(), "MENU");
    d.Button("OkButton")->click();
    EXPECT_EQ(rec.icon, "MENU");
}

TEST_F(BuildMenuTest, ARightClickAsksAndPutsTheMenuIconBack) {
    MacroRecord rec = Menu();
    rec.icon = "MAIN";
    TDoBuildMenu d(Parts(), rec);
    EXPECT_EQ(d.IconName(), "MAIN");
    d.ResetIcon(); // answered No
    EXPECT_EQ(d.IconName(), "MAIN");
    prompts.QueueAnswer(true);
    d.ResetIcon();
    EXPECT_EQ(d.IconName(), "MENU");
    ASSERT_EQ(prompts.Records().size(), 2U);
    EXPECT_EQ(prompts.Records()[1].text, "Reset icon to program default?");
}

} // namespace
