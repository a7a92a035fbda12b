#pragma once
// The dialogs that name a window or a program: `TDoActive`, `TDoSystemCommand`,
// `TDoSizeIt` and the scope chooser `TDoSpecWind`.

#include "engine/editing/CommandDialog.h"

namespace kv {

// `TDoActive`: `ActiveOnly`, `LaunchOnly`, `LaunchAct` or `ActiveLaunch`, with `WinTitle`,
// `ProgPath`, `Params` and `DelaySecs`.
struct TDoActiveFields {
    static constexpr std::size_t kTitleLength = 100;
    static constexpr std::size_t kDelayLength = 2;
    LaunchKind kind = LaunchKind::Activate;
    std::string winTitle{};
    std::string progPath{};
    std::string params{};
    std::string delaySecs{};

    static TDoActiveFields From(const TLaunchRec& r);
};
// The program is stored by its short path.
CommandOutcome OkButtonClick(const TDoActiveFields& f, const PathChecks& paths);

// `TDoSystemCommand`: one of seven commands, `CurrentWin` or `SpecificWin`, `WinTitle`.
struct TDoSystemCommandFields {
    WinCommand command = WinCommand::Maximize;
    bool currentWin = true;
    std::string winTitle{};

    static TDoSystemCommandFields From(const TWinCmdRec& r) {
        return {r.command, r.current, r.title};
    }
};
// The line names the current window in the dialog's own, full wording.
CommandOutcome OkButtonClick(const TDoSystemCommandFields& f);

// `TDoSizeIt`: `CurrentWin` or `SpecificWin`, `WinTitle`, `ResizeWin` or `PositionWin`,
// `TheWidth` and `TheHeight`. When positioning, `TheWidth` holds the top and `TheHeight`
// the left.
struct TDoSizeItFields {
    static constexpr std::size_t kNumberLength = 4;
    bool currentWin = true;
    std::string winTitle{};
    WinPlaceKind kind = WinPlaceKind::Resize;
    std::string theWidth{};
    std::string theHeight{};

    static TDoSizeItFields From(const TWinPlaceRec& r);
};
CommandOutcome OkButtonClick(const TDoSizeItFields& f);

// `TDoSpecWind`, the window or program that a macro's scope names: `TheTitle`, the entry
// highlighted in `ProgList` (if any), `OnTop` or `Running`.
struct TDoSpecWindFields {
    static constexpr std::size_t kTitleLength = 20;
    bool programMode = false;
    std::string theTitle{};
    std::optional<std::string> highlighted{};
    bool onTop = true;
    bool useHighlighted = false; // the user answered Yes to taking the highlighted entry
};
struct SpecWindResult {
    std::string name{};
    bool topMostOnly = true;
};
DialogOutcome<SpecWindResult> OkButtonClick(const TDoSpecWindFields& f);

} // namespace kv
