#include "engine/capture/Capture.h"

#include "engine/activation/HotKeys.h"
#include "engine/core/Ansi.h"
#include "engine/core/MacroFile.h"
#include "engine/macrotext/TagTable.h"

namespace kv {

CaptureOptions OptionsOf(const CaptureChoices& c) {
    CaptureOptions o;
    o.keys = c.keys;
    o.mouse = c.mouse;
    o.relativeToScreen = c.relativeToScreen;
    o.time = c.time;
    o.windowSize = c.windowSize;
    o.doubleAlt = c.doubleAlt;
    o.speed = static_cast<int>(c.speed);
    return o;
}

CaptureStopKey StopKeyOf(int hotKeyCode) {
    CaptureStopKey k;
    if (hotKeyCode < 0)
        return k;
    const HotKeyParts p = DecipherKey(hotKeyCode);
    k.mouseButton = p.button;
    k.virtualKey = p.vk;
    k.ctrl = p.ctrl;
    k.alt = p.alt;
    k.shift = p.shift;
    k.win = p.win;
    return k;
}

CaptureStopKey StartStopKey(const SharedBlock& block) {
    return StopKeyOf(StartStopCaptureCode(block).value_or(-1));
}

std::string StartPromptText(const SharedBlock& block) {
    const std::optional<int> code = StartStopCaptureCode(block);
    return "Keyvane macro capture will now start.\r\n\r\nUse " +
           (code ? HotKeyName(*code) : std::string()) + " to stop the capture.";
}

std::string CaptureCompleteText(const MacroRecord& rec) {
    if (rec.activation == kActivationTypeword)
        return "Keyvane capture is complete for Typeword: " + rec.typeword + ".";
    return "Keyvane capture is complete for " + HotKeyName(rec.activation) + ".";
}

Capture::Capture(SharedBlock& block, MacroFile& file, CaptureFiles& files, std::string dataDir)
    : block_(block), file_(file), files_(files), dataDir_(std::move(dataDir)) {}

bool Capture::Begin(const CaptureStart& start, std::string* error) {
    if (running_) {
        if (error)
            *error = "a capture is running already";
        return false;
    }
    if (!files_.StartScratch(ScratchPath(), error))
        return false;
    start_ = start;
    writer_.emplace(start.options);
    writeError_.clear();
    writeErrorTold_ = false;
    running_ = true;
    halted_ = false;
    if (start.options.time)
        Append(SpeedTag(start.options.speed));

    const CaptureOptions& o = start.options;
    block_.SetCapturePlace(static_cast<std::uint16_t>(start.place));
    block_.SetCaptureKeys(o.keys);
    block_.SetCaptureMouse(o.mouse);
    block_.SetCaptureRelativeToScreen(o.relativeToScreen);
    block_.SetCaptureTime(o.time);
    block_.SetCaptureDoubleAlt(o.doubleAlt);
    block_.SetCaptureRelativeToWindow(o.mouse && !o.relativeToScreen && o.windowSize);
    block_.ClearCaptureWorkBytes();
    block_.SetCaptureStart(true);
    block_.SetStopKey(StartStopKey(block_));
    block_.SetSecondStopKeyPresent(start.secondStop.has_value());
    if (start.secondStop)
        block_.SetSecondStopKey(*start.secondStop);
    return true;
}

void Capture::Arm() {
    if (!running_)
        return;
    block_.SetCaptureFlag(true);
    if (onRecording)
        onRecording(true);
}

void Capture::Abandon() {
    if (!running_)
        return;
    block_.SetCaptureFlag(false);
    running_ = false;
    writer_.reset();
    std::string ignored;
    files_.FinishScratch(&ignored);
    files_.Remove(ScratchPath());
}

void Capture::Append(const std::string& text) {
    if (text.empty() || !writeError_.empty())
        return;
    std::string why;
    if (!files_.AppendScratch(text, &why))
        writeError_ = why.empty() ? "the capture file cannot be written" : why;
}

void Capture::OnInput(const CapturedInput& input) {
    if (!running_ || !writer_ || halted_)
        return;
    Append(writer_->Add(input));
}

std::string Capture::TakeWriteError() {
    if (writeError_.empty() || writeErrorTold_)
        return {};
    writeErrorTold_ = true;
    return writeError_;
}

std::optional<std::string> Capture::KeepInTextFile(const std::string& text, std::string* error) {
    // The first free number; a name taken by a link counts as taken.
    for (int n = 0; n < 100000; ++n) {
        const std::string path = dataDir_ + "/KV" + std::to_string(n) + ".TXT";
        switch (files_.CreateNew(path, text, error)) {
        case CaptureFiles::Created::Done:
            return std::string(TagFor(TagId::TFile).spelling) + Utf8ToAnsi(path) + ">";
        case CaptureFiles::Created::Exists:
            continue;
        case CaptureFiles::Created::Failed:
            return std::nullopt;
        }
    }
    if (error)
        *error = "no free KV<n>.TXT name in " + dataDir_;
    return std::nullopt;
}

std::optional<Capture::Ended> Capture::End(const DateTime& now) {
    if (!running_)
        return std::nullopt;
    // What comes after this is not the user's macro any more.
    block_.SetCaptureFlag(false);
    running_ = false;
    if (onRecording)
        onRecording(false);
    if (writer_)
        Append(writer_->Finish());
    writer_.reset();

    Ended e;
    e.place = start_.place;
    e.quick = start_.quick;
    e.programScope = start_.programScope;
    file_.ReadMacroRecord(e.place, e.rec);
    e.rec.lastModified = ToDayCount(now);
    std::string why;
    const std::optional<std::string> text = files_.FinishScratch(&why);
    if (!text) {
        e.error = why;
        return e;
    }
    if (!writeError_.empty())
        e.error = writeError_;
    if (text->size() <= kRecordText) {
        e.rec.text = *text;
        files_.Remove(ScratchPath());
    } else if (auto tag = KeepInTextFile(*text, &why)) {
        e.rec.text = *tag;
        files_.Remove(ScratchPath());
    } else {
        // The scratch file stays: it is all there is of the capture.
        e.error = why + ".  The captured text is kept in " + ScratchPath() + ".";
    }
    return e;
}

} // namespace kv
