#pragma once
// Input that records events instead of sending them. Its layout is the US layout,
// answering as VkKeyScanA does on a US Windows ("<" is Shift with key BC).

#include "engine/ports/Input.h"
#include "platform/fake/Trace.h"

#include <string>

namespace kv::fake {

// VkKeyScanA of the US layout for characters below 128.
std::optional<KeyScan> UsVkKeyScan(char c);

class FakeInput : public Input {
public:
    explicit FakeInput(Trace& trace) : trace_(trace) {}

    std::optional<KeyScan> VkKeyScan(char c) override { return UsVkKeyScan(c); }
    void Key(std::uint8_t vk, bool up) override;
    void AltCode(std::string_view digits) override;
    void Button(PointerButton button, bool up) override;
    void Wheel(int notches) override;
    void MoveTo(int x, int y) override;
    ScreenSize Screen() override { return screen; }
    void PrepareToType(std::string_view characters) override { prepared = characters; }

    ScreenSize screen{1024, 768};
    std::string prepared; // the last hint, kept out of the trace

private:
    Trace& trace_;
};

} // namespace kv::fake
