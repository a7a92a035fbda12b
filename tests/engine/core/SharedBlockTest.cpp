#include "engine/core/SharedBlock.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

void AddMacro(SharedBlock& b, int place, std::uint16_t activation, bool active) {
    b.SetActivation(place, activation);
    b.SetActive(place, active);
    b.SetMacroCount(place);
}

int FlagCount(const SharedBlock& b) {
    int n = 0;
    for (int c = 0; c < kHotKeyFlagCount; ++c)
        n += b.HotKeyFlag(c) ? 1 : 0;
    return n;
}

} // namespace

TEST(SharedBlock, HotKeyFlagsFollowActiveHotKeyMacrosOnly) {
    OwnedSharedBlock b;
    b.SetHotKeys();
    EXPECT_EQ(FlagCount(b), 0);

    AddMacro(b, 1, 5, true);
    AddMacro(b, 2, 5, true);
    AddMacro(b, 3, 10000, true);
    AddMacro(b, 4, 20000, true);
    AddMacro(b, 5, 698, true);
    AddMacro(b, 6, 700, true); // a mouse button: no flag byte
    b.SetHotKeys();
    EXPECT_EQ(b.Data()[22], 1);
    EXPECT_EQ(b.Data()[17 + 698], 1);
    EXPECT_EQ(FlagCount(b), 2);
    EXPECT_EQ(b.Data()[716], 0); // the capture flag after the last flag byte is untouched

    b.SetActive(1, false);
    b.SetHotKeys();
    EXPECT_TRUE(b.HotKeyFlag(5));
    b.SetActive(2, false);
    b.SetHotKeys();
    EXPECT_FALSE(b.HotKeyFlag(5));
}

TEST(SharedBlock, PerPlaceTablesSitAtTheirOffsets) {
    OwnedSharedBlock b;
    b.SetScope(1, 5);
    b.SetScope(500, 3);
    b.SetScopeName(2, "ABCDEFGHIJKLMNOPQRSTUVWXY"); // 25 characters: 20 are kept
    b.SetActive(500, true);
    b.SetActivation(3, 0x1234);
    b.SetTopMostOnly(4, true);
    b.SetMacroCount(42);
    const std::uint8_t* d = b.Data();
    EXPECT_EQ(d[771], 5);
    EXPECT_EQ(d[771 + 2 * 499], 3);
    EXPECT_EQ(d[1771 + 21], 20);
    EXPECT_EQ(b.ScopeName(2), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(d[12271 + 499], 1);
    EXPECT_EQ(d[12771 + 4], 0x34);
    EXPECT_EQ(d[12771 + 5], 0x12);
    EXPECT_EQ(d[13771 + 3], 1);
    EXPECT_EQ(d[14271], 42);
}

TEST(SharedBlock, ADamagedMacroCountReadsWithinTheTables) {
    OwnedSharedBlock b;
    bytes::PutU32(b.Data() + 14271, 0xFFFFFFFF);
    EXPECT_EQ(b.MacroCount(), 0);
    bytes::PutU32(b.Data() + 14271, 100000);
    EXPECT_EQ(b.MacroCount(), 500);
    b.SetHotKeys(); // must stay inside the block
}

TEST(SharedBlock, WindowCreationAndHotKeyEntryFields) {
    OwnedSharedBlock b;
    std::fill_n(b.Data(), kSharedBlockSize, std::uint8_t{0xEE});
    b.InitForWindow(0x01020304, true);
    const std::uint8_t* d = b.Data();
    EXPECT_EQ(b.MainWindow(), 0x01020304u);
    EXPECT_EQ(d[4], 0);
    EXPECT_EQ(d[716], 0);
    EXPECT_EQ(d[719], 0);
    EXPECT_EQ(d[720], 0);
    EXPECT_EQ(b.HotKeyEntryWindow(), 0x01020304u);
    EXPECT_EQ(d[735], 0);
    EXPECT_EQ(bytes::GetU16(d + 738), 0);
    EXPECT_EQ(d[740] + d[741] + d[742], 0);
    EXPECT_EQ(d[744], 0);
    EXPECT_EQ(d[14275], 0);
    EXPECT_EQ(d[14276], 1);
    // Bytes Keyvane never touches stay as they were.
    for (std::size_t i : {5u, 16u, 718u, 721u, 722u, 761u, 768u})
        EXPECT_EQ(d[i], 0xEE) << i;

    b.SetSecWind(77, true);
    EXPECT_EQ(bytes::GetU32(d + 731), 77u);
    EXPECT_EQ(d[735], 1);
}

TEST(SharedBlock, CaptureFields) {
    OwnedSharedBlock b;
    b.SetStopKey({2, 0x58, true, false, true, true});
    b.SetSecondStopKey({0, 0x41, false, true, false, false});
    b.SetCaptureRelativeToWindow(true);
    b.SetPlaying(true);
    const std::uint8_t* d = b.Data();
    EXPECT_EQ(bytes::GetU16(d + 736), 2);
    EXPECT_EQ(bytes::GetU16(d + 738), 0x58);
    EXPECT_EQ(d[740], 1);
    EXPECT_EQ(d[741], 0);
    EXPECT_EQ(d[742], 1);
    EXPECT_EQ(d[743], 1);
    EXPECT_EQ(bytes::GetU16(d + 748), 0x41);
    EXPECT_EQ(d[751], 1);
    EXPECT_EQ(d[755], 1);
    EXPECT_EQ(d[770], 1);
    EXPECT_EQ(d[756], 1);
    EXPECT_EQ(b.StopKey().virtualKey, 0x58);
}
