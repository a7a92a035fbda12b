#include "engine/core/MacroFile.h"

#include "platform/fake/FakeClock.h"
#include "platform/fake/RecordingPrompts.h"
#include "support/MacroFileBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace kv;
namespace fs = std::filesystem;

namespace {

MacroRecord Global(const std::string& nick, std::uint16_t activation, const std::string& text) {
    MacroRecord r;
    r.nickname = nick;
    r.activation = activation;
    r.scope = 1;
    r.text = text;
    return r;
}

class MacroFileTest : public ::testing::Test {
protected:
    void SetUp() override { settings.currentFile = dir.File("TEST.KVN"); }

    LoadReport Load() { return file.LoadMacroFile(settings.currentFile); }

    std::vector<MacroRecord> OnDisk() { return ScanMacroFile(settings.currentFile).records; }

    test::TempDir dir;
    Settings settings;
    OwnedSharedBlock block;
    fake::RecordingPrompts prompts;
    fake::FakeClock clock{DateTime{2026, 12, 9, 10, 30, 0, 0}};
    MacroFile file{settings, block, prompts, clock};
};

} // namespace

TEST_F(MacroFileTest, AZeroLengthFileReceivesTheFourSystemMacrosInOrder) {
    test::WriteBytes(settings.currentFile, {});
    const LoadReport report = Load();
    EXPECT_TRUE(report.opened);
    EXPECT_EQ(report.systemMacrosAdded, 4);
    EXPECT_EQ(fs::file_size(settings.currentFile), 4 * kRecordSize);
    ASSERT_EQ(block.MacroCount(), 4);
    const auto disk = OnDisk();
    const char* names[] = {"Activate Keyvane", "Start / Stop Capture", "Resume Pause",
                           "Menu of Macros for Top Most Window"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(disk[i].nickname, names[i]);
        EXPECT_EQ(disk[i].scopeName, std::string(1, static_cast<char>('1' + i)));
        EXPECT_EQ(disk[i].activation, 262 + i);
        EXPECT_EQ(disk[i].scope, 5);
        EXPECT_EQ(disk[i].active, 1);
        EXPECT_EQ(disk[i].reserved98, 0);
        EXPECT_EQ(disk[i].reserved99, 0);
        EXPECT_EQ(disk[i].text, "");
        EXPECT_EQ(FromDayCount(disk[i].lastModified), clock.Now());
        EXPECT_EQ(settings.names.nickname[static_cast<std::size_t>(i + 1)], names[i]);
        EXPECT_EQ(block.Activation(i + 1), 262 + i);
    }
    EXPECT_TRUE(prompts.Records().empty());

    // A second load finds them all and adds nothing.
    EXPECT_EQ(Load().systemMacrosAdded, 0);
    EXPECT_EQ(fs::file_size(settings.currentFile), 4 * kRecordSize);
}

TEST_F(MacroFileTest, AMissingFileIsCreated) {
    const LoadReport report = Load();
    EXPECT_TRUE(report.created);
    EXPECT_EQ(block.MacroCount(), 4);
    EXPECT_EQ(fs::file_size(settings.currentFile), 4 * kRecordSize);
}

TEST_F(MacroFileTest, AFileThatCannotBeCreatedLeavesAnEmptyTable) {
    settings.currentFile = dir.File("no-such-folder/TEST.KVN");
    Load();
    EXPECT_EQ(block.MacroCount(), 0);
    ASSERT_EQ(prompts.Records().size(), 1u);
    EXPECT_EQ(prompts.Records()[0],
              (fake::PromptRecord{"message", "New file could not be created.", "Error"}));
}

TEST_F(MacroFileTest, AFileThatExistsButCannotBeReadIsNeverReplaced) {
    // A directory in place of the file, and a path through a plain file: both exist in
    // some form and must be reported, not overwritten by a new empty file.
    settings.currentFile = dir.File("FOLDER.KVN");
    fs::create_directory(settings.currentFile);
    Load();
    EXPECT_EQ(block.MacroCount(), 0);
    EXPECT_TRUE(fs::is_directory(settings.currentFile));
    ASSERT_EQ(prompts.Records().size(), 1u);
    EXPECT_EQ(prompts.Records()[0].caption, "Error");

    test::WriteBytes(dir.File("plain"), {1, 2, 3});
    settings.currentFile = dir.File("plain/TEST.KVN");
    Load();
    EXPECT_EQ(block.MacroCount(), 0);
    EXPECT_EQ(test::ReadBytes(dir.File("plain")), (std::vector<unsigned char>{1, 2, 3}));
    ASSERT_EQ(prompts.Records().size(), 2u);
    EXPECT_NE(prompts.Records()[1].text.find("left unchanged"), std::string::npos);
}

TEST_F(MacroFileTest, ASystemMacroWithAnotherNameShowsItsOwnNameButKeepsTheFile) {
    Load();
    MacroRecord resume = OnDisk()[2];
    resume.nickname = "My resume";
    ASSERT_TRUE(file.WriteMacroRecord(3, resume));
    Load();
    EXPECT_EQ(settings.names.nickname[3], "Resume Pause");
    EXPECT_EQ(OnDisk()[2].nickname, "My resume");
}

TEST_F(MacroFileTest, APartialRecordAtTheEndIsKeptAndNeverShifted) {
    std::vector<unsigned char> bytes =
        test::MacroFileBytes({Global("one", 0, "1"), Global("two", 1, "2")});
    const std::vector<unsigned char> tail(100, 0x5A);
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    test::WriteBytes(settings.currentFile, bytes);

    const LoadReport report = Load();
    EXPECT_EQ(report.extraBytes, 100u);
    EXPECT_EQ(report.recordsOnDisk, 2);
    EXPECT_EQ(block.MacroCount(), 6);
    const auto after = test::ReadBytes(settings.currentFile);
    ASSERT_EQ(after.size(), 6 * kRecordSize + 100);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 2 * kRecordSize, after.begin()));
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), after.end() - 100));
    EXPECT_EQ(OnDisk()[2].nickname, "Activate Keyvane");

    // Loading again changes nothing more.
    Load();
    EXPECT_EQ(test::ReadBytes(settings.currentFile), after);
}

TEST_F(MacroFileTest, MoreThan500RecordsLoadTheFirst500AndKeepTheRest) {
    std::vector<MacroRecord> records;
    for (int i = 0; i < 503; ++i)
        records.push_back(Global("m" + std::to_string(i), static_cast<std::uint16_t>(i % 699), ""));
    const auto bytes = test::MacroFileBytes(records);
    test::WriteBytes(settings.currentFile, bytes);

    const LoadReport report = Load();
    EXPECT_EQ(block.MacroCount(), 500);
    EXPECT_EQ(report.recordsNotLoaded, 3);
    EXPECT_EQ(settings.names.nickname[500], "m499");
    EXPECT_EQ(test::ReadBytes(settings.currentFile), bytes); // no SYSTEM macro squeezed in
    ASSERT_EQ(prompts.Records().size(), 1u);
    EXPECT_EQ(prompts.Records()[0].caption, "Warning");
    EXPECT_NE(prompts.Records()[0].text.find("503"), std::string::npos);
}

TEST_F(MacroFileTest, WritingAtAPlaceAndAppendingRefreshTheMirrors) {
    Load();
    MacroRecord r = Global("Greeting", 17, "Hello");
    r.scope = 2;
    r.scopeName = "A window title longer than twenty";
    r.typeword = "hi";
    r.topMostOnly = 1;
    block.SetMacroCount(block.MacroCount() + 1);
    ASSERT_TRUE(file.WriteMacroRecord(MacroFile::kAppend, r));
    EXPECT_EQ(fs::file_size(settings.currentFile), 5 * kRecordSize);
    EXPECT_EQ(settings.names.nickname[5], "Greeting");
    EXPECT_EQ(settings.names.typeword[5], "hi");
    EXPECT_EQ(block.Activation(5), 17);
    EXPECT_EQ(block.Scope(5), 2);
    EXPECT_EQ(block.ScopeName(5), "A window title longe");
    EXPECT_TRUE(block.TopMostOnly(5));

    r.nickname = "Changed";
    ASSERT_TRUE(file.WriteMacroRecord(5, r));
    EXPECT_EQ(OnDisk()[4].nickname, "Changed");
    EXPECT_EQ(OnDisk().size(), 5u);

    MacroRecord back;
    ASSERT_TRUE(file.ReadMacroRecord(5, back));
    EXPECT_EQ(back, MacroRecord::Unpack(r.Pack())); // the scope name cut to its 30 characters
    EXPECT_EQ(back.scopeName, "A window title longer than twe");
}

TEST_F(MacroFileTest, ReadingPastTheEndOrAMissingFileLeavesTheBufferAlone) {
    Load();
    MacroRecord buf = Global("untouched", 1, "x");
    EXPECT_FALSE(file.ReadMacroRecord(5, buf));
    EXPECT_EQ(buf.nickname, "untouched");
    fs::remove(settings.currentFile);
    EXPECT_FALSE(file.ReadMacroRecord(1, buf));
    EXPECT_EQ(buf.nickname, "untouched");
}

TEST_F(MacroFileTest, WritingToAMissingFileFailsWithTheSavingMessage) {
    Load();
    fs::remove(settings.currentFile);
    EXPECT_FALSE(file.WriteMacroRecord(1, Global("x", 1, "")));
    EXPECT_FALSE(fs::exists(settings.currentFile));
    ASSERT_EQ(prompts.Records().size(), 1u);
    EXPECT_EQ(prompts.Records()[0],
              (fake::PromptRecord{"message", "Saving of keystrokes failed.", "Error"}));
    EXPECT_EQ(settings.names.nickname[1], "Activate Keyvane");
}

TEST_F(MacroFileTest, DeletingClosesTheGapAndKeepsEverythingElse) {
    std::vector<unsigned char> bytes =
        test::MacroFileBytes({Global("a", 1, "A"), Global("b", 2, "B"), Global("c", 3, "C")});
    bytes.push_back(0x11); // a damaged tail stays at the end
    test::WriteBytes(settings.currentFile, bytes);
    fs::permissions(settings.currentFile,
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    ASSERT_TRUE(file.DeleteMacroRecord(1));
    auto disk = OnDisk();
    ASSERT_EQ(disk.size(), 2u);
    EXPECT_EQ(disk[0].nickname, "b");
    EXPECT_EQ(disk[1].nickname, "c");
    EXPECT_EQ(fs::file_size(settings.currentFile), 2 * kRecordSize + 1);
    EXPECT_EQ(test::ReadBytes(settings.currentFile).back(), 0x11);
    EXPECT_EQ(fs::status(settings.currentFile).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    ASSERT_TRUE(file.DeleteMacroRecord(2)); // the last one
    EXPECT_EQ(fs::file_size(settings.currentFile), kRecordSize + 1);
    EXPECT_FALSE(file.DeleteMacroRecord(2)); // nothing there any more
    EXPECT_EQ(fs::file_size(settings.currentFile), kRecordSize + 1);

    // No temporary file is left behind.
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.Path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST_F(MacroFileTest, SwitchingAMacroOffRewritesOnlyItsActiveByte) {
    Load();
    const auto before = test::ReadBytes(settings.currentFile);
    ASSERT_TRUE(file.SetMacroActive(2, false));
    auto after = test::ReadBytes(settings.currentFile);
    EXPECT_EQ(after[kRecordSize + 97], 0);
    after[kRecordSize + 97] = 1;
    EXPECT_EQ(after, before);
    EXPECT_FALSE(file.SetMacroActive(9, false));
    EXPECT_EQ(test::ReadBytes(settings.currentFile).size(), before.size());
}

TEST(MacroFileNames, ExtensionTestAndTitle) {
    EXPECT_TRUE(IsMacroFileName("/home/a/work.kvn"));
    EXPECT_TRUE(IsMacroFileName("WORK.KVN"));
    EXPECT_FALSE(IsMacroFileName("work.kvs"));
    EXPECT_FALSE(IsMacroFileName("kvn"));
    EXPECT_EQ(FileTitle("/home/a/Work.KVN"), "Work");
    EXPECT_EQ(FileTitle("KVDEF.KVN"), "KVDEF");
}
