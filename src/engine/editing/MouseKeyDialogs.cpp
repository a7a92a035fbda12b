#include "engine/editing/MouseKeyDialogs.h"

#include <algorithm>

namespace kv {
namespace {

using dialog::Error;
using dialog::Field;
using dialog::NumberText;
using dialog::WholeInteger;

constexpr long long kMaxPosition = 30000;

Command MouseCommand(MouseCode action) {
    const int code = static_cast<int>(action);
    if (action == MouseCode::Move)
        return Command::MouseMove;
    if (code <= static_cast<int>(MouseCode::LeftUp))
        return Command::LeftMouseButton;
    if (code <= static_cast<int>(MouseCode::RightUp))
        return Command::RightMouseButton;
    if (code <= static_cast<int>(MouseCode::MiddleUp))
        return Command::MiddleMouseButton;
    return Command::MouseWheel;
}

bool InRange(const std::optional<long long>& n, long long low, long long high) {
    return n && *n >= low && *n <= high;
}

} // namespace

TDoMouseFields TDoMouseFields::From(const TMouseRec& r) {
    TDoMouseFields f{.action = r.action, .toWindows = r.windowRelative};
    if (r.action == MouseCode::Move) {
        f.xPos = NumberText(static_cast<long long>(r.x));
        f.yPos = NumberText(static_cast<long long>(r.y));
    }
    if (MouseCommand(r.action) == Command::MouseWheel)
        f.numClicks = NumberText(static_cast<long long>(r.clicks));
    return f;
}

CommandOutcome OkButtonClick(const TDoMouseFields& f) {
    const Command c = MouseCommand(f.action);
    TMouseRec r{.action = f.action, .windowRelative = f.toWindows};
    if (c == Command::MouseWheel) {
        const std::optional<long long> clicks =
            WholeInteger(Field(f.numClicks, TDoMouseFields::kClicksLength));
        if (!clicks || *clicks < 1)
            return Error("Invalid number of wheel clicks specified.  Please correct.", "NumClicks");
        r.clicks = static_cast<int>(*clicks);
    } else if (c == Command::MouseMove) {
        const std::optional<long long> x =
            WholeInteger(Field(f.xPos, TDoMouseFields::kPositionLength));
        if (!InRange(x, 0, kMaxPosition))
            return Error("Invalid X Position specified.  Please correct.", "XPos");
        const std::optional<long long> y =
            WholeInteger(Field(f.yPos, TDoMouseFields::kPositionLength));
        if (!InRange(y, 0, kMaxPosition))
            return Error("Invalid Y Position specified.  Please correct.", "YPos");
        r.x = static_cast<int>(*x);
        r.y = static_cast<int>(*y);
    }
    return dialog::Accept(c, r);
}

CommandOutcome OkButtonClick(const TDoKeyUpDownFields& f) {
    // Two codes per key, down then up, in the order Control, Alt, Shift, Win.
    constexpr Command kKeys[] = {Command::ControlKey, Command::AltKey, Command::ShiftKey,
                                 Command::WinKey};
    const int key = (static_cast<int>(f.code) - 1) / 2;
    return dialog::Accept(kKeys[std::clamp(key, 0, 3)], TModKeyRec{f.code});
}

char SymbolAt(int row, int column) {
    return static_cast<char>(128 + kSymbolColumns * row + column);
}

} // namespace kv
