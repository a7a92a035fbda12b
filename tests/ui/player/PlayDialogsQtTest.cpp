// The Pause box, the repeat prompt and the on-top message as the user meets them: shown by
// the blocking Run* calls and answered through their buttons.

#include "ui/player/PlayDialogsQt.h"

#include "ModalStep.h"
#include "engine/player/PlayTimeDialogs.h"
#include "platform/fake/FakeWorld.h"
#include "platform/fake/RecordingPrompts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kv;
using namespace kv::ui;
using kv::test::OnModal;

namespace {

template <class W>
W* Child(QDialog& d, const char* name) {
    W* w = d.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

bool OnTop(const QDialog& d) {
    return d.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

// The repeat prompt and the on-top message: a stay-on-top form with its caption, its text
// in `TheMessage` and "&Ok" as the default button, which it returns.
QPushButton* ExpectOkForm(QDialog& d, const char* caption, const char* text) {
    EXPECT_TRUE(OnTop(d));
    EXPECT_EQ(d.windowTitle(), QString::fromLatin1(caption));
    EXPECT_EQ(Child<QLabel>(d, "TheMessage")->text(), QString::fromLatin1(text));
    QPushButton* ok = Child<QPushButton>(d, "OkButton");
    EXPECT_EQ(ok->text(), "&Ok");
    EXPECT_TRUE(ok->isDefault());
    return ok;
}

class PlayDialogsQtTest : public kv::test::ModalDialogTest {
protected:
    PlayDialogsQtTest() { editor = world.windows.AddWindow("Editor"); }

    bool Activated(const std::string& title) const {
        const auto& lines = world.trace.Lines();
        return std::find(lines.begin(), lines.end(), "activate " + title) != lines.end();
    }

    fake::FakeWorld world;
    fake::RecordingPrompts prompts;
    PlayDialogsQt dialogs{world.windows, &prompts};
    WindowId editor = 0;
};

// --- the Pause box ---

PauseBoxLayout Layout(std::string message) {
    PauseBoxLayout b = PauseBoxGeometry(true, 40, 30, message, ScreenSize{1024, 768});
    b.caption = "Pause (Ctrl+A)";
    b.title = "Greeting";
    return b;
}

TEST_F(PlayDialogsQtTest, PauseBoxShowsItsTextsOnTopAtTheGivenPlace) {
    const std::string message(65, 'm');
    OnModal([&](QDialog& d) {
        EXPECT_TRUE(OnTop(d));
        EXPECT_EQ(d.windowTitle(), "Pause (Ctrl+A)");
        EXPECT_EQ(Child<QLabel>(d, "Label1")->text(), "Keyvane Pause");
        EXPECT_EQ(Child<QLabel>(d, "MacroTitleLabel")->text(), "Greeting");
        QLabel* shown = Child<QLabel>(d, "MessageLabel");
        EXPECT_EQ(shown->text(), QString::fromStdString(message));
        EXPECT_TRUE(shown->isVisible());
        EXPECT_EQ(shown->height(), 57);
        EXPECT_EQ(d.size(), QSize(224, 151));
        EXPECT_EQ(d.pos(), QPoint(30, 40));
        EXPECT_EQ(Child<QPushButton>(d, "ResumeButton")->text(), "&Resume");
        EXPECT_EQ(Child<QPushButton>(d, "AbortButton")->text(), "&Abort");
        d.reject();
    });
    dialogs.RunPauseBox(Layout(message), editor);
}

TEST_F(PlayDialogsQtTest, PauseBoxWithoutAMessageHasNoMessageLabel) {
    OnModal([&](QDialog& d) {
        const auto* shown = d.findChild<QLabel*>(QStringLiteral("MessageLabel"));
        EXPECT_TRUE(shown == nullptr || !shown->isVisible());
        EXPECT_EQ(d.size(), QSize(224, 94));
        d.reject();
    });
    dialogs.RunPauseBox(Layout(""), editor);
}

TEST_F(PlayDialogsQtTest, PauseBoxAnswersResumeAndAbort) {
    OnModal([](QDialog& d) {
        QTest::mouseClick(Child<QPushButton>(d, "ResumeButton"), Qt::LeftButton);
    });
    EXPECT_TRUE(dialogs.RunPauseBox(Layout(""), editor));

    OnModal([](QDialog& d) {
        QTest::mouseClick(Child<QPushButton>(d, "AbortButton"), Qt::LeftButton);
    });
    EXPECT_FALSE(dialogs.RunPauseBox(Layout(""), editor));

    // A Resume before does not stick to the next box: closing it otherwise is an Abort.
    OnModal([](QDialog& d) {
        QTest::mouseClick(Child<QPushButton>(d, "ResumeButton"), Qt::LeftButton);
    });
    ASSERT_TRUE(dialogs.RunPauseBox(Layout(""), editor));
    OnModal([](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    EXPECT_FALSE(dialogs.RunPauseBox(Layout(""), editor));
}

TEST_F(PlayDialogsQtTest, ResumePauseBoxClosesTheShownBoxAsResumed) {
    dialogs.ResumePauseBox(); // no box: nothing to do
    bool wasUp = false;
    OnModal([&](QDialog& d) {
        wasUp = d.isVisible();
        dialogs.ResumePauseBox();
    });
    EXPECT_TRUE(dialogs.RunPauseBox(Layout(""), editor));
    EXPECT_TRUE(wasUp);
    dialogs.ResumePauseBox(); // the box is gone
}

TEST_F(PlayDialogsQtTest, PauseBoxHandsTheFocusToTheTargetWhileItFloats) {
    const WindowId other = world.windows.AddWindow("Other");
    world.windows.Activate(other);
    OnModal([&](QDialog& d) {
        EXPECT_TRUE(Activated("Editor"));
        EXPECT_EQ(world.windows.Foreground(), editor);
        EXPECT_TRUE(d.isVisible());
        d.reject();
    });
    dialogs.RunPauseBox(Layout(""), editor);
}

TEST_F(PlayDialogsQtTest, PauseBoxResumedBeforeItIsUpLeavesTheFocusAlone) {
    // The paused macro's hot key was already waiting when the box appeared.
    QTimer::singleShot(0, [&] { dialogs.ResumePauseBox(); });
    EXPECT_TRUE(dialogs.RunPauseBox(Layout(""), editor));
    EXPECT_FALSE(Activated("Editor"));
}

TEST_F(PlayDialogsQtTest, PauseBoxWithoutATargetActivatesNothing) {
    OnModal([](QDialog& d) { d.reject(); });
    dialogs.RunPauseBox(Layout(""), 0);
    EXPECT_TRUE(world.trace.Lines().empty());
}

// --- the repeat prompt ---

const char* const kInvalid = "Invalid numeric value entered.  Please Correct";

// Types `entry` and presses "&Ok".
void Confirm(QDialog& d, const QString& entry) {
    QLineEdit* reps = Child<QLineEdit>(d, "NumReps");
    reps->clear();
    QTest::keyClicks(reps, entry);
    QTest::mouseClick(Child<QPushButton>(d, "OkButton"), Qt::LeftButton);
}

TEST_F(PlayDialogsQtTest, RepeatPromptShowsItsTextsOnTop) {
    OnModal([](QDialog& d) {
        ExpectOkForm(d, "Macro Repeat", "Times To Repeat");
        QLineEdit* reps = Child<QLineEdit>(d, "NumReps");
        EXPECT_TRUE(reps->text().isEmpty());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        EXPECT_TRUE(reps->hasFocus());
        Confirm(d, "1");
    });
    dialogs.RunRepeatPrompt();
}

TEST_F(PlayDialogsQtTest, RepeatPromptReturnsTheNumberTyped) {
    const std::pair<QString, std::uint16_t> cases[] = {
        {"12", 12},
        {" 7 ", 7},
        {"0", 0},
        {"+5", 5},
        {"9999", 9999},
        // A count is 16 bits: a negative entry wraps round.
        {"-1", 65535},
        {"-999", 64537}};
    for (const auto& [entry, count] : cases) {
        OnModal([entry = entry](QDialog& d) { Confirm(d, entry); });
        EXPECT_EQ(dialogs.RunRepeatPrompt(), count) << entry.toStdString();
    }
    EXPECT_TRUE(prompts.Records().empty());
}

TEST_F(PlayDialogsQtTest, RepeatPromptTakesAtMostFourDigits) {
    OnModal([](QDialog& d) { Confirm(d, "123456"); });
    EXPECT_EQ(dialogs.RunRepeatPrompt(), 1234);
}

TEST_F(PlayDialogsQtTest, RepeatPromptRefusesAnythingButANumberAndStaysOpen) {
    OnModal([&](QDialog& d) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        QLineEdit* reps = Child<QLineEdit>(d, "NumReps");
        for (const QString& bad : {QString(), QStringLiteral("   "), QStringLiteral("abc"),
                                   QStringLiteral("1x"), QStringLiteral("- 1")}) {
            prompts.Clear();
            Confirm(d, bad);
            ASSERT_EQ(prompts.Records().size(), 1u) << bad.toStdString();
            EXPECT_EQ(prompts.Records()[0], (fake::PromptRecord{"message", kInvalid, "Error"}));
            EXPECT_TRUE(d.isVisible());
            EXPECT_TRUE(reps->hasFocus()) << "the focus goes back to the entry";
        }
        Confirm(d, "3");
    });
    EXPECT_EQ(dialogs.RunRepeatPrompt(), 3);
}

TEST_F(PlayDialogsQtTest, RepeatPromptCannotBeCancelled) {
    OnModal([&](QDialog& d) {
        QLineEdit* reps = Child<QLineEdit>(d, "NumReps");
        // Escape does nothing at all.
        QTest::keyClick(reps, Qt::Key_Escape);
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(prompts.Records().empty());
        // The close box asks as "&Ok" does.
        d.close();
        EXPECT_TRUE(d.isVisible());
        ASSERT_EQ(prompts.Records().size(), 1u);
        EXPECT_EQ(prompts.Records()[0].text, kInvalid);
        QTest::keyClicks(reps, "4");
        d.close();
    });
    EXPECT_EQ(dialogs.RunRepeatPrompt(), 4);
    EXPECT_EQ(prompts.Records().size(), 1u);
}

TEST_F(PlayDialogsQtTest, RepeatPromptConfirmsWithEnter) {
    OnModal([](QDialog& d) {
        QLineEdit* reps = Child<QLineEdit>(d, "NumReps");
        QTest::keyClicks(reps, "8");
        QTest::keyClick(reps, Qt::Key_Return);
    });
    EXPECT_EQ(dialogs.RunRepeatPrompt(), 8);
}

// --- the on-top message ---

TEST_F(PlayDialogsQtTest, OnTopMessageShowsCaptionAndTextOnTopUntilOk) {
    bool wasUp = false;
    OnModal([&](QDialog& d) {
        wasUp = true;
        QTest::mouseClick(ExpectOkForm(d, "Macro Abort", "Keyvane macro has been aborted."),
                          Qt::LeftButton);
    });
    dialogs.RunOnTopMessage("Macro Abort", "Keyvane macro has been aborted.");
    EXPECT_TRUE(wasUp);
}

TEST_F(PlayDialogsQtTest, OnTopMessageKeepsWindows1252Text) {
    OnModal([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Caf\u00e9"));
        EXPECT_EQ(Child<QLabel>(d, "TheMessage")->text(), QString::fromUtf8("\u00a3 5"));
        d.accept();
    });
    dialogs.RunOnTopMessage("Caf\xE9", "\xA3 5");
}

} // namespace
