#include "engine/core/CommandLine.h"

#include <gtest/gtest.h>

using namespace kv;

TEST(CommandLine, FlagsInAnyCase) {
    const CommandLine c = ParseCommandLine({"/hide", "/b", "/Ba", "/s", "/n", "/whatever"});
    EXPECT_TRUE(c.hide);
    EXPECT_TRUE(c.browse);
    EXPECT_TRUE(c.browseAll);
    EXPECT_TRUE(c.autoSync);
    EXPECT_TRUE(c.networkMode);
    EXPECT_FALSE(c.file);
    EXPECT_FALSE(c.syncMinutes);
}

TEST(CommandLine, SyncMinutesOnlyFrom1To98) {
    EXPECT_EQ(ParseCommandLine({"/SM98"}).syncMinutes, 98);
    EXPECT_EQ(ParseCommandLine({"/sm1"}).syncMinutes, 1);
    EXPECT_FALSE(ParseCommandLine({"/SM99"}).syncMinutes);
    EXPECT_FALSE(ParseCommandLine({"/SM0"}).syncMinutes);
    EXPECT_FALSE(ParseCommandLine({"/SM"}).syncMinutes);
    EXPECT_FALSE(ParseCommandLine({"/SMab"}).syncMinutes);
    EXPECT_FALSE(ParseCommandLine({"/SM5x"}).syncMinutes);
}

TEST(CommandLine, FileKeepsItsCase) {
    EXPECT_EQ(ParseCommandLine({"/f/home/Me/Work.kvn"}).file, "/home/Me/Work.kvn");
    EXPECT_FALSE(ParseCommandLine({"/F"}).file);
}
