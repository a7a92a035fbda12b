#pragma once
// Input synthesis through XTest, in Windows virtual-key terms.
//
// AltGr: the player types a character of the third level as Ctrl, Alt, key (Windows spells
// AltGr Ctrl+Alt), but Ctrl+Alt selects no level on X. So Ctrl and Alt presses are held
// back until something else happens; when the next thing is a key with a third level, they
// become the layout's AltGr key. The event pump flushes them between the player's steps,
// so "<CTRL><ALT>q" stays a real Ctrl+Alt+Q.
//
// The end-of-playback marker (the release of VK_EXECUTE) is sent as a NoOperation request,
// which the hook sees in its record stream and no application sees at all.

#include "engine/ports/Input.h"
#include "platform/x11/ClientSync.h"
#include "platform/x11/X11Keyboard.h"
#include "platform/x11/XcbConnection.h"

#include <QTimer>

#include <array>
#include <chrono>
#include <functional>

namespace kv::x11 {

class X11Input final : public Input {
public:
    explicit X11Input(XcbConnection& x);
    ~X11Input() override;

    bool Ok() const { return keyboard_.Ok() && xtest_; }

    std::optional<KeyScan> VkKeyScan(char c) override;
    void Key(std::uint8_t vk, bool up) override;
    void AltCode(std::string_view digits) override;
    void Button(PointerButton button, bool up) override;
    void Wheel(int notches) override;
    void MoveTo(int x, int y) override;
    ScreenSize Screen() override;
    void PrepareToType(std::string_view characters) override;

    // Sends the Ctrl and Alt presses held back so far.
    void FlushPending();
    // The playback is over: a moment later, once the clients that were typed to have caught
    // up, spare keys that are up get their empty mapping back, unless another playback has
    // begun meanwhile. Keys the macro left down (a final "<SHIFT>") stay down.
    void EndPlayback();
    // Gives the spare keys back now (Keyvane lets go of the display).
    void RestoreSpareKeys();
    static constexpr std::chrono::milliseconds kRestoreDelay{200};

    // The X request that carries the end-of-playback marker (NoOperation).
    static constexpr std::uint8_t kPlaybackEnd = 127;

    // Told of every key and button event sent (X event type, keycode or button, and the
    // virtual key that made a key event) and of the end-of-playback marker (kPlaybackEnd),
    // so that the hook can tell Keyvane's own input from the user's as both come by.
    std::function<void(std::uint8_t type, std::uint8_t detail, std::uint8_t vk)> onSent;

    X11Keyboard& Keyboard() { return keyboard_; }
    ClientSync& Sync() { return sync_; }

private:
    enum Mod { kCtrl, kAlt, kModCount };
    struct HeldBack {
        bool pending = false;  // pressed by the player, not yet sent
        bool absorbed = false; // turned into AltGr
    };

    void Fake(std::uint8_t type, xkb_keycode_t keycode, std::uint8_t vk);
    void FakeButton(std::uint8_t type, std::uint8_t button);
    void ModifierKey(Mod mod, std::uint8_t vk, bool up);
    void TypeSym(xkb_keysym_t sym);
    void SendPlaybackEnd();
    xkb_keycode_t BindSpare(xkb_keysym_t sym);
    xkb_keycode_t Resolve(std::uint8_t vk);
    void BeforeKeymapChange(bool takesAway);
    void AfterBinding(std::size_t changesBefore);
    void PressKey(xkb_keycode_t keycode, std::uint8_t vk);
    void ReleaseKey(xkb_keycode_t keycode, std::uint8_t vk);

    XcbConnection& x_;
    X11Keyboard keyboard_;
    ClientSync sync_;
    bool xtest_ = false;
    std::array<xkb_keycode_t, 256> down_{}; // the keycode each virtual key went down on
    std::array<HeldBack, kModCount> held_{};
    xkb_keycode_t level3Down_ = 0;
    char32_t missing_ = 0; // the last character the layout lacked, typed by key 0xFF
    xkb_keycode_t missingDown_ = 0;
    std::chrono::steady_clock::time_point lastKeymapChange_{};
    QTimer restoreTimer_;
};

} // namespace kv::x11
