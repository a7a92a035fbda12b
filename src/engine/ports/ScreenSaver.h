#pragma once
// Keeping the system's screen saver from starting, so that a timed macro types into the
// desktop rather than into a locked screen.

namespace kv {

class ScreenSaver {
public:
    virtual ~ScreenSaver() = default;

    // On: the screen saver does not start until this is switched off again or Keyvane
    // ends. Off: the system's own screen saver setting applies again.
    virtual void Suppress(bool on) = 0;
};

} // namespace kv
