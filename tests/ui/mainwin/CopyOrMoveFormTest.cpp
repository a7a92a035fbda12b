#include "ui/mainwin/CopyOrMoveForm.h"

#include "engine/activation/HotKeys.h"
#include "engine/core/Limits.h"
#include "engine/core/SharedBlock.h"
#include "engine/mainwin/CopyOrMove.h"
#include "platform/fake/RecordingPrompts.h"
#include "ui/activation/HotKeyBox.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace kv;
using kv::ui::CopyOrMoveForm;

namespace {

using Records = std::vector<fake::PromptRecord>;

int Code(const char* name) {
    return HotKeyFromName(name).value();
}

MacroRecord Macro(int activation, Scope scope) {
    MacroRecord r;
    r.nickname = "Source";
    r.activation = static_cast<std::uint16_t>(activation);
    r.scope = static_cast<std::uint16_t>(scope);
    r.typeword = "Y32";
    r.text = "hello";
    return r;
}

// Ctrl+A held by a GLOBAL macro and a Window macro, Ctrl+B by a Window macro only, F5 by a
// Popup Menu macro, plus a Timed Macro and a Typeword macro that hold no key.
class CopyOrMoveFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::vector<std::pair<unsigned, Scope>> places = {
            {static_cast<unsigned>(Code("Ctrl+A")), Scope::Global},
            {static_cast<unsigned>(Code("Ctrl+A")), Scope::Window},
            {static_cast<unsigned>(Code("Ctrl+B")), Scope::Window},
            {static_cast<unsigned>(Code("F5")), Scope::PopupMenu},
            {kActivationTimed, Scope::Global},
            {kActivationTypeword, Scope::Global}};
        int place = 0;
        for (const auto& [activation, scope] : places) {
            ++place;
            block.SetActivation(place, static_cast<std::uint16_t>(activation));
            block.SetScope(place, static_cast<std::uint16_t>(scope));
        }
        block.SetMacroCount(place);
    }

    // Opens the dialog on `source` and waits until it has the focus.
    void Open(CopyOrMoveMode mode, const MacroRecord& source) {
        rec = source;
        dialog = std::make_unique<CopyOrMoveDialog>(mode, rec, block);
        form = std::make_unique<CopyOrMoveForm>(*dialog, rec, prompts, today,
                                                [this](ScheduleBlock& s) {
                                                    scheduled.push_back(s);
                                                    return false;
                                                });
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void ChooseKey(const char* name) {
        QListWidget* list = form->KeyList();
        QListWidgetItem* item = list->item(Code(name));
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }
    void Ok() { QTest::mouseClick(form->OkButton(), Qt::LeftButton); }
    // A radio button answers a click on its circle and text only.
    static void Pick(QRadioButton* choice) {
        QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(6, choice->height() / 2));
    }
    bool StillOpen() const { return form->isVisible(); }

    OwnedSharedBlock block;
    fake::RecordingPrompts prompts;
    DateTime today{2026, 12, 9, 10, 30, 0, 0};
    MacroRecord rec;
    std::unique_ptr<CopyOrMoveDialog> dialog;
    std::unique_ptr<CopyOrMoveForm> form;
    std::vector<ScheduleBlock> scheduled;
};

TEST_F(CopyOrMoveFormTest, ShowsTheTextsAndMarksKeysHeldAlone) {
    Open(CopyOrMoveMode::Copy, Macro(Code("Ctrl+A"), Scope::Global));
    EXPECT_EQ(form->windowTitle(), "Copy Hot Key");
    EXPECT_EQ(form->Label()->text(), "COPY Ctrl+A TO");
    EXPECT_EQ(form->HotKeyChoice()->text(), "&Hot Key");
    EXPECT_EQ(form->TypewordChoice()->text(), "&Typeword");
    EXPECT_EQ(form->TimedChoice()->text(), "&Timed Macro");
    EXPECT_TRUE(form->HotKeyChoice()->isChecked());

    QListWidget* list = form->KeyList();
    ASSERT_EQ(list->count(), 699);
    QListWidgetItem* ctrlA = list->item(Code("Ctrl+A"));
    QListWidgetItem* ctrlB = list->item(Code("Ctrl+B"));
    QListWidgetItem* f5 = list->item(Code("F5"));
    EXPECT_EQ(ctrlA->text(), "Ctrl+A  (2 macros in use)");
    EXPECT_EQ(ctrlB->text(), "Ctrl+B  (1 macro in use)");
    EXPECT_TRUE(list->item(Code("Ctrl+C"))->text().endsWith("  (Not in Use)"));
    EXPECT_TRUE(ctrlA->font().bold());
    EXPECT_TRUE(f5->font().bold());
    EXPECT_FALSE(ctrlB->font().bold());
    EXPECT_NE(ctrlA->foreground(), ctrlB->foreground());
    EXPECT_TRUE(list->selectedItems().isEmpty());
}

TEST_F(CopyOrMoveFormTest, RefusedHotKeysKeepTheDialogOpenOnTheKeyList) {
    const MacroRecord source = Macro(Code("Ctrl+Q"), Scope::Global);
    Open(CopyOrMoveMode::Copy, source);
    form->TypewordName()->setFocus();
    Ok();
    EXPECT_TRUE(StillOpen());
    EXPECT_TRUE(form->KeyList()->hasFocus());

    ChooseKey("Ctrl+A"); // a GLOBAL macro holds it
    form->TypewordName()->setFocus();
    Ok();
    EXPECT_TRUE(StillOpen());
    EXPECT_TRUE(form->KeyList()->hasFocus());
    EXPECT_EQ(rec, source);
    EXPECT_EQ(prompts.Records(),
              (Records{{"message", "No hot key selected.  Please select one.", "Error"},
                       {"message",
                        "A \"GLOBAL\" or \"POPUP MENU\" hot key already exists for this "
                        "selection. The \"COPY\" did not take place.",
                        "Error"}}));
}

TEST_F(CopyOrMoveFormTest, AKeyOnlyAWindowMacroHoldsIsTakenFromTheList) {
    Open(CopyOrMoveMode::Move, Macro(Code("Ctrl+Q"), Scope::Global));
    EXPECT_EQ(form->windowTitle(), "Move Hot Key");
    // Type-ahead in the list picks the entry.
    form->KeyList()->setFocus();
    QTest::keyClicks(form->KeyList(), "Ctrl+B ");
    ASSERT_EQ(form->KeyList()->selectedItems().size(), 1);
    EXPECT_EQ(form->KeyList()->currentRow(), Code("Ctrl+B"));
    Ok();
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(rec.activation, Code("Ctrl+B"));
    EXPECT_TRUE(prompts.Records().empty());
}

TEST_F(CopyOrMoveFormTest, PressingAHotKeyInTheBoxPicksItsEntry) {
    Open(CopyOrMoveMode::Move, Macro(Code("Ctrl+Q"), Scope::Global));
    std::vector<bool> secondary;
    form->SetSecondaryWindow([&](bool on) { secondary.push_back(on); });
    Pick(form->TimedChoice());
    form->PressBox()->setFocus();
    QTest::keyClick(form->PressBox(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(form->PressBox()->text(), "Ctrl+B");
    EXPECT_EQ(form->KeyList()->currentRow(), Code("Ctrl+B"));
    EXPECT_TRUE(form->HotKeyChoice()->isChecked());
    form->KeyList()->setFocus();
    EXPECT_EQ(secondary, (std::vector<bool>{true, false}));
    Ok();
    EXPECT_EQ(rec.activation, Code("Ctrl+B"));
}

TEST_F(CopyOrMoveFormTest, AKeyTheSystemMayUseAsksFirst) {
    Open(CopyOrMoveMode::Move, Macro(Code("Ctrl+Q"), Scope::Window));
    ChooseKey("Win+D");
    Ok(); // answered No
    EXPECT_TRUE(StillOpen());
    EXPECT_TRUE(form->KeyList()->hasFocus());
    ASSERT_EQ(prompts.Records().size(), 1u);
    EXPECT_EQ(prompts.Records()[0].kind, "question");
    EXPECT_EQ(prompts.Records()[0].caption, "Warning");

    prompts.QueueAnswer(true);
    Ok();
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(rec.activation, Code("Win+D"));
}

TEST_F(CopyOrMoveFormTest, ABadTypewordPutsTheFocusOnTheName) {
    Open(CopyOrMoveMode::Copy, Macro(Code("Ctrl+Q"), Scope::Global));
    Pick(form->TypewordChoice());
    ASSERT_TRUE(form->TypewordChoice()->isChecked());
    form->KeyList()->setFocus();
    Ok();
    EXPECT_TRUE(StillOpen());
    EXPECT_TRUE(form->TypewordName()->hasFocus());

    QTest::keyClicks(form->TypewordName(), "ab(c");
    form->KeyList()->setFocus();
    Ok();
    EXPECT_TRUE(StillOpen());
    EXPECT_TRUE(form->TypewordName()->hasFocus());
    ASSERT_EQ(prompts.Records().size(), 2u);
    EXPECT_EQ(prompts.Records()[0].text, "No Typeword name was entered.");
    EXPECT_TRUE(prompts.Records()[1].text.starts_with("The Typeword name has invalid characters"));
    EXPECT_EQ(rec.activation, Code("Ctrl+Q"));

    form->TypewordName()->clear();
    QTest::keyClicks(form->TypewordName(), " sig2 and more"); // cut to 10 characters
    Ok();
    EXPECT_TRUE(StillOpen()) << "a blank inside is refused";
    form->TypewordName()->clear();
    QTest::keyClicks(form->TypewordName(), " sig2 ");
    Ok();
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(rec.activation, kActivationTypeword);
    EXPECT_EQ(rec.typeword, "sig2");
}

TEST_F(CopyOrMoveFormTest, TypingATypewordChoosesIt) {
    Open(CopyOrMoveMode::Copy, Macro(Code("Ctrl+Q"), Scope::Global));
    ChooseKey("Ctrl+C");
    QTest::keyClicks(form->TypewordName(), "abc");
    EXPECT_TRUE(form->TypewordChoice()->isChecked());
    Ok();
    EXPECT_EQ(rec.activation, kActivationTypeword);
    EXPECT_EQ(rec.typeword, "abc");
}

TEST_F(CopyOrMoveFormTest, APopupMenuMacroCannotBecomeATypeword) {
    Open(CopyOrMoveMode::Move, Macro(Code("F5"), Scope::PopupMenu));
    EXPECT_FALSE(form->TypewordChoice()->isEnabled());
    EXPECT_FALSE(form->TypewordName()->isEnabled());
    EXPECT_TRUE(form->TimedChoice()->isEnabled());
    // Its menu options stay where they are.
    ChooseKey("Ctrl+C");
    Ok();
    EXPECT_EQ(rec.typeword, "Y32");
}

TEST_F(CopyOrMoveFormTest, ATimedChoiceRunsTheScheduleAndClosesWithOkWhatever) {
    Open(CopyOrMoveMode::Copy, Macro(Code("Ctrl+Q"), Scope::Global));
    Pick(form->TimedChoice());
    Ok();
    ASSERT_EQ(scheduled.size(), 1u);
    EXPECT_EQ(scheduled[0], ScheduleBlock::Default(today));
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(rec.activation, kActivationTimed);
    EXPECT_TRUE(prompts.Records().empty());
}

TEST_F(CopyOrMoveFormTest, ATimedMacroKeepsItsScheduleWhenMovedToTimedAgain) {
    MacroRecord timed = Macro(static_cast<int>(kActivationTimed), Scope::Global);
    timed.schedule.kind = 6;
    timed.schedule.intervalMinutes = 15;
    Open(CopyOrMoveMode::Move, timed);
    EXPECT_EQ(form->Label()->text(), "MOVE Timed Macro TO");
    Pick(form->TimedChoice());
    Ok();
    ASSERT_EQ(scheduled.size(), 1u);
    EXPECT_EQ(scheduled[0].intervalMinutes, 15);
}

TEST_F(CopyOrMoveFormTest, CancelLeavesTheRecordAlone) {
    const MacroRecord source = Macro(Code("Ctrl+Q"), Scope::Global);
    Open(CopyOrMoveMode::Copy, source);
    ChooseKey("Ctrl+C");
    QTest::mouseClick(form->CancelButton(), Qt::LeftButton);
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_EQ(rec, source);
}

} // namespace
