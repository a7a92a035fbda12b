#pragma once
// The input hook on X11. A record context sees every key and button event of the server,
// in the order the server processed them: hot keys, typed characters for Typewords and
// the abort key are all read from that one stream. Passive grabs keep the hot keys in use
// from reaching the focused window.
//
// Keyvane's own input runs through the same stream. X11Input tells the hook every event it
// sends, so the hook recognises them as they come by and never reacts to what Keyvane
// types; the end-of-playback marker (a request of ours that the stream also reports), when
// it comes by, clears the playing byte.

#include "engine/activation/HotKeys.h"
#include "engine/core/SharedBlock.h"
#include "engine/ports/Hook.h"
#include "platform/x11/X11Input.h"
#include "platform/x11/X11Windows.h"
#include "platform/x11/XcbConnection.h"

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <set>
#include <vector>

class QSocketNotifier;
struct xkb_state;
struct xkb_keymap;
typedef struct _XDisplay Display;

namespace kv::x11 {

class X11Hook final : public Hook {
public:
    X11Hook(XcbConnection& x, X11Input& input, X11Windows& windows, SharedBlock& block);
    ~X11Hook() override;

    bool Install(HookListener& listener, std::string* error) override;
    void Uninstall() override;
    void RefreshHotKeys() override;
    void WaitForRelease(std::chrono::milliseconds limit) override;
    void WaitForPlaybackEnd(std::chrono::milliseconds limit) override;
    bool CapsLockOn() override;
    void SetCapturing(bool on) override;

    // One event of the record stream, and one request of a client's (public for the record
    // callback).
    struct Recorded {
        std::uint8_t type = 0;
        std::uint8_t detail = 0;
        std::uint32_t time = 0; // server milliseconds
        std::int16_t rootX = 0;
        std::int16_t rootY = 0;
    };
    void OnRecorded(const Recorded& event);
    void OnRecordedRequest(std::uint32_t clientBase);

private:
    struct Grab {
        int code;
        std::uint8_t keycodeOrButton; // a keycode, or button 1..3 for mouse codes
        std::uint16_t modifiers;
        bool button;
        bool operator<(const Grab& o) const;
    };
    struct Sent {
        std::uint8_t type;
        std::uint8_t detail;
        std::chrono::steady_clock::time_point at;
    };

    void Drain();
    // Runs the event loop, reading the record stream, until `done` or the limit.
    void WaitForStream(const std::function<bool()>& done, std::chrono::milliseconds limit);
    void Handle(const Recorded& event);
    // While a capture runs: the user's event as captured input, or the stop.
    void Capture(const Recorded& event, std::uint8_t vk);
    bool IsStopKey(std::uint8_t vk, std::uint16_t button) const;
    std::int64_t Milliseconds(std::uint32_t serverTime);
    bool IsOwn(std::uint8_t type, std::uint8_t detail);
    void OnUserKey(std::uint8_t keycode, bool press);
    void OnUserButton(std::uint8_t button, bool press);
    std::vector<Grab> WantedGrabs();
    void Ungrab(const Grab& g);
    bool DoGrab(const Grab& g);
    std::uint16_t HeldModifiers() const;
    // A key or button with the modifiers the user holds now.
    HotKeyParts HeldWith(std::uint8_t vk, std::uint16_t button) const;
    void UpdateState();

    XcbConnection& x_;
    X11Input& input_;
    X11Windows& windows_;
    SharedBlock& block_;
    HookListener* listener_ = nullptr;
    Display* control_ = nullptr;
    Display* data_ = nullptr;
    unsigned long context_ = 0;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::set<Grab> grabbed_;
    std::set<int> reportedTaken_;
    std::deque<Sent> sent_;
    std::deque<Recorded> pending_;    // recorded, not yet handled
    std::set<std::uint8_t> userDown_; // keys the user holds
    xkb_keymap* stateKeymap_ = nullptr;
    xkb_state* state_ = nullptr;
    bool capturing_ = false;
    std::uint32_t lastServerTime_ = 0;
    std::int64_t captureMs_ = 0;
};

} // namespace kv::x11
