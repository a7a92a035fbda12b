// The command dialogs' windows: their controls filled as a user would, "&Ok" pressed, the
// tag the engine made of them, or its message with the focus where it says.

#include "ui/editing/CommandForm.h"

#include "engine/editing/ScriptCommands.h"
#include "engine/editing/ScriptView.h"

#include "platform/fake/RecordingPrompts.h"
#include "support/TempDir.h"
#include "ui/activation/QtPathChecks.h"
#include "ui/support/QStringPrinter.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>

#include <fstream>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::ui;

namespace {

const DateTime kNow{2026, 12, 10, 9, 5, 7, 0};

struct Case {
    DirectCommand command;
    std::vector<std::pair<std::string, std::string>> controls; // name, text ("" checks a radio)
    std::string tag;                                           // empty: refused
    std::string message;                                       // the refusal's
};

void Fill(CommandForm& f, const std::vector<std::pair<std::string, std::string>>& controls) {
    for (const auto& [name, text] : controls) {
        if (auto* r = f.findChild<QRadioButton*>(QString::fromStdString(name)))
            r->setChecked(true);
        else if (auto* e = f.findChild<QLineEdit*>(QString::fromStdString(name)))
            e->setText(QString::fromStdString(text));
        else
            ADD_FAILURE() << "no control " << name;
    }
}

TEST(CommandForms, EachDialogMakesItsTagOrSaysWhatIsWrong) {
    test::TempDir dir;
    const std::string text = dir.File("notes.txt");
    std::ofstream(text) << "x";
    const std::vector<Case> cases = {
        {DirectCommand::Delay, {{"Seconds", "2.5"}}, "<DELAY:02.50>", ""},
        {DirectCommand::Delay,
         {{"Seconds", "0"}},
         "",
         "Value must be greater than zero and no larger than 60."},
        {DirectCommand::Delay, {{"DelMilli", ""}, {"Seconds", "250"}}, "<MSD:0250>", ""},
        {DirectCommand::Pause,
         {{"ComplexPause", ""}, {"TopCoord", "10"}, {"LeftCoord", "x"}},
         "",
         "Invalid Left Window Coordinate entered.  Please correct."},
        {DirectCommand::Repeat, {{"Count", "3"}}, "<REPEAT:0003>", ""},
        {DirectCommand::Repeat, {{"RepeatCounter", ""}, {"Count", "2"}}, "<II>", ""},
        {DirectCommand::Speed, {{"MacroSpeed", ""}, {"Count", "2"}}, "<SPEED:02.00>", ""},
        {DirectCommand::Activate, {{"WinTitle", "Mail"}}, "<ACTIVATE:Mail>", ""},
        {DirectCommand::Activate,
         {{"WinTitle", ""}},
         "",
         "No entry made for Window Title.  Please correct."},
        {DirectCommand::System, {{"DoMinimize", ""}}, "<WMIN:\"CURRENT\">", ""},
        {DirectCommand::System,
         {{"SpecificWin", ""}},
         "",
         "No Window title specified.  Please correct"},
        {DirectCommand::SizePos,
         {{"TheWidth", "640"}, {"TheHeight", "480"}},
         "<WSIZE:0640,0480\"CURRENT\">",
         ""},
        {DirectCommand::Mouse, {{"XPos", "12"}, {"YPos", "34"}}, "<MMS:00012,00034>", ""},
        {DirectCommand::Mouse, {{"WheelBackward", ""}, {"NumClicks", "2"}}, "<WBW:002>", ""},
        {DirectCommand::Clipboard, {{"PasteCommand", ""}}, "<CLIPP>", ""},
        {DirectCommand::Clipboard,
         {{"CopyFile", ""}, {"ProgPath", text}},
         "<CLIPF:" + text + ">",
         ""},
        {DirectCommand::Remark, {{"Comments", "why"}}, "<REM:why>", ""},
        {DirectCommand::KeyUpDown, {{"ShiftUp", ""}}, "<SHFU>", ""},
        {DirectCommand::WebSite, {}, "<HTTP:http://>", ""},
        {DirectCommand::Ftp, {{"ProgPath", "ftp://x"}}, "<FTP:ftp://x>", ""},
        {DirectCommand::FileCommands,
         {{"CopyFile", ""}, {"ProgPath", text}},
         "",
         "No new name specified.  Please correct."},
        {DirectCommand::Sound, {}, "<BEEP>", ""},
    };
    const QtPathChecks paths;
    for (const Case& c : cases) {
        fake::RecordingPrompts prompts;
        Settings settings;
        const auto result = RunCommandDialog(c.command, {prompts, paths, settings, kNow}, nullptr,
                                             [&](CommandForm& f) {
                                                 Fill(f, c.controls);
                                                 f.OkButtonClick();
                                             });
        const std::string where = std::to_string(static_cast<int>(c.command)) + " " + c.tag;
        if (c.tag.empty()) {
            EXPECT_FALSE(result) << where;
            ASSERT_EQ(prompts.Records().size(), 1u) << where;
            EXPECT_EQ(prompts.Records()[0].text, c.message) << where;
            EXPECT_EQ(prompts.Records()[0].caption, "Error") << where;
        } else {
            ASSERT_TRUE(result) << where;
            EXPECT_EQ(result->tag, c.tag) << where;
            EXPECT_TRUE(prompts.Records().empty()) << where;
        }
    }
}

TEST(CommandForms, AMissingTextFileIsAQuestionWhoseNoKeepsThePath) {
    fake::RecordingPrompts prompts;
    Settings settings;
    const QtPathChecks paths;
    auto run = [&](bool yes) {
        prompts.QueueAnswer(yes);
        return RunCommandDialog(DirectCommand::LoadText, {prompts, paths, settings, kNow}, nullptr,
                                [](CommandForm& f) {
                                    Fill(f, {{"ProgPath", "/no/such.txt"}});
                                    f.OkButtonClick();
                                });
    };
    EXPECT_FALSE(run(true)); // Yes: back to the field
    const auto kept = run(false);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->tag, "<TFILE:/no/such.txt>");
    EXPECT_EQ(prompts.Records().back().caption, "Warning");
}

TEST(CommandForms, DatesAndTimesRememberTheLastChoiceAndSymbolsAreCharacters) {
    fake::RecordingPrompts prompts;
    const QtPathChecks paths;
    Settings settings;
    const CommandDialogContext context{prompts, paths, settings, kNow};
    auto run = [&](DirectCommand c, const std::function<void(CommandForm&)>& drive) {
        const auto r = RunCommandDialog(c, context, nullptr, [&](CommandForm& f) {
            drive(f);
            f.OkButtonClick();
        });
        return r ? r->tag : std::string("(cancelled)");
    };
    // The list shows each format with what it gives today.
    const std::string date = run(DirectCommand::Date, [](CommandForm& f) {
        auto* list = f.findChild<QListWidget*>("TheFormat");
        EXPECT_EQ(list->count(), 51);
        list->setCurrentRow(3);
        f.findChild<QCheckBox*>("Suppress")->setChecked(false);
        f.findChild<QLineEdit*>("Days")->setText("2");
        f.findChild<QRadioButton*>("Past")->setChecked(true);
    });
    EXPECT_EQ(date.front(), '<');
    EXPECT_NE(date.find("{YP002}>"), std::string::npos) << date;
    EXPECT_EQ(settings.lastDateFormat, 3);
    EXPECT_FALSE(settings.suppressZerosInDate);
    // Offered first the next time.
    run(DirectCommand::Date, [](CommandForm& f) {
        EXPECT_EQ(f.findChild<QListWidget*>("TheFormat")->currentRow(), 3);
        EXPECT_FALSE(f.findChild<QCheckBox*>("Suppress")->isChecked());
    });
    const std::string time = run(DirectCommand::Time, [](CommandForm& f) {
        EXPECT_EQ(f.findChild<QListWidget*>("TheFormat")->count(), 26);
    });
    EXPECT_NE(time.find("{N}>"), std::string::npos) << time;
    const std::string symbol = run(DirectCommand::Symbols, [](CommandForm& f) {
        f.findChild<QTableWidget*>("SymbolGrid")->setCurrentCell(12, 1);
    });
    EXPECT_EQ(symbol, std::string(1, static_cast<char>(128 + 8 * 12 + 1)));
}

} // namespace

namespace {

// Every command but Text through its dialog: the dialog opens with the command chosen, the
// line it makes reads back from its tag as the same line, and opening the line again and
// pressing "&Ok" gives the same tag.
TEST(CommandForms, EveryCommandsLineRoundTripsThroughItsDialogAndItsTag) {
    test::TempDir dir;
    const std::string file = dir.File("notes.wav");
    std::ofstream(file) << "x";
    fake::RecordingPrompts prompts;
    const QtPathChecks paths;
    Settings settings;
    const CommandDialogContext context{prompts, paths, settings, kNow};
    auto fillIn = [&](CommandForm& f) {
        const bool directory = f.findChild<QRadioButton*>("ChangeDir") &&
                               f.findChild<QRadioButton*>("ChangeDir")->isChecked();
        const std::vector<std::pair<const char*, std::string>> values = {
            {"Seconds", "1"},     {"TopCoord", "5"},
            {"LeftCoord", "6"},   {"Count", "2"},
            {"WinTitle", "Mail"}, {"ProgPath", directory ? dir.Path().string() : file},
            {"DelaySecs", "3"},   {"TheWidth", "640"},
            {"TheHeight", "480"}, {"XPos", "1"},
            {"YPos", "2"},        {"NumClicks", "3"},
            {"Comments", "why"},  {"NewName", "copy"},
        };
        for (const auto& [name, text] : values)
            if (auto* e = f.findChild<QLineEdit*>(name))
                e->setText(QString::fromStdString(text));
        f.OkButtonClick();
    };
    for (int i = 2; i <= kCommandCount; ++i) {
        const auto command = static_cast<Command>(i);
        const std::string name(CommandName(command));
        const auto made = RunLineDialog(command, nullptr, context, nullptr, fillIn);
        ASSERT_TRUE(made) << name << ": "
                          << (prompts.Records().empty() ? "" : prompts.Records().back().text);
        EXPECT_EQ(made->command, command) << name;
        std::string shown = made->Line().text;
        // The dialog's own wording of the current window; the script view's is shorter.
        if (const auto at = shown.find(" - Current Window"); at != std::string::npos)
            shown.replace(at, 17, " - Current Win");
        const std::vector<ScriptLine> read = BuildTheScript(made->tag);
        ASSERT_EQ(read.size(), 1u) << name << " " << made->tag;
        EXPECT_EQ(read.front().text, shown) << name;
        const auto again = RunLineDialog(command, &made->record, context, nullptr,
                                         [](CommandForm& f) { f.OkButtonClick(); });
        ASSERT_TRUE(again) << name;
        EXPECT_EQ(again->tag, made->tag) << name;
    }
}

} // namespace
