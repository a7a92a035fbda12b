// The rules of the capture dialogs: the options and their enabling, the labels and scope of
// "Capture Macro", and what "Capture Complete" refuses, asks and stores.

#include "engine/capture/CaptureDialogs.h"

#include "engine/activation/HotKeys.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace kv;

namespace {

int Code(const char* name) {
    return HotKeyFromName(name).value();
}

MacroRecord Macro(int activation, Scope scope = Scope::Global, const char* typeword = "") {
    MacroRecord r;
    r.activation = static_cast<std::uint16_t>(activation);
    r.scope = static_cast<std::uint16_t>(scope);
    r.typeword = typeword;
    r.topMostOnly = 1;
    return r;
}

class CaptureDialogsTest : public ::testing::Test {
protected:
    CaptureDialogsTest() {
        Add(Code("Ctrl+G"), Scope::Global, "2 not a system macro");
        Add(Code("Ctrl+P"), Scope::PopupMenu, "");
        Add(Code("Ctrl+Alt+Shift+X"), Scope::System, "2"); // ends every capture
        Add(Code("Ctrl+Alt+Shift+Y"), Scope::System, "2 second");
        Add(Code("Ctrl+W"), Scope::Window, "Notepad");
        Add(kActivationTypeword, Scope::Global, "");
    }
    void Add(int activation, Scope scope, const char* scopeName) {
        const int place = block.MacroCount() + 1;
        block.SetMacroCount(place);
        block.SetActivation(place, static_cast<std::uint16_t>(activation));
        block.SetScope(place, static_cast<std::uint16_t>(scope));
        block.SetScopeName(place, scopeName);
    }
    OwnedSharedBlock block;
};

TEST(CaptureChoicesTest, EachControlIsEnabledOnlyWhereItMatters) {
    const struct {
        bool keys, mouse, screen, time;
        CaptureEnabling enabled; // screen/window, window size, double Alt, speeds
    } cases[] = {
        {true, true, true, true, {true, false, true, true}},
        {true, true, false, true, {true, true, true, true}},
        {true, false, false, true, {false, false, true, true}},
        {false, true, false, false, {true, true, false, false}},
        {false, false, true, false, {false, false, false, false}},
    };
    for (const auto& c : cases) {
        CaptureChoices o;
        std::tie(o.keys, o.mouse, o.relativeToScreen, o.time) =
            std::tie(c.keys, c.mouse, c.screen, c.time);
        EXPECT_EQ(CaptureEnablingOf(o), c.enabled) << c.keys << c.mouse << c.screen << c.time;
    }
    // A "Speed" the dialogs cannot show reads as actual speed.
    Settings s;
    s.captureSpeed = 5;
    EXPECT_EQ(CaptureChoices::From(s).speed, CaptureSpeed::Actual);
}

TEST_F(CaptureDialogsTest, TheLabelsNameTheActivationAndTheKeysThatEndTheCapture) {
    const std::string stop = "Press Ctrl+Alt+Shift+X to end capture";
    const std::string button = HotKeyName(kKeyHotKeyCodes); // a mouse button is a hot key too
    const struct {
        MacroRecord rec;
        CaptureKeysLabels labels;
    } cases[] = {
        {Macro(kActivationTypeword, Scope::Global, "sig"), {"Typeword: sig", stop, ""}},
        {Macro(Code("Ctrl+F5")), {"Ctrl+F5", stop, "Or Press Ctrl+F5 to end capture"}},
        {Macro(kKeyHotKeyCodes), {button, stop, "Or Press " + button + " to end capture"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CaptureKeysLabelsOf(c.rec, block), c.labels) << c.labels.activation;
    OwnedSharedBlock none;
    EXPECT_FALSE(StartStopCaptureCode(none));
    EXPECT_EQ(CaptureKeysLabelsOf(Macro(Code("Ctrl+F5")), none).stopKey, "");
}

TEST_F(CaptureDialogsTest, GlobalIsLockedForANonGlobalMacroOnAGlobalMacrosKey) {
    EXPECT_TRUE(CaptureGlobalLocked(Macro(Code("Ctrl+G"), Scope::Program), block));
    EXPECT_FALSE(CaptureGlobalLocked(Macro(Code("Ctrl+G"), Scope::Global), block));
    EXPECT_FALSE(CaptureGlobalLocked(Macro(Code("Ctrl+W"), Scope::Program), block));
    // Typewords share one activation code, which is no hot key.
    EXPECT_FALSE(CaptureGlobalLocked(Macro(kActivationTypeword, Scope::Program), block));
    // A new macro whose hot key the add dialog found taken.
    EXPECT_TRUE(CaptureGlobalLocked(Macro(Code("Ctrl+Q")), block, true));
}

TEST_F(CaptureDialogsTest, CaptureCompleteRefusesOrAsksInItsOrder) {
    const std::string noKey = "No hot key selected.  Please select one.";
    const std::string taken = "A Global Hot Key is already in use for the selected hot key.  "
                              "Please select a different one or choose the Program specific "
                              "option.";
    const struct {
        CapCompleteChoice choice;
        std::string refusal; // caption "Error"; empty: none
        bool asked;          // the reserved-key question
    } cases[] = {
        {{false, -1, "sig", false, ""}, noKey, false},
        {{false, Code("Ctrl+G"), "", false, ""}, taken, false},
        {{false, Code("Ctrl+P"), "", false, ""}, taken, false},
        {{false, Code("Ctrl+Alt+Shift+X"), "", false, ""}, taken, false},
        {{false, Code("Ctrl+G"), "", true, ""}, "", false},
        {{false, Code("Ctrl+W"), "", false, ""}, "", false},
        {{false, Code("Win+R"), "", true, ""}, "", true},
        {{true, Code("Ctrl+G"), "   ", false, ""}, "No Typeword name entered.", false},
        {{true, -1, " sig ", false, ""}, "", false},
    };
    for (const auto& c : cases) {
        const CapCompleteCheck check = CheckCapComplete(c.choice, block);
        const std::string what = std::to_string(c.choice.hotKey) + "/" + c.choice.typewordName;
        EXPECT_EQ(check.refusal ? check.refusal->text + "|" + check.refusal->caption : "",
                  c.refusal.empty() ? "" : c.refusal + "|Error")
            << what;
        EXPECT_EQ(check.focusTypewordName, check.refusal && c.choice.typewords) << what;
        EXPECT_EQ(check.question.has_value(), c.asked) << what;
    }
    EXPECT_EQ(CheckCapComplete({false, Code("Win+R"), "", false, ""}, block).question,
              (EditorMessage{"Win+R may be used internally by Windows 95, 98 or NT.  This may "
                             "cause the hot key not to function correctly. Would you still like "
                             "to use Win+R?",
                             "Warning"}));
}

TEST(CapCompleteStoreTest, TheRecordTakesTheActivationNicknameAndScopeTrimmedAndCut) {
    const std::string program = "A_PROGRAM_WITH_A_VERY_LONG_NAME.EXE"; // 35 characters
    MacroRecord typeword = Macro(kActivationTypeword, Scope::Global, "capture");
    StoreCapComplete({true, 7, "  abcdefghijkl ", true, "  " + std::string(52, 'n') + " "}, program,
                     typeword);
    MacroRecord expected = Macro(kActivationTypeword, Scope::Program, "abcdefghij");
    expected.nickname = std::string(50, 'n');
    expected.scopeName = program.substr(0, 30);
    EXPECT_EQ(typeword, expected);

    // "&Global" leaves the scope a quick capture gave the macro.
    MacroRecord hotKey = Macro(kActivationTypeword, Scope::Global, "capture");
    StoreCapComplete({false, Code("Ctrl+F5"), "ignored", false, " mail "}, program, hotKey);
    expected = Macro(Code("Ctrl+F5"), Scope::Global, "capture");
    expected.nickname = "mail";
    EXPECT_EQ(hotKey, expected);
}

} // namespace
