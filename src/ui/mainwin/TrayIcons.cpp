#include "ui/mainwin/TrayIcons.h"

#include "ui/QtPrompts.h"
#include "ui/common/Icons.h"

#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

namespace kv::ui {
namespace {

// The tray cuts tips at 63 characters.
QString ToolTip(const std::string& text) {
    return FromAnsi(text).left(63);
}

} // namespace

TrayIcons::TrayIcons(QObject* parent) : QObject(parent), popup_(std::make_unique<QMenu>()) {
    popup_->setObjectName(QStringLiteral("MyPopUp"));
    connect(popup_->addAction(QStringLiteral("&Open")), &QAction::triggered, this,
            &TrayIcons::OpenRequested);
    help_ = popup_->addAction(QStringLiteral("&Help"));
    connect(help_, &QAction::triggered, this, &TrayIcons::HelpRequested);
    popup_->addSeparator();
    connect(popup_->addAction(QStringLiteral("&Terminate and Unload")), &QAction::triggered, this,
            &TrayIcons::TerminateRequested);

    program_ = new QSystemTrayIcon(ProgramIcon(), this);
    program_->setToolTip(QStringLiteral("Keyvane"));
    program_->setContextMenu(popup_.get());
    connect(program_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    emit OpenRequested();
            });

    recording_ = new QSystemTrayIcon(RecordingIcon(), this);
    recording_->setToolTip(QStringLiteral("Macro Is Recording"));
    connect(recording_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Context)
                    emit StopCaptureRequested();
            });
}

TrayIcons::~TrayIcons() {
    ClearMenuTaskIcon();
}

bool TrayIcons::Supported() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcons::SetProgramIconActive(bool on) {
    program_->setVisible(on && Supported());
}

bool TrayIcons::ProgramIconActive() const {
    return program_->isVisible();
}

void TrayIcons::SetRecording(bool on) {
    recording_->setVisible(on && Supported());
}

bool TrayIcons::Recording() const {
    return recording_->isVisible();
}

void TrayIcons::ClearMenuTaskIcon() {
    for (QSystemTrayIcon* icon : menuIcons_) {
        icon->hide();
        icon->deleteLater();
    }
    menuIcons_.clear();
}

void TrayIcons::DoMenuTaskIcon(const std::vector<MenuTaskIcon>& icons) {
    ClearMenuTaskIcon();
    for (const MenuTaskIcon& m : icons) {
        QIcon picture = m.iconFile.empty() ? MenuIcon() : QIcon(QString::fromStdString(m.iconFile));
        if (picture.pixmap(16, 16).isNull())
            picture = MenuIcon(); // a file that is no icon shows the built-in one
        auto* icon = new QSystemTrayIcon(picture, this);
        icon->setToolTip(ToolTip(m.toolTip));
        const int place = m.place;
        connect(icon, &QSystemTrayIcon::activated, this,
                [this, place](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == QSystemTrayIcon::Context)
                        emit MenuIconRightClicked(place);
                });
        icon->setVisible(Supported());
        menuIcons_.push_back(icon);
    }
}

} // namespace kv::ui
