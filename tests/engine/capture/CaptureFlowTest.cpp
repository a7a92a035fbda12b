// Capture from the main window's side: a quick capture of a new macro, a recapture through
// "Capture Macro", and where the text ends up (the record, or a numbered text file).

#include "engine/capture/Capture.h"
#include "engine/mainwin/MacroOperations.h"
#include "engine/mainwin/PopupMenuPlaces.h"

#include "engine/activation/HotKeys.h"
#include "engine/core/Limits.h"
#include "platform/fake/FakeCaptureFiles.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/RecordingPrompts.h"
#include "support/MacroFileBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

std::uint16_t Code(const char* name) {
    return static_cast<std::uint16_t>(HotKeyFromName(name).value());
}

class CaptureDialogsStandIn : public MacroDialogs {
public:
    bool RunCopyOrMove(const CopyOrMoveDialog&, MacroRecord&) override { return false; }
    bool RunSystemKeys(int) override { return false; }
    std::optional<CaptureKeysChoice> RunCaptureKeys(const MacroRecord& rec, bool) override {
        askedFor = rec.nickname;
        return choice;
    }
    void RunCapComplete(MacroRecord& rec, const std::string& program) override {
        completedFor = program;
        rec.activation = Code("Ctrl+Q");
        rec.nickname = "Quick one";
    }
    std::optional<CaptureKeysChoice> choice;
    std::string askedFor;
    std::string completedFor = "(not asked)";
};

class CaptureFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.currentFile = dir.File("CAP.KVN");
        settings.captureTime = false;
        MacroRecord alpha;
        alpha.nickname = "Alpha";
        alpha.activation = Code("Ctrl+A");
        alpha.text = "old";
        MacroRecord sig;
        sig.nickname = "Sig";
        sig.activation = kActivationTypeword;
        sig.typeword = "sig";
        test::WriteMacroFile(settings.currentFile, {alpha, sig});
        file.LoadMacroFile(settings.currentFile);
        block.SetHotKeys();
        ops.FillList();
        capture.onRecording = [this](bool on) { recording.push_back(on); };
    }

    // The user types `text` (one press and release per character).
    void Type(const std::string& text) {
        for (char c : text) {
            CapturedInput down;
            down.kind = CapturedInput::Kind::KeyDown;
            down.vk = static_cast<std::uint8_t>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
            down.character = c;
            down.ms = ms++;
            capture.OnInput(down);
            CapturedInput up = down;
            up.kind = CapturedInput::Kind::KeyUp;
            up.ms = ms++;
            capture.OnInput(up);
        }
    }
    MacroRecord Whole(int place) {
        MacroRecord r;
        EXPECT_TRUE(ReadMacroRecordWhole(settings.currentFile, place, r));
        return r;
    }
    void Select(int place) { ops.SelectRow(list.ReverseSort(place)); }

    test::TempDir dir;
    Settings settings;
    OwnedSharedBlock block;
    fake::RecordingPrompts prompts;
    fake::FakeClock clock{DateTime{2026, 12, 10, 9, 0, 0, 0}};
    MacroFile file{settings, block, prompts, clock};
    NoMacroFileLock lock;
    CaptureDialogsStandIn dialogs;
    fake::FakeCaptureFiles files;
    Capture capture{block, file, files, "/data"};
    MacroList list;
    CommandOffers offers;
    MacroRecord buffer;
    std::string program = "GEDIT";
    MacroOperations ops{{file, block, settings, prompts, clock, dialogs, lock, &capture,
                         [this] { return program; }},
                        list,
                        offers,
                        buffer,
                        BrowseMode::Off};
    std::vector<bool> recording;
    std::int64_t ms = 0;
};

// The SYSTEM hot key: a new macro "Capture" is appended, the block is set for the hook, the
// user is told the stop key; at the stop the text goes into the macro, which "Capture
// Complete" gives its activation; what comes after the stop is not written.
TEST_F(CaptureFlowTest, AQuickCaptureMakesANewMacroThatCaptureCompleteActivates) {
    const int count = block.MacroCount();
    EXPECT_TRUE(ops.StartACapture().changed);
    const int place = count + 1;
    ASSERT_EQ(block.MacroCount(), place);
    EXPECT_EQ(Whole(place).nickname, "Capture");
    EXPECT_EQ(Whole(place).typeword, "capture");
    EXPECT_EQ(block.Activation(place), kActivationTypeword);
    EXPECT_TRUE(block.CaptureFlag());
    EXPECT_EQ(block.CapturePlace(), place);
    EXPECT_EQ(block.StopKey().virtualKey, 'X');
    EXPECT_TRUE(block.StopKey().ctrl && block.StopKey().alt && block.StopKey().shift);
    EXPECT_FALSE(block.SecondStopKeyPresent());
    ASSERT_EQ(prompts.Records().size(), 1u);
    EXPECT_EQ(prompts.Records()[0].text, "Keyvane macro capture will now start.\r\n\r\nUse "
                                         "Ctrl+Alt+Shift+X to stop the capture.");
    EXPECT_EQ(prompts.Records()[0].caption, "Start Capture");
    EXPECT_EQ(recording, std::vector<bool>{true});

    // A second start while it runs is refused.
    ops.StartACapture();
    EXPECT_EQ(prompts.Records().back().text,
              "A capture is currently in progress.  Capture not allowed.");

    Type("hi");
    // The stop chord as a fast typist's tool sends it: the modifiers go down, the hook stops
    // on X, and their releases come before the capture has ended. A lone Alt pressed and
    // let go would be the menu key; here it is the stop key's and writes nothing.
    auto key = [&](int vk, CapturedInput::Kind kind) {
        CapturedInput in;
        in.kind = kind;
        in.vk = static_cast<std::uint8_t>(vk);
        in.ms = ms++;
        capture.OnInput(in);
    };
    for (int vk : {0x11, 0x12, 0x10})
        key(vk, CapturedInput::Kind::KeyDown);
    capture.Halt();
    for (int vk : {0x58, 0x10, 0x12, 0x11})
        key(vk, CapturedInput::Kind::KeyUp);
    EXPECT_TRUE(ops.EndOfCapture().changed);
    Type("late");
    EXPECT_FALSE(block.CaptureFlag());
    EXPECT_EQ(recording, (std::vector<bool>{true, false}));
    EXPECT_EQ(dialogs.completedFor, "GEDIT");
    const MacroRecord rec = Whole(place);
    EXPECT_EQ(rec.text, "hi");
    EXPECT_EQ(rec.activation, Code("Ctrl+Q"));
    EXPECT_EQ(rec.nickname, "Quick one");
    EXPECT_TRUE(block.HotKeyFlag(Code("Ctrl+Q")));
    EXPECT_EQ(files.files.count("/data/TempCap.Txt"), 0u);
    EXPECT_EQ(prompts.Records().size(), 2u); // no "complete" message after a quick capture
}

// "Re&capture Macro" on a hot key macro: its own key stops the capture too; "&Program"
// makes it the program's in front at the stop. A Typeword macro has only the SYSTEM key.
TEST_F(CaptureFlowTest, ARecaptureKeepsTheMacroAndItsOwnKeyStopsIt) {
    CaptureKeysChoice choice;
    choice.options.time = false;
    choice.nickname = "Alpha again";
    choice.program = true;
    dialogs.choice = choice;
    Select(1);
    EXPECT_TRUE(ops.DoCapture().changed);
    EXPECT_EQ(dialogs.askedFor, "Alpha");
    ASSERT_TRUE(block.CaptureFlag());
    EXPECT_TRUE(block.SecondStopKeyPresent());
    EXPECT_EQ(block.SecondStopKey().virtualKey, 'A');
    EXPECT_TRUE(block.SecondStopKey().ctrl);
    Type("new");
    ops.EndOfCapture();
    MacroRecord rec = Whole(1);
    EXPECT_EQ(rec.text, "new");
    EXPECT_EQ(rec.nickname, "Alpha again");
    EXPECT_EQ(rec.scope, static_cast<unsigned>(Scope::Program));
    EXPECT_EQ(rec.scopeName, "GEDIT");
    EXPECT_EQ(rec.topMostOnly, 1);
    EXPECT_EQ(prompts.Records().back().text, "Keyvane capture is complete for Ctrl+A.");
    EXPECT_EQ(prompts.Records().back().caption, "Capture");

    choice.program = false;
    dialogs.choice = choice;
    Select(2);
    ops.DoCapture();
    EXPECT_FALSE(block.SecondStopKeyPresent());
    ops.EndOfCapture();
    EXPECT_EQ(prompts.Records().back().text, "Keyvane capture is complete for Typeword: sig.");

    // Cancelled: nothing starts, nothing changes.
    dialogs.choice.reset();
    Select(1);
    EXPECT_FALSE(ops.DoCapture().changed);
    EXPECT_FALSE(block.CaptureFlag());
}

// 5000 characters stay in the record; from 5001 on the text goes to the first free
// KV<n>.TXT and the macro plays it through "<TFILE:".
TEST_F(CaptureFlowTest, ALongCaptureGoesToTheFirstFreeNumberedFile) {
    files.files["/data/KV0.TXT"] = "someone else's";
    for (const std::size_t length : {std::size_t{5000}, std::size_t{5001}}) {
        Select(1);
        dialogs.choice = CaptureKeysChoice{};
        dialogs.choice->options.time = false;
        ops.DoCapture();
        Type(std::string(length, 'x'));
        ops.EndOfCapture();
        const std::string text = Whole(1).text;
        if (length == 5000) {
            EXPECT_EQ(text, std::string(5000, 'x'));
        } else {
            EXPECT_EQ(text, "<TFILE:/data/KV1.TXT>");
            EXPECT_EQ(files.files["/data/KV1.TXT"], std::string(5001, 'x'));
            EXPECT_EQ(files.files["/data/KV0.TXT"], "someone else's");
        }
    }
}

// Timing on: the speed tag comes first. The options reach the block for the hook.
TEST_F(CaptureFlowTest, TheOptionsReachTheBlockAndTheSpeedTagLeadsTheText) {
    settings.captureTime = true;
    settings.captureSpeed = 3; // double
    settings.captureRelativeToScreen = false;
    settings.captureWindowSize = true;
    settings.capturePrompt = false;
    ops.StartACapture();
    EXPECT_TRUE(block.CaptureTime());
    EXPECT_TRUE(block.CaptureRelativeToWindow());
    EXPECT_FALSE(block.CaptureRelativeToScreen());
    EXPECT_TRUE(prompts.Records().empty());
    ops.EndOfCapture();
    EXPECT_EQ(Whole(block.MacroCount()).text.rfind("<SPEED:00.50>", 0), 0u);
}

// What stops a capture from starting, and a scratch file that cannot be written.
TEST_F(CaptureFlowTest, RefusalsChangeNothing) {
    const int count = block.MacroCount();
    files.failStart = true;
    ops.StartACapture();
    EXPECT_EQ(prompts.Records().back().text, "The capture cannot start: no room on the disk.");
    EXPECT_EQ(block.MacroCount(), count);
    EXPECT_FALSE(block.CaptureFlag());

    MacroOperations browsing{{file, block, settings, prompts, clock, dialogs, lock, &capture, {}},
                             list,
                             offers,
                             buffer,
                             BrowseMode::Browse};
    browsing.StartACapture();
    EXPECT_EQ(prompts.Records().back().text, "Capture not allowed in Browse Mode.");

    block.SetMacroCount(kMaxMacros);
    ops.StartACapture();
    EXPECT_EQ(prompts.Records().back().text,
              "Maximum number of macros has been reached.  Capture not allowed.");
    block.SetMacroCount(count);

    // A write that fails during the capture is told once; what was written stays.
    settings.capturePrompt = false;
    ops.StartACapture();
    Type("ab");
    files.failAppend = true;
    Type("cd");
    EXPECT_EQ(capture.TakeWriteError(), "no room on the disk");
    EXPECT_EQ(capture.TakeWriteError(), "");
    ops.EndOfCapture();
    EXPECT_EQ(Whole(count + 1).text, "ab");
}

} // namespace
