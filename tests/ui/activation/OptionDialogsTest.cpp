// Typeword Options, the scheduler's alarm and its timer interval, driven through their
// controls.

#include "ui/activation/TSchedulerAlarm.h"
#include "ui/activation/TTimerInterval.h"
#include "ui/activation/TTypewordOptions.h"

#include "platform/fake/RecordingPrompts.h"
#include "support/TempDir.h"
#include "ui/activation/QtPathChecks.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ui/support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::ui;

namespace {

const char* const kInvalidPrefix =
    "The Prefix Keys has invalid characters in it.  Valid characters are A - Z, a - z, 0 - 9 "
    "and ' ! @ # $ % ^ & _ = < > ? . ; , * - / +";

class OptionDialogsTest : public ::testing::Test {
protected:
    void ShowActive(QWidget& w) {
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> m;
        for (const auto& r : prompts.Records())
            m.push_back(r.text + " [" + r.caption + "]");
        return m;
    }

    Settings settings;
    fake::RecordingPrompts prompts;
    int saves = 0;
    std::function<void()> save = [this] { ++saves; };
};

TEST_F(OptionDialogsTest, TypewordOptionsShowTheSettings) {
    settings.useSuffix = true;
    settings.prefixKeys = ";";
    TTypewordOptions d(settings, prompts, save);
    EXPECT_EQ(d.windowTitle(), "Typeword Options");
    EXPECT_FALSE(d.UsePrefix()->isChecked());
    EXPECT_FALSE(d.PrefixKeys()->isEnabled());
    EXPECT_EQ(d.PrefixKeys()->text(), ";");
    d.UsePrefix()->setChecked(true);
    EXPECT_TRUE(d.PrefixKeys()->isEnabled());
}

TEST_F(OptionDialogsTest, AnInvalidPrefixKeyIsRefusedAsItIsTyped) {
    TTypewordOptions d(settings, prompts, save);
    ShowActive(d);
    d.PrefixKeys()->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(d.PrefixKeys(), ";");
    EXPECT_TRUE(prompts.Records().empty());
    QTest::keyClick(d.PrefixKeys(), Qt::Key_AsciiTilde, Qt::NoModifier, '~');
    EXPECT_EQ(Messages(), std::vector<std::string>{std::string(kInvalidPrefix) + " [Error]"});
    EXPECT_TRUE(d.PrefixKeys()->hasFocus());

    // Leaving the edit for another control checks it again and comes back.
    prompts.Clear();
    d.CaseSense()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(d.PrefixKeys()->hasFocus());

    // OK refuses it too and stores nothing.
    prompts.Clear();
    QTest::mouseClick(d.OkButton(), Qt::LeftButton);
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(d.PrefixKeys()->hasFocus());
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(settings.prefixKeys, "");
}

TEST_F(OptionDialogsTest, TypewordOptionsOkStoresAndSaves) {
    TTypewordOptions d(settings, prompts, save);
    ShowActive(d);
    d.PrefixKeys()->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(d.PrefixKeys(), ";;x"); // the edit holds two
    d.CaseSense()->setChecked(false);
    d.Solitary()->setChecked(true);
    QTest::mouseClick(d.OkButton(), Qt::LeftButton);
    EXPECT_TRUE(prompts.Records().empty());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(settings.prefixKeys, ";;");
    EXPECT_FALSE(settings.useSuffix);
    EXPECT_FALSE(settings.caseSensitive);
    EXPECT_TRUE(settings.solitaryUsage);
    EXPECT_EQ(saves, 1);
}

TEST_F(OptionDialogsTest, TimerSecondsOutsideOneToSixtyAreRefused) {
    settings.timerSeconds = 10;
    TTimerInterval d(settings, prompts, save);
    ShowActive(d);
    EXPECT_EQ(d.windowTitle(), "Scheduler Frequency");
    EXPECT_EQ(d.Seconds()->text(), "10");
    for (const char* bad : {"0", "61", "abc", "", "2.5"}) {
        prompts.Clear();
        d.Seconds()->setText(QString::fromLatin1(bad));
        QTest::mouseClick(d.OkButton(), Qt::LeftButton);
        EXPECT_EQ(Messages(), std::vector<std::string>{"Value must be between 1 and 60. [Error]"})
            << bad;
        EXPECT_TRUE(d.Seconds()->hasFocus());
        EXPECT_TRUE(d.isVisible());
    }
    EXPECT_EQ(settings.timerSeconds, 10);
    EXPECT_EQ(saves, 0);

    prompts.Clear();
    d.Seconds()->setText(QStringLiteral("60"));
    QTest::keyClick(d.Seconds(), Qt::Key_Return); // the default button
    EXPECT_TRUE(prompts.Records().empty());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(settings.timerSeconds, 60);
    EXPECT_EQ(saves, 1);
}

TEST_F(OptionDialogsTest, AlarmNeedsAnExistingWaveFile) {
    test::TempDir dir;
    const std::string wave = dir.File("bell.wav");
    test::WriteBytes(wave, {'R', 'I', 'F', 'F'});
    const QtPathChecks paths;
    TSchedulerAlarm d(settings, prompts, paths, save);
    ShowActive(d);
    EXPECT_EQ(d.windowTitle(), "Scheduler Alarm");
    EXPECT_EQ(d.Beep()->text(), "&None");
    EXPECT_TRUE(d.Beep()->isChecked());
    EXPECT_FALSE(d.ProgPath()->isEnabled());

    d.WaveFile()->setChecked(true);
    EXPECT_TRUE(d.ProgPath()->isEnabled());
    d.ProgPath()->setText(QString::fromStdString(dir.File("missing.wav")));
    QTest::mouseClick(d.OkButton(), Qt::LeftButton);
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "Specified WAV File does not exist.  Please correct. [Error]"});
    EXPECT_TRUE(d.ProgPath()->hasFocus());
    EXPECT_FALSE(settings.useWaveFile);

    prompts.Clear();
    d.ProgPath()->setText(QString::fromStdString(wave));
    d.WaitFor()->setChecked(true);
    QTest::mouseClick(d.OkButton(), Qt::LeftButton);
    EXPECT_TRUE(prompts.Records().empty());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_TRUE(settings.useWaveFile);
    EXPECT_TRUE(settings.waveFileWait);
    EXPECT_EQ(settings.waveFile, wave);
    EXPECT_EQ(saves, 1);
}

TEST_F(OptionDialogsTest, AlarmNoneNeedsNoFile) {
    settings.useWaveFile = true;
    settings.waveFile = "/gone/bell.wav";
    const QtPathChecks paths;
    TSchedulerAlarm d(settings, prompts, paths, save);
    EXPECT_TRUE(d.WaveFile()->isChecked());
    EXPECT_EQ(d.ProgPath()->text(), "/gone/bell.wav");
    d.Beep()->setChecked(true);
    QTest::mouseClick(d.OkButton(), Qt::LeftButton);
    EXPECT_TRUE(prompts.Records().empty());
    EXPECT_FALSE(settings.useWaveFile);
    EXPECT_EQ(settings.waveFile, "/gone/bell.wav");
    EXPECT_EQ(saves, 1);
}

} // namespace
