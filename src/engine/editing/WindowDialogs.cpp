#include "engine/editing/WindowDialogs.h"

#include "engine/editing/TagWriter.h"
#include "engine/macrotext/TagTable.h"

namespace kv {
namespace {

using dialog::Accept;
using dialog::CheckFreeText;
using dialog::Error;
using dialog::Field;
using dialog::NumberText;
using dialog::WholeInteger;

constexpr std::string_view kWinTitle = "WinTitle";
constexpr std::string_view kProgPath = "ProgPath";
constexpr std::string_view kParams = "Params";
constexpr std::string_view kDelaySecs = "DelaySecs";
constexpr std::string_view kTheWidth = "TheWidth";
constexpr std::string_view kTheHeight = "TheHeight";
constexpr std::string_view kTheTitle = "TheTitle";

constexpr int kMinWidth = 10;
constexpr int kMinHeight = 30;

Command LaunchCommand(LaunchKind kind) {
    switch (kind) {
    case LaunchKind::Launch:
        return Command::LaunchProgram;
    case LaunchKind::LaunchAndActivate:
        return Command::LaunchAndActivate;
    case LaunchKind::ActivateOrLaunch:
        return Command::ActivateOrLaunch;
    case LaunchKind::Activate:
        break;
    }
    return Command::ActivateWindow;
}

Command WindowCommand(WinCommand c) {
    switch (c) {
    case WinCommand::Minimize:
        return Command::MinimizeWindow;
    case WinCommand::Restore:
        return Command::RestoreWindow;
    case WinCommand::Close:
        return Command::CloseWindow;
    case WinCommand::Hide:
        return Command::HideWindow;
    case WinCommand::Show:
        return Command::ShowWindow;
    case WinCommand::ShutDown:
        return Command::ShutDownProgram;
    case WinCommand::Maximize:
        break;
    }
    return Command::MaximizeWindow;
}

// The window of `TDoSystemCommand` and `TDoSizeIt`: a specific window needs a title.
std::optional<DialogRefusal> CheckWindow(bool current, const std::string& title) {
    if (current)
        return std::nullopt;
    if (title.empty())
        return Error("No Window title specified.  Please correct", kWinTitle);
    return CheckFreeText(title, kWinTitle);
}

} // namespace

TDoActiveFields TDoActiveFields::From(const TLaunchRec& r) {
    const bool waits =
        r.kind == LaunchKind::LaunchAndActivate || r.kind == LaunchKind::ActivateOrLaunch;
    return {r.kind, r.title, r.program, r.parameters,
            waits ? NumberText(static_cast<long long>(r.waitSeconds)) : std::string()};
}

CommandOutcome OkButtonClick(const TDoActiveFields& f, const PathChecks& paths) {
    const bool titled = f.kind != LaunchKind::Launch;
    const bool launches = f.kind != LaunchKind::Activate;
    const bool waits =
        f.kind == LaunchKind::LaunchAndActivate || f.kind == LaunchKind::ActivateOrLaunch;
    TLaunchRec r{.kind = f.kind};
    if (titled) {
        r.title = Field(f.winTitle, TDoActiveFields::kTitleLength);
        if (r.title.empty())
            return Error("No entry made for Window Title.  Please correct.", kWinTitle);
        // The launch tags end the title at the "<" of their inner "<LAUNCH:".
        if (auto bad = CheckFreeText(r.title, kWinTitle, waits ? "<" : ""))
            return *bad;
    }
    if (launches) {
        const std::optional<std::string> program =
            paths.ShortFilePath(Field(f.progPath, kFreeTextMax));
        if (!program)
            return Error("Specified Path and Program does not exist.  Please correct.", kProgPath);
        if (auto bad = CheckFreeText(*program, kProgPath))
            return *bad;
        r.program = *program;
        r.parameters = Field(f.params, kFreeTextMax);
        if (auto bad = CheckFreeText(r.parameters, kParams))
            return *bad;
    }
    if (waits) {
        const std::optional<long long> delay =
            WholeInteger(Field(f.delaySecs, TDoActiveFields::kDelayLength));
        if (!delay || *delay < 0)
            return Error("Value must be greater than zero.", kDelaySecs);
        r.waitSeconds = static_cast<int>(*delay);
    }
    return Accept(LaunchCommand(f.kind), std::move(r));
}

CommandOutcome OkButtonClick(const TDoSystemCommandFields& f) {
    TWinCmdRec r{.command = f.command, .current = f.currentWin};
    if (!f.currentWin)
        r.title = Field(f.winTitle, kFreeTextMax);
    if (auto bad = CheckWindow(f.currentWin, r.title))
        return *bad;
    const Command c = WindowCommand(f.command);
    std::string tag = TagOf(c, r);
    return CommandResult{std::move(tag), c, std::move(r), CurrentWindowWording::Full};
}

TDoSizeItFields TDoSizeItFields::From(const TWinPlaceRec& r) {
    const std::string a = NumberText(static_cast<long long>(r.widthOrLeft));
    const std::string b = NumberText(static_cast<long long>(r.heightOrTop));
    if (r.kind == WinPlaceKind::Resize)
        return {r.current, r.title, r.kind, a, b};
    return {r.current, r.title, r.kind, b, a}; // top first, then left
}

CommandOutcome OkButtonClick(const TDoSizeItFields& f) {
    TWinPlaceRec r{.kind = f.kind, .current = f.currentWin};
    if (!f.currentWin)
        r.title = Field(f.winTitle, kFreeTextMax);
    if (auto bad = CheckWindow(f.currentWin, r.title))
        return *bad;
    const std::optional<long long> first =
        WholeInteger(Field(f.theWidth, TDoSizeItFields::kNumberLength));
    const std::optional<long long> second =
        WholeInteger(Field(f.theHeight, TDoSizeItFields::kNumberLength));
    if (f.kind == WinPlaceKind::Resize) {
        if (!first || *first < kMinWidth)
            return Error("Invalid width specified.  Width must be 10 or greater.  Please correct.",
                         kTheWidth);
        if (!second || *second < kMinHeight)
            return Error(
                "Invalid height specified.  Height must be 30 or greater.  Please correct.",
                kTheHeight);
        r.widthOrLeft = static_cast<int>(*first);
        r.heightOrTop = static_cast<int>(*second);
        return Accept(Command::ResizeWindow, std::move(r));
    }
    if (!second || *second < 0)
        return Error("Invalid left position specified.  Please correct.", kTheHeight);
    if (!first || *first < 0)
        return Error("Invalid top position specified.  Please correct.", kTheWidth);
    r.widthOrLeft = static_cast<int>(*second);
    r.heightOrTop = static_cast<int>(*first);
    return Accept(Command::RepositionWindow, std::move(r));
}

DialogOutcome<SpecWindResult> OkButtonClick(const TDoSpecWindFields& f) {
    std::string name = Field(f.theTitle, TDoSpecWindFields::kTitleLength);
    if (name.empty()) {
        const std::string_view none = f.programMode ? "No program name has been entered.  "
                                                    : "No window title has been entered.  ";
        if (!f.highlighted)
            return Error(std::string(none) + "Please correct.", kTheTitle);
        if (!f.useHighlighted) {
            return DialogRefusal{{std::string(none) + "\"" + *f.highlighted +
                                      "\" is currently highlighted.  Would you like to use it?",
                                  std::string(kWarningCaption)},
                                 kTheTitle,
                                 true};
        }
        // As a double-click on the entry would have copied it.
        name = Field(*f.highlighted, TDoSpecWindFields::kTitleLength);
    }
    return SpecWindResult{std::move(name), f.onTop};
}

} // namespace kv
