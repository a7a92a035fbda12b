#include "engine/core/Ansi.h"

#include <gtest/gtest.h>

using namespace kv;

TEST(Ansi, EveryByteSurvivesARoundTripThroughUtf8) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
}

TEST(Ansi, ConvertsTheWindows1252Letters) {
    EXPECT_EQ(AnsiToUtf8("\x80"), "\xE2\x82\xAC"); // euro sign
    EXPECT_EQ(AnsiToUtf8("\xE9"), "\xC3\xA9");     // e acute
    EXPECT_EQ(Utf8ToAnsi("\xC3\x9F"), "\xDF");     // sharp s
    EXPECT_EQ(Utf8ToAnsi("\xE2\x80\x9C"), "\x93"); // left double quote
}

TEST(Ansi, CharactersOutsideTheCodePageAndBrokenUtf8BecomeTheReplacement) {
    EXPECT_EQ(Utf8ToAnsi("a\xE2\x98\x83z"), "a?z"); // snowman
    EXPECT_EQ(Utf8ToAnsi("a\xC3"), "a?");           // cut sequence
    EXPECT_EQ(Utf8ToAnsi("\xC0\xAF"), "?");         // overlong slash
    EXPECT_FALSE(Utf8FitsAnsi("\xE2\x98\x83"));
    EXPECT_TRUE(Utf8FitsAnsi("caf\xC3\xA9 \xE2\x82\xAC"));
}

TEST(Ansi, UpperCaseCoversAccentedLetters) {
    EXPECT_EQ(AnsiUpper("notepad - \xE9t\xE9 \x9A\xFF"), "NOTEPAD - \xC9T\xC9 \x8A\x9F");
    EXPECT_EQ(AnsiUpperChar('\xF7'), '\xF7'); // the division sign has no upper case
    EXPECT_TRUE(AnsiContainsNoCase("Untitled - Notepad", "notepad"));
    EXPECT_FALSE(AnsiContainsNoCase("Untitled", "pad"));
}
