#pragma once
// The settings record: every persisted option, the per-place name tables and the three
// fonts as plain data. Reading and writing the profile lives in SettingsFile.

#include "engine/core/Limits.h"

#include <array>
#include <string>

namespace kv {

struct FontSettings {
    int color = 0; // a Windows colour value (0x00BBGGRR)
    std::string name = "Arial";
    int size = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
};

// Nickname and Typeword of every place, index 1..500 (index 0 unused), mirrored from the
// macro file whenever a record is loaded or written.
struct NameTables {
    std::array<std::string, kMaxMacros + 1> nickname;
    std::array<std::string, kMaxMacros + 1> typeword;
};

struct Settings {
    // Misc
    int systemMenu = 1;
    std::string primarySort = "123";
    std::string activationSort = "123";
    std::string scopeSort = "12345";
    int lastDateFormat = 0;
    int lastTimeFormat = 0;
    bool suppressZerosInDate = true;
    bool suppressZerosInTime = true;
    bool showDate = false;
    bool useTray = false;
    bool disableScreenSaver = true;
    std::string currentFile; // empty until read: then the default file in the data directory
    std::array<std::string, 5> lastFiles;

    // Capture
    bool captureDoubleAlt = true;
    bool captureKeys = true;
    bool captureMouse = true;
    bool captureRelativeToScreen = true;
    bool captureTime = true;
    bool capturePrompt = true;
    bool captureWindowSize = true;
    bool captureGlobal = true;
    int captureSpeed = 1;

    // Typewords
    bool solitaryUsage = false;
    bool caseSensitive = true;
    bool useSuffix = false;
    std::string prefixKeys;

    // Main Window
    int mainWidth = 640;
    int mainHeight = 424;
    int mainLeft = 0;
    int mainTop = 0;
    int col1Width = 112;
    int col2Width = 168;
    int col3Width = 132;
    bool useSpeed = false;

    // Fonts
    FontSettings gridTitleFont{0, "Arial", 12};
    FontSettings gridFont{0, "Arial", 10};
    FontSettings printListFont{0, "Arial", 10};

    // Script Page
    int scriptWidth = 606;
    int scriptHeight = 446;
    int scriptLeft = 0;
    int scriptTop = 0;

    // Network
    bool networkMode = false;
    bool autoSync = true;
    int syncMinutes = 10;

    // Scheduler
    bool useWaveFile = false;
    bool waveFileWait = false;
    std::string waveFile;
    int timerSeconds = 10;

    NameTables names;
};

} // namespace kv
