#pragma once
// A macro file in a temporary folder with the engine objects around it, over the fake
// clock and prompts: where tests of file operations and their dialogs start from.

#include "engine/core/MacroFile.h"
#include "engine/core/Settings.h"
#include "engine/core/SharedBlock.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/RecordingPrompts.h"
#include "support/TempDir.h"

namespace kv::test {

struct TempMacroFile {
    TempDir dir;
    Settings settings;
    OwnedSharedBlock block;
    fake::RecordingPrompts prompts;
    fake::FakeClock clock;
    MacroFile file{settings, block, prompts, clock};
};

} // namespace kv::test
