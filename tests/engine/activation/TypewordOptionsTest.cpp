#include "engine/activation/TypewordOptions.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

const char* const kInvalid = "The Prefix Keys has invalid characters in it.  Valid characters "
                             "are A - Z, a - z, 0 - 9 and ' ! @ # $ % ^ & _ = < > ? . ; , * - / +";

TEST(TypewordOptionsTest, ShowsTheSettingsWithPrefixAsTheInverseOfSuffix) {
    Settings s;
    s.useSuffix = true;
    s.caseSensitive = false;
    s.solitaryUsage = true;
    s.prefixKeys = ";;";
    const auto f = TTypewordOptionsFields::From(s);
    EXPECT_FALSE(f.usePrefix);
    EXPECT_FALSE(f.caseSense);
    EXPECT_TRUE(f.solitary);
    EXPECT_EQ(f.prefixKeys, ";;");
}

TEST(TypewordOptionsTest, OkStoresTheTrimmedPrefixCutToTwo) {
    Settings s;
    EXPECT_FALSE(TypewordOptionsOk({true, false, true, "  ;x  "}, s));
    EXPECT_EQ(s.prefixKeys, ";x");
    EXPECT_FALSE(s.useSuffix);
    EXPECT_FALSE(s.caseSensitive);
    EXPECT_TRUE(s.solitaryUsage);

    EXPECT_FALSE(TypewordOptionsOk({true, true, false, "abc"}, s));
    EXPECT_EQ(s.prefixKeys, "ab");
}

TEST(TypewordOptionsTest, InvalidPrefixKeysAreRefusedOnlyWhileUsed) {
    Settings s;
    s.prefixKeys = ";";
    for (const char* bad : {"a b", "'", "~", "\xE9"}) {
        EXPECT_EQ(TypewordOptionsOk({true, true, false, bad}, s), kInvalid) << bad;
        EXPECT_EQ(s.prefixKeys, ";"); // nothing stored
    }
    // Suffix mode does not use the prefix keys; they are kept as typed.
    EXPECT_FALSE(TypewordOptionsOk({false, true, false, "'"}, s));
    EXPECT_TRUE(s.useSuffix);
    EXPECT_EQ(s.prefixKeys, "'");
}

} // namespace
