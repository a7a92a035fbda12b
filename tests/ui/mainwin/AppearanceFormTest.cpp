#include "ui/mainwin/AppearanceForm.h"

#include "platform/fake/RecordingPrompts.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using namespace kv;
using kv::ui::AppearanceForm;

namespace {

using Records = std::vector<fake::PromptRecord>;

auto Fields(const FontSettings& f) {
    return std::tie(f.color, f.name, f.size, f.bold, f.italic, f.underline, f.strikeout);
}

class AppearanceFormTest : public ::testing::Test {
protected:
    static Settings Start() {
        Settings s;
        s.col1Width = 100;
        s.col2Width = 200;
        s.col3Width = 300;
        return s;
    }

    void SetUp() override {
        form.SetFontChooser([this](const FontSettings& current, const QString& title) {
            offered.push_back(current);
            titles.push_back(title);
            std::optional<FontSettings> answer = nextFont;
            nextFont.reset();
            return answer;
        });
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    void Type(int column, const char* text) {
        QLineEdit* edit = form.WidthEdit(column);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    void Ok() { QTest::mouseClick(form.OkButton(), Qt::LeftButton); }

    Settings settings = Start();
    fake::RecordingPrompts prompts;
    int saves = 0;
    AppearanceForm form{settings, prompts, [this] { ++saves; }};
    std::optional<FontSettings> nextFont;
    std::vector<FontSettings> offered;
    std::vector<QString> titles;
};

TEST_F(AppearanceFormTest, ShowsTheSettings) {
    EXPECT_EQ(form.windowTitle(), "Appearance");
    EXPECT_EQ(form.WidthEdit(1)->text(), "100");
    EXPECT_EQ(form.WidthEdit(2)->text(), "200");
    EXPECT_EQ(form.WidthEdit(3)->text(), "300");
    EXPECT_EQ(form.WidthEdit(1)->objectName(), "Col1Wid");
    EXPECT_TRUE(form.LetteredButtons()->isChecked());
    EXPECT_FALSE(form.SpeedButtons()->isChecked());
    EXPECT_EQ(form.SpeedButtons()->text(), "&Speed Buttons");
    EXPECT_EQ(form.LetteredButtons()->text(), "&Lettered Buttons");
    EXPECT_EQ(form.GridFontButton()->text(), "&Grid Font");
    EXPECT_EQ(form.GridTitleFontButton()->text(), "Grid &Title Font");

    Type(1, "123456");
    EXPECT_EQ(form.WidthEdit(1)->text(), "1234");
}

TEST_F(AppearanceFormTest, ABadWidthIsRefusedWithTheFocusOnIt) {
    Type(2, "0");
    Type(3, "x");
    form.SpeedButtons()->setChecked(true);
    Ok();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.WidthEdit(2)->hasFocus());

    Type(2, "150");
    Type(1, "ab");
    Ok();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.WidthEdit(1)->hasFocus());

    Type(1, "90");
    form.WidthEdit(1)->setFocus();
    Ok();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.WidthEdit(3)->hasFocus());

    EXPECT_EQ(prompts.Records(), (Records(3, {"message", "Invalid width specified.", "Error"})));
    EXPECT_EQ(settings.col1Width, 100);
    EXPECT_EQ(settings.col2Width, 200);
    EXPECT_FALSE(settings.useSpeed);
    EXPECT_EQ(saves, 0);
}

TEST_F(AppearanceFormTest, OkStoresWidthsButtonsAndFontsAndSaves) {
    Type(1, "90");
    Type(2, "7");
    Type(3, "1000");
    QTest::mouseClick(form.SpeedButtons(), Qt::LeftButton, {},
                      QPoint(6, form.SpeedButtons()->height() / 2));

    FontSettings courier{0x0000ff, "Courier", 14, true};
    nextFont = courier;
    QTest::mouseClick(form.GridFontButton(), Qt::LeftButton);
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(Fields(offered[0]), Fields(settings.gridFont));
    // Choosing a font writes the profile; the list's font itself waits for "&Ok".
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(settings.gridFont.name, "Arial");

    // The dialog offers its working copy again.
    QTest::mouseClick(form.GridFontButton(), Qt::LeftButton); // cancelled
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(Fields(offered[1]), Fields(courier));
    EXPECT_EQ(saves, 1);

    FontSettings title{0, "Times", 16, false, true};
    nextFont = title;
    QTest::mouseClick(form.GridTitleFontButton(), Qt::LeftButton);
    EXPECT_EQ(Fields(offered[2]), Fields(settings.gridTitleFont));

    Ok();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_TRUE(prompts.Records().empty());
    EXPECT_EQ(settings.col1Width, 90);
    EXPECT_EQ(settings.col2Width, 7);
    EXPECT_EQ(settings.col3Width, 1000);
    EXPECT_TRUE(settings.useSpeed);
    EXPECT_EQ(Fields(settings.gridFont), Fields(courier));
    EXPECT_EQ(Fields(settings.gridTitleFont), Fields(title));
    EXPECT_EQ(saves, 3);
}

TEST_F(AppearanceFormTest, CancelChangesNothing) {
    Type(1, "55");
    form.SpeedButtons()->setChecked(true);
    nextFont = FontSettings{0, "Courier", 14};
    QTest::mouseClick(form.GridFontButton(), Qt::LeftButton);
    QTest::mouseClick(form.CancelButton(), Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(settings.col1Width, 100);
    EXPECT_FALSE(settings.useSpeed);
    EXPECT_EQ(settings.gridFont.name, "Arial");
}

} // namespace
