#pragma once
// `TSystemKeys` ("System Hot Keys"): the hot keys of the four SYSTEM commands. The window
// shows the names, reports each combination pressed in a box, and on "OK" has the changed
// records written; every rule of that lives here.

#include "engine/core/MacroFile.h"
#include "engine/core/SharedBlock.h"
#include "engine/editing/NewMacro.h"

#include <array>
#include <optional>
#include <string>

namespace kv {

// The commands by the digit their SYSTEM macro's scope name starts with.
enum class SystemCommand : int {
    ActivateProgram = 1, // box `ActProg`
    StartCapture = 2,    // box `StartCap`
    ResumePause = 3,     // box `Resume`
    MenuTopWindow = 4,   // box `MenuTop`
};
inline constexpr int kSystemCommandCount = 4;

// Place of the first SYSTEM macro in table order whose scope name starts with the command's
// digit, for commands 1..4 at index 0..3; 0 when the file has none.
std::array<int, kSystemCommandCount> FindSystemMacros(const SharedBlock& block);

// A SYSTEM command cannot take a hot key in use (`HotKeyInUse`, with the new macro's checks).

class SystemKeys {
public:
    // What the dialog shows when it opens: the codes the SYSTEM macros have now.
    explicit SystemKeys(const SharedBlock& block);

    // 0 when the file lacks the command's macro.
    int Place(SystemCommand c) const { return places_[Index(c)]; }
    // -1 when the file lacks the command's macro.
    int Code(SystemCommand c) const { return codes_[Index(c)]; }
    // What the command's box shows.
    std::string Name(SystemCommand c) const;

    // A combination pressed while the command's box had the focus. A code in use is
    // refused and the command keeps its key.
    std::optional<Refusal> KeyPressed(SystemCommand c, int code);

    // "OK"'s check: no two commands may share a hot key.
    std::optional<Refusal> CheckOk() const;

    // Writes each SYSTEM macro whose code changed. False, after the first record that could
    // not be read or written, when not all were written.
    bool WriteChanges(MacroFile& file) const;

private:
    static std::size_t Index(SystemCommand c) { return static_cast<std::size_t>(c) - 1; }

    const SharedBlock& block_;
    std::array<int, kSystemCommandCount> places_{};
    std::array<int, kSystemCommandCount> original_{};
    std::array<int, kSystemCommandCount> codes_{};
};

} // namespace kv
