#pragma once
// The tray icons of the main window: the program icon ("Keyvane", in the tray while Use
// Tray is on, with the menu "&Open", "&Help", "&Terminate and Unload"), the recording icon
// (in the tray during a capture) and up to 15 popup-menu icons.

#include "engine/mainwin/TrayMenuIcons.h"

#include <QObject>

#include <memory>
#include <vector>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace kv::ui {

class TrayIcons : public QObject {
    Q_OBJECT
public:
    explicit TrayIcons(QObject* parent = nullptr);
    ~TrayIcons() override;

    // False on a desktop without a notification area: no icon is ever shown.
    static bool Supported();

    // The program icon in or out of the tray.
    void SetProgramIconActive(bool on);
    bool ProgramIconActive() const;
    // The recording icon, shown beside the program icon while a capture runs.
    void SetRecording(bool on);
    bool Recording() const;

    // `ClearMenuTaskIcon` and `DoMenuTaskIcon`.
    void ClearMenuTaskIcon();
    void DoMenuTaskIcon(const std::vector<MenuTaskIcon>& icons);
    int MenuTaskIconCount() const { return static_cast<int>(menuIcons_.size()); }

    QMenu* PopupMenu() const { return popup_.get(); }
    QAction* HelpAction() const { return help_; }

signals:
    void OpenRequested();        // left click on the program icon, "&Open"
    void HelpRequested();        // "&Help"
    void TerminateRequested();   // "&Terminate and Unload"
    void StopCaptureRequested(); // right click on the recording icon
    void MenuIconRightClicked(int place);

private:
    std::unique_ptr<QMenu> popup_;
    QAction* help_ = nullptr;
    QSystemTrayIcon* program_ = nullptr;
    QSystemTrayIcon* recording_ = nullptr;
    std::vector<QSystemTrayIcon*> menuIcons_;
};

} // namespace kv::ui
