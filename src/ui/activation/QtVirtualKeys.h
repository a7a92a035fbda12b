#pragma once
// Qt key events as Keyvane's hot keys: the Windows virtual-key code of a Qt key (as a US
// keyboard has it) and the hot key code of a key press.

#include "engine/activation/HotKeys.h"

#include <Qt>

#include <cstdint>

class QKeyEvent;

namespace kv::ui {

// The virtual-key code of a Qt key, 0 when there is none. Shifted symbols give the key that
// types them on a US layout ("!" is the 1 key, "?" the slash key); with the keypad modifier
// digits and operators give the keypad's own keys.
std::uint16_t VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);

// The key and the Ctrl, Alt, Shift and Win (Meta) modifiers of a press.
HotKeyParts HotKeyPartsOf(int qtKey, Qt::KeyboardModifiers modifiers);

// The hot key code of a key press, -1 when the combination is not one of the hot keys.
int HotKeyCodeOf(const QKeyEvent& event);

} // namespace kv::ui
