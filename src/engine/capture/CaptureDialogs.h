#pragma once
// The rules behind the three capture dialogs: `TCaptureDefaults` ("Capture Defaults"),
// `TCaptureKeys` ("Capture Macro", the options of one capture) and `TCapComplete`
// ("Capture Complete", the activation of a quickly captured macro). The windows show what
// these give and hand back what was chosen.

#include "engine/core/MacroRecord.h"
#include "engine/core/Settings.h"
#include "engine/core/SharedBlock.h"
#include "engine/editing/EditorMessage.h"
#include "engine/editing/NewMacro.h"

#include <optional>
#include <string>

namespace kv {

// The playback speeds a timed capture can be written for, as "Speed" stores them.
enum class CaptureSpeed : int { Actual = 1, Half = 2, Double = 3, Quadruple = 4 };

// What is recorded and how: the "Capture" settings, or one capture's copy of them.
struct CaptureChoices {
    bool doubleAlt = true;        // "Capture &Double <ALT> for Menus"
    bool keys = true;             // "Capture &Keystrokes"
    bool mouse = true;            // "Capture &Mouse"
    bool relativeToScreen = true; // "&Screen" (true) or "&Window"
    bool time = true;             // "Captur&e At"
    bool prompt = true;           // "P&rompt on Capture"
    bool windowSize = true;       // "Capture Window Si&ze"
    bool global = true;           // "&Global" (true) or "&Program"
    CaptureSpeed speed = CaptureSpeed::Actual;

    // A "Speed" outside 1..4 reads as actual speed.
    static CaptureChoices From(const Settings& s);
    void StoreIn(Settings& s) const;
    bool operator==(const CaptureChoices&) const = default;
};

// Which option controls can be changed, given the others.
struct CaptureEnabling {
    bool screenOrWindow = true; // "&Screen" and "&Window": only for mouse positions
    bool windowSize = true;     // only for mouse positions relative to the window
    bool doubleAlt = true;      // only with keystrokes
    bool speed = true;          // the four speed buttons: only with timing
    bool operator==(const CaptureEnabling&) const = default;
};
CaptureEnabling CaptureEnablingOf(const CaptureChoices& c);

// The hot key of the SYSTEM macro "Start / Stop Capture" (the first whose scope name begins
// with "2"), which ends every capture; nothing when the file has no such macro.
std::optional<int> StartStopCaptureCode(const SharedBlock& block);

// How the dialogs name a macro's activation: its hot key, or "Typeword: " and the name.
std::string CaptureActivationCaption(const MacroRecord& rec);

// The labels of `TCaptureKeys`. A line is empty when it has no key to name.
struct CaptureKeysLabels {
    std::string activation;
    std::string stopKey;       // "Press " + key + " to end capture"
    std::string secondStopKey; // "Or Press " + key + " to end capture": the macro's own hot key
    bool operator==(const CaptureKeysLabels&) const = default;
};
CaptureKeysLabels CaptureKeysLabelsOf(const MacroRecord& rec, const SharedBlock& block);

// `TCaptureKeys` must offer "&Program" only: the macro is not GLOBAL while a GLOBAL macro
// has its hot key, or it is a new macro on a hot key that the add dialog found taken
// (`windowScopeForced`).
bool CaptureGlobalLocked(const MacroRecord& rec, const SharedBlock& block,
                         bool windowScopeForced = false);

// What "Start" in `TCaptureKeys` hands to the capture: the options for this capture, the
// nickname as typed, and whether the macro is to be made for the program in front.
struct CaptureKeysChoice {
    CaptureChoices options;
    std::string nickname;
    bool program = false;
    bool operator==(const CaptureKeysChoice&) const = default;
};

// The record as a dialog capture starts it: the nickname (at most 50 characters), GLOBAL
// with no scope name and not top most only until the capture ends.
void StartCaptureRecord(MacroRecord& rec, const CaptureKeysChoice& choice);

// What `TCapComplete` holds when "OK" is pressed.
struct CapCompleteChoice {
    bool typewords = false;   // "&Typewords" rather than "&Hot Keys"
    int hotKey = -1;          // the chosen row, -1 for none
    std::string typewordName; // as typed
    bool program = false;     // "&Program" rather than "&Global"
    std::string nickname;     // as typed
};

// The checks of "OK", in their order. A refusal is shown and the dialog stays open (with
// the focus in the Typeword name box when it is about that); otherwise a hot key the system
// itself may use is asked about (Yes/No), and No keeps the dialog open.
struct CapCompleteCheck {
    std::optional<Refusal> refusal;
    bool focusTypewordName = false;
    std::optional<EditorMessage> question;
};
CapCompleteCheck CheckCapComplete(const CapCompleteChoice& choice, const SharedBlock& block);

// What an accepted `TCapComplete` writes: the activation (the hot key, or a Typeword with
// its name trimmed to 10 characters), the nickname trimmed to 50 and, for "&Program", the
// program in front (at most 30 characters) as a top-most-only Program scope.
void StoreCapComplete(const CapCompleteChoice& choice, const std::string& program,
                      MacroRecord& rec);

} // namespace kv
