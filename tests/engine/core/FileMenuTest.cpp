#include "engine/core/FileMenu.h"

#include "engine/core/MacroRecord.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/RecordingPrompts.h"
#include "support/MacroFileBytes.h"
#include "support/TempMacroFile.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace kv;

namespace {

class FileMenuTest : public ::testing::Test, protected test::TempMacroFile {
protected:
    void SetUp() override {
        settings.currentFile = dir.File("FIRST.KVN");
        file.LoadMacroFile(settings.currentFile);
        MacroRecord rec;
        rec.nickname = "Alpha";
        rec.activation = 1; // Ctrl+B
        second = dir.File("second.kvn");
        test::WriteMacroFile(second, {rec});
    }

    FileMenuParts parts{file, settings, block, prompts};
    std::string second;
};

TEST_F(FileMenuTest, OpenLoadsTheFileRebuildsTheHotKeysAndRemembersThePreviousFile) {
    const std::string first = settings.currentFile;
    ASSERT_TRUE(DoOpen(parts, second)); // lower-case extension is accepted
    EXPECT_EQ(settings.currentFile, second);
    EXPECT_EQ(block.MacroCount(), 5); // Alpha and the four SYSTEM macros
    EXPECT_EQ(settings.names.nickname[1], "Alpha");
    EXPECT_TRUE(block.HotKeyFlag(1));
    EXPECT_EQ(settings.lastFiles[0], first);
    EXPECT_TRUE(prompts.Records().empty());
}

TEST_F(FileMenuTest, AWrongFileTypeIsRefusedAndNothingChanges) {
    const std::string first = settings.currentFile;
    const std::string text = dir.File("notes.txt");
    test::WriteBytes(text, {'x'});
    for (auto* op : {&DoOpen, &DoNew}) {
        prompts.Clear();
        EXPECT_FALSE((*op)(parts, text));
        ASSERT_EQ(prompts.Records().size(), 1U);
        EXPECT_EQ(prompts.Records()[0].text, "Invalid file type selected.");
        EXPECT_EQ(prompts.Records()[0].caption, "Error");
        EXPECT_EQ(settings.currentFile, first);
        EXPECT_EQ(block.MacroCount(), 4);
    }
}

TEST_F(FileMenuTest, NewCreatesAFileWithTheFourSystemMacros) {
    const std::string made = dir.File("MADE.KVN");
    ASSERT_TRUE(DoNew(parts, made));
    EXPECT_EQ(std::filesystem::file_size(made), 4 * kRecordSize);
    EXPECT_EQ(block.MacroCount(), 4);
    EXPECT_EQ(settings.names.nickname[1], "Activate Keyvane");

    // Picking an existing file opens it unchanged.
    ASSERT_TRUE(DoNew(parts, second));
    EXPECT_EQ(settings.names.nickname[1], "Alpha");
    EXPECT_EQ(settings.lastFiles[0], made);
}

TEST_F(FileMenuTest, ALastFileThatIsGoneIsReportedAndKeptInTheList) {
    settings.lastFiles = {dir.File("GONE.KVN"), second, "", "", ""};
    const std::string first = settings.currentFile;
    EXPECT_FALSE(OpenSaveFile(parts, settings.lastFiles[0]));
    ASSERT_EQ(prompts.Records().size(), 1U);
    EXPECT_EQ(prompts.Records()[0].text, "File does not exist.");
    EXPECT_EQ(settings.currentFile, first);
    EXPECT_EQ(settings.lastFiles[0], dir.File("GONE.KVN"));

    // Opening an entry takes it out of the list and puts the previous file on top.
    ASSERT_TRUE(OpenSaveFile(parts, second));
    EXPECT_EQ(settings.lastFiles[0], first);
    EXPECT_EQ(settings.lastFiles[1], dir.File("GONE.KVN"));
    EXPECT_EQ(settings.lastFiles[2], "");
}

TEST_F(FileMenuTest, OpeningTheCurrentFileAgainPutsItsOwnNameOnTop) {
    const std::string first = settings.currentFile;
    ASSERT_TRUE(DoOpen(parts, first));
    EXPECT_EQ(settings.lastFiles[0], first);
    EXPECT_EQ(block.MacroCount(), 4);
}

TEST_F(FileMenuTest, AFileThatCannotBeCreatedLeavesThePreviousFileCurrent) {
    const std::string first = settings.currentFile;
    EXPECT_FALSE(DoNew(parts, dir.File("no-such-dir/NEW.KVN")));
    EXPECT_FALSE(prompts.Records().empty());
    EXPECT_EQ(settings.currentFile, first);
    EXPECT_EQ(block.MacroCount(), 4);
    EXPECT_EQ(settings.lastFiles[0], "");
}

TEST_F(FileMenuTest, SwapTakesAnyNameAsItIs) {
    const std::string odd = dir.File("macros.dat");
    test::WriteBytes(odd, {});
    ASSERT_TRUE(SwapMacroFile(parts, odd));
    EXPECT_EQ(settings.currentFile, odd);
    EXPECT_EQ(block.MacroCount(), 4);
}

} // namespace
