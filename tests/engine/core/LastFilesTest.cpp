#include "engine/core/LastFiles.h"

#include <gtest/gtest.h>

using namespace kv;

TEST(LastFiles, TheOldFileGoesToTheTopAndTheNewOneLeavesTheList) {
    Settings s;
    s.lastFiles = {"B", "C", "D", "E", "F"};
    DoLastFiles(s, "A", "D");
    EXPECT_EQ(s.lastFiles, (std::array<std::string, 5>{"A", "B", "C", "E", "F"}));

    DoLastFiles(s, "G", "X"); // a file not in the list: the last entry falls off
    EXPECT_EQ(s.lastFiles, (std::array<std::string, 5>{"G", "A", "B", "C", "E"}));
}

TEST(LastFiles, OpeningTheCurrentFileAgainPutsItsOwnNameOnTop) {
    Settings s;
    s.lastFiles = {"B", "", "", "", ""};
    DoLastFiles(s, "A", "A");
    EXPECT_EQ(s.lastFiles, (std::array<std::string, 5>{"A", "B", "", "", ""}));
}

TEST(LastFiles, TheComparisonIsCaseSensitive) {
    Settings s;
    s.lastFiles = {"/x/a.kvn", "", "", "", ""};
    DoLastFiles(s, "/x/b.kvn", "/x/A.KVN");
    EXPECT_EQ(s.lastFiles[0], "/x/b.kvn");
    EXPECT_EQ(s.lastFiles[1], "/x/a.kvn");
}

TEST(LastFiles, MenuCaptionsCarryTheNumberAndThreeSpaces) {
    Settings s;
    EXPECT_FALSE(SetMenuLastFiles(s).separatorVisible);
    s.lastFiles = {"/x/a.kvn", "", "/x/c.kvn", "", ""};
    const LastFilesMenu menu = SetMenuLastFiles(s);
    EXPECT_TRUE(menu.separatorVisible);
    EXPECT_EQ(menu.captions[0], "&1   /x/a.kvn");
    EXPECT_EQ(menu.captions[1], "");
    EXPECT_EQ(menu.captions[2], "&3   /x/c.kvn");
}
