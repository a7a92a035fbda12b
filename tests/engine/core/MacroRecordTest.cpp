#include "engine/core/MacroRecord.h"
#include "engine/core/Bytes.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kv;

namespace {

MacroRecord Sample() {
    MacroRecord r;
    r.nickname = "Sign letter";
    r.scopeName = "Notepad";
    r.typeword = "sig";
    r.activation = 20000;
    r.scope = 2;
    r.active = 1;
    r.reserved98 = 0xAB;
    r.reserved99 = 0xCD;
    r.text = "Yours truly,<ENTER>J. Doe";
    r.icon = "MENU";
    r.schedule = ScheduleBlock::Default(DateTime{2026, 12, 9});
    r.schedule.kindHighByte = 0x7E;
    r.topMostOnly = 1;
    r.lastModified = ToDayCount(DateTime{1998, 3, 30, 15, 4, 23});
    for (std::size_t i = 0; i < r.reserved5143.size(); ++i)
        r.reserved5143[i] = static_cast<std::uint8_t>(0xF0 + i);
    return r;
}

} // namespace

TEST(MacroRecord, EveryFieldSitsAtItsOffset) {
    const RecordBytes b = Sample().Pack();
    ASSERT_EQ(b.size(), 5165u);
    EXPECT_EQ(b[0], 11);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[1]), 11), "Sign letter");
    EXPECT_EQ(b[51], 7);
    EXPECT_EQ(b[52], 'N');
    EXPECT_EQ(b[82], 3);
    EXPECT_EQ(b[83], 's');
    EXPECT_EQ(bytes::GetU16(&b[93]), 20000);
    EXPECT_EQ(b[93], 0x20); // little-endian
    EXPECT_EQ(bytes::GetU16(&b[95]), 2);
    EXPECT_EQ(b[97], 1);
    EXPECT_EQ(b[98], 0xAB);
    EXPECT_EQ(b[99], 0xCD);
    EXPECT_EQ(b[100], 'Y');
    EXPECT_EQ(b[100 + 25], 0); // the text's terminating zero
    EXPECT_EQ(b[5101], 4);
    EXPECT_EQ(b[5102], 'M');
    EXPECT_EQ(b[5114], 3);    // daily
    EXPECT_EQ(b[5115], 0x7E); // carried through
    for (int d = 5116; d <= 5122; ++d)
        EXPECT_EQ(b[static_cast<std::size_t>(d)], 1);
    EXPECT_EQ(b[5123], 12);
    EXPECT_EQ(b[5124], 0);
    EXPECT_EQ(b[5125], 12);
    EXPECT_EQ(b[5126], 9);
    EXPECT_EQ(b[5127], 15);
    EXPECT_EQ(bytes::GetU16(&b[5128]), 15);
    EXPECT_EQ(b[5130], 4); // Wednesday, counted from Sunday = 1
    EXPECT_EQ(bytes::GetU16(&b[5131]), 2026);
    EXPECT_EQ(b[5133], 1);
    EXPECT_EQ(b[5134], 1);
    EXPECT_DOUBLE_EQ(bytes::GetF64(&b[5135]), 35884.0 + (15 * 3600 + 4 * 60 + 23) / 86400.0);
    EXPECT_EQ(b[5143], 0xF0);
    EXPECT_EQ(b[5164], static_cast<std::uint8_t>(0xF0 + 21));
}

TEST(MacroRecord, UnpackGivesBackWhatWasPacked) {
    const MacroRecord r = Sample();
    EXPECT_EQ(MacroRecord::Unpack(r.Pack()), r);
}

TEST(MacroRecord, PackingARecordReadFromDiskReproducesItsBytes) {
    RecordBytes disk = Sample().Pack();
    EXPECT_EQ(MacroRecord::Unpack(disk).Pack(), disk);
}

TEST(MacroRecord, LengthBytesBeyondTheirFieldAreClamped) {
    RecordBytes b = Sample().Pack();
    b[0] = 255;   // nickname claims 255 characters in a 50-character field
    b[51] = 200;  // scope name
    b[82] = 11;   // typeword, one too many
    b[5101] = 99; // icon
    const MacroRecord r = MacroRecord::Unpack(b);
    EXPECT_EQ(r.nickname.size(), 50u);
    EXPECT_EQ(r.scopeName.size(), 30u);
    EXPECT_EQ(r.typeword.size(), 10u);
    EXPECT_EQ(r.icon.size(), 12u);
    EXPECT_EQ(r.nickname.substr(0, 11), "Sign letter");
}

TEST(MacroRecord, MacroTextWithoutItsZeroEndsAt5000Characters) {
    RecordBytes b{};
    for (std::size_t i = 100; i < 5101; ++i)
        b[i] = 'x';
    EXPECT_EQ(MacroRecord::Unpack(b).text, std::string(5000, 'x'));
}

TEST(MacroRecord, OverlongFieldsAreCutWhenPacked) {
    MacroRecord r;
    r.nickname = std::string(80, 'n');
    r.text = std::string(6000, 't');
    const MacroRecord back = MacroRecord::Unpack(r.Pack());
    EXPECT_EQ(back.nickname, std::string(50, 'n'));
    EXPECT_EQ(back.text, std::string(5000, 't'));
}

TEST(MacroRecord, GarbageLastModifiedStillUnpacks) {
    RecordBytes b{};
    bytes::PutF64(&b[5135], std::nan(""));
    EXPECT_TRUE(std::isnan(MacroRecord::Unpack(b).lastModified));
    EXPECT_EQ(FromDayCount(MacroRecord::Unpack(b).lastModified), DateTime{});
}

TEST(MacroRecord, APopupMenusBinaryPlaceListSurvivesARoundTrip) {
    MacroRecord menu;
    menu.scope = 4;
    menu.typeword = "N31";
    // Two items, places 3 and 258: little-endian words with zero bytes among them.
    menu.text = std::string("\x02\x00\x03\x00\x02\x01", 6);
    const RecordBytes b = menu.Pack();
    const MacroRecord back = MacroRecord::Unpack(b);
    EXPECT_EQ(back.text.substr(0, 6), menu.text);
    EXPECT_EQ(back.Pack(), b);
}
