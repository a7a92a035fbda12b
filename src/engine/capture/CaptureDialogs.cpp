#include "engine/capture/CaptureDialogs.h"

#include "engine/activation/HotKeys.h"
#include "engine/activation/SystemKeys.h"
#include "engine/core/Limits.h"
#include "engine/editing/AddMacro.h"
#include "engine/editing/ScriptCommands.h"

namespace kv {
namespace {

bool IsHotKey(int activation) {
    return activation >= 0 && activation < kHotKeyCodes;
}

std::string Trimmed(const std::string& text, std::size_t max) {
    return std::string(TrimBlanks(text).substr(0, max));
}

} // namespace

CaptureChoices CaptureChoices::From(const Settings& s) {
    CaptureChoices c;
    c.doubleAlt = s.captureDoubleAlt;
    c.keys = s.captureKeys;
    c.mouse = s.captureMouse;
    c.relativeToScreen = s.captureRelativeToScreen;
    c.time = s.captureTime;
    c.prompt = s.capturePrompt;
    c.windowSize = s.captureWindowSize;
    c.global = s.captureGlobal;
    c.speed = s.captureSpeed >= 1 && s.captureSpeed <= 4 ? static_cast<CaptureSpeed>(s.captureSpeed)
                                                         : CaptureSpeed::Actual;
    return c;
}

void CaptureChoices::StoreIn(Settings& s) const {
    s.captureDoubleAlt = doubleAlt;
    s.captureKeys = keys;
    s.captureMouse = mouse;
    s.captureRelativeToScreen = relativeToScreen;
    s.captureTime = time;
    s.capturePrompt = prompt;
    s.captureWindowSize = windowSize;
    s.captureGlobal = global;
    s.captureSpeed = static_cast<int>(speed);
}

CaptureEnabling CaptureEnablingOf(const CaptureChoices& c) {
    return {c.mouse, c.mouse && !c.relativeToScreen, c.keys, c.time};
}

std::optional<int> StartStopCaptureCode(const SharedBlock& block) {
    const int place = FindSystemMacros(
        block)[static_cast<std::size_t>(static_cast<int>(SystemCommand::StartCapture) - 1)];
    if (place == 0)
        return std::nullopt;
    return block.Activation(place);
}

std::string CaptureActivationCaption(const MacroRecord& rec) {
    if (rec.activation == kActivationTypeword)
        return "Typeword: " + rec.typeword;
    return HotKeyName(rec.activation);
}

CaptureKeysLabels CaptureKeysLabelsOf(const MacroRecord& rec, const SharedBlock& block) {
    CaptureKeysLabels labels;
    labels.activation = CaptureActivationCaption(rec);
    if (const auto stop = StartStopCaptureCode(block); stop && IsHotKey(*stop))
        labels.stopKey = "Press " + HotKeyName(*stop) + " to end capture";
    // A Typeword (or a schedule) has no key of its own to stop with.
    if (IsHotKey(rec.activation))
        labels.secondStopKey = "Or Press " + HotKeyName(rec.activation) + " to end capture";
    return labels;
}

bool CaptureGlobalLocked(const MacroRecord& rec, const SharedBlock& block, bool windowScopeForced) {
    if (windowScopeForced)
        return true;
    if (rec.scope == static_cast<unsigned>(Scope::Global) || !IsHotKey(rec.activation))
        return false;
    for (int place = 1; place <= block.MacroCount(); ++place) {
        if (block.Scope(place) == static_cast<unsigned>(Scope::Global) &&
            block.Activation(place) == rec.activation)
            return true;
    }
    return false;
}

void StartCaptureRecord(MacroRecord& rec, const CaptureKeysChoice& choice) {
    rec.nickname = choice.nickname.substr(0, kNicknameMax);
    rec.scope = static_cast<std::uint16_t>(Scope::Global);
    rec.scopeName.clear();
    rec.topMostOnly = 0;
}

CapCompleteCheck CheckCapComplete(const CapCompleteChoice& choice, const SharedBlock& block) {
    CapCompleteCheck check;
    const AddChoice add{choice.typewords ? AddKind::Typeword : AddKind::HotKey, choice.hotKey,
                        choice.typewordName};
    if (auto refused = CheckAddChoice(add, block)) {
        check.refusal = std::move(refused);
        check.focusTypewordName = choice.typewords;
        return check;
    }
    if (choice.typewords)
        return check;
    if (!choice.program && WindowScopeForcedTable(block)[static_cast<std::size_t>(choice.hotKey)]) {
        check.refusal = Refusal{"A Global Hot Key is already in use for the selected hot key.  "
                                "Please select a different one or choose the Program specific "
                                "option.",
                                std::string(kErrorCaption)};
        return check;
    }
    if (IsSystemReservedHotKey(choice.hotKey))
        check.question = EditorMessage{SystemReservedHotKeyQuestion(choice.hotKey),
                                       std::string(kWarningCaption)};
    return check;
}

void StoreCapComplete(const CapCompleteChoice& choice, const std::string& program,
                      MacroRecord& rec) {
    if (choice.typewords) {
        rec.activation = kActivationTypeword;
        rec.typeword = Trimmed(choice.typewordName, kTypewordMax);
    } else {
        rec.activation = static_cast<std::uint16_t>(choice.hotKey);
    }
    rec.nickname = Trimmed(choice.nickname, kNicknameMax);
    if (choice.program) {
        rec.scope = static_cast<std::uint16_t>(Scope::Program);
        rec.scopeName = program.substr(0, kScopeNameMax);
        rec.topMostOnly = 1;
    }
}

} // namespace kv
