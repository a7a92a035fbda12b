#include "ui/editing/MacroProperties.h"

#include "engine/editing/IconChoice.h"
#include "ui/QtPrompts.h"
#include "ui/common/Icons.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kv::ui {

MacroProperties::MacroProperties(const EditorParts& parts, const EditorState& state,
                                 MacroRecord& rec, QWidget* parent)
    : QGroupBox(parent), parts_(parts), state_(state), rec_(rec) {
    auto* grid = new QGridLayout(this);
    // The header: the hot key, the Typeword with its name, or Timed Macros and the schedule.
    QString header = state_.kind == EditorKind::Timed      ? QStringLiteral("Timed Macros")
                     : state_.kind == EditorKind::Typeword ? QStringLiteral("Typeword")
                                                           : FromAnsi(state_.header);
    auto* headerLabel = new QLabel(header);
    headerLabel->setObjectName(state_.kind == EditorKind::HotKey ? QStringLiteral("HotKeyLabel")
                                                                 : QStringLiteral("TimerLabel"));
    QFont bold = headerLabel->font();
    bold.setBold(true);
    headerLabel->setFont(bold);
    grid->addWidget(headerLabel, 0, 0);
    if (state_.kind == EditorKind::Typeword) {
        typeword_ = new QLineEdit(FromAnsi(rec_.typeword));
        typeword_->setObjectName(QStringLiteral("TypewordName"));
        typeword_->setMaxLength(10);
        auto* label = new QLabel(QStringLiteral("Typewor&d"));
        label->setBuddy(typeword_);
        grid->addWidget(label, 0, 1);
        grid->addWidget(typeword_, 0, 2);
    } else if (state_.kind == EditorKind::Timed) {
        auto* schedule = new QPushButton(QStringLiteral("Se&t Schedule"));
        schedule->setObjectName(QStringLiteral("SetSchedule"));
        schedule->setAutoDefault(false);
        connect(schedule, &QPushButton::clicked, this, [this] {
            if (parts_.setSchedule)
                parts_.setSchedule(rec_.schedule);
        });
        grid->addWidget(schedule, 0, 2);
    }

    nickname_ = new QLineEdit(FromAnsi(rec_.nickname));
    nickname_->setObjectName(QStringLiteral("NickName"));
    nickname_->setMaxLength(50);
    auto* nickLabel = new QLabel(QStringLiteral("&Nickname"));
    nickLabel->setBuddy(nickname_);
    grid->addWidget(nickLabel, 1, 0);
    grid->addWidget(nickname_, 1, 1, 1, 3);

    global_ = new QRadioButton(QStringLiteral("&Global"));
    specific_ = new QRadioButton(QStringLiteral("&Window"));
    progExe_ = new QRadioButton(QStringLiteral("&Program"));
    global_->setObjectName(QStringLiteral("Global"));
    specific_->setObjectName(QStringLiteral("Specific"));
    progExe_->setObjectName(QStringLiteral("ProgExe"));
    // The macro's icon: a click picks another, a right click puts the program's back.
    iconName_ = rec_.icon.empty() ? std::string(kProgramIconName) : rec_.icon;
    icon_ = new QPushButton;
    icon_->setObjectName(QStringLiteral("MySpeed"));
    icon_->setToolTip(QStringLiteral("The macro's icon (right click: the program's)"));
    icon_->setIconSize(QSize(32, 32));
    icon_->setAutoDefault(false);
    icon_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(icon_, &QPushButton::clicked, this, &MacroProperties::MySpeedClick);
    connect(icon_, &QPushButton::customContextMenuRequested, this, &MacroProperties::ResetIcon);
    ShowIcon();
    grid->addWidget(icon_, 0, 3, Qt::AlignRight);
    choose_ = new QPushButton(QStringLiteral("Se&lect"));
    choose_->setObjectName(QStringLiteral("ChooseWinProg"));
    choose_->setAutoDefault(false);
    auto* scopeRow = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(global_), static_cast<QWidget*>(specific_),
                       static_cast<QWidget*>(progExe_), static_cast<QWidget*>(choose_)})
        scopeRow->addWidget(w);
    scopeRow->addStretch();
    grid->addLayout(scopeRow, 2, 0, 1, 4);

    const EditorScope scope = ScopeOf(rec_);
    (scope == EditorScope::Global   ? global_
     : scope == EditorScope::Window ? specific_
                                    : progExe_)
        ->setChecked(true);
    if (state_.windowScopeForced) {
        if (global_->isChecked())
            specific_->setChecked(true);
        global_->setEnabled(false);
    }
    for (QRadioButton* r : {global_, specific_, progExe_})
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                emit scopeChanged();
        });
    connect(choose_, &QPushButton::clicked, this, &MacroProperties::ChooseWinProgClick);
    choose_->setEnabled(!global_->isChecked());
    connect(global_, &QRadioButton::toggled, choose_,
            [this](bool on) { choose_->setEnabled(!on); });
}

EditorScope MacroProperties::Scope() const {
    return global_->isChecked()     ? EditorScope::Global
           : specific_->isChecked() ? EditorScope::Window
                                    : EditorScope::Program;
}

void MacroProperties::ChooseWinProgClick() {
    if (!parts_.chooseScope)
        return;
    std::string name = rec_.scopeName;
    std::uint8_t topMost = rec_.topMostOnly;
    if (parts_.chooseScope(progExe_->isChecked(), name, topMost) && !name.empty()) {
        rec_.scopeName = name.substr(0, 30);
        rec_.topMostOnly = topMost;
        emit scopeChanged();
    }
}

void MacroProperties::ShowIcon() {
    const std::string file = IconFile(iconName_, parts_.iconsDir);
    QIcon icon = file.empty() ? ProgramIcon() : QIcon(FromAnsi(file));
    if (!file.empty() && icon.pixmap(32).isNull()) {
        // A name whose file is gone: the program's icon, as a new macro has.
        iconName_ = std::string(kProgramIconName);
        icon = ProgramIcon();
    }
    icon_->setIcon(icon);
}

std::optional<std::string>
LoadIconName(const std::function<std::string(const std::string& iconsDir)>& pickIcon,
             const std::string& iconsDir, Prompts& prompts) {
    if (!pickIcon)
        return std::nullopt;
    const std::string chosen = pickIcon(iconsDir);
    if (chosen.empty())
        return std::nullopt;
    const IconChoice choice = LoadInIcon(chosen, iconsDir);
    if (choice.message)
        prompts.ShowMessage(choice.message->text, choice.message->caption);
    return choice.icon;
}

void MacroProperties::MySpeedClick() {
    if (auto name = LoadIconName(parts_.pickIcon, parts_.iconsDir, parts_.prompts)) {
        iconName_ = *name;
        ShowIcon();
    }
}

void MacroProperties::ResetIcon() {
    if (!parts_.prompts.AskYesNo(kResetIconQuestion, "Confirm"))
        return;
    iconName_ = std::string(kProgramIconName);
    ShowIcon();
}

EditorProperties MacroProperties::Properties() const {
    return {ToAnsi(nickname_->text()), Scope(),
            typeword_ ? ToAnsi(typeword_->text()) : std::string(), iconName_};
}

bool MacroProperties::Check() {
    if (auto bad = CheckProperties(state_, Properties())) {
        parts_.prompts.ShowMessage(bad->text, bad->caption);
        if (typeword_)
            typeword_->setFocus();
        return false;
    }
    return true;
}

void MacroProperties::Write() {
    WriteProperties(rec_, state_, Properties(), parts_.now ? parts_.now() : DateTime{});
}

} // namespace kv::ui
