// The capture dialogs driven through their controls on the offscreen platform.

#include "ui/capture/TCapComplete.h"
#include "ui/capture/TCaptureDefaults.h"
#include "ui/capture/TCaptureKeys.h"

#include "engine/activation/HotKeys.h"
#include "platform/fake/RecordingPrompts.h"
#include "ui/support/QStringPrinter.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

using namespace kv;
using namespace kv::ui;

namespace {

int Code(const char* name) {
    return HotKeyFromName(name).value();
}

// The buttons' captions in tab order, after checking that every button and every labelled
// box has an Alt+letter of its own.
QStringList Captions(const QWidget& dialog) {
    std::set<int> seen;
    QStringList captions;
    const auto take = [&seen](const QString& caption) {
        const int key = QKeySequence::mnemonic(caption)[0].toCombined();
        EXPECT_NE(key, 0) << caption.toStdString();
        EXPECT_TRUE(seen.insert(key).second) << "twice: " << caption.toStdString();
    };
    for (const QAbstractButton* b : dialog.findChildren<QAbstractButton*>()) {
        take(b->text());
        captions << b->text();
    }
    for (const QLabel* l : dialog.findChildren<QLabel*>()) {
        if (l->buddy())
            take(l->text());
    }
    return captions;
}

// Alt and the button's letter; the button answers a moment later, as when it is clicked.
void PressMnemonic(QWidget& dialog, Qt::Key letter, QAbstractButton* button) {
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    QTest::keyClick(&dialog, letter, Qt::AltModifier);
    EXPECT_TRUE(clicked.wait(2000)) << button->text().toStdString();
}

void ShowActive(QWidget& w) {
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

// Which of Screen/Window, Window Size, Double Alt and the speeds can be changed.
std::string Enabled(const CaptureOptionsBox& o) {
    std::string e;
    e += o.Screen()->isEnabled() && o.Window()->isEnabled() ? 'S' : '-';
    e += o.WindowSize()->isEnabled() ? 'Z' : '-';
    e += o.DoubleAlt()->isEnabled() ? 'D' : '-';
    e += o.Speed(CaptureSpeed::Actual)->isEnabled() && o.Speed(CaptureSpeed::Quadruple)->isEnabled()
             ? 'A'
             : '-';
    return e;
}

class CaptureDialogTest : public ::testing::Test {
protected:
    CaptureDialogTest() {
        // The SYSTEM macro that ends every capture, and a GLOBAL macro on Ctrl+G.
        Add(Code("Ctrl+Alt+Shift+X"), Scope::System, "2");
        Add(Code("Ctrl+G"), Scope::Global, "");
    }
    void Add(int activation, Scope scope, const char* scopeName) {
        const int place = block.MacroCount() + 1;
        block.SetMacroCount(place);
        block.SetActivation(place, static_cast<std::uint16_t>(activation));
        block.SetScope(place, static_cast<std::uint16_t>(scope));
        block.SetScopeName(place, scopeName);
    }
    CaptureDialogParts Parts() {
        return {prompts,      settings, block, rec, [this](bool on) { waits.push_back(on); },
                "NOTEPAD.EXE"};
    }
    static std::string PromptCaptions(const fake::RecordingPrompts& p) {
        std::string c;
        for (const auto& r : p.Records())
            c += (c.empty() ? "" : "|") + r.caption;
        return c;
    }

    Settings settings;
    OwnedSharedBlock block;
    fake::RecordingPrompts prompts;
    MacroRecord rec;
    std::vector<bool> waits;
};

TEST_F(CaptureDialogTest, DefaultsShowTheSettingsAndEnableTheirControlsAsClicked) {
    const CaptureChoices shown{
        true, false, true, false, true, false, true, false, CaptureSpeed::Quadruple};
    shown.StoreIn(settings);
    TCaptureDefaults d(Parts());
    ShowActive(d);
    EXPECT_EQ(d.windowTitle(), "Capture Defaults");
    EXPECT_EQ(Captions(d).join('|'),
              "Capture &Keystrokes|Capture &Double <ALT> for Menus|Capture &Mouse|&Screen|"
              "&Window|Capture Window Si&ze|Captur&e At|&Actual Speed|&Half Speed|"
              "Do&uble Speed|&Quadruple Speed|P&rompt on Capture|&Global|&Program|&Ok|&Cancel");
    CaptureOptionsBox& o = *d.Options();
    EXPECT_EQ(o.Choices(), shown);
    EXPECT_EQ(Enabled(o), "SZ-A");

    // Each click by its letter, and what can be changed after it.
    const struct {
        Qt::Key key;
        QAbstractButton* button;
        const char* enabled;
    } clicks[] = {
        {Qt::Key_K, o.Keys(), "SZDA"},   {Qt::Key_S, o.Screen(), "S-DA"},
        {Qt::Key_W, o.Window(), "SZDA"}, {Qt::Key_M, o.Mouse(), "--DA"},
        {Qt::Key_E, o.Time(), "--D-"},   {Qt::Key_M, o.Mouse(), "SZD-"},
    };
    for (const auto& c : clicks) {
        PressMnemonic(d, c.key, c.button);
        EXPECT_EQ(Enabled(o), c.enabled) << c.button->text().toStdString();
    }
}

TEST_F(CaptureDialogTest, DefaultsOkStoresTheOptionsAndCancelChangesNothing) {
    for (QPushButton* (TCaptureDefaults::*close)() const :
         {&TCaptureDefaults::CancelButton, &TCaptureDefaults::OkButton}) {
        TCaptureDefaults d(Parts());
        CaptureOptionsBox& o = *d.Options();
        for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
                 o.Mouse(), o.Speed(CaptureSpeed::Double), o.Prompt(), o.Program()})
            b->click();
        QTest::mouseClick((d.*close)(), Qt::LeftButton);
        if (d.result() == QDialog::Rejected) {
            EXPECT_EQ(CaptureChoices::From(settings), CaptureChoices{});
        }
    }
    EXPECT_EQ(CaptureChoices::From(settings), (CaptureChoices{true, true, false, true, true, false,
                                                              true, false, CaptureSpeed::Double}));
}

TEST_F(CaptureDialogTest, CaptureMacroStartsFromTheDefaultsAndNamesTheStopKeys) {
    settings.captureTime = false;
    settings.captureSpeed = 2;
    rec.activation = static_cast<std::uint16_t>(Code("Ctrl+F5"));
    rec.nickname = "Mail";
    rec.scope = static_cast<std::uint16_t>(Scope::Program);
    rec.scopeName = "MAIL.EXE";
    TCaptureKeys d(Parts());
    ShowActive(d);
    EXPECT_EQ(d.windowTitle(), "Capture Macro");
    EXPECT_FALSE(Captions(d).contains("P&rompt on Capture"));
    EXPECT_EQ(d.ActivationLabel()->text(), "Ctrl+F5");
    EXPECT_EQ(d.StopKeyLabel()->text(), "Press Ctrl+Alt+Shift+X to end capture");
    EXPECT_EQ(d.SecondStopKeyLabel()->text(), "Or Press Ctrl+F5 to end capture");
    EXPECT_EQ(d.Nickname()->text(), "Mail");
    EXPECT_EQ(d.Options()->Choices(), CaptureChoices::From(settings));
    EXPECT_EQ(Enabled(*d.Options()), "S-D-");

    d.Nickname()->setText(QStringLiteral("Mail all"));
    d.Options()->Time()->click();
    d.Options()->Program()->click();
    PressMnemonic(d, Qt::Key_T, d.StartButton()); // "Start Cap&ture"
    EXPECT_EQ(d.result(), QDialog::Accepted);
    CaptureChoices chosen = CaptureChoices::From(settings);
    chosen.time = true;
    chosen.global = false;
    EXPECT_EQ(d.Choice(), (CaptureKeysChoice{chosen, "Mail all", true}));
    EXPECT_EQ(rec.nickname, "Mail all");
    EXPECT_EQ(rec.scope, static_cast<unsigned>(Scope::Global));
    EXPECT_EQ(rec.scopeName, "");
    EXPECT_TRUE(settings.captureGlobal); // one capture's options are not the defaults
}

TEST_F(CaptureDialogTest, CaptureMacroOfAWindowMacroOnAGlobalKeyIsForAProgram) {
    rec.activation = static_cast<std::uint16_t>(Code("Ctrl+G"));
    rec.scope = static_cast<std::uint16_t>(Scope::Window);
    TCaptureKeys d(Parts());
    EXPECT_FALSE(d.Options()->Global()->isEnabled());
    EXPECT_TRUE(d.Options()->Program()->isChecked());
    d.Nickname()->setText(QStringLiteral("changed"));
    QTest::mouseClick(d.CancelButton(), Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(rec.nickname, "");
    EXPECT_EQ(rec.scope, static_cast<unsigned>(Scope::Window));
}

TEST_F(CaptureDialogTest, CaptureCompleteOffersEveryHotKeyOrATypeword) {
    settings.captureGlobal = false;
    TCapComplete d(Parts());
    ShowActive(d);
    EXPECT_EQ(d.windowTitle(), "Capture Complete");
    EXPECT_EQ(Captions(d).join('|'), "&Hot Keys|&Typewords|&Global|&Program|&Ok");
    EXPECT_EQ(d.KeyList()->count(), kKeyHotKeyCodes);
    EXPECT_EQ(d.KeyList()->item(Code("Ctrl+G"))->text(), "Ctrl+G  (1 macro in use)");
    EXPECT_TRUE(d.UseHotKey()->isChecked());
    EXPECT_TRUE(d.Program()->isChecked());
    EXPECT_FALSE(d.TypewordName()->isVisibleTo(&d));
    const int hotKeysHeight = d.height();

    PressMnemonic(d, Qt::Key_T, d.UseTypewords());
    QApplication::processEvents();
    EXPECT_FALSE(d.KeyList()->isEnabled());
    EXPECT_FALSE(d.HotKeyEntry()->isEnabled());
    EXPECT_TRUE(d.TypewordName()->isVisible());
    EXPECT_NE(d.height(), hotKeysHeight);
    PressMnemonic(d, Qt::Key_H, d.UseHotKey());
    QApplication::processEvents();
    EXPECT_TRUE(d.KeyList()->isEnabled());
    EXPECT_EQ(d.height(), hotKeysHeight);

    // The box waits for a key while it has the focus; a mouse button is not in the list.
    waits.clear();
    d.HotKeyEntry()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(d.HotKeyEntry(), Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(d.HotKeyEntry()->text(), "Ctrl+Alt+N");
    EXPECT_EQ(d.KeyList()->currentRow(), Code("Ctrl+Alt+N"));
    d.SelectHotKey(kKeyHotKeyCodes);
    EXPECT_EQ(d.HotKeyEntry()->text(), "Ctrl+Alt+N");
    d.KeyList()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(waits, (std::vector<bool>{true, false}));
    d.KeyList()->setCurrentRow(Code("Ctrl+F5"));
    EXPECT_EQ(d.HotKeyEntry()->text(), "Ctrl+F5");
}

TEST_F(CaptureDialogTest, CaptureCompleteOkRefusesAsksAndStores) {
    rec.activation = kActivationTypeword;
    TCapComplete d(Parts());
    ShowActive(d);
    d.UseTypewords()->click();
    d.OkButtonClick(); // no name
    EXPECT_TRUE(d.TypewordName()->hasFocus());
    d.UseHotKey()->click();
    d.SelectHotKey(Code("Ctrl+G"));
    d.OkButtonClick(); // GLOBAL already
    d.SelectHotKey(Code("Win+R"));
    d.OkButtonClick(); // asked, answered No
    // Each refusal and the question (texts: the engine's tests) leave the dialog open.
    EXPECT_EQ(PromptCaptions(prompts), "Error|Error|Warning");
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(rec.activation, kActivationTypeword);

    prompts.QueueAnswer(true);
    d.Nickname()->setText(QStringLiteral("  run "));
    d.Program()->click();
    QTest::mouseClick(d.OkButton(), Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(rec.activation, Code("Win+R"));
    EXPECT_EQ(rec.nickname, "run");
    EXPECT_EQ(rec.scope, static_cast<unsigned>(Scope::Program));
    EXPECT_EQ(rec.scopeName, "NOTEPAD.EXE");
    EXPECT_EQ(rec.topMostOnly, 1);
}

} // namespace
