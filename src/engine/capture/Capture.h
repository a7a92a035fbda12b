#pragma once
// A capture under way: the options and stop keys in the shared block, where the hook reads
// them; the user's input turned into macro text as it comes and collected in the scratch
// file "TempCap.Txt"; and at the stop key, the text stored in the captured macro's record
// (in a numbered text file "KV<n>.TXT" when it is too long for the record).

#include "engine/capture/CaptureDialogs.h"
#include "engine/capture/CaptureText.h"
#include "engine/capture/CapturedInput.h"
#include "engine/core/DateTime.h"
#include "engine/core/MacroFile.h"
#include "engine/core/SharedBlock.h"
#include "engine/ports/CaptureFiles.h"

#include <functional>
#include <optional>
#include <string>

namespace kv {

inline constexpr const char* kScratchFileName = "TempCap.Txt";

// How a capture starts: from the defaults (quick) or from "Capture Macro".
struct CaptureStart {
    int place = 0; // the captured macro's place; its record is in the file already
    CaptureOptions options;
    bool quick = false;
    // "&Program" was chosen: the macro ends up scoped to the program in front at the stop.
    bool programScope = false;
    // The captured macro's own hot key, which ends the capture too.
    std::optional<CaptureStopKey> secondStop;
};

// The translator's options for the dialogs' choices.
CaptureOptions OptionsOf(const CaptureChoices& choices);

// The stop key of the SYSTEM macro "Start / Stop Capture", and that of any hot key code.
CaptureStopKey StartStopKey(const SharedBlock& block);
CaptureStopKey StopKeyOf(int hotKeyCode);
// The message of a quick capture's start (the "Prompt" option).
std::string StartPromptText(const SharedBlock& block);
// "Keyvane capture is complete for ..." for the captured macro.
std::string CaptureCompleteText(const MacroRecord& rec);

class Capture {
public:
    Capture(SharedBlock& block, MacroFile& file, CaptureFiles& files, std::string dataDir);

    // The scratch file started (with the speed tag when timing is on), then the block's
    // options and stop keys. False with the reason, and nothing changed, when the scratch
    // file cannot be made. Nothing is recorded until Arm.
    bool Begin(const CaptureStart& start, std::string* error);
    // The block's capture flag set: from now on the hook records.
    void Arm();
    // A capture begun but not armed is given up (its record could not be written).
    void Abandon();
    // One event of the user's, while the capture runs; what arrives after the stop is
    // dropped.
    void OnInput(const CapturedInput& input);
    // The stop key was pressed: nothing after it belongs to the macro, not even the release
    // of the stop key's own modifiers, though the capture ends a moment later.
    void Halt() { halted_ = true; }

    struct Ended {
        int place = 0;
        MacroRecord rec; // with the captured text and the time of the stop
        bool quick = false;
        bool programScope = false;
        std::string error; // the text could not be kept whole: why
    };
    // The stop key: the capture flag cleared, the rest of the text written, and the text
    // read into the macro's record (not yet written to the file). Nothing when no capture
    // runs.
    std::optional<Ended> End(const DateTime& now);

    bool Running() const { return running_; }
    // Told when the recording starts (Arm) and ends: the hook watches pointer moves, the
    // tray shows the recording icon.
    std::function<void(bool)> onRecording;
    // Why writing the scratch file failed during the capture, once; empty otherwise.
    std::string TakeWriteError();

    std::string ScratchPath() const { return dataDir_ + "/" + kScratchFileName; }

    // The most macro text a record holds; longer captures go to a text file.
    static constexpr std::size_t kRecordText = 5000;

private:
    void Append(const std::string& text);
    // Keeps an over-long text in the first free KV<n>.TXT; the "<TFILE:" tag naming it.
    std::optional<std::string> KeepInTextFile(const std::string& text, std::string* error);

    SharedBlock& block_;
    MacroFile& file_;
    CaptureFiles& files_;
    std::string dataDir_;
    CaptureStart start_;
    std::optional<CaptureWriter> writer_;
    bool running_ = false;
    bool halted_ = false;
    std::string writeError_;
    bool writeErrorTold_ = false;
};

} // namespace kv
