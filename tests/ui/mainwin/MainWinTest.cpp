#include "ui/mainwin/MainWin.h"

#include "ui/mainwin/MacroListModel.h"
#include "ui/mainwin/MacroListView.h"
#include "ui/mainwin/MainWinTestSupport.h"

#include <QAction>
#include <QLineEdit>
#include <QFont>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <sstream>

using namespace kv;
using namespace kv::test;
using kv::ui::MacroListModel;
using kv::ui::MainWin;

namespace {

class CountingHook : public Hook {
public:
    bool Install(HookListener&, std::string*) override {
        calls += "I";
        return true;
    }
    void Uninstall() override { calls += "U"; }
    void RefreshHotKeys() override { calls += "R"; }
    void WaitForRelease(std::chrono::milliseconds) override {}
    std::string calls;
};

class NullListener : public HookListener {
public:
    void OnHotKey(std::uint16_t, WindowId) override {}
    void OnTyped(int, char) override {}
    void OnAbort() override {}
    void OnHotKeyTaken(int) override {}
};

// The copy/move dialog as a user who picks a Typeword and presses "&Ok".
class TypewordChoice : public MacroDialogs {
public:
    explicit TypewordChoice(Prompts& prompts) : prompts_(prompts) {}
    bool RunCopyOrMove(const CopyOrMoveDialog& dialog, MacroRecord& rec) override {
        CopyOrMoveChoice choice;
        choice.kind = CopyOrMoveChoice::Kind::Typeword;
        choice.typeword = "brv";
        return dialog.OkButtonClick(choice, rec, prompts_, DateTime{2026, 1, 1}) ==
               CopyOrMoveOutcome::Accepted;
    }
    bool RunSystemKeys(int) override { return false; }

private:
    Prompts& prompts_;
};

// Places: 1 Alpha (Ctrl+A), 2 Bravo (Ctrl+B), 3 Charlie (Ctrl+C, switched off), then the
// four SYSTEM macros.
class MainWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.Load({Macro("Alpha", Code("Ctrl+A")), Macro("Bravo", Code("Ctrl+B")),
                Macro("Charlie", Code("Ctrl+C"), Scope::Global, "", false)});
    }

    MainWin& Make(BrowseMode mode = BrowseMode::Off, MacroDialogs* dialogs = nullptr) {
        ui::MainWinCallbacks callbacks;
        callbacks.checkAndSetTime = [this] { ++schedules; };
        win = std::make_unique<MainWin>(ui::MainWinParts{t.settings, t.block, t.file, t.prompts,
                                                         t.clock, Profile(), t.dir.File("Icons"),
                                                         mode, &hook, &listener, nullptr, dialogs},
                                        std::move(callbacks));
        return *win;
    }
    std::string Profile() const { return t.dir.File("config/KVDEF.INI"); }
    std::string ProfileText() const {
        std::ifstream in(Profile());
        std::ostringstream all;
        all << in.rdbuf();
        return all.str();
    }

    void Select(int place) { win->SelectRow(win->List().ReverseSort(place)); }
    int Row(int place) const { return win->List().ReverseSort(place) - 1; }
    QString Cell(int row, int column) const {
        return win->Model()->data(win->Model()->index(row, column)).toString();
    }
    bool Italic(int place) const {
        return win->Model()
            ->data(win->Model()->index(Row(place), MacroListModel::kNickname), Qt::FontRole)
            .value<QFont>()
            .italic();
    }
    QString MenuText(const char* name) const { return win->Action(name)->text(); }
    bool Enabled(const char* name) const { return win->Action(name)->isEnabled(); }

    MacroTables t;
    CountingHook hook;
    NullListener listener;
    int schedules = 0;
    std::unique_ptr<MainWin> win;
};

TEST_F(MainWinTest, TheWindowShowsTheListOfTheCurrentFile) {
    Make();
    EXPECT_EQ(win->objectName(), QStringLiteral("MainWin"));
    EXPECT_EQ(win->View()->objectName(), QStringLiteral("MacroList"));
    EXPECT_EQ(win->windowTitle(), QStringLiteral("Keyvane (WORK)"));
    EXPECT_EQ(win->Model()->rowCount(), 7);
    EXPECT_EQ(Cell(Row(2), MacroListModel::kNickname), QStringLiteral("Bravo"));
    EXPECT_EQ(MenuText("MenuHide"), QStringLiteral("&Hide Keyvane"));
    EXPECT_EQ(MenuText("MenuTerminate"), QStringLiteral("&Terminate Keyvane"));
    // The editors are there; capture comes later.
    EXPECT_TRUE(Enabled("MenuAddHotKey"));
    EXPECT_TRUE(Enabled("MenuScripting"));
    EXPECT_FALSE(Enabled("MenuCaptureKey"));
}

// A letter shared by two items of one menu only moves between them; it must choose.
TEST_F(MainWinTest, EveryMenuLetterChoosesOneItem) {
    Make();
    const auto checkUnique = [](const QList<QAction*>& actions, const QString& where) {
        std::map<int, QString> seen;
        for (QAction* a : actions) {
            if (a->isSeparator() || a->text().isEmpty())
                continue;
            const int key = QKeySequence::mnemonic(a->text())[0].toCombined();
            ASSERT_NE(key, 0) << where.toStdString() << ": " << a->text().toStdString();
            const auto [it, fresh] = seen.emplace(key, a->text());
            EXPECT_TRUE(fresh) << where.toStdString() << ": " << a->text().toStdString() << " and "
                               << it->second.toStdString();
        }
    };
    checkUnique(win->menuBar()->actions(), QStringLiteral("menu bar"));
    for (QMenu* menu : win->menuBar()->findChildren<QMenu*>())
        checkUnique(menu->actions(), menu->title());
}

TEST_F(MainWinTest, SwitchingAMacroOffAndOnChangesTheFileAndTheDrawing) {
    Make();
    Select(1);
    EXPECT_EQ(MenuText("MenuActivate"), QStringLiteral("Deacti&vate Macro"));
    hook.calls.clear();

    win->Action("MenuActivate")->trigger();
    EXPECT_EQ(t.OnDisk()[0].active, 0);
    EXPECT_FALSE(t.block.HotKeyFlag(Code("Ctrl+A")));
    EXPECT_EQ(hook.calls, "R"); // the grab goes at once
    EXPECT_TRUE(Italic(1));
    EXPECT_EQ(MenuText("MenuActivate"), QStringLiteral("Acti&vate Macro"));
    EXPECT_EQ(win->Button("ButtonActivate")->text(), QStringLiteral("Acti&vate Macro"));
    EXPECT_EQ(win->Action("ActivateSpeed")->toolTip(), QStringLiteral("Activate Macro"));

    win->Button("ButtonActivate")->click();
    EXPECT_EQ(t.OnDisk()[0].active, 1);
    EXPECT_TRUE(t.block.HotKeyFlag(Code("Ctrl+A")));
    EXPECT_FALSE(Italic(1));
    EXPECT_EQ(MenuText("MenuActivate"), QStringLiteral("Deacti&vate Macro"));
}

TEST_F(MainWinTest, TheActivateCaptionFollowsTheSelection) {
    Make();
    win->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(win.get()));
    win->View()->setFocus();
    win->View()->SetCurrentEngineRow(win->List().ReverseSort(2));
    // The user moves down to Charlie, which is switched off.
    QTest::keyClick(win->View(), Qt::Key_Down);
    ASSERT_EQ(win->List().SelectedPlace(), 3);
    EXPECT_EQ(MenuText("MenuActivate"), QStringLiteral("Acti&vate Macro"));
    QTest::keyClick(win->View(), Qt::Key_Up);
    EXPECT_EQ(MenuText("MenuActivate"), QStringLiteral("Deacti&vate Macro"));

    // A SYSTEM macro can only be renamed.
    Select(4);
    EXPECT_FALSE(Enabled("MenuActivate"));
    EXPECT_FALSE(Enabled("MenuClearHot"));
    EXPECT_FALSE(Enabled("MenuCopyHot"));
    EXPECT_TRUE(Enabled("MenuMoveHot"));
    EXPECT_TRUE(win->Button("MoveHotKey")->isVisible());
    EXPECT_FALSE(win->Button("ClearHotKey")->isVisible());
}

TEST_F(MainWinTest, RemoveAsksAndRenumbers) {
    Make();
    Select(2);
    win->Action("MenuClearHot")->trigger(); // the answer is No
    ASSERT_EQ(t.prompts.Records().size(), 1U);
    EXPECT_EQ(t.prompts.Records()[0].text, "Are you sure you want to remove \"Ctrl+B\"?");
    EXPECT_EQ(t.prompts.Records()[0].caption, "Delete");
    EXPECT_EQ(t.OnDisk().size(), 7U);

    t.prompts.QueueAnswer(true);
    win->Action("MenuClearHot")->trigger();
    const auto disk = t.OnDisk();
    ASSERT_EQ(disk.size(), 6U);
    EXPECT_EQ(disk[1].nickname, "Charlie");
    EXPECT_EQ(win->Model()->rowCount(), 6);
    for (int r = 0; r < 6; ++r) {
        EXPECT_EQ(Cell(r, MacroListModel::kNumber), QString::number(r + 1));
        EXPECT_NE(Cell(r, MacroListModel::kNickname), QStringLiteral("Bravo"));
    }
    EXPECT_FALSE(t.block.HotKeyFlag(Code("Ctrl+B")));
    // The row that was selected stays selected, now showing the next macro.
    EXPECT_EQ(win->View()->CurrentEngineRow(), win->List().CurrentRow());
}

TEST_F(MainWinTest, CopySelectsTheNewMacro) {
    TypewordChoice dialogs(t.prompts);
    Make(BrowseMode::Off, &dialogs);
    Select(2);
    win->Action("MenuCopyHot")->trigger();
    ASSERT_EQ(t.OnDisk().size(), 8U);
    EXPECT_EQ(t.OnDisk()[7].typeword, "brv");
    EXPECT_EQ(win->Model()->rowCount(), 8);
    EXPECT_EQ(win->List().SelectedPlace(), 8);
    EXPECT_EQ(win->View()->CurrentEngineRow(), win->List().CurrentRow());
    EXPECT_EQ(Cell(win->List().CurrentRow() - 1, MacroListModel::kActivation),
              QStringLiteral("brv"));
}

TEST_F(MainWinTest, BrowseModeOffersNothingThatChangesTheFile) {
    Make(BrowseMode::Browse);
    Select(1);
    for (const char* name : {"MenuNew", "MenuClearHot", "MenuCopyHot", "MenuMoveHot",
                             "MenuActivate", "MenuAppear", "MenuTypewords", "MenuSystemKeys"})
        EXPECT_FALSE(Enabled(name)) << name;
    for (const char* name : {"MenuOpen", "MenuSort", "MenuQuickOver", "MenuShowDate"})
        EXPECT_TRUE(Enabled(name)) << name;
    EXPECT_FALSE(win->findChild<QWidget*>(QStringLiteral("LetterPanel"))->isVisibleTo(win.get()));
    EXPECT_FALSE(win->Action("CopySpeed")->isVisible());
    EXPECT_TRUE(win->Action("SpeedSort")->isVisible());
    EXPECT_TRUE(win->Action("HelpSpeed")->isVisible());
    EXPECT_TRUE(win->windowTitle().endsWith(QStringLiteral(")    (Browse Mode)")));

    // The menu item does nothing either, even when triggered.
    win->Action("MenuActivate")->trigger();
    EXPECT_EQ(t.OnDisk()[0].active, 1);
}

TEST_F(MainWinTest, BrowseAllModeAlsoLocksFilesSortingAndTheScheduler) {
    t.settings.lastFiles[0] = t.dir.File("OTHER.KVN");
    Make(BrowseMode::BrowseAll);
    Select(1);
    for (const char* name : {"MenuNew", "MenuOpen", "MenuLastFile1", "MenuSort", "MenuQuickOver",
                             "MenuScheduler", "MenuSysTray", "MenuHide", "MenuPrint"})
        EXPECT_FALSE(Enabled(name)) << name;
    EXPECT_FALSE(win->Action("SpeedSort")->isVisible());
    EXPECT_TRUE(win->Action("HelpSpeed")->isVisible());
    EXPECT_TRUE(win->windowTitle().endsWith(QStringLiteral("    (Browse All Mode)")));
}

TEST_F(MainWinTest, WithoutANotificationAreaTheTrayOptionIsOff) {
    // The offscreen platform has no tray.
    t.settings.useTray = true;
    Make();
    EXPECT_FALSE(win->TraySupported());
    EXPECT_FALSE(t.settings.useTray);
    EXPECT_FALSE(Enabled("MenuSysTray"));
    EXPECT_FALSE(win->Action("MenuSysTray")->isChecked());
    EXPECT_FALSE(Enabled("MenuHide"));
}

TEST_F(MainWinTest, InTheTrayTheWindowHidesWhenKeyvaneLosesTheFocusUnlessADialogIsOpen) {
    Make();
    win->show();
    t.settings.useTray = true; // as if the desktop had a tray
    {
        MainWin::DialogOpen open(*win);
        win->AppDeactivate();
        EXPECT_TRUE(win->isVisible());
    }
    win->SkipNextDeactivate();
    win->AppDeactivate();
    EXPECT_TRUE(win->isVisible());
    win->AppDeactivate();
    EXPECT_FALSE(win->isVisible());
    win->SysTrayOpen(); // no activateMe callback: the window comes back at once
    EXPECT_TRUE(win->isVisible());

    t.settings.useTray = false;
    win->AppDeactivate();
    EXPECT_TRUE(win->isVisible());
}

TEST_F(MainWinTest, OpenFileAndTheLastFilesReloadTheList) {
    const std::string first = t.settings.currentFile;
    const std::string second = t.dir.File("Second.kvn");
    WriteMacroFile(second, {Macro("Zulu", Code("F9"))});
    Make();
    EXPECT_FALSE(win->Action("MenuLastFile1")->isVisible());
    const int before = schedules;

    ASSERT_TRUE(win->DoOpen(second));
    EXPECT_EQ(win->windowTitle(), QStringLiteral("Keyvane (Second)"));
    EXPECT_EQ(win->Model()->rowCount(), 5);
    EXPECT_EQ(Cell(Row(1), MacroListModel::kNickname), QStringLiteral("Zulu"));
    EXPECT_TRUE(t.block.HotKeyFlag(Code("F9")));
    EXPECT_FALSE(t.block.HotKeyFlag(Code("Ctrl+A")));
    EXPECT_GT(schedules, before);
    QAction* last1 = win->Action("MenuLastFile1");
    EXPECT_TRUE(last1->isVisible());
    EXPECT_EQ(last1->text(), QString::fromStdString("&1   " + first));

    last1->trigger();
    EXPECT_EQ(t.settings.currentFile, first);
    EXPECT_EQ(win->Model()->rowCount(), 7);
    EXPECT_EQ(win->windowTitle(), QStringLiteral("Keyvane (WORK)"));
    EXPECT_EQ(win->Action("MenuLastFile1")->text(), QString::fromStdString("&1   " + second));
    EXPECT_FALSE(win->Action("MenuLastFile2")->isVisible());

    // A wrong type changes nothing.
    EXPECT_FALSE(win->DoOpen(t.dir.File("notes.txt")));
    EXPECT_EQ(t.prompts.Records().back().text, "Invalid file type selected.");
    EXPECT_EQ(win->Model()->rowCount(), 7);
}

TEST_F(MainWinTest, NewFileStartsWithTheSystemMacros) {
    Make();
    ASSERT_TRUE(win->DoNew(t.dir.File("FRESH.KVN")));
    EXPECT_EQ(win->Model()->rowCount(), 4);
    EXPECT_EQ(win->windowTitle(), QStringLiteral("Keyvane (FRESH)"));
}

TEST_F(MainWinTest, ShowDateAddsTheDateToTheCaptionAndIsSaved) {
    t.clock.Set(DateTime{2026, 3, 4, 15, 6, 7, 0});
    Make();
    win->Action("MenuShowDate")->trigger();
    EXPECT_TRUE(t.settings.showDate);
    EXPECT_TRUE(win->Action("MenuShowDate")->isChecked());
    EXPECT_TRUE(win->windowTitle().startsWith(QStringLiteral("Keyvane (WORK)     ")));
    EXPECT_TRUE(win->windowTitle().contains(QStringLiteral("06")));
    EXPECT_NE(ProfileText().find("Show Date=Yes"), std::string::npos);

    win->Action("MenuShowDate")->trigger();
    EXPECT_EQ(win->windowTitle(), QStringLiteral("Keyvane (WORK)"));
    EXPECT_NE(ProfileText().find("Show Date=No"), std::string::npos);
}

TEST_F(MainWinTest, RestoreKeyboardHooksAsksAndReinstallsTheHook) {
    Make();
    hook.calls.clear();
    win->Action("MenuKeyHooks")->trigger(); // No
    ASSERT_EQ(t.prompts.Records().size(), 1U);
    EXPECT_EQ(t.prompts.Records()[0].caption, "Keyboard Hooks");
    EXPECT_EQ(t.prompts.Records()[0].kind, "question");
    EXPECT_TRUE(t.prompts.Records()[0].text.ends_with("monitor the keystrokes again.  Continue?"));
    EXPECT_EQ(hook.calls, "");

    t.prompts.QueueAnswer(true);
    win->Action("MenuMouseHooks")->trigger();
    EXPECT_EQ(t.prompts.Records()[1].caption, "Mouse Hooks");
    EXPECT_EQ(hook.calls, "UIR");
}

TEST_F(MainWinTest, UseSpeedShowsTheSpeedBarInsteadOfTheLetteredButtons) {
    t.settings.useSpeed = true;
    Make();
    win->show();
    EXPECT_TRUE(win->findChild<QToolBar*>(QStringLiteral("SpeedPanel"))->isVisible());
    EXPECT_FALSE(win->findChild<QWidget*>(QStringLiteral("LetterPanel"))->isVisible());
}

TEST_F(MainWinTest, ClosingWritesTheWindowPlaceIntoTheSettings) {
    t.settings.mainLeft = 30;
    t.settings.mainTop = 40;
    t.settings.mainWidth = 500;
    t.settings.mainHeight = 300;
    Make();
    EXPECT_EQ(win->width(), 500);
    win->resize(520, 310);
    win->SaveStretchDim();
    EXPECT_EQ(t.settings.mainWidth, 520);
    EXPECT_EQ(t.settings.mainHeight, 310);
}

} // namespace

namespace {

TEST_F(MainWinTest, TheFilterKeepsOnlyTheMacrosThatContainItsText) {
    Make();
    auto shown = [&] {
        std::vector<std::string> nicks;
        for (int row = 0; row < win->Model()->rowCount(); ++row)
            if (!win->View()->isRowHidden(row))
                nicks.push_back(Cell(row, MacroListModel::kNickname).toStdString());
        return nicks;
    };
    const std::size_t all = shown().size();
    win->Filter()->setText(QStringLiteral("bra"));
    EXPECT_EQ(shown(), std::vector<std::string>{"Bravo"});
    // The activation column, in any case; then the macro text itself.
    win->Filter()->setText(QStringLiteral("ctrl+c"));
    EXPECT_EQ(shown(), std::vector<std::string>{"Charlie"});
    win->Filter()->setText(QStringLiteral("alpha TEXT"));
    EXPECT_EQ(shown(), std::vector<std::string>{"Alpha"});
    // A refilled list keeps the filter: a switched-off macro stays filtered out.
    win->Filter()->setText(QStringLiteral("bravo"));
    Select(1);
    win->DoActivate();
    EXPECT_EQ(shown(), std::vector<std::string>{"Bravo"});
    win->Filter()->clear();
    EXPECT_EQ(shown().size(), all);
}

} // namespace
