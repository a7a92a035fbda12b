#include "engine/editing/FileDialogs.h"

#include "engine/macrotext/TagTable.h"

namespace kv {
namespace {

using dialog::Accept;
using dialog::CheckFreeText;
using dialog::Error;
using dialog::Field;

constexpr std::string_view kProgPath = "ProgPath";
constexpr std::string_view kNewName = "NewName";

std::string Path(std::string_view text) {
    return Field(text, kFreeTextMax);
}

Command ClipCommand(ClipKind kind) {
    switch (kind) {
    case ClipKind::EndCopy:
        return Command::ClipboardEndCopy;
    case ClipKind::FileCopy:
        return Command::ClipboardFileCopy;
    case ClipKind::Copy:
        return Command::ClipboardCopy;
    case ClipKind::Paste:
        return Command::ClipboardPaste;
    case ClipKind::StartCopy:
        break;
    }
    return Command::ClipboardStartCopy;
}

Command FileCommand(FileCmdKind kind) {
    switch (kind) {
    case FileCmdKind::Copy:
        return Command::CopyFile;
    case FileCmdKind::Rename:
        return Command::RenameFile;
    case FileCmdKind::Delete:
        return Command::DeleteFile;
    case FileCmdKind::ChangeDirectory:
        break;
    }
    return Command::ChangeDirectory;
}

// A folder is named without its closing "\", except a root, which "\" alone or "C:"
// would name differently (the current folder of the drive).
std::string WithoutClosingBackslash(std::string_view path) {
    const bool root = path.size() == 1 || (path.size() == 3 && path[1] == ':');
    if (path.ends_with('\\') && !root)
        path.remove_suffix(1);
    return std::string(path);
}

} // namespace

CommandOutcome OkButtonClick(const TDoClipboardFields& f, const PathChecks& paths) {
    TClipRec r{.kind = f.kind};
    if (f.kind == ClipKind::FileCopy) {
        r.file = Path(f.progPath);
        if (!paths.ShortFilePath(r.file))
            return Error("Specified Text File does not exist.  Please correct.", kProgPath);
        if (auto bad = CheckFreeText(r.file, kProgPath))
            return *bad;
    }
    return Accept(ClipCommand(f.kind), std::move(r));
}

std::optional<DialogRefusal> CheckWaveFile(std::string_view progPath, const PathChecks& paths) {
    const std::string file = Path(progPath);
    if (!paths.ShortFilePath(file))
        return Error("Specified WAV File does not exist.  Please correct.", kProgPath);
    return CheckFreeText(file, kProgPath);
}

CommandOutcome OkButtonClick(const TDoSoundFields& f, const PathChecks& paths) {
    if (f.kind == SoundKind::Beep)
        return Accept(Command::SoundBeep, TSoundRec{.kind = SoundKind::Beep});
    if (auto bad = CheckWaveFile(f.progPath, paths))
        return *bad;
    return Accept(
        Command::SoundWaveFile,
        TSoundRec{.kind = SoundKind::WaveFile, .file = Path(f.progPath), .wait = f.waitFor});
}

CommandOutcome OkButtonClick(const TDoSwapFields& f, const PathChecks& paths) {
    const std::optional<std::string> file = paths.ShortFilePath(Path(f.progPath));
    if (!file)
        return Error("Specified Macro File does not exist.  Please correct.", kProgPath);
    if (auto bad = CheckFreeText(*file, kProgPath))
        return *bad;
    return Accept(Command::LoadNewMacroFile, TStringRec{*file});
}

std::optional<DialogRefusal> CheckTextFileToEdit(std::string_view progPath,
                                                 const PathChecks& paths) {
    if (paths.ShortFilePath(Path(progPath)))
        return std::nullopt;
    return Error("Specified Path and Program does not exist.  Unable to open text file.",
                 kProgPath);
}

CommandOutcome OkButtonClick(const TDoTextInsertFields& f, const PathChecks& paths) {
    const std::string typed = Path(f.progPath);
    std::optional<std::string> file = paths.ShortFilePath(typed);
    if (!file) {
        if (!f.keepMissingFile) {
            return DialogRefusal{
                {"Specified Path and Program does not exist.  Do you wish to correct?",
                 std::string(kWarningCaption)},
                kProgPath,
                true};
        }
        file = typed; // there is no short form of a file that is not there
    }
    if (auto bad = CheckFreeText(*file, kProgPath))
        return *bad;
    return Accept(Command::LoadTextFile, TStringRec{*file});
}

CommandOutcome OkButtonClick(const TDoDOSFilesFields& f, const PathChecks& paths) {
    const bool pair = f.kind == FileCmdKind::Copy || f.kind == FileCmdKind::Rename;
    TFileCmdRec r{.kind = f.kind, .first = Path(f.progPath)};
    if (pair) {
        r.second = Path(f.newName);
        if (r.second.empty())
            return Error("No new name specified.  Please correct.", kNewName);
    }
    if (f.kind == FileCmdKind::ChangeDirectory) {
        r.first = WithoutClosingBackslash(r.first);
        if (!paths.DirectoryExists(r.first))
            return Error("Specified directory/folder does not exist.  Please correct.", kProgPath);
    } else if (!paths.ShortFilePath(r.first)) {
        return Error("Specified Text File does not exist.  Please correct.", kProgPath);
    }
    // The first name of a pair ends at its ";".
    if (auto bad =
            CheckFreeText(r.first, kProgPath, pair ? std::string_view(&kPairSeparator, 1) : ""))
        return *bad;
    if (auto bad = CheckFreeText(r.second, kNewName))
        return *bad;
    return Accept(FileCommand(f.kind), std::move(r));
}

} // namespace kv
