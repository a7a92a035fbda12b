#include "platform/x11/Launcher.h"

#include <QProcess>
#include <QStringList>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace kv::x11 {

namespace fs = std::filesystem;

std::vector<std::string> SplitArguments(std::string_view text) {
    std::vector<std::string> out;
    std::string word;
    bool inWord = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            if (inWord)
                out.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else if (c == '\'') {
            inWord = true;
            for (++i; i < text.size() && text[i] != '\''; ++i)
                word += text[i];
        } else if (c == '"') {
            inWord = true;
            for (++i; i < text.size() && text[i] != '"'; ++i) {
                // Inside double quotes a backslash quotes only these.
                if (text[i] == '\\' && i + 1 < text.size() &&
                    std::string_view("\"\\$`").find(text[i + 1]) != std::string_view::npos)
                    ++i;
                word += text[i];
            }
        } else if (c == '\\') {
            inWord = true;
            if (i + 1 < text.size())
                word += text[++i];
        } else {
            inWord = true;
            word += c;
        }
    }
    if (inWord)
        out.push_back(std::move(word));
    return out;
}

namespace {

bool IsExecutableFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec) && ::access(p.c_str(), X_OK) == 0;
}

std::optional<fs::path> FindOnPath(std::string_view name) {
    const char* path = std::getenv("PATH");
    std::string_view dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
    while (!dirs.empty()) {
        std::size_t colon = dirs.find(':');
        std::string_view dir = dirs.substr(0, colon);
        fs::path candidate = fs::path(dir.empty() ? "." : std::string(dir)) / std::string(name);
        if (IsExecutableFile(candidate))
            return candidate;
        dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
    }
    return std::nullopt;
}

bool LooksLikeAddress(std::string_view s) {
    // scheme ":" as in RFC 3986, more than one letter so that "c:" stays a path.
    std::size_t colon = s.find(':');
    if (colon == std::string_view::npos || colon < 2)
        return false;
    for (std::size_t i = 0; i < colon; ++i) {
        char c = s[i];
        bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                  (i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'));
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

std::optional<Command> OpenCommand(std::string_view file, std::string_view parameters) {
    if (file.empty())
        return std::nullopt;
    std::string f(file);
    if (LooksLikeAddress(file))
        return Command{"xdg-open", {f}};
    std::optional<fs::path> program;
    if (f.find('/') != std::string::npos) {
        if (IsExecutableFile(f))
            program = fs::path(f);
    } else {
        program = FindOnPath(f);
    }
    if (program)
        return Command{program->string(), SplitArguments(parameters)};
    std::error_code ec;
    if (fs::exists(f, ec))
        return Command{"xdg-open", {f}};
    return std::nullopt;
}

bool Spawn(const Command& command) {
    QStringList arguments;
    for (const std::string& a : command.arguments)
        arguments << QString::fromStdString(a);
    return QProcess::startDetached(QString::fromStdString(command.program), arguments);
}

} // namespace kv::x11
