#pragma once
// A player over the fake platform, and its trace as lines.

#include "engine/player/Player.h"
#include "platform/fake/FakeWorld.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv::test {

using Lines = std::vector<std::string>;

class PlayerTest : public ::testing::Test {
protected:
    PlayerTest() { world.clock.Set(DateTime{2001, 3, 5, 13, 7, 9, 0}); }

    Lines Play(std::string_view text) {
        world.trace.Clear();
        player.IntoProgram(text);
        world.trace.Finish();
        return world.trace.Lines();
    }

    // Elapsed fake time of one playback, in milliseconds.
    long long Timed(std::string_view text) {
        const auto start = world.clock.Ticks();
        Play(text);
        return (world.clock.Ticks() - start).count();
    }

    static bool Contains(const Lines& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    fake::FakeWorld world;
    Settings settings;
    DispatchState dispatch;
    Player player{{world.input, world.windows, world.desktop, world.files, world.pump, world.clock,
                   world.dialogs, world.app},
                  settings,
                  dispatch};
};

} // namespace kv::test
