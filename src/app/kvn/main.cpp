// kvn: Keyvane from the command line, for scripting macro files and checking the engine.

#include "app/kvn/Kvn.h"

#include "engine/core/Ansi.h"

#include <cstdlib>
#include <iostream>

namespace kvn {

kv::KeyvanePaths Paths() {
    return kv::ResolvePaths([](const char* name) { return std::getenv(name); });
}

std::string ToAnsi(const std::string& utf8, const std::string& what) {
    if (!kv::Utf8FitsAnsi(utf8))
        throw KvnError(what + " has characters that Keyvane cannot store (Windows-1252 only)");
    return kv::Utf8ToAnsi(utf8);
}

std::string ForLine(const std::string& ansi) {
    std::string s = ansi;
    for (char& c : s)
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    return kv::AnsiToUtf8(s);
}

void ConsolePrompts::ShowMessage(std::string_view text, std::string_view caption) {
    if (caption == "Error")
        sawError_ = true;
    std::string line = caption.empty() ? std::string() : kv::AnsiToUtf8(caption) + ": ";
    std::cerr << line << kv::AnsiToUtf8(text) << '\n';
}

bool ConsolePrompts::AskYesNo(std::string_view text, std::string_view caption) {
    ShowMessage(text, caption);
    return false;
}

} // namespace kvn

int main(int argc, char** argv) {
    CLI::App app{"kvn: read, write and check Keyvane macro files"};
    app.require_subcommand(1);
    app.set_help_all_flag("--help-all", "Show the help of every verb");
    kvn::AddFileVerbs(app);
    kvn::AddTokensVerb(app);
    kvn::AddSettingsVerb(app);
    kvn::AddHotKeysVerb(app);
    kvn::AddScriptVerbs(app);
    kvn::AddPlayVerb(app);
    kvn::AddCaptureVerb(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return 2;
    } catch (const kvn::KvnFailed&) {
        return 1;
    } catch (const kvn::KvnError& e) {
        std::cerr << "kvn: " << e.what() << '\n';
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "kvn: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
