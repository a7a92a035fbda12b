#include "engine/mainwin/CopyOrMove.h"

#include "engine/activation/ScheduleText.h"
#include "engine/core/Limits.h"
#include "engine/editing/NewMacro.h"
#include "engine/editing/ScriptCommands.h"

namespace kv {
namespace {

std::string TrimText(const std::string& s) {
    return std::string(TrimBlanks(s));
}

bool HoldsHotKeyAlone(Scope s) {
    return s == Scope::Global || s == Scope::PopupMenu || s == Scope::System;
}

} // namespace

CopyOrMoveDialog::CopyOrMoveDialog(CopyOrMoveMode mode, const MacroRecord& source,
                                   const SharedBlock& block)
    : mode_(mode) {
    const auto scope = static_cast<Scope>(source.scope);
    // A Popup Menu macro plays wherever the focus is, as a GLOBAL one does, so it must not
    // share a hot key with one either.
    refusesMarked_ = scope == Scope::Global || scope == Scope::PopupMenu;
    typewordOffered_ = scope != Scope::PopupMenu;

    std::string what;
    if (source.activation == kActivationTimed)
        what = "Timed Macro";
    else if (source.activation == kActivationTypeword)
        what = source.typeword;
    else
        what = HotKeyName(source.activation);
    label_ = (mode == CopyOrMoveMode::Copy ? "COPY " : "MOVE ") + what + " TO";

    std::array<int, kKeyHotKeyCodes> users{};
    for (int place = 1; place <= block.MacroCount(); ++place) {
        const int a = block.Activation(place);
        if (a >= kKeyHotKeyCodes)
            continue;
        ++users[static_cast<std::size_t>(a)];
        if (HoldsHotKeyAlone(static_cast<Scope>(block.Scope(place))))
            marked_[static_cast<std::size_t>(a)] = true;
    }
    keyList_.reserve(kKeyHotKeyCodes);
    for (int code = 0; code < kKeyHotKeyCodes; ++code) {
        const int n = users[static_cast<std::size_t>(code)];
        std::string use = n == 0   ? "  (Not in Use)"
                          : n == 1 ? "  (1 macro in use)"
                                   : "  (" + std::to_string(n) + " macros in use)";
        keyList_.push_back(HotKeyNames()[static_cast<std::size_t>(code)] + use);
    }
}

std::string CopyOrMoveDialog::Caption() const {
    return mode_ == CopyOrMoveMode::Copy ? "Copy Hot Key" : "Move Hot Key";
}

bool CopyOrMoveDialog::Marked(int code) const {
    return code >= 0 && code < kKeyHotKeyCodes && marked_[static_cast<std::size_t>(code)];
}

CopyOrMoveOutcome CopyOrMoveDialog::OkButtonClick(const CopyOrMoveChoice& choice, MacroRecord& rec,
                                                  Prompts& prompts, const DateTime& today) const {
    using Kind = CopyOrMoveChoice::Kind;
    switch (choice.kind) {
    case Kind::Timed:
        if (rec.activation != kActivationTimed)
            DefaultTimer(rec, today);
        rec.activation = kActivationTimed;
        return CopyOrMoveOutcome::AcceptedSchedule;

    case Kind::Typeword: {
        if (!typewordOffered_)
            return CopyOrMoveOutcome::StayOnTypeword;
        if (auto bad = CheckTypewordName(choice.typeword)) {
            prompts.ShowMessage(bad->text, bad->caption);
            return CopyOrMoveOutcome::StayOnTypeword;
        }
        rec.activation = kActivationTypeword;
        rec.typeword = TrimText(choice.typeword);
        return CopyOrMoveOutcome::Accepted;
    }

    case Kind::HotKey:
        break;
    }
    const int code = choice.hotKey;
    if (code < 0 || code >= kKeyHotKeyCodes) {
        prompts.ShowMessage("No hot key selected.  Please select one.", "Error");
        return CopyOrMoveOutcome::StayOnHotKey;
    }
    if (refusesMarked_ && Marked(code)) {
        prompts.ShowMessage(
            std::string("A \"GLOBAL\" or \"POPUP MENU\" hot key already exists for this "
                        "selection. The \"") +
                (mode_ == CopyOrMoveMode::Copy ? "COPY" : "MOVE") + "\" did not take place.",
            "Error");
        return CopyOrMoveOutcome::StayOnHotKey;
    }
    if (IsSystemReservedHotKey(code) &&
        !prompts.AskYesNo(SystemReservedHotKeyQuestion(code), "Warning"))
        return CopyOrMoveOutcome::StayOnHotKey;
    rec.activation = static_cast<std::uint16_t>(code);
    return CopyOrMoveOutcome::Accepted;
}

} // namespace kv
