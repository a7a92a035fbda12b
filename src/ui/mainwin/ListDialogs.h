#pragma once
// The macro list's own dialogs: "Sort Order", "Copy Hot Key" / "Move Hot Key", Quick Info
// and "Appearance". The engine holds their rules; these forms copy values to and from it.

#include "engine/core/DateTime.h"
#include "engine/core/MacroRecord.h"
#include "engine/core/Settings.h"
#include "engine/mainwin/CopyOrMove.h"
#include "engine/mainwin/QuickInfo.h"
#include "engine/ports/Prompts.h"

#include <functional>

class QWidget;

namespace kv::ui {

// `TSortOrder`. On OK stores the three sort settings and saves them; the caller refills
// the list. True when closed with OK.
bool RunSortOrderDialog(QWidget* parent, Settings& settings,
                        const std::function<void()>& saveSettings);

// `TCopyOrMove` on rec. "&Ok" calls dialog.OkButtonClick; when that asks for the schedule,
// runSchedule is called on rec.schedule. secondaryWindow(true) while its hot key box waits
// for a key (the hook then lets every key through), false after. True when closed with OK.
bool RunCopyOrMoveDialog(QWidget* parent, const CopyOrMoveDialog& dialog, MacroRecord& rec,
                         Prompts& prompts, const DateTime& today,
                         const std::function<bool(ScheduleBlock&)>& runSchedule,
                         const std::function<void(bool)>& secondaryWindow = {});

// `TQuickInfo`, modal.
void ShowQuickInfo(QWidget* parent, const QuickInfo& info);

// `TDoAppear` ("Appearance"). On OK stores the widths, Use Speed and the two list fonts
// and saves; the caller lays the window out again. True when closed with OK.
bool RunAppearanceDialog(QWidget* parent, Settings& settings, Prompts& prompts,
                         const std::function<void()>& saveSettings);

} // namespace kv::ui
