// Input that comes while a handler is at work: held and run after it in order, unless the
// handler waits for the user (pause, popup menu, capture).

#include "engine/activation/InputGate.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

using namespace kv;

namespace {

class InputGateTest : public ::testing::Test {
protected:
    InputGateTest() : gate(state, block, [this](const HeldInput& i) { Deliver(i); }) {
        gate.settle = [this] {
            log.push_back("settle");
            if (duringSettle) {
                auto once = std::move(duringSettle);
                duringSettle = nullptr;
                once();
            }
        };
    }

    static std::string Name(const HeldInput& input) {
        if (const auto* h = std::get_if<HotKeyMessage>(&input))
            return "hot key " + std::to_string(h->wParam);
        return std::string("typed ") + std::get<TypedChar>(input).ch;
    }
    // Delivering input records it and runs what the test planned for that moment.
    void Deliver(const HeldInput& input) {
        log.push_back(Name(input));
        if (during.count(Name(input)))
            during[Name(input)]();
    }
    void Offer(const HeldInput& input) { gate.Offer(input); }

    DispatchState state;
    OwnedSharedBlock block;
    InputGate gate;
    std::vector<std::string> log;
    std::map<std::string, std::function<void()>> during;
    std::function<void()> duringSettle;
};

TEST_F(InputGateTest, InputDuringAPlaybackRunsAfterItInTheOrderItCame) {
    during["hot key 1"] = [&] {
        Offer(TypedChar{0, 'a'});
        Offer(HotKeyMessage{2, 0});
        log.push_back("playback of 1 ends");
    };
    // Held input that comes while held input runs waits for that one too.
    during["hot key 2"] = [&] { Offer(HotKeyMessage{3, 0}); };
    Offer(HotKeyMessage{1, 0});
    // Each waits for the end of the playback before it, as the hook sees it.
    EXPECT_EQ(log,
              (std::vector<std::string>{"settle", "hot key 1", "playback of 1 ends", "settle",
                                        "typed a", "settle", "hot key 2", "settle", "hot key 3"}));
    EXPECT_FALSE(gate.Busy());
    EXPECT_EQ(gate.HeldCount(), 0u);
}

TEST_F(InputGateTest, InputReadWhileSettlingComesAfterTheInputBeingSettled) {
    // Waiting for the end of the last playback reads the stream on: typed "b" comes after "a".
    duringSettle = [&] { Offer(TypedChar{0, 'b'}); };
    Offer(TypedChar{0, 'a'});
    EXPECT_EQ(log, (std::vector<std::string>{"settle", "typed a", "settle", "typed b"}));
}

TEST_F(InputGateTest, ATimerHandlerHoldsInputToo) {
    gate.Run([&] { Offer(HotKeyMessage{7, 0}); });
    EXPECT_EQ(log, (std::vector<std::string>{"settle", "settle", "hot key 7"}));
}

TEST_F(InputGateTest, HandlersThatWaitForTheUserTakeTheirKeysAtOnce) {
    // The paused macro's own hot key resumes it; in a popup menu or a capture dispatch warns.
    const std::vector<std::pair<std::string, std::function<void(bool)>>> waits = {
        {"paused", [&](bool on) { state.paused = on; }},
        {"popup menu", [&](bool on) { state.popupShown = on; }},
        {"capture", [&](bool on) { block.SetCaptureFlag(on); }},
    };
    for (const auto& [name, set] : waits) {
        log.clear();
        during["hot key 1"] = [&] {
            set(true);
            Offer(HotKeyMessage{9, 0});
            log.push_back("wait ends");
            set(false);
        };
        Offer(HotKeyMessage{1, 0});
        // Taken inside the handler: no settling there.
        EXPECT_EQ(log, (std::vector<std::string>{"settle", "hot key 1", "hot key 9", "wait ends"}))
            << name;
    }
}

TEST_F(InputGateTest, AnAbortDropsWhatWasPressedDuringThePlayback) {
    during["hot key 1"] = [&] {
        Offer(HotKeyMessage{2, 0});
        gate.Clear();
    };
    Offer(HotKeyMessage{1, 0});
    Offer(HotKeyMessage{3, 0});
    EXPECT_EQ(log, (std::vector<std::string>{"settle", "hot key 1", "settle", "hot key 3"}));
}

} // namespace
