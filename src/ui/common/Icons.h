#pragma once
// Keyvane's built-in pictures, drawn in code so they scale to any size: the program icon
// (window, tray, Quick Info), the recording icon (tray during a capture) and the popup-menu
// icon (popup-menu tray icons and Quick Info of a "MENU" icon).

#include <QIcon>

namespace kv::ui {

QIcon ProgramIcon();
QIcon RecordingIcon();
QIcon MenuIcon();

} // namespace kv::ui
