// The System Hot Keys dialog's rules: which macros it edits, which keys it refuses, and the
// records it writes.

#include "engine/activation/SystemKeys.h"

#include "engine/activation/HotKeys.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/RecordingPrompts.h"
#include "support/TempMacroFile.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

int Code(const char* name) {
    return HotKeyFromName(name).value();
}

std::string InUse(const std::string& name) {
    return "The hot key \"" + name +
           "\" is already in use by a macro.  If you wish to use this hot key combination, you "
           "will first need to either remove or move the macro which is assigned to it.";
}

class SystemKeysTest : public ::testing::Test, protected test::TempMacroFile {
protected:
    SystemKeysTest() {
        settings.currentFile = dir.File("SYS.KVN");
        file.LoadMacroFile(settings.currentFile); // places 1..4: the SYSTEM macros
    }

    int Add(int activation, Scope scope, const std::string& scopeName = "") {
        MacroRecord r;
        r.nickname = "m" + std::to_string(block.MacroCount() + 1);
        r.activation = static_cast<std::uint16_t>(activation);
        r.scope = static_cast<std::uint16_t>(scope);
        r.scopeName = scopeName;
        block.SetMacroCount(block.MacroCount() + 1);
        EXPECT_TRUE(file.WriteMacroRecord(MacroFile::kAppend, r));
        return block.MacroCount();
    }

    MacroRecord OnDisk(int place) {
        MacroRecord r;
        EXPECT_TRUE(file.ReadMacroRecord(place, r));
        return r;
    }
};

TEST_F(SystemKeysTest, FindsTheFirstSystemMacroOfEachDigit) {
    // A Window macro whose title starts with a digit is no SYSTEM macro; a second SYSTEM
    // macro with digit 2 comes after the first one and is not the one edited.
    Add(Code("Ctrl+Q"), Scope::Window, "1 WINDOW");
    const int second = Add(Code("Ctrl+R"), Scope::System, "2");
    EXPECT_EQ(FindSystemMacros(block), (std::array<int, 4>{1, 2, 3, 4}));
    EXPECT_NE(second, 2);

    SystemKeys keys(block);
    EXPECT_EQ(keys.Code(SystemCommand::ActivateProgram), kSystemMacros[0].activation);
    EXPECT_EQ(keys.Name(SystemCommand::MenuTopWindow), HotKeyName(kSystemMacros[3].activation));
}

TEST_F(SystemKeysTest, AMissingSystemMacroHasNoCodeAndTakesNoKey) {
    OwnedSharedBlock other;
    other.SetMacroCount(1);
    other.SetScope(1, static_cast<std::uint16_t>(Scope::System));
    other.SetScopeName(1, "3");
    other.SetActivation(1, static_cast<std::uint16_t>(Code("Ctrl+Alt+R")));
    EXPECT_EQ(FindSystemMacros(other), (std::array<int, 4>{0, 0, 1, 0}));

    SystemKeys keys(other);
    EXPECT_EQ(keys.Code(SystemCommand::ActivateProgram), -1);
    EXPECT_EQ(keys.Name(SystemCommand::ActivateProgram), "");
    EXPECT_FALSE(keys.KeyPressed(SystemCommand::ActivateProgram, Code("Ctrl+Alt+N")));
    EXPECT_EQ(keys.Code(SystemCommand::ActivateProgram), -1);
    EXPECT_FALSE(keys.CheckOk());
}

TEST_F(SystemKeysTest, AKeyOfAGlobalPopupOrSystemMacroIsInUse) {
    Add(Code("Ctrl+G"), Scope::Global);
    Add(Code("Ctrl+P"), Scope::PopupMenu);
    Add(Code("Ctrl+W"), Scope::Window, "NOTEPAD");
    Add(Code("Ctrl+E"), Scope::Program, "EDITOR.EXE");

    const std::string system = HotKeyName(kSystemMacros[1].activation);
    for (const std::string& used : {std::string("Ctrl+G"), std::string("Ctrl+P"), system}) {
        const auto refusal = HotKeyInUse(block, Code(used.c_str()));
        ASSERT_TRUE(refusal) << used;
        EXPECT_EQ(refusal->text, InUse(used));
        EXPECT_EQ(refusal->caption, "Error");
    }
    // Window and Program macros only play in their window: their keys stay free.
    EXPECT_FALSE(HotKeyInUse(block, Code("Ctrl+W")));
    EXPECT_FALSE(HotKeyInUse(block, Code("Ctrl+E")));
    EXPECT_FALSE(HotKeyInUse(block, Code("Ctrl+Alt+N")));
}

TEST_F(SystemKeysTest, TimedMacrosAndTypewordsHoldNoHotKey) {
    Add(static_cast<int>(kActivationTimed), Scope::Global);
    Add(static_cast<int>(kActivationTypeword), Scope::Global);
    for (int code = 0; code < kHotKeyCodes; ++code) {
        bool system = false;
        for (const SystemMacro& m : kSystemMacros)
            system = system || m.activation == code;
        EXPECT_EQ(HotKeyInUse(block, code).has_value(), system) << code;
    }
}

TEST_F(SystemKeysTest, ARefusedKeyLeavesTheCommandAsItWas) {
    Add(Code("Ctrl+G"), Scope::Global);
    SystemKeys keys(block);
    const auto refusal = keys.KeyPressed(SystemCommand::StartCapture, Code("Ctrl+G"));
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, InUse("Ctrl+G"));
    EXPECT_EQ(keys.Code(SystemCommand::StartCapture), kSystemMacros[1].activation);

    EXPECT_FALSE(keys.KeyPressed(SystemCommand::StartCapture, Code("Ctrl+Alt+N")));
    EXPECT_EQ(keys.Name(SystemCommand::StartCapture), "Ctrl+Alt+N");
}

TEST_F(SystemKeysTest, OkRefusesOneKeyForTwoCommands) {
    SystemKeys keys(block);
    EXPECT_FALSE(keys.CheckOk());
    ASSERT_FALSE(keys.KeyPressed(SystemCommand::ActivateProgram, Code("Ctrl+Alt+N")));
    ASSERT_FALSE(keys.KeyPressed(SystemCommand::MenuTopWindow, Code("Ctrl+Alt+N")));
    const auto refusal = keys.CheckOk();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, "The same hot key has been assigned to more than one system command.");
    EXPECT_EQ(refusal->caption, "Error");

    ASSERT_FALSE(keys.KeyPressed(SystemCommand::MenuTopWindow, Code("Ctrl+Alt+M")));
    EXPECT_FALSE(keys.CheckOk());
}

TEST_F(SystemKeysTest, WritesOnlyTheChangedRecords) {
    const MacroRecord before3 = OnDisk(3);
    MacroRecord before2 = OnDisk(2);
    SystemKeys keys(block);
    ASSERT_FALSE(keys.KeyPressed(SystemCommand::StartCapture, Code("Ctrl+Alt+N")));
    ASSERT_TRUE(keys.WriteChanges(file));

    before2.activation = static_cast<std::uint16_t>(Code("Ctrl+Alt+N"));
    EXPECT_EQ(OnDisk(2), before2); // nothing else of the record changed
    EXPECT_EQ(OnDisk(3), before3);
    EXPECT_EQ(block.Activation(2), Code("Ctrl+Alt+N"));
    EXPECT_EQ(settings.names.nickname[2], kSystemMacros[1].nickname);
    EXPECT_EQ(ScanMacroFile(settings.currentFile).records.size(), 4u);
}

TEST_F(SystemKeysTest, WritingToAVanishedFileFails) {
    SystemKeys keys(block);
    ASSERT_FALSE(keys.KeyPressed(SystemCommand::ResumePause, Code("Ctrl+Alt+N")));
    std::filesystem::remove(settings.currentFile);
    EXPECT_FALSE(keys.WriteChanges(file));
}

} // namespace
