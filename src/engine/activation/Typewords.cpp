#include "engine/activation/Typewords.h"

#include "engine/core/Ansi.h"
#include "engine/editing/NewMacro.h"
#include "engine/player/Waiting.h"

#include <algorithm>
#include <vector>

namespace kv {

Typewords::Typewords(const Settings& settings, SharedBlock& block, MacroFile& file, Player& player,
                     Dispatch& dispatch, DispatchState& state, Input& input, Windows& windows,
                     EventPump& pump, const Clock& clock)
    : settings_(settings), block_(block), file_(file), player_(player), dispatch_(dispatch),
      state_(state), input_(input), windows_(windows), pump_(pump), clock_(clock) {}

std::size_t Typewords::PrefixLength() const {
    return std::min<std::size_t>(settings_.prefixKeys.size(), 2);
}

void Typewords::OnTyped(const TypedChar& t) {
    if (block_.MacroCount() == 0)
        return;
    if (t.kind == TypedChar::Reset) {
        buffer_.clear();
        return;
    }
    state_.capsLock = t.kind == TypedChar::CharacterCapsLock;
    if (IsTypewordChar(t.ch)) {
        buffer_.push_back(t.ch);
        if (buffer_.size() > PrefixLength() + kTypewordMax)
            buffer_.erase(0, 1);
        if (!settings_.useSuffix)
            TestIt();
        return;
    }
    if (settings_.useSuffix && (t.ch == ' ' || t.ch == '\r'))
        TestIt();
    buffer_.clear();
}

void Typewords::TestIt() {
    const std::string prefix =
        settings_.useSuffix ? std::string() : settings_.prefixKeys.substr(0, PrefixLength());
    if (!prefix.empty() && buffer_.find(prefix) == std::string::npos)
        return;
    const bool exact = settings_.solitaryUsage || settings_.useSuffix;
    const auto fold = [&](const std::string& s) {
        return settings_.caseSensitive ? s : AnsiUpper(s);
    };
    const std::string typed = fold(buffer_);

    std::vector<int> matches;
    for (int place = 1; place <= block_.MacroCount() && matches.size() < 50; ++place) {
        if (block_.Activation(place) != kActivationTypeword || !block_.Active(place))
            continue;
        const std::string candidate =
            fold(prefix + settings_.names.typeword[static_cast<std::size_t>(place)]);
        // An empty Typeword name would match anything; it is no abbreviation.
        if (candidate.size() == prefix.size())
            continue;
        const bool hit = exact ? typed == candidate : typed.ends_with(candidate);
        if (hit)
            matches.push_back(place);
    }
    if (matches.empty())
        return;
    if (state_.popupShown)
        return player_.Dialogs().DoAMessage("Warning", warning::kPopupShown);
    if (block_.CaptureFlag())
        return player_.Dialogs().DoAMessage("Warning", warning::kCapturing);
    if (state_.paused)
        return player_.Dialogs().DoAMessage("Warning", warning::kPaused);

    const auto scopeOf = [&](int place) { return static_cast<Scope>(block_.Scope(place)); };
    const auto has = [&](Scope s) {
        return std::any_of(matches.begin(), matches.end(), [&](int p) { return scopeOf(p) == s; });
    };
    int chosen = 0;
    const WindowId fg = windows_.Foreground();
    if (has(Scope::Window)) {
        const std::string title = fg ? AnsiUpper(windows_.Title(fg)) : std::string();
        for (int p : matches)
            if (!chosen && scopeOf(p) == Scope::Window &&
                title.find(AnsiUpper(block_.ScopeName(p))) != std::string::npos)
                chosen = p;
    }
    if (!chosen && has(Scope::Program)) {
        const std::string program = AnsiUpper(player_.Finder().GetTopProgram());
        for (int p : matches)
            if (!chosen && scopeOf(p) == Scope::Program && !program.empty() &&
                program.find(AnsiUpper(block_.ScopeName(p))) != std::string::npos)
                chosen = p;
    }
    if (!chosen)
        for (int p : matches)
            if (!chosen && scopeOf(p) == Scope::Global)
                chosen = p;
    if (!chosen)
        return;

    MacroRecord rec;
    if (!file_.ReadMacroRecord(chosen, rec))
        return;
    state_.target = fg;
    block_.SetPlaying(true);
    // Erase the abbreviation (and in suffix mode the space or Enter that ended it).
    const std::size_t erase = (settings_.useSuffix ? 1 : prefix.size()) +
                              settings_.names.typeword[static_cast<std::size_t>(chosen)].size();
    for (std::size_t i = 0; i < erase; ++i) {
        input_.Key(0x08, false);
        input_.Key(0x08, true);
        pump_.ProcessPending();
    }
    WaitUnscaled(pump_, clock_, 100);
    dispatch_.PlayRecord(rec, chosen);
    buffer_.clear();
}

std::optional<std::string> CheckPrefixKeys(const std::string& keys) {
    if (std::all_of(keys.begin(), keys.end(), IsTypewordChar))
        return std::nullopt;
    return "The Prefix Keys has invalid characters in it.  Valid characters are A - Z, a - z, "
           "0 - 9 and ' ! @ # $ % ^ & _ = < > ? . ; , * - / +";
}

} // namespace kv
