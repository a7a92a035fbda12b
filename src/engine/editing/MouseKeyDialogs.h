#pragma once
// The dialogs of input: mouse actions (`TDoMouse`), modifier keys held down or let go
// (`TDoKeyUpDown`) and the symbol table (`TDoSpecial`).

#include "engine/editing/CommandDialog.h"

namespace kv {

// `TDoMouse`: one of fifteen actions, `ToScreen` or `ToWindows`, `XPos`, `YPos` and
// `NumClicks`.
struct TDoMouseFields {
    static constexpr std::size_t kPositionLength = 5;
    static constexpr std::size_t kClicksLength = 3;
    MouseCode action = MouseCode::Move;
    bool toWindows = false;
    std::string xPos{};
    std::string yPos{};
    std::string numClicks{};

    static TDoMouseFields From(const TMouseRec& r);
};
CommandOutcome OkButtonClick(const TDoMouseFields& f);

// `TDoKeyUpDown`: one of eight keys held down or let go; nothing to check.
struct TDoKeyUpDownFields {
    ModKeyCode code = ModKeyCode::ControlDown;

    static TDoKeyUpDownFields From(const TModKeyRec& r) { return {r.code}; }
};
CommandOutcome OkButtonClick(const TDoKeyUpDownFields& f);

// `TDoSpecial`: the character in a cell of the 8 by 16 `SymbolGrid` (characters 128..255).
inline constexpr int kSymbolColumns = 8;
inline constexpr int kSymbolRows = 16;
char SymbolAt(int row, int column);

} // namespace kv
