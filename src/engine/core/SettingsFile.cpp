#include "engine/core/SettingsFile.h"

#include "engine/core/Ansi.h"

// The profile is read as bytes and converted here, so SimpleIni's wide-character side
// (and the ConvertUTF sources it would need) stays out. Debian's header hides the template
// bodies behind SI_IMPLEMENTATION; this is the only file that includes it.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <climits>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string_view>
#include <system_error>
#include <utility>

namespace kv {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kFlagChars = 15;  // flags and numbers
constexpr std::size_t kLongChars = 254; // paths and face names

// Every key of the profile in file order, as calls on a visitor with Bool, Int, Word
// (16-bit), and Text (with the field's size) members. One list for the reader, the
// writer and the listing, so they cannot drift apart. S is Settings or const Settings.
template <class V, class F>
void VisitFont(V& v, const char* section, F& font, bool withUnderlineAndStrikeout) {
    v.Int(section, "Color", font.color);
    v.Text(section, "Font Name", font.name, kLongChars);
    v.Int(section, "Size", font.size);
    v.Bool(section, "Bold", font.bold);
    v.Bool(section, "Italic", font.italic);
    if (withUnderlineAndStrikeout) {
        v.Bool(section, "Underline", font.underline);
        v.Bool(section, "Strikeout", font.strikeout);
    }
}

template <class S, class V>
void VisitProfile(S& s, V& v) {
    const char* misc = "Misc";
    v.Int(misc, "System Menu", s.systemMenu);
    v.Text(misc, "Primary Sort", s.primarySort, 3);
    v.Text(misc, "Activation Sort", s.activationSort, 3);
    v.Text(misc, "Scope Sort", s.scopeSort, 5);
    v.Int(misc, "Last Date Format", s.lastDateFormat);
    v.Int(misc, "Last Time Format", s.lastTimeFormat);
    v.Bool(misc, "Suppress Zeros In Date", s.suppressZerosInDate);
    v.Bool(misc, "Suppress Zeros In Time", s.suppressZerosInTime);
    v.Bool(misc, "Show Date", s.showDate);
    v.Bool(misc, "Use Tray", s.useTray);
    v.Bool(misc, "Disable Screen Saver", s.disableScreenSaver);
    v.Text(misc, "Current File", s.currentFile, kLongChars);
    for (std::size_t i = 0; i < s.lastFiles.size(); ++i)
        v.Text(misc, "Last File " + std::to_string(i + 1), s.lastFiles[i], kLongChars);

    const char* capture = "Capture";
    v.Bool(capture, "Double Alt", s.captureDoubleAlt);
    v.Bool(capture, "Keys", s.captureKeys);
    v.Bool(capture, "Mouse", s.captureMouse);
    v.Bool(capture, "Relative To Screen", s.captureRelativeToScreen);
    v.Bool(capture, "Time", s.captureTime);
    v.Bool(capture, "Prompt", s.capturePrompt);
    v.Bool(capture, "Window Size", s.captureWindowSize);
    v.Bool(capture, "Global", s.captureGlobal);
    v.Int(capture, "Speed", s.captureSpeed);

    const char* typewords = "Typewords";
    v.Bool(typewords, "Solitary Usage", s.solitaryUsage);
    v.Bool(typewords, "Case Sensative", s.caseSensitive); // the key has always been spelt so
    v.Bool(typewords, "Use Suffix", s.useSuffix);
    v.Text(typewords, "Prefix Keys", s.prefixKeys, 2);

    const char* mainWindow = "Main Window";
    v.Int(mainWindow, "Width", s.mainWidth);
    v.Int(mainWindow, "Height", s.mainHeight);
    v.Int(mainWindow, "Left", s.mainLeft);
    v.Int(mainWindow, "Top", s.mainTop);
    v.Int(mainWindow, "Col 1 Width", s.col1Width);
    v.Int(mainWindow, "Col 2 Width", s.col2Width);
    v.Int(mainWindow, "Col 3 Width", s.col3Width);
    v.Bool(mainWindow, "Use Speed", s.useSpeed);

    VisitFont(v, "Grid Title Font", s.gridTitleFont, true);
    VisitFont(v, "Grid Font", s.gridFont, true);

    const char* scriptPage = "Script Page";
    v.Int(scriptPage, "Width", s.scriptWidth);
    v.Int(scriptPage, "Height", s.scriptHeight);
    v.Int(scriptPage, "Left", s.scriptLeft);
    v.Int(scriptPage, "Top", s.scriptTop);

    const char* network = "Network";
    v.Bool(network, "Network Mode", s.networkMode);
    v.Bool(network, "Auto Sync", s.autoSync);
    v.Word(network, "Sync Minutes", s.syncMinutes);

    VisitFont(v, "Print List Font", s.printListFont, false);

    const char* scheduler = "Scheduler";
    v.Bool(scheduler, "Use Wave File", s.useWaveFile);
    v.Bool(scheduler, "Wave File Wait", s.waveFileWait);
    v.Text(scheduler, "Wave File", s.waveFile, kLongChars);
    v.Word(scheduler, "Timer Seconds", s.timerSeconds);
}

// Optional sign and decimal digits, nothing else.
std::optional<long long> ParseDecimal(std::string_view text) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        i = 1;
    if (i == text.size() || text.size() - i > 18)
        return std::nullopt;
    long long n = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        n = n * 10 + (text[i] - '0');
    }
    return negative ? -n : n;
}

// Fills the record from a loaded profile. A key that is missing, or a number that does
// not parse, leaves the field as it is, which the caller has set to the default.
class ProfileReader {
public:
    explicit ProfileReader(const CSimpleIniA& ini) : ini_(ini) {}

    void Bool(const char* section, const std::string& key, bool& field) const {
        if (auto v = Value(section, key, kFlagChars))
            field = AnsiUpper(*v) == "YES";
    }
    void Int(const char* section, const std::string& key, int& field) const {
        if (auto n = Number(section, key); n && *n >= INT_MIN && *n <= INT_MAX)
            field = static_cast<int>(*n);
    }
    void Word(const char* section, const std::string& key, int& field) const {
        if (auto n = Number(section, key))
            field = static_cast<std::uint16_t>(*n);
    }
    void Text(const char* section, const std::string& key, std::string& field,
              std::size_t size) const {
        if (auto v = Value(section, key, size))
            field = std::move(*v);
    }

private:
    std::optional<std::string> Value(const char* section, const std::string& key,
                                     std::size_t size) const {
        const char* raw = ini_.GetValue(section, key.c_str(), nullptr);
        if (!raw)
            return std::nullopt;
        std::string value = Utf8ToAnsi(raw);
        if (value.size() > size)
            value.resize(size);
        return value;
    }
    std::optional<long long> Number(const char* section, const std::string& key) const {
        auto v = Value(section, key, kFlagChars);
        return v ? ParseDecimal(*v) : std::nullopt;
    }

    const CSimpleIniA& ini_;
};

class RowCollector {
public:
    void Bool(const char* section, const std::string& key, bool field) {
        rows.push_back({section, key, field ? "Yes" : "No"});
    }
    void Int(const char* section, const std::string& key, int field) {
        rows.push_back({section, key, std::to_string(field)});
    }
    void Word(const char* section, const std::string& key, int field) { Int(section, key, field); }
    void Text(const char* section, const std::string& key, const std::string& field, std::size_t) {
        rows.push_back({section, key, field});
    }

    std::vector<SettingRow> rows;
};

bool ReadWholeFile(const fs::path& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool IsExistingFile(const std::string& ansiPath) {
    std::error_code ec;
    return fs::is_regular_file(fs::path(AnsiToUtf8(ansiPath)), ec);
}

// The reader trims values and strips one pair of enclosing double quotes, so a value
// with outer blanks (a blank as a prefix key) or outer quotes is quoted to come back
// unchanged. A line break would start a new line of the file, so it becomes a blank.
std::string FileValue(std::string_view ansi) {
    std::string v = AnsiToUtf8(ansi);
    for (char& c : v)
        if (c == '\r' || c == '\n')
            c = ' ';
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    const bool needsQuotes = !v.empty() && (isBlank(v.front()) || isBlank(v.back()) ||
                                            (v.size() >= 2 && v.front() == '"' && v.back() == '"'));
    return needsQuotes ? '"' + v + '"' : v;
}

// Writes next to the target and renames over it: the rename is atomic, so the profile is
// always either the old one or the new one.
bool ReplaceFile(const fs::path& target, const std::string& text) {
    std::error_code ec;
    std::random_device random;
    fs::path temp = target;
    temp += ".tmp" + std::to_string(random());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            fs::remove(temp, ec);
            return false;
        }
    }
    // A profile the user made private stays private.
    if (auto status = fs::status(target, ec); !ec && fs::exists(status))
        fs::permissions(temp, status.permissions(), ec);
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

} // namespace

std::vector<SettingRow> SettingsRows(const Settings& s) {
    RowCollector collector;
    VisitProfile(s, collector);
    return std::move(collector.rows);
}

void ReadSettingsFile(const std::string& iniPath, const std::string& defaultMacroFile,
                      Settings& s) {
    NameTables names = std::move(s.names);
    s = Settings{};
    s.names = std::move(names);

    CSimpleIniA ini; // sections and keys compare without case
    ini.SetQuotes(true);
    if (std::string text; ReadWholeFile(fs::path(iniPath), text))
        ini.LoadData(text);
    ProfileReader reader(ini);
    VisitProfile(s, reader);

    if (s.timerSeconds < 1 || s.timerSeconds > 60)
        s.timerSeconds = 10;
    if (s.currentFile.empty() || !IsExistingFile(s.currentFile))
        s.currentFile = Utf8ToAnsi(defaultMacroFile);
}

bool WriteSettingsFile(const std::string& iniPath, const Settings& s) {
    std::error_code ec;
    fs::path target(iniPath);
    // A profile kept elsewhere behind a link (a dotfiles folder) is rewritten in place.
    if (fs::is_symlink(target, ec)) {
        target = fs::weakly_canonical(target, ec);
        if (ec)
            return false;
    }

    // Values are loaded without quote handling so that the user's own lines are written
    // back exactly as they were; Keyvane's values are quoted by FileValue.
    CSimpleIniA ini;
    ini.SetSpaces(false);
    if (fs::exists(target, ec)) {
        std::string old;
        if (!ReadWholeFile(target, old) || ini.LoadData(old) < 0)
            return false; // rewriting would lose what we could not read
    }
    for (const SettingRow& row : SettingsRows(s))
        if (ini.SetValue(row.section.c_str(), row.key.c_str(), FileValue(row.value).c_str()) < 0)
            return false;
    std::string text;
    if (ini.Save(text) < 0)
        return false;
    // SimpleIni puts two blank lines between sections; one reads better by hand.
    for (auto at = text.find("\n\n\n"); at != std::string::npos; at = text.find("\n\n\n", at))
        text.erase(at, 1);

    if (target.has_parent_path()) {
        fs::create_directories(target.parent_path(), ec);
        if (ec)
            return false;
    }
    return ReplaceFile(target, text);
}

} // namespace kv
