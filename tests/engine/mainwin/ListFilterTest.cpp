// The macro list's filter: what a typed text finds.

#include "engine/mainwin/ListFilter.h"

#include "engine/activation/HotKeys.h"
#include "engine/core/Limits.h"
#include "engine/core/SharedBlock.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

TEST(ListFilter, ActivationNicknameScopeAndTextAreSearchedInAnyCase) {
    MacroRecord rec;
    rec.activation = static_cast<std::uint16_t>(HotKeyFromName("Ctrl+G").value());
    rec.nickname = "Greeting";
    rec.scope = static_cast<std::uint16_t>(Scope::Window);
    rec.scopeName = "Mail";
    rec.text = "Dear \xE9milie<ENTER>";
    const struct {
        const char* typed;
        bool found;
    } cases[] = {
        {"", true},          {"ctrl+g", true},  {"GREET", true},   {"window: m", true},
        {"\xC9MILIE", true}, {"<enter>", true}, {"global", false}, {"timed", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MacroMatches(rec, c.typed), c.found) << c.typed;

    MacroRecord timed;
    timed.activation = kActivationTimed;
    EXPECT_TRUE(MacroMatches(timed, "timed mac"));
    MacroRecord sig;
    sig.activation = kActivationTypeword;
    sig.typeword = "sig";
    EXPECT_TRUE(MacroMatches(sig, "SIG"));
    // A popup menu's text is its binary list of places: not searched.
    MacroRecord menu;
    menu.scope = static_cast<std::uint16_t>(Scope::PopupMenu);
    menu.text = "abc";
    EXPECT_FALSE(MacroMatches(menu, "abc"));
    EXPECT_TRUE(MacroMatches(menu, "popup"));
}

} // namespace
