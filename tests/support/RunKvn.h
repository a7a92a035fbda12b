#pragma once
// Runs the kvn binary with KEYVANE_HOME pointing at a test directory and captures what it
// prints and its exit status.

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace kv::test {

struct KvnResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Quotes one argument for /bin/sh.
inline std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string ReadAll(const std::string& path) {
    std::string all;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        std::array<char, 4096> buf;
        std::size_t n;
        while ((n = std::fread(buf.data(), 1, buf.size(), f)) > 0)
            all.append(buf.data(), n);
        std::fclose(f);
    }
    return all;
}

// `home` holds the test's KEYVANE_HOME and the captured standard error.
inline KvnResult RunKvn(const std::string& home, const std::string& args) {
    const std::string errFile = home + "/kvn-stderr.txt";
    const std::string cmd = "KEYVANE_HOME=" + ShellQuote(home) + " " + ShellQuote(KVN_PATH) + " " +
                            args + " 2>" + ShellQuote(errFile);
    KvnResult r;
    if (std::FILE* p = popen(cmd.c_str(), "r")) {
        std::array<char, 4096> buf;
        std::size_t n;
        while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0)
            r.out.append(buf.data(), n);
        const int raw = pclose(p);
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    r.err = ReadAll(errFile);
    std::remove(errFile.c_str());
    return r;
}

} // namespace kv::test
