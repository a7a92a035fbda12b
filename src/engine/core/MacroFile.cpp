#include "engine/core/MacroFile.h"

#include "engine/core/Ansi.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <system_error>

namespace kv {
namespace {

// Macro file names are Windows-1252 inside Keyvane; the file system gets UTF-8.
std::string OsPath(const std::string& ansi) {
    return AnsiToUtf8(ansi);
}

// An open C stream that closes itself; the file is never kept open past one operation.
class Stream {
public:
    Stream(const std::string& path, const char* mode) : f_(std::fopen(OsPath(path).c_str(), mode)) {
        err_ = f_ ? 0 : errno;
    }
    ~Stream() {
        if (f_)
            std::fclose(f_);
    }
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;

    explicit operator bool() const { return f_ != nullptr; }
    int Error() const { return err_; }

    bool Seek(std::uint64_t offset) {
        return Ok(std::fseek(f_, static_cast<long>(offset), SEEK_SET) == 0);
    }
    std::uint64_t Size() {
        if (std::fseek(f_, 0, SEEK_END) != 0) {
            err_ = errno;
            return 0;
        }
        const long s = std::ftell(f_);
        return s < 0 ? 0 : static_cast<std::uint64_t>(s);
    }
    // Reads up to n bytes; fewer only at the end of the file or on an error (see Failed).
    std::size_t Read(void* p, std::size_t n) {
        if (n == 0)
            return 0;
        const std::size_t got = std::fread(p, 1, n, f_);
        if (got < n && std::ferror(f_))
            err_ = errno ? errno : EIO;
        return got;
    }
    bool Write(const void* p, std::size_t n) { return n == 0 || Ok(std::fwrite(p, 1, n, f_) == n); }
    // Flushes and closes, so that a failure to write the last buffer is seen.
    bool Close() {
        const bool ok = std::fflush(f_) == 0 && std::fclose(f_) == 0;
        f_ = nullptr;
        return Ok(ok);
    }
    bool Failed() const { return err_ != 0; }

private:
    bool Ok(bool ok) {
        if (!ok && err_ == 0)
            err_ = errno ? errno : EIO;
        return ok;
    }

    std::FILE* f_;
    int err_ = 0;
};

std::uint64_t RecordOffset(int place) {
    return static_cast<std::uint64_t>(place - 1) * kRecordSize;
}

std::string Reason(int err) {
    return std::strerror(err);
}

} // namespace

MacroFile::MacroFile(Settings& settings, SharedBlock& block, Prompts& prompts, const Clock& clock)
    : settings_(settings), block_(block), prompts_(prompts), clock_(clock) {}

void MacroFile::Mirror(int place, const MacroRecord& rec) {
    settings_.names.nickname[static_cast<std::size_t>(place)] = rec.nickname;
    settings_.names.typeword[static_cast<std::size_t>(place)] = rec.typeword;
    block_.SetActivation(place, rec.activation);
    block_.SetScope(place, rec.scope);
    block_.SetScopeName(place, rec.scopeName);
    block_.SetActive(place, rec.active != 0);
    block_.SetTopMostOnly(place, rec.topMostOnly != 0);
}

void MacroFile::ReportIoError(const std::string& what, int err) const {
    prompts_.ShowMessage(
        "The macro file " + Path() + " could not be " + what + " (" + Reason(err) + ").", "Error");
}

LoadReport MacroFile::LoadMacroFile(const std::string& path) {
    LoadReport report;
    block_.SetMacroCount(0);

    Stream in(path, "rb");
    if (!in) {
        if (in.Error() != ENOENT) {
            // The file is there but out of reach (permissions, a lock, the network): creating
            // a new one over it would destroy the user's macros.
            prompts_.ShowMessage("The macro file " + path + " could not be opened (" +
                                     Reason(in.Error()) + ").  It has been left unchanged.",
                                 "Error");
            return report;
        }
        Stream created(path, "wxb");
        if (!created || !created.Close()) {
            prompts_.ShowMessage("New file could not be created.", "Error");
            return report;
        }
        report.created = true;
    } else {
        RecordBytes buf;
        int count = 0;
        for (;;) {
            const std::size_t got = in.Read(buf.data(), buf.size());
            if (got < buf.size()) {
                report.extraBytes = got; // a damaged partial record stays on disk untouched
                break;
            }
            ++report.recordsOnDisk;
            if (count == kMaxMacros) {
                ++report.recordsNotLoaded;
                continue;
            }
            // The hook reads the tables at any moment: fill the place before counting it.
            Mirror(count + 1, MacroRecord::Unpack(buf));
            block_.SetMacroCount(++count);
        }
        if (in.Failed()) {
            prompts_.ShowMessage("The macro file " + path + " could not be read (" +
                                     Reason(in.Error()) + ").",
                                 "Error");
            return report;
        }
        if (report.recordsNotLoaded > 0) {
            prompts_.ShowMessage(
                "The macro file " + path + " holds " + std::to_string(report.recordsOnDisk) +
                    " macros.  Only the first 500 were loaded; the other " +
                    std::to_string(report.recordsNotLoaded) + " remain in the file.",
                "Warning");
        }
    }
    report.opened = true;
    report.systemMacrosAdded = AddSystemMacros();
    return report;
}

int MacroFile::AddSystemMacros() {
    bool present[4] = {};
    const int count = block_.MacroCount();
    for (int place = 1; place <= count; ++place) {
        if (block_.Scope(place) != static_cast<unsigned>(Scope::System))
            continue;
        const std::string name = block_.ScopeName(place);
        if (name.empty() || name[0] < '1' || name[0] > '4')
            continue;
        const SystemMacro& sys = kSystemMacros[name[0] - '1'];
        present[name[0] - '1'] = true;
        settings_.names.nickname[static_cast<std::size_t>(place)] = sys.nickname;
    }
    int added = 0;
    for (int i = 0; i < 4; ++i) {
        // A file already holding 500 macros has no place left; its own records come first.
        if (present[i] || block_.MacroCount() >= kMaxMacros)
            continue;
        MacroRecord rec;
        rec.nickname = kSystemMacros[i].nickname;
        rec.scopeName = std::string(1, kSystemMacros[i].digit);
        rec.activation = kSystemMacros[i].activation;
        rec.scope = static_cast<std::uint16_t>(Scope::System);
        rec.active = 1;
        rec.lastModified = ToDayCount(clock_.Now());
        block_.SetMacroCount(block_.MacroCount() + 1);
        if (!WriteMacroRecord(kAppend, rec)) {
            block_.SetMacroCount(block_.MacroCount() - 1);
            break;
        }
        ++added;
    }
    return added;
}

bool MacroFile::ReadMacroRecord(int place, MacroRecord& rec) const {
    if (place < 1)
        return false;
    Stream in(Path(), "rb");
    if (!in || !in.Seek(RecordOffset(place)))
        return false;
    RecordBytes buf;
    if (in.Read(buf.data(), buf.size()) != buf.size())
        return false;
    rec = MacroRecord::Unpack(buf);
    return true;
}

bool MacroFile::WriteMacroRecord(int place, const MacroRecord& rec) {
    const int target = place == kAppend ? block_.MacroCount() : place;
    if (target < 1 || target > kMaxMacros)
        return false;
    Stream f(Path(), "r+b");
    if (!f) {
        prompts_.ShowMessage("Saving of keystrokes failed.", "Error");
        return false;
    }
    const RecordBytes bytes = rec.Pack();
    bool ok = true;
    if (place == kAppend) {
        // Append after the last whole record. A damaged partial record at the end is kept,
        // moved behind the new one.
        const std::uint64_t size = f.Size();
        const std::uint64_t end = size - size % kRecordSize;
        std::vector<std::uint8_t> tail(static_cast<std::size_t>(size - end));
        ok = !f.Failed() && f.Seek(end) && f.Read(tail.data(), tail.size()) == tail.size() &&
             f.Seek(end) && f.Write(bytes.data(), bytes.size()) &&
             f.Write(tail.data(), tail.size());
    } else {
        ok = f.Seek(RecordOffset(target)) && f.Write(bytes.data(), bytes.size());
    }
    ok = f.Close() && ok;
    if (!ok) {
        ReportIoError("written", f.Error());
        return false;
    }
    Mirror(target, rec);
    return true;
}

bool MacroFile::DeleteMacroRecord(int place) {
    namespace fs = std::filesystem;
    Stream in(Path(), "rb");
    if (!in) {
        ReportIoError("opened", in.Error());
        return false;
    }
    const std::uint64_t size = in.Size();
    if (place < 1 || RecordOffset(place) + kRecordSize > size)
        return false;

    std::mt19937_64 random{std::random_device{}()};
    const std::string temp = Path() + ".new-" + std::to_string(random() % 1000000007ULL);
    int err = 0;
    {
        Stream out(temp, "wxb");
        if (!out) {
            err = out.Error();
        } else if (!in.Seek(0)) {
            err = in.Error();
        } else {
            RecordBytes buf;
            for (std::uint64_t at = 0; at < size; at += kRecordSize) {
                const std::size_t got = in.Read(buf.data(), buf.size());
                if (in.Failed()) {
                    err = in.Error();
                    break;
                }
                if (got == 0)
                    break;
                if (at != RecordOffset(place) && !out.Write(buf.data(), got)) {
                    err = out.Error();
                    break;
                }
            }
            if (err == 0 && !out.Close())
                err = out.Error();
        }
    }
    std::error_code ec;
    if (err == 0) {
        // Keep the file's permissions; then one rename replaces the old file whole.
        fs::permissions(OsPath(temp), fs::status(OsPath(Path()), ec).permissions(), ec);
        fs::rename(OsPath(temp), OsPath(Path()), ec);
        err = ec.value();
    }
    if (err != 0) {
        fs::remove(OsPath(temp), ec);
        ReportIoError("written", err);
        return false;
    }
    return true;
}

bool MacroFile::SetMacroActive(int place, bool on) {
    if (place < 1)
        return false;
    Stream f(Path(), "r+b");
    if (!f) {
        prompts_.ShowMessage("Saving of keystrokes failed.", "Error");
        return false;
    }
    if (f.Size() < RecordOffset(place) + kRecordSize)
        return false;
    const std::uint8_t active = on ? 1 : 0;
    bool ok = f.Seek(RecordOffset(place) + 97) && f.Write(&active, 1);
    ok = f.Close() && ok;
    if (!ok)
        ReportIoError("written", f.Error());
    return ok;
}

RecordScan ScanMacroFile(const std::string& path) {
    Stream in(path, "rb");
    if (!in)
        throw std::runtime_error(OsPath(path) + ": " + Reason(in.Error()));
    RecordScan scan;
    RecordBytes buf;
    for (;;) {
        const std::size_t got = in.Read(buf.data(), buf.size());
        if (got < buf.size()) {
            scan.extraBytes = got;
            break;
        }
        scan.records.push_back(MacroRecord::Unpack(buf));
    }
    if (in.Failed())
        throw std::runtime_error(OsPath(path) + ": " + Reason(in.Error()));
    return scan;
}

bool IsMacroFileName(const std::string& path) {
    return path.size() >= 4 && AnsiUpper(path.substr(path.size() - 4)) == ".KVN";
}

std::string FileTitle(const std::string& path) {
    const auto slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
}

} // namespace kv
