#include "ui/mainwin/QuickInfoForm.h"

#include "engine/activation/HotKeys.h"
#include "engine/core/Limits.h"
#include "engine/mainwin/QuickInfo.h"
#include "support/TempDir.h"
#include "ui/common/Icons.h"

#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace kv;
using kv::ui::QuickInfoForm;

namespace {

std::string Formatted(const DateTime& t) {
    return std::to_string(t.day) + "/" + std::to_string(t.month) + "/" + std::to_string(t.year);
}

MacroRecord Macro(Scope scope) {
    MacroRecord r;
    r.nickname = "Greeting";
    r.activation = static_cast<std::uint16_t>(HotKeyFromName("Ctrl+G").value());
    r.scope = static_cast<std::uint16_t>(scope);
    r.text = "Hello <ENTER>";
    r.lastModified = ToDayCount(DateTime{2026, 3, 4, 10, 0, 0, 0});
    return r;
}

QImage Picture(const QuickInfoForm& form) {
    return form.IconLabel()->pixmap().toImage();
}

QImage ProgramPicture() {
    return ui::ProgramIcon().pixmap(32, 32).toImage();
}

TEST(QuickInfoFormTest, ShowsTheMacroAsTheEngineWordsIt) {
    MacroRecord rec = Macro(Scope::Window);
    rec.scopeName = "Notepad";
    rec.topMostOnly = 1;
    rec.active = 0;
    const QuickInfoForm form(QuickInfoTexts(rec, Formatted, "/nonexistent"));
    EXPECT_EQ(form.windowTitle(), "Quick Info");
    EXPECT_EQ(form.Lab1()->text(), "Hot Key:");
    EXPECT_EQ(form.Line(1)->text(), "Ctrl+G");
    EXPECT_EQ(form.Line(2)->text(), "Greeting");
    EXPECT_EQ(form.Line(3)->text(), "Notepad \"Window\" (Top Most Only)");
    EXPECT_EQ(form.Line(4)->text(), "No");
    EXPECT_EQ(form.MacroTextLabel()->text(), "Macro Text:");
    EXPECT_FALSE(form.MacroText()->isHidden());
    EXPECT_TRUE(form.MacroText()->isReadOnly());
    EXPECT_EQ(form.MacroText()->toPlainText(), "Hello <ENTER>");
    EXPECT_EQ(form.LastMod()->text(), "Last Modified On 4/3/2026");
    EXPECT_EQ(form.OkButton()->text(), "&Ok");
    EXPECT_EQ(Picture(form), ProgramPicture());
}

TEST(QuickInfoFormTest, HidesTheTextOfSystemAndPopupMenuMacros) {
    for (Scope scope : {Scope::System, Scope::PopupMenu}) {
        MacroRecord rec = Macro(scope);
        rec.text = std::string("\x01\x02menu bytes", 12);
        const QuickInfoForm form(QuickInfoTexts(rec, Formatted, "/nonexistent"));
        EXPECT_TRUE(form.MacroText()->isHidden());
        EXPECT_TRUE(form.MacroTextLabel()->text().isEmpty());
        EXPECT_EQ(form.Line(3)->text(), scope == Scope::System ? "SYSTEM" : "Popup Menu");
    }
}

TEST(QuickInfoFormTest, TimedAndTypewordMacrosNameTheirActivation) {
    MacroRecord rec = Macro(Scope::Global);
    rec.activation = static_cast<std::uint16_t>(kActivationTypeword);
    rec.typeword = "sig";
    QuickInfoForm typeword(QuickInfoTexts(rec, Formatted, ""));
    EXPECT_EQ(typeword.Lab1()->text(), "Typeword:");
    EXPECT_EQ(typeword.Line(1)->text(), "sig");
    EXPECT_EQ(typeword.Line(3)->text(), "GLOBAL");
    EXPECT_EQ(typeword.Line(4)->text(), "Yes");

    rec.activation = static_cast<std::uint16_t>(kActivationTimed);
    QuickInfoForm timed(QuickInfoTexts(rec, Formatted, ""));
    EXPECT_EQ(timed.Lab1()->text(), "Timed Macro:");
    EXPECT_FALSE(timed.Line(1)->text().isEmpty());
}

TEST(QuickInfoFormTest, IconsComeFromTheMenuPictureOrAFileOrFallBack) {
    test::TempDir dir;
    QImage red(16, 16, QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(QString::fromStdString(dir.File("RED.PNG")), "PNG"));
    test::WriteBytes(dir.File("BROKEN.ICO"), {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'c', 'o'});

    MacroRecord rec = Macro(Scope::Global);
    rec.icon = "MENU";
    const QuickInfoForm menu(QuickInfoTexts(rec, Formatted, dir.Path().string()));
    EXPECT_EQ(Picture(menu), ui::MenuIcon().pixmap(32, 32).toImage());

    rec.icon = "RED.PNG";
    const QuickInfoForm file(QuickInfoTexts(rec, Formatted, dir.Path().string()));
    const QImage shown = Picture(file);
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(Qt::red));

    rec.icon = "BROKEN.ICO"; // there, but no picture
    const QuickInfoForm broken(QuickInfoTexts(rec, Formatted, dir.Path().string()));
    EXPECT_EQ(Picture(broken), ProgramPicture());

    rec.icon = "MISSING.ICO";
    const QuickInfoForm missing(QuickInfoTexts(rec, Formatted, dir.Path().string()));
    EXPECT_EQ(Picture(missing), ProgramPicture());
}

TEST(QuickInfoFormTest, OkCloses) {
    QuickInfoForm form(QuickInfoTexts(Macro(Scope::Global), Formatted, ""));
    form.show();
    QTest::mouseClick(form.OkButton(), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

} // namespace
