#pragma once
// `TCopyOrMove` ("Copy Hot Key" / "Move Hot Key"): gives a copy of a macro, or the macro
// itself, another activation. The window shows these texts and hands its choice to
// `OkButtonClick`, which applies it to the record or says why the dialog stays open.

#include "engine/activation/HotKeys.h"
#include "engine/core/DateTime.h"
#include "engine/core/MacroRecord.h"
#include "engine/core/SharedBlock.h"
#include "engine/ports/Prompts.h"

#include <array>
#include <string>
#include <vector>

namespace kv {

enum class CopyOrMoveMode { Copy, Move };

struct CopyOrMoveChoice {
    enum class Kind { HotKey, Typeword, Timed };
    Kind kind = Kind::HotKey;
    int hotKey = -1; // the key list's row, which is the hot key code; -1 for none
    std::string typeword;
};

enum class CopyOrMoveOutcome {
    StayOnHotKey,     // a message was shown; the focus goes back to the key list
    StayOnTypeword,   // a message was shown; the focus goes back to the Typeword name
    Accepted,         // the record has its new activation; close with OK
    AcceptedSchedule, // the record is now a Timed Macro: run the schedule dialog on its
                      // schedule, then close with OK whatever that dialog answers
};

class CopyOrMoveDialog {
public:
    // `source` is the macro being copied or moved; `block` holds the current tables.
    CopyOrMoveDialog(CopyOrMoveMode mode, const MacroRecord& source, const SharedBlock& block);

    CopyOrMoveMode Mode() const { return mode_; }
    std::string Caption() const;
    // "COPY Timed Macro TO", "MOVE Ctrl+A TO" ...
    std::string Label() const { return label_; }
    // The 699 hot key names, each with how many macros use it: "Ctrl+A  (Not in Use)".
    const std::vector<std::string>& KeyList() const { return keyList_; }
    // The hot key held by a GLOBAL, Popup Menu or SYSTEM macro.
    bool Marked(int code) const;
    // A Popup Menu macro keeps its menu options in the Typeword field, so it cannot become
    // a Typeword macro: the window disables the "&Typeword" choice.
    bool TypewordOffered() const { return typewordOffered_; }

    // "&Ok". Messages and the question about hot keys the system may use go through
    // prompts; rec changes only when the choice is accepted. In copy mode the caller
    // appends the record as a new macro.
    CopyOrMoveOutcome OkButtonClick(const CopyOrMoveChoice& choice, MacroRecord& rec,
                                    Prompts& prompts, const DateTime& today) const;

private:
    CopyOrMoveMode mode_;
    bool refusesMarked_;
    bool typewordOffered_;
    std::string label_;
    std::vector<std::string> keyList_;
    std::array<bool, kKeyHotKeyCodes> marked_{};
};

} // namespace kv
