#include "engine/activation/PopupMenus.h"

#include "engine/core/Ansi.h"
#include "engine/core/Limits.h"
#include "engine/mainwin/MacroListText.h"

namespace kv {

PopupMenuOptions PopupMenuOptions::Parse(std::string_view field) {
    PopupMenuOptions o;
    o.tray = !field.empty() && field[0] == 'Y';
    o.mode = field.size() > 1 && (field[1] == '1' || field[1] == '2') ? field[1] : '3';
    o.iconSize = field.size() > 2 && field[2] >= '0' && field[2] <= '4' ? field[2] - '0' : 0;
    return o;
}

std::string PopupMenuOptions::Format() const {
    return std::string{tray ? 'Y' : 'N', mode, static_cast<char>('0' + iconSize)};
}

int PopupMenuOptions::IconPixels() const {
    constexpr int kPixels[] = {16, 24, 32, 48, 64};
    return kPixels[iconSize >= 0 && iconSize <= 4 ? iconSize : 0];
}

char MenuKeyCharacter(int item) {
    if (item < 0 || item >= kMenuKeyCount)
        return 0;
    return item < 10 ? static_cast<char>('0' + item) : static_cast<char>('A' + item - 10);
}

int MenuItemForKey(char key, int count) {
    const char k = AnsiUpperChar(key);
    int item = -1;
    if (k >= '0' && k <= '9')
        item = k - '0';
    else if (k >= 'A' && k <= 'Z')
        item = k - 'A' + 10;
    return item >= 0 && item < count ? item : -1;
}

MenuGrid TextMenuGrid(int count) {
    if (count <= 0)
        return {1, 0};
    return {(count + kMenuRowsPerColumn - 1) / kMenuRowsPerColumn,
            count < kMenuRowsPerColumn ? count : kMenuRowsPerColumn};
}

MenuGrid TextMenuCell(int item) {
    return {item / kMenuRowsPerColumn, item % kMenuRowsPerColumn};
}

MenuSize IconMenuSize(int count, int pixels) {
    const int cell = pixels + 4;
    const int columns = count < kMenuIconsPerRow ? count : kMenuIconsPerRow;
    const int rows = (count + kMenuIconsPerRow - 1) / kMenuIconsPerRow;
    return {cell * (columns < 4 ? 4 : columns), cell * rows + 22};
}

std::string MenuItemText(int item, const MacroRecord& rec, char mode) {
    const char key = MenuKeyCharacter(item);
    std::string line = key ? std::string(1, key) : std::string();
    line += '\t';
    if (mode == '1' && rec.scope != static_cast<unsigned>(Scope::PopupMenu)) {
        std::string start = rec.text.substr(0, kMenuTextStart);
        // One line: line breaks and other controls of the text show as blanks.
        for (char& c : start) {
            if (static_cast<unsigned char>(c) < 0x20)
                c = ' ';
        }
        return line + start;
    }
    if (mode == '1')
        return line + ScopeText(rec.scope, rec.scopeName);
    return line + rec.nickname + '\t' + ActivationText(rec.activation, rec.typeword) + '\t' +
           ScopeText(rec.scope, rec.scopeName);
}

std::vector<int> FrontWindowMacros(const SharedBlock& block, const std::string& title,
                                   const std::string& program) {
    const std::string upperTitle = AnsiUpper(title);
    const std::string upperProgram = AnsiUpper(program);
    std::vector<int> places;
    for (int place = 1; place <= block.MacroCount() && places.size() < kMenuKeyCount; ++place) {
        const auto scope = static_cast<Scope>(block.Scope(place));
        const std::string name = AnsiUpper(block.ScopeName(place));
        if ((scope == Scope::Window && upperTitle.find(name) != std::string::npos) ||
            (scope == Scope::Program && upperProgram.find(name) != std::string::npos))
            places.push_back(place);
    }
    return places;
}

} // namespace kv
