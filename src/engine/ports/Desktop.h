#pragma once
// Starting programs and documents, the clipboard and sounds.

#include <string>
#include <string_view>

namespace kv {

class Desktop {
public:
    virtual ~Desktop() = default;

    // Starts a program or opens a document with its parameter string; failures are silent.
    virtual void Launch(std::string_view file, std::string_view parameters) = 0;
    // Opens a web or FTP address with the desktop's handler, exactly as written.
    virtual void OpenAddress(std::string_view address) = 0;
    // Puts plain text on the clipboard (up to its first NUL).
    virtual void SetClipboardText(std::string_view text) = 0;
    // Plays a wave file; with `wait`, returns when it has ended. A missing file is silent.
    virtual void PlaySound(std::string_view file, bool wait) = 0;
    // The default system beep.
    virtual void Beep() = 0;
};

} // namespace kv
