#pragma once
// The player: walks macro text and turns it into keyboard and mouse input, window
// commands, waits and the rest. Everything outside goes through the ports, so every rule
// here runs the same against X11, Windows or the recording fake.

#include "engine/core/Settings.h"
#include "engine/macrotext/MacroTextReader.h"
#include "engine/player/PlayTimeDialogs.h"
#include "engine/player/PlayerTypes.h"
#include "engine/player/WindowFinder.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kv {

class Player {
public:
    Player(PlayerPorts ports, const Settings& settings, DispatchState& dispatch);

    // Plays a macro started by a hot key, Typeword or popup menu: Caps Lock off for the
    // playback when it was on, and on again at the end.
    void IntoProgram(std::string_view text);
    // Plays a timed macro: the same start, without Caps Lock.
    void PlayScheduled(std::string_view text);

    // The abort key: the playback stops at the start of its next step.
    void RequestAbort() { abortRequested_ = true; }

    WindowFinder& Finder() { return finder_; }
    PlayTimeDialogs& Dialogs() { return dialogs_; }

    // The player state, readable for dispatch and tests.
    bool AbortRequested() const { return abortRequested_; }
    double SpeedFactor() const { return speedFactor_; }
    int RepCounter() const { return repCounter_; }

    // A text file playing itself, directly or through others, ends here.
    static constexpr int kMaxFileNesting = 32;

private:
    enum class Step { Next, EndWalk };

    void Play(std::string_view text, bool capsLock);
    void ResetForPlayback();
    void EndOfPlayback(bool capsLock);

    // One walk of one text; nested walks (repeat passes, counters, text files) re-enter it.
    void DoMacro(std::string_view text);
    bool Stopped() const { return abortRequested_ || pauseAborted_; }

    Step Execute(const Element& e, std::string_view text, std::size_t& next);
    Step Command(const Element& e, std::string_view text, std::size_t& next);
    Step WindowCommand(const Element& e);
    Step Launch(const Element& e, bool activateFirst);
    Step Repeat(const Element& e, std::string_view text);
    void Counter(const Element& e);
    Step Pause(const Element& e);

    void TypeChar(char c);
    void TypeAltCode(std::string_view digits);
    void TypeText(std::string_view text); // character by character, no tags
    void KeyTag(std::uint8_t vk);
    void Modifier(const Element& e);
    void Mouse(const Element& e);
    void ReleaseLatches();
    void PressAndLatch(std::uint8_t vk, bool& latch);

    void WaitMs(double ms);        // scaled by the speed factor
    void PauseFor(double seconds); // scaled
    void PauseForNoSpeed(double seconds);
    void Wait(std::int64_t ms); // unscaled, pumping events

    PlayerPorts ports_;
    const Settings& settings_;
    DispatchState& dispatch_;
    WindowFinder finder_;
    PlayTimeDialogs dialogs_;

    bool abortRequested_ = false;
    bool abortReported_ = false;
    bool pauseAborted_ = false;
    double speedFactor_ = 1.0;
    bool keyDelayOn_ = false;
    int keyDelay_ = 0;
    bool mouseDelayOn_ = false;
    int mouseDelay_ = 0;
    bool inRepeat_ = false;
    bool counterPending_ = false;
    int repCounter_ = 0;
    int repCount_ = 0;
    std::string launchTitle_;
    int fileNesting_ = 0;

    // The walk's latches; each walk starts with none and keeps its own.
    struct Latches {
        bool shift = false;
        bool ctrl = false;
        bool alt = false;
    };
    Latches* latches_ = nullptr;
};

} // namespace kv
