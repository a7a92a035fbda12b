#include "engine/macrotext/TagTable.h"
#include "engine/macrotext/DateTimeFormats.h"

#include <gtest/gtest.h>

#include <set>

using namespace kv;

TEST(TagTable, NoTagFormIsAPrefixOfAnother) {
    // The reader takes the first match, which is only sound while no form hides another.
    std::vector<std::string> forms;
    for (const TagInfo& t : AllTags())
        forms.emplace_back(t.spelling);
    for (std::string_view d : kDateFormatNames)
        forms.push_back("<" + std::string(d) + kStampOpen);
    for (std::string_view t : kTimeFormatNames) {
        for (char flag : {kFlagDropZeros, kFlagKeepZeros})
            forms.push_back("<" + std::string(t) + kStampOpen + flag + std::string(kStampClose));
    }
    for (const std::string& a : forms) {
        for (const std::string& b : forms) {
            if (&a != &b) {
                EXPECT_FALSE(b.starts_with(a)) << a << " is a prefix of " << b;
            }
        }
    }
}

TEST(TagTable, EveryCommandHasOneRowAndEveryKeyOneCode) {
    std::set<TagId> ids;
    std::set<int> vks;
    int keys = 0;
    for (const TagInfo& t : AllTags()) {
        if (t.kind == TagKind::Key) {
            ++keys;
            EXPECT_TRUE(vks.insert(t.vk).second) << t.spelling;
            EXPECT_EQ(FindKeyTag(t.vk), &t);
        } else {
            EXPECT_TRUE(ids.insert(t.id).second) << t.spelling;
            EXPECT_EQ(&TagFor(t.id), &t);
        }
    }
    EXPECT_EQ(keys, 65);
    EXPECT_EQ(ids.size(), static_cast<std::size_t>(TagId::WRes)); // all but Key
    EXPECT_EQ(FindKeyTag(0x41), nullptr);
}

TEST(TagTable, FixedTagsCloseWhereTheirFieldsEnd) {
    const std::set<std::string_view> closedByOffset = {
        "<DELAY:", "<SPEED:", "<MSD:", "<SPKEY:", "<SPMSE:", "<REPEAT:",
        "<ALT:",   "<ALT4:",  "<WFW:", "<WBW:",   "<MMS:",   "<MMW:"};
    std::set<std::string_view> fixed;
    for (const TagInfo& t : AllTags()) {
        if (t.layout != TagLayout::Fixed)
            continue;
        fixed.insert(t.spelling);
        const TagField& last = t.fields.back();
        EXPECT_EQ(last.offset + last.width, t.closeOffset) << t.spelling;
        EXPECT_EQ(t.fields.front().offset, static_cast<int>(t.spelling.size())) << t.spelling;
    }
    EXPECT_EQ(fixed, closedByOffset);

    EXPECT_EQ(TagFor(TagId::Delay).Length(), 13);
    EXPECT_EQ(TagFor(TagId::Msd).Length(), 10);
    EXPECT_EQ(TagFor(TagId::SpKey).Length(), 12);
    EXPECT_EQ(TagFor(TagId::Repeat).Length(), 13);
    EXPECT_EQ(TagFor(TagId::AltCode).Length(), 9);
    EXPECT_EQ(TagFor(TagId::Alt4Code).Length(), 11);
    EXPECT_EQ(TagFor(TagId::MoveScreen).Length(), 17);
    EXPECT_EQ(TagFor(TagId::ClipPaste).Length(), 7);
    EXPECT_EQ(TagFor(TagId::Activate).Length(), -1);
}

TEST(TagTable, FreeTextFieldsStartRightAfterTheSpellingOrTheFixedFields) {
    for (const TagInfo& t : AllTags()) {
        if (t.layout == TagLayout::Plain || t.layout == TagLayout::Fixed)
            continue;
        int next = static_cast<int>(t.spelling.size());
        for (const TagField& f : t.fields) {
            if (f.offset == kFollows)
                continue;
            EXPECT_EQ(f.offset, next) << t.spelling << " " << f.name;
            next = f.offset + (f.type == FieldType::Text ? 0 : f.width);
        }
    }
}

TEST(TagTable, NamesDropTheAngleBracketsOnly) {
    EXPECT_EQ(FindKeyTag(0x25)->Name(), "LEFT ARROW");
    EXPECT_EQ(TagFor(TagId::Delay).Name(), "DELAY:");
    EXPECT_EQ(TagFor(TagId::Alt).Name(), "ALT");
    EXPECT_EQ(TagFor(TagId::AltCode).Name(), "ALT:");
}

TEST(TagTable, OnlyTheWindowCommandsTakeTheCurrentTitle) {
    std::set<TagId> current;
    for (const TagInfo& t : AllTags()) {
        if (t.takesCurrent)
            current.insert(t.id);
    }
    using enum TagId;
    EXPECT_EQ(current, (std::set<TagId>{WMax, WMin, WRes, WCls, WShow, WHide, WShut, WSize, WPos}));
}
