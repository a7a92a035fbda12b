// kvn new, list, show, add and hotkeys: macro files from the command line.

#include "app/kvn/Kvn.h"

#include "engine/activation/HotKeys.h"
#include "engine/activation/ScheduleDialog.h"
#include "engine/core/Ansi.h"
#include "engine/core/MacroFile.h"
#include "engine/editing/NewMacro.h"
#include "engine/mainwin/MacroListText.h"
#include "platform/posix/SystemClock.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <variant>

namespace kvn {
namespace {

// A macro file loaded as Keyvane loads it, with in-memory tables.
struct LoadedFile {
    explicit LoadedFile(const std::string& utf8Path) {
        settings.currentFile = ToAnsi(utf8Path, "the file name");
    }
    kv::Settings settings;
    kv::OwnedSharedBlock block;
    ConsolePrompts prompts;
    kv::posix::SystemClock clock;
    kv::MacroFile file{settings, block, prompts, clock};

    void Load() {
        const kv::LoadReport report = file.LoadMacroFile(settings.currentFile);
        if (!report.opened || prompts.SawError())
            throw KvnFailed{};
    }
};

// The name a SYSTEM macro shows whatever its record says, as the list shows it.
std::string ListedNickname(const kv::MacroRecord& r) {
    if (r.scope == static_cast<unsigned>(kv::Scope::System) && !r.scopeName.empty() &&
        r.scopeName[0] >= '1' && r.scopeName[0] <= '4')
        return kv::kSystemMacros[r.scopeName[0] - '1'].nickname;
    return r.nickname;
}

kv::RecordScan Scan(const std::string& utf8Path) {
    try {
        return kv::ScanMacroFile(ToAnsi(utf8Path, "the file name"));
    } catch (const std::runtime_error& e) {
        throw KvnError(e.what());
    }
}

void NoteDamage(const std::string& path, const kv::RecordScan& scan) {
    if (scan.records.size() > static_cast<std::size_t>(kv::kMaxMacros))
        std::cerr << "kvn: " << path << " holds " << scan.records.size()
                  << " macros; Keyvane loads the first 500\n";
    if (scan.extraBytes > 0)
        std::cerr << "kvn: " << path << " ends with " << scan.extraBytes
                  << " bytes that do not make a whole record; they are kept as they are\n";
}

void New(const std::string& path) {
    LoadedFile f(path);
    f.Load();
}

void List(const std::string& path) {
    const kv::RecordScan scan = Scan(path);
    const std::size_t shown = std::min<std::size_t>(scan.records.size(), kv::kMaxMacros);
    for (std::size_t i = 0; i < shown; ++i) {
        const kv::MacroRecord& r = scan.records[i];
        std::cout << i + 1 << '\t' << ForLine(kv::ActivationText(r.activation, r.typeword)) << '\t'
                  << ForLine(ListedNickname(r)) << '\t'
                  << ForLine(kv::ScopeText(r.scope, r.scopeName)) << '\t'
                  << (r.active ? "on" : "off") << '\n';
    }
    NoteDamage(path, scan);
}

std::string Hex(const std::uint8_t* p, std::size_t n) {
    std::ostringstream out;
    for (std::size_t i = 0; i < n; ++i)
        out << (i ? " " : "") << std::hex << std::setw(2) << std::setfill('0') << int{p[i]};
    return out.str();
}

std::string DateText(double days) {
    const kv::DateTime t = kv::FromDayCount(days);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    std::ostringstream raw;
    raw << std::setprecision(17) << days;
    return std::string(buf) + " (" + raw.str() + ")";
}

void Show(const std::string& path, int place) {
    const kv::RecordScan scan = Scan(path);
    if (place < 1 || static_cast<std::size_t>(place) > scan.records.size())
        throw KvnError(path + " has no macro at place " + std::to_string(place) + " (it holds " +
                       std::to_string(scan.records.size()) + ")");
    const kv::MacroRecord& r = scan.records[static_cast<std::size_t>(place - 1)];
    const kv::ScheduleBlock& s = r.schedule;
    auto field = [](const char* name, const std::string& value) {
        std::cout << name << ": " << value << '\n';
    };
    auto num = [&](const char* name, long long v) { field(name, std::to_string(v)); };
    num("Place", place);
    field("Nickname", ForLine(r.nickname));
    field("Scope name", ForLine(r.scopeName));
    field("Typeword", ForLine(r.typeword));
    field("Activation", std::to_string(r.activation) + " (" +
                            ForLine(kv::ActivationText(r.activation, r.typeword)) + ")");
    field("Scope",
          std::to_string(r.scope) + " (" + ForLine(kv::ScopeText(r.scope, r.scopeName)) + ")");
    num("Active", r.active);
    num("Reserved 98", r.reserved98);
    num("Reserved 99", r.reserved99);
    field("Icon", ForLine(r.icon));
    num("Schedule kind", s.kind);
    num("Schedule kind high byte", s.kindHighByte);
    field("Schedule days", Hex(s.days.data(), s.days.size()));
    num("Schedule hour", s.hour);
    num("Schedule minute", s.minute);
    num("Schedule PM", s.pm);
    num("Schedule month", s.month);
    num("Schedule day", s.day);
    num("Schedule year", s.year);
    num("Schedule minutes past hour", s.minutesPastHour);
    num("Schedule interval minutes", s.intervalMinutes);
    num("Schedule day of week", s.dayOfWeek);
    num("Top Most Only", r.topMostOnly);
    field("Last modified", DateText(r.lastModified));
    field("Reserved 5143", Hex(r.reserved5143.data(), r.reserved5143.size()));
    field("Text", kv::AnsiToUtf8(r.text));
}

struct AddOptions {
    std::string path;
    std::string nickname;
    std::string hotKey;
    std::string typeword;
    bool timed = false;
    std::string every; // minutes: an "Other" schedule
    std::string daily; // a time of day: every day at it
    std::string scope = "global";
    std::string scopeName;
    bool ifRunning = false;
    std::string text;
    std::string textFile;
    std::string icon = "MAIN";
    bool off = false;
    bool yes = false;
};

std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw KvnError(path + ": cannot be read");
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

void Add(const AddOptions& o) {
    if (!std::filesystem::exists(o.path))
        throw KvnError(o.path + " does not exist (create it with kvn new)");
    kv::NewMacro m;
    m.nickname = ToAnsi(o.nickname, "the nickname");
    if (!o.hotKey.empty()) {
        const auto code = kv::HotKeyFromName(ToAnsi(o.hotKey, "the hot key"));
        if (!code)
            throw KvnError("unknown hot key name: " + o.hotKey + " (kvn hotkeys lists them)");
        m.kind = kv::ActivationKind::HotKey;
        m.hotKey = *code;
    } else if (!o.typeword.empty()) {
        m.kind = kv::ActivationKind::Typeword;
        m.typeword = ToAnsi(o.typeword, "the Typeword");
    } else {
        m.kind = kv::ActivationKind::Timed;
    }
    if (o.scope == "global")
        m.scope = kv::Scope::Global;
    else if (o.scope == "window")
        m.scope = kv::Scope::Window;
    else
        m.scope = kv::Scope::Program;
    m.scopeName = ToAnsi(o.scopeName, "the scope name");
    m.topMostOnly = !o.ifRunning;
    m.text = o.textFile.empty() ? ToAnsi(o.text, "the macro text")
                                : ToAnsi(ReadTextFile(o.textFile), "the macro text");
    if (m.text.size() > kv::kMaxMacroText)
        throw KvnError("the macro text has " + std::to_string(m.text.size()) +
                       " characters; a macro holds at most 5000");
    m.icon = ToAnsi(o.icon, "the icon name");
    m.active = !o.off;

    LoadedFile f(o.path);
    f.Load();
    kv::MacroRecord rec = kv::BuildNewMacro(m, f.clock.Now());
    if (!o.every.empty() || !o.daily.empty()) {
        // The same boxes and checks as the "Set Schedule" dialog.
        auto fields = kv::TDoScheduleFields::From(rec.schedule);
        if (!o.every.empty()) {
            fields.kind = 6;
            fields.otherMinutes = o.every;
        } else {
            fields.kind = 3;
            fields.days.fill(true);
            fields.dailyTime = ToAnsi(o.daily, "the time");
        }
        const auto outcome = kv::UpdateButtonClick(fields, rec.schedule, f.clock.Now());
        if (const auto* refusal = std::get_if<kv::ScheduleRefusal>(&outcome)) {
            f.prompts.ShowMessage(refusal->text, refusal->caption);
            throw KvnFailed{};
        }
        rec.schedule = std::get<kv::ScheduleBlock>(outcome);
    }
    if (auto refusal = kv::CheckNewMacro(m, f.block)) {
        f.prompts.ShowMessage(refusal->text, refusal->caption);
        throw KvnFailed{};
    }
    if (m.kind == kv::ActivationKind::HotKey && kv::IsSystemReservedHotKey(m.hotKey) && !o.yes) {
        f.prompts.ShowMessage(kv::SystemReservedHotKeyQuestion(m.hotKey), "Warning");
        throw KvnError("not added; pass --yes to use this hot key all the same");
    }
    f.block.SetMacroCount(f.block.MacroCount() + 1);
    if (!f.file.WriteMacroRecord(kv::MacroFile::kAppend, rec))
        throw KvnFailed{};
    std::cout << f.block.MacroCount() << '\n';
}

} // namespace

void AddFileVerbs(CLI::App& app) {
    auto* newCmd = app.add_subcommand("new", "Create a macro file (if missing) and load it as "
                                             "Keyvane does, so that it holds the SYSTEM macros");
    static std::string newFile, listFile, showFile;
    static int showPlace = 0;
    newCmd->add_option("FILE", newFile, "The macro file")->required();
    newCmd->callback([] { New(newFile); });

    auto* list = app.add_subcommand("list", "One line per macro: place, activation, nickname, "
                                            "scope, on/off (tab-separated)");
    list->add_option("FILE", listFile, "The macro file")->required();
    list->callback([] { List(listFile); });

    auto* show = app.add_subcommand("show", "Every field of one macro, the macro text last");
    show->add_option("FILE", showFile, "The macro file")->required();
    show->add_option("PLACE", showPlace, "The macro's place, from 1")->required();
    show->callback([] { Show(showFile, showPlace); });

    static AddOptions add;
    auto* addCmd =
        app.add_subcommand("add", "Append a macro, with the checks Keyvane's dialogs make");
    addCmd->add_option("FILE", add.path, "The macro file (must exist)")->required();
    addCmd->add_option("-n,--nickname", add.nickname, "The macro's name in the list");
    auto* hk = addCmd->add_option("-k,--hotkey", add.hotKey,
                                  "Activate by this hot key (its name, "
                                  "as kvn hotkeys lists it)");
    auto* tw = addCmd->add_option("-w,--typeword", add.typeword, "Activate by this Typeword");
    auto* tm = addCmd->add_flag("--timed", add.timed, "A Timed Macro (started by its schedule)");
    auto* every = addCmd->add_option("--every", add.every,
                                     "A Timed Macro that runs every so many minutes (1 to 720)");
    auto* daily = addCmd->add_option("--daily", add.daily,
                                     "A Timed Macro that runs every day at this time (9:05AM, "
                                     "14:10)");
    hk->excludes(tw)->excludes(tm)->excludes(every)->excludes(daily);
    tw->excludes(tm)->excludes(every)->excludes(daily);
    every->excludes(daily);
    addCmd->add_option("-s,--scope", add.scope, "global, window or program")
        ->check(CLI::IsMember({"global", "window", "program"}));
    addCmd->add_option("--scope-name", add.scopeName,
                       "For window or program scope: the text the title or program must contain");
    addCmd->add_flag("--if-running", add.ifRunning,
                     "Window or program scope: play whenever a matching window is open, not "
                     "only when it is in front");
    auto* text = addCmd->add_option("-t,--text", add.text, "The macro text");
    auto* textFile =
        addCmd->add_option("--text-file", add.textFile, "Read the macro text from a file");
    text->excludes(textFile);
    addCmd->add_option("--icon", add.icon, "Icon name (default MAIN)");
    addCmd->add_flag("--off", add.off, "Add the macro switched off");
    addCmd->add_flag("-y,--yes", add.yes, "Accept a hot key that the desktop may use itself");
    addCmd->callback([] {
        if (!add.every.empty() || !add.daily.empty())
            add.timed = true;
        if (add.hotKey.empty() && add.typeword.empty() && !add.timed)
            throw CLI::ValidationError("add", "one of --hotkey, --typeword, --timed, --every or "
                                              "--daily is required");
        Add(add);
    });
}

void AddHotKeysVerb(CLI::App& app) {
    auto* cmd = app.add_subcommand("hotkeys", "Every hot key code with its name");
    cmd->callback([] {
        for (int code = 0; code < kv::kHotKeyCodes; ++code)
            std::cout << code << '\t' << kv::AnsiToUtf8(kv::HotKeyName(code)) << '\n';
    });
}

} // namespace kvn
