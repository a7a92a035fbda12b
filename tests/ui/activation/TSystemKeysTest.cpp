// The System Hot Keys dialog driven through its controls, over a real macro file.

#include "ui/activation/TSystemKeys.h"

#include "engine/activation/HotKeys.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/RecordingPrompts.h"
#include "support/TempMacroFile.h"
#include "ui/activation/HotKeyBox.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ui/support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::ui;

namespace {

constexpr auto kCtrlAlt = Qt::ControlModifier | Qt::AltModifier;

class TSystemKeysTest : public ::testing::Test, protected test::TempMacroFile {
protected:
    TSystemKeysTest() {
        settings.currentFile = dir.File("SYS.KVN");
        file.LoadMacroFile(settings.currentFile); // places 1..4: the SYSTEM macros
    }

    void AddGlobal(const char* key) {
        MacroRecord r;
        r.nickname = "global";
        r.activation = static_cast<std::uint16_t>(HotKeyFromName(key).value());
        block.SetMacroCount(block.MacroCount() + 1);
        ASSERT_TRUE(file.WriteMacroRecord(MacroFile::kAppend, r));
    }

    void ShowActive(QWidget& w) {
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }

    std::uint16_t OnDisk(int place) {
        MacroRecord r;
        EXPECT_TRUE(file.ReadMacroRecord(place, r));
        return r.activation;
    }

    int saves = 0;
    std::vector<bool> secondary;
    ActivationDialogParts parts{file,
                                block,
                                settings,
                                prompts,
                                [this] { ++saves; },
                                [this](bool on) { secondary.push_back(on); }};
};

TEST_F(TSystemKeysTest, ShowsTheSystemKeysAndTheMenuSetting) {
    settings.systemMenu = 3;
    TSystemKeys d(parts);
    EXPECT_EQ(d.windowTitle(), "System Hot Keys");
    EXPECT_EQ(d.Box(SystemCommand::ActivateProgram)->text().toStdString(),
              HotKeyName(kSystemMacros[0].activation));
    EXPECT_EQ(d.Box(SystemCommand::MenuTopWindow)->text().toStdString(),
              HotKeyName(kSystemMacros[3].activation));
    EXPECT_TRUE(d.Box(SystemCommand::ResumePause)->isReadOnly());
    EXPECT_TRUE(d.ShowNick()->isChecked());
    EXPECT_EQ(d.ShowText()->text(), "&First Part of Macro");
}

TEST_F(TSystemKeysTest, ABoxWaitsForAKeyOnlyWhileItHasTheFocus) {
    TSystemKeys d(parts);
    ShowActive(d);
    secondary.clear();
    d.Box(SystemCommand::StartCapture)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(secondary, std::vector<bool>{true});
    d.OkButton()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(secondary, (std::vector<bool>{true, false}));

    d.FocusCommand(4);
    EXPECT_TRUE(d.Box(SystemCommand::MenuTopWindow)->hasFocus());
    secondary.clear();
    d.reject();
    EXPECT_FALSE(secondary.empty());
    EXPECT_FALSE(secondary.back());
}

TEST_F(TSystemKeysTest, AKeyPressedInABoxShowsItsName) {
    TSystemKeys d(parts);
    ShowActive(d);
    HotKeyBox* box = d.Box(SystemCommand::ActivateProgram);
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_N, kCtrlAlt);
    EXPECT_EQ(box->text(), "Ctrl+Alt+N");
    EXPECT_TRUE(prompts.Records().empty());
    // A mnemonic is a hot key here: Alt+O does not press "&Ok".
    QTest::keyClick(box, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(box->text(), "Alt+O");
    EXPECT_TRUE(d.isVisible());
    // Plain Tab is no hot key and moves on.
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(box->text(), "Alt+O");
    EXPECT_FALSE(box->hasFocus());
}

TEST_F(TSystemKeysTest, AKeyInUseIsRefused) {
    AddGlobal("Ctrl+Alt+N");
    TSystemKeys d(parts);
    ShowActive(d);
    HotKeyBox* box = d.Box(SystemCommand::ResumePause);
    const QString before = box->text();
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_N, kCtrlAlt);
    ASSERT_EQ(prompts.Records().size(), 1u);
    EXPECT_EQ(prompts.Records()[0].text,
              "The hot key \"Ctrl+Alt+N\" is already in use by a macro.  If you wish to use this "
              "hot key combination, you will first need to either remove or move the macro which "
              "is assigned to it.");
    EXPECT_EQ(prompts.Records()[0].caption, "Error");
    EXPECT_EQ(box->text(), before);
}

TEST_F(TSystemKeysTest, OkRefusesOneKeyForTwoCommands) {
    TSystemKeys d(parts);
    ShowActive(d);
    for (SystemCommand c : {SystemCommand::StartCapture, SystemCommand::MenuTopWindow}) {
        d.Box(c)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(d.Box(c), Qt::Key_N, kCtrlAlt);
    }
    QTest::mouseClick(d.OkButton(), Qt::LeftButton);
    ASSERT_EQ(prompts.Records().size(), 1u);
    EXPECT_EQ(prompts.Records()[0].text,
              "The same hot key has been assigned to more than one system command.");
    EXPECT_EQ(prompts.Records()[0].caption, "Error");
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(OnDisk(2), kSystemMacros[1].activation);
}

TEST_F(TSystemKeysTest, OkWritesTheChangedRecordAndTheSetting) {
    TSystemKeys d(parts);
    ShowActive(d);
    HotKeyBox* box = d.Box(SystemCommand::StartCapture);
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_N, kCtrlAlt);
    d.ShowIcon()->setChecked(true);
    QTest::mouseClick(d.OkButton(), Qt::LeftButton);

    EXPECT_TRUE(prompts.Records().empty());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    const int code = HotKeyFromName("Ctrl+Alt+N").value();
    EXPECT_EQ(OnDisk(2), code);
    EXPECT_EQ(OnDisk(1), kSystemMacros[0].activation);
    EXPECT_EQ(block.Activation(2), code);
    EXPECT_TRUE(block.HotKeyFlag(code));
    EXPECT_FALSE(block.HotKeyFlag(kSystemMacros[1].activation));
    EXPECT_EQ(settings.systemMenu, 2);
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(secondary.back());
}

TEST_F(TSystemKeysTest, CancelWritesNothing) {
    TSystemKeys d(parts);
    ShowActive(d);
    HotKeyBox* box = d.Box(SystemCommand::StartCapture);
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_N, kCtrlAlt);
    d.ShowNick()->setChecked(true);
    QTest::mouseClick(d.CancelButton(), Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(OnDisk(2), kSystemMacros[1].activation);
    EXPECT_EQ(settings.systemMenu, 1);
    EXPECT_EQ(saves, 0);
}

} // namespace
