#pragma once
// The dialogs of the Options and Scheduler menus and the schedule dialog: "System Hot
// Keys", "Typeword Options", "Set Schedule", the scheduler's alarm sound and its timer
// interval. Each shows engine state, calls the engine's checks and shows their messages.

#include "engine/core/DateTime.h"
#include "engine/core/MacroFile.h"
#include "engine/core/MacroRecord.h"
#include "engine/core/Settings.h"
#include "engine/core/SharedBlock.h"
#include "engine/ports/Prompts.h"

#include <functional>

class QWidget;

namespace kv::ui {

struct ActivationDialogParts {
    MacroFile& file;
    SharedBlock& block;
    Settings& settings;
    Prompts& prompts;
    // Writes the profile.
    std::function<void()> saveSettings;
    // True while a hot key box waits for a key (the hook then lets every key through to
    // the dialog), false when it stops waiting.
    std::function<void(bool)> secondaryWindow;
};

// `TSystemKeys` ("System Hot Keys"); digit 1..4 puts the focus on that command's box, 0 on
// none. Writes the records it changes and the settings. True when closed with OK.
bool RunSystemKeysDialog(QWidget* parent, const ActivationDialogParts& parts, int digit);

// `TTypewordOptions` ("Typeword Options"). Stores and saves the settings on OK.
bool RunTypewordOptionsDialog(QWidget* parent, Settings& settings, Prompts& prompts,
                              const std::function<void()>& saveSettings);

// `TDoSchedule` ("Set Schedule") on schedule; today is the local date. True when closed
// with OK, schedule then holds the new schedule.
bool RunScheduleDialog(QWidget* parent, ScheduleBlock& schedule, const DateTime& today,
                       Prompts& prompts);

// The sound dialog in its alarm mode ("Scheduler Alarm"): the three wave-file settings.
bool RunAlarmDialog(QWidget* parent, Settings& settings, Prompts& prompts,
                    const std::function<void()>& saveSettings);

// The delay dialog in its timer mode: "Timer Seconds" (1 to 60).
bool RunTimerIntervalDialog(QWidget* parent, Settings& settings, Prompts& prompts,
                            const std::function<void()>& saveSettings);

} // namespace kv::ui
