#pragma once
// The dialogs that name files: `TDoClipboard`, `TDoSound`, `TDoSwap`, `TDoTextInsert` and
// `TDoDOSFiles`. Whether a file exists is asked of the platform.

#include "engine/editing/CommandDialog.h"

namespace kv {

// `TDoClipboard`: `StartClip`, `EndClip`, `CopyFile`, `CopyCommand` or `PasteCommand`, and
// `ProgPath` for the file to copy. The file is kept as typed.
struct TDoClipboardFields {
    ClipKind kind = ClipKind::StartCopy;
    std::string progPath{};

    static TDoClipboardFields From(const TClipRec& r) { return {r.kind, r.file}; }
};
CommandOutcome OkButtonClick(const TDoClipboardFields& f, const PathChecks& paths);

// `TDoSound`: `Beep` or `WaveFile`, `ProgPath`, `WaitFor`. The file is kept as typed.
struct TDoSoundFields {
    SoundKind kind = SoundKind::Beep;
    std::string progPath{};
    bool waitFor = true;

    static TDoSoundFields From(const TSoundRec& r) { return {r.kind, r.file, r.wait}; }
};
CommandOutcome OkButtonClick(const TDoSoundFields& f, const PathChecks& paths);
// "&Test" plays the file only when it exists.
std::optional<DialogRefusal> CheckWaveFile(std::string_view progPath, const PathChecks& paths);

// `TDoSwap`: `ProgPath`, a macro file, stored by its short path.
struct TDoSwapFields {
    std::string progPath{};
};
CommandOutcome OkButtonClick(const TDoSwapFields& f, const PathChecks& paths);

// `TDoTextInsert`: `ProgPath`, a text file, stored by its short path. A file that does not
// exist brings a question: Yes goes back to the field, No keeps the path as typed (call
// again with `keepMissingFile`).
struct TDoTextInsertFields {
    std::string progPath{};
    bool keepMissingFile = false;
};
CommandOutcome OkButtonClick(const TDoTextInsertFields& f, const PathChecks& paths);
// "&Edit Text File" opens the file only when it exists.
std::optional<DialogRefusal> CheckTextFileToEdit(std::string_view progPath,
                                                 const PathChecks& paths);

// `TDoDOSFiles`: `ChangeDir`, `CopyFile`, `RenameFile` or `DeleteFile`, `ProgPath` and
// `NewName`. Paths are kept as typed.
struct TDoDOSFilesFields {
    FileCmdKind kind = FileCmdKind::ChangeDirectory;
    std::string progPath{};
    std::string newName{};

    static TDoDOSFilesFields From(const TFileCmdRec& r) { return {r.kind, r.first, r.second}; }
};
CommandOutcome OkButtonClick(const TDoDOSFilesFields& f, const PathChecks& paths);

} // namespace kv
