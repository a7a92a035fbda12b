#pragma once
// The scheduler's alarm: the sound dialog `TDoSound` in its alarm mode ("Scheduler Alarm")
// edits the three wave-file settings instead of producing a tag. `Beep` reads "None" there.

#include "engine/core/Settings.h"
#include "engine/editing/FileDialogs.h"

#include <optional>

namespace kv {

// What the dialog shows for the settings.
TDoSoundFields AlarmFields(const Settings& settings);

// "&Ok": a chosen wave file must exist. On success the three settings are stored (the
// path as typed, trimmed, also when "None" is chosen) and nothing is returned.
std::optional<DialogRefusal> AlarmOkButtonClick(const TDoSoundFields& f, const PathChecks& paths,
                                                Settings& settings);

} // namespace kv
