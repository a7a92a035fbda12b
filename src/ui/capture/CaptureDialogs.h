#pragma once
// The capture dialogs: "Capture Defaults" (Options menu), "Capture Macro" (the options of a
// capture of one macro) and "Capture Complete" (the activation of a quickly captured macro).
// Each shows engine state and calls the engine's rules; the caller starts the capture,
// writes the record and the profile.

#include "engine/capture/CaptureDialogs.h"
#include "engine/core/MacroRecord.h"
#include "engine/core/Settings.h"
#include "engine/core/SharedBlock.h"
#include "engine/ports/Prompts.h"

#include <functional>
#include <string>

class QWidget;

namespace kv::ui {

struct CaptureDialogParts {
    Prompts& prompts;
    Settings& settings;
    const SharedBlock& block;
    // The record buffer of the macro being captured.
    MacroRecord& rec;
    // True while a hot key box waits for a key (the hook then lets every key through to
    // the dialog), false when it stops waiting.
    std::function<void(bool)> secondaryWindow{};
    // "Capture Complete": the program that was in front when the capture ended (its
    // upper-cased file name), the scope name of a macro made for that program.
    std::string program{};
    // "Capture Macro" for a new macro of the add dialog: its hot key is taken by a GLOBAL,
    // Popup Menu or SYSTEM macro, so the macro can only be for a program.
    bool windowScopeForced = false;
};

// `TCaptureDefaults`: on OK the settings hold the new defaults (the caller writes the
// profile). True when closed with OK.
bool RunCaptureDefaultsDialog(QWidget* parent, const CaptureDialogParts& parts);

// `TCaptureKeys`: on "Start Cap&ture" the record has its nickname and a GLOBAL scope for
// the capture, and choice holds the options for it. True when the capture is to start.
bool RunCaptureKeysDialog(QWidget* parent, const CaptureDialogParts& parts,
                          CaptureKeysChoice& choice);

// `TCapComplete`: on OK the record has the activation, nickname and scope chosen. True when
// closed with OK.
bool RunCapCompleteDialog(QWidget* parent, const CaptureDialogParts& parts);

} // namespace kv::ui
