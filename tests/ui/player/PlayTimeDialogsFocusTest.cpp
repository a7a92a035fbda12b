// The play-time dialogs as a playback shows them: the engine moves Keyvane's own windows
// aside, the Qt dialog is answered, and the focus goes back to the window the macro types
// into, as the fake Windows port records it.

#include "ui/player/PlayDialogsQt.h"

#include "ModalStep.h"
#include "engine/activation/HotKeys.h"
#include "engine/core/Settings.h"
#include "engine/player/PlayTimeDialogs.h"
#include "platform/fake/FakeWorld.h"
#include "platform/fake/RecordingPrompts.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace kv;
using namespace kv::ui;
using kv::test::OnModal;

namespace {

class PlayTimeDialogsFocusTest : public kv::test::ModalDialogTest {
protected:
    PlayTimeDialogsFocusTest() {
        editor = world.windows.AddWindow("Editor");
        other = world.windows.AddWindow("Other");
        dispatch.target = editor;
        dispatch.currentNickname = "Greeting";
        dispatch.currentActivation = 1;
        world.app.mainVisible = true;
    }

    // What the fake recorded from `from` on.
    std::vector<std::string> TraceFrom(std::size_t from) const {
        const auto& lines = world.trace.Lines();
        return {lines.begin() + static_cast<std::ptrdiff_t>(std::min(from, lines.size())),
                lines.end()};
    }
    // The dialog itself takes the foreground while it is up; returns where the trace stood.
    std::size_t DialogTakesTheForeground() {
        world.windows.Activate(other);
        return world.trace.Lines().size();
    }

    fake::FakeWorld world;
    fake::RecordingPrompts prompts;
    PlayDialogsQt dialogs{world.windows, &prompts};
    Settings settings;
    DispatchState dispatch;
    PlayTimeDialogs play{PlayerPorts{world.input, world.windows, world.desktop, world.files,
                                     world.pump, world.clock, dialogs, world.app},
                         settings, dispatch};
    WindowId editor = 0;
    WindowId other = 0;
};

TEST_F(PlayTimeDialogsFocusTest, PauseBoxResumesIntoTheTargetWindow) {
    std::size_t closedAt = 0;
    OnModal([&](QDialog& d) {
        EXPECT_TRUE(dispatch.paused);
        EXPECT_EQ(d.windowTitle(), QString::fromStdString("Pause (" + HotKeyName(1) + ")"));
        EXPECT_FALSE(world.app.mainVisible);
        closedAt = DialogTakesTheForeground();
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("ResumeButton")),
                          Qt::LeftButton);
    });
    EXPECT_TRUE(play.ShowPauseBox(PauseBoxLayout{}));
    EXPECT_FALSE(dispatch.paused);
    EXPECT_EQ(TraceFrom(closedAt), std::vector<std::string>{"activate Editor"});
    EXPECT_EQ(world.windows.Foreground(), editor);
    // The main window stays hidden until the playback ends.
    EXPECT_FALSE(world.app.mainVisible);
    EXPECT_TRUE(play.restoreMain);
}

TEST_F(PlayTimeDialogsFocusTest, PauseBoxAbortAlsoGivesTheFocusBack) {
    std::size_t closedAt = 0;
    OnModal([&](QDialog& d) {
        closedAt = DialogTakesTheForeground();
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("AbortButton")), Qt::LeftButton);
    });
    EXPECT_FALSE(play.ShowPauseBox(PauseBoxLayout{}));
    EXPECT_EQ(TraceFrom(closedAt), std::vector<std::string>{"activate Editor"});
}

TEST_F(PlayTimeDialogsFocusTest, TheMacrosHotKeyResumesThePause) {
    dispatch.currentActivation = kActivationTimed;
    OnModal([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Pause");
        play.ResumePause();
    });
    EXPECT_TRUE(play.ShowPauseBox(PauseBoxLayout{}));
    EXPECT_FALSE(dispatch.paused);
    EXPECT_EQ(world.windows.Foreground(), editor);
}

TEST_F(PlayTimeDialogsFocusTest, InTheTrayThePauseBoxLeavesTheFocusAlone) {
    settings.useTray = true;
    std::size_t closedAt = 0;
    OnModal([&](QDialog& d) {
        closedAt = DialogTakesTheForeground();
        d.reject();
    });
    play.ShowPauseBox(PauseBoxLayout{});
    EXPECT_EQ(TraceFrom(closedAt), std::vector<std::string>{"app-window hide"});
}

TEST_F(PlayTimeDialogsFocusTest, RepeatPromptGivesTheCountAndTheFocusBack) {
    std::size_t closedAt = 0;
    OnModal([&](QDialog& d) {
        EXPECT_TRUE(dispatch.repeatPromptOpen);
        EXPECT_FALSE(world.app.mainVisible);
        closedAt = DialogTakesTheForeground();
        auto* reps = d.findChild<QLineEdit*>(QStringLiteral("NumReps"));
        QTest::keyClicks(reps, "3");
        QTest::keyClick(reps, Qt::Key_Return);
    });
    EXPECT_EQ(play.DoRepPrompt(), 3);
    EXPECT_FALSE(dispatch.repeatPromptOpen);
    EXPECT_EQ(TraceFrom(closedAt),
              (std::vector<std::string>{"main-window show", "activate Editor"}));
    EXPECT_EQ(world.windows.Foreground(), editor);
}

TEST_F(PlayTimeDialogsFocusTest, OnTopMessageGivesTheFocusBackAndDoesNotStack) {
    std::size_t closedAt = 0;
    OnModal([&](QDialog& d) {
        EXPECT_TRUE(dispatch.onTopMessageOpen);
        closedAt = DialogTakesTheForeground();
        // A second message while one is up is dropped, not shown over it.
        play.DoAMessage("Warning", "second");
        EXPECT_EQ(QApplication::activeModalWidget(), &d);
        EXPECT_EQ(world.trace.Lines().size(), closedAt);
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("OkButton")), Qt::LeftButton);
    });
    play.DoAMessage("Macro Abort", "Keyvane macro has been aborted.");
    EXPECT_FALSE(dispatch.onTopMessageOpen);
    EXPECT_EQ(TraceFrom(closedAt),
              (std::vector<std::string>{"main-window show", "activate Editor"}));
    EXPECT_EQ(world.windows.Foreground(), editor);
}

} // namespace
