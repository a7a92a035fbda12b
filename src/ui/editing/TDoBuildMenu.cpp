#include "ui/editing/TDoBuildMenu.h"

#include "ui/editing/MacroProperties.h"

#include "engine/editing/IconChoice.h"
#include "engine/mainwin/PopupMenuPlaces.h"
#include "ui/QtPrompts.h"
#include "ui/common/DialogButtons.h"
#include "ui/common/Icons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kv::ui {
namespace {

QPushButton* MakeButton(const char* name, const QString& caption) {
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QTreeWidget* MakeList(const char* name) {
    auto* list = new QTreeWidget;
    list->setObjectName(QString::fromLatin1(name));
    list->setHeaderLabels(
        {QStringLiteral("Nickname"), QStringLiteral("Activation"), QStringLiteral("Scope")});
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

void Fill(QTreeWidget* list, const std::vector<MenuBuilder::Entry>& entries, int selected) {
    list->clear();
    for (const MenuBuilder::Entry& e : entries)
        list->addTopLevelItem(new QTreeWidgetItem(FromAnsi(e.text).split(QLatin1Char('\t'))));
    list->setCurrentItem(selected == MenuBuilder::kNone ? nullptr : list->topLevelItem(selected));
}

} // namespace

TDoBuildMenu::TDoBuildMenu(const BuildMenuParts& parts, MacroRecord& rec, QWidget* parent)
    : QDialog(parent), parts_(parts), rec_(rec),
      builder_(parts.table, parts.isNew ? std::vector<int>{} : MenuPlaces(rec.text)) {
    setObjectName(QStringLiteral("TDoBuildMenu"));
    setWindowTitle(QStringLiteral("Build Macro Menu"));
    const PopupMenuOptions options =
        parts_.isNew ? PopupMenuOptions{} : PopupMenuOptions::Parse(rec_.typeword);

    nickname_ = new QLineEdit(parts_.isNew ? QString() : FromAnsi(rec_.nickname));
    nickname_->setObjectName(QStringLiteral("NickName"));
    nickname_->setMaxLength(50);
    auto* nickLabel = new QLabel(QStringLiteral("&Nickname"));
    nickLabel->setBuddy(nickname_);
    tray_ = new QCheckBox(QStringLiteral("&Place in System Tray"));
    tray_->setObjectName(QStringLiteral("TrayBox"));
    tray_->setChecked(options.tray);

    // "I&nsert" and "&Insert" would share their letters with "&Nickname" and "&Icons", and
    // "&Nickname and Scope" with "&Nickname"; each takes a letter of its own.
    firstPart_ = new QRadioButton(QStringLiteral("&First Part of Macro"));
    iconMode_ = new QRadioButton(QStringLiteral("&Icons"));
    nickScope_ = new QRadioButton(QStringLiteral("Nickname and &Scope"));
    firstPart_->setObjectName(QStringLiteral("FirstPart"));
    iconMode_->setObjectName(QStringLiteral("IconMode"));
    nickScope_->setObjectName(QStringLiteral("NickScope"));
    (options.mode == '1'   ? firstPart_
     : options.mode == '2' ? iconMode_
                           : nickScope_)
        ->setChecked(true);
    auto* modeBox = new QGroupBox(QStringLiteral("What To Show"));
    auto* modeLayout = new QVBoxLayout(modeBox);
    for (QRadioButton* r : {firstPart_, iconMode_, nickScope_})
        modeLayout->addWidget(r);

    iconSize_ = new QComboBox;
    iconSize_->setObjectName(QStringLiteral("IconSize"));
    for (const char* size : {"16 x 16", "24 x 24", "32 x 32", "48 x 48", "64 x 64"})
        iconSize_->addItem(QString::fromLatin1(size));
    iconSize_->setCurrentIndex(options.iconSize);
    auto* sizeLabel = new QLabel(QStringLiteral("Icon Size"));
    sizeLabel->setBuddy(iconSize_);

    // The menu's icon: a click picks another, a right click puts the menu icon back.
    iconName_ = parts_.isNew || rec_.icon.empty() ? std::string(kMenuIconName) : rec_.icon;
    icon_ = MakeButton("MySpeed", QString());
    icon_->setToolTip(QStringLiteral("The menu's icon (right click: the menu icon)"));
    icon_->setIconSize(QSize(32, 32));
    icon_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(icon_, &QPushButton::clicked, this, &TDoBuildMenu::MySpeedClick);
    connect(icon_, &QPushButton::customContextMenuRequested, this, &TDoBuildMenu::ResetIcon);
    buttons_["MySpeed"] = icon_;
    ShowIcon();

    auto* top = new QGridLayout;
    top->addWidget(nickLabel, 0, 0);
    top->addWidget(nickname_, 0, 1, 1, 2);
    top->addWidget(icon_, 0, 3, 2, 1, Qt::AlignCenter);
    top->addWidget(tray_, 1, 1);
    top->addWidget(modeBox, 2, 0, 2, 2);
    top->addWidget(sizeLabel, 2, 2);
    top->addWidget(iconSize_, 3, 2);

    options_ = MakeList("OptionBox");
    script_ = MakeList("Script");
    connect(options_, &QTreeWidget::currentItemChanged, this, [this] {
        if (refreshing_)
            return;
        builder_.SelectAvailable(options_->indexOfTopLevelItem(options_->currentItem()));
        EnableDisable();
    });
    connect(script_, &QTreeWidget::currentItemChanged, this, [this] {
        if (refreshing_)
            return;
        builder_.SelectMenu(script_->indexOfTopLevelItem(script_->currentItem()));
        EnableDisable();
    });

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    const struct {
        const char* name;
        const char* caption;
        std::function<void()> click;
    } commands[] = {
        {"AddButton", "&Add", [this] { AddALine(MenuBuilder::Mode::AtEnd); }},
        {"InsertBefore", "Ins&ert", [this] { AddALine(MenuBuilder::Mode::Before); }},
        {"InsertAfter", "Inser&t", [this] { AddALine(MenuBuilder::Mode::After); }},
        {"DoUp", "&Up", [this] { DoUpClick(); }},
        {"DoDown", "&Down", [this] { DoDownClick(); }},
        {"RemoveIt", "&Remove", [this] { RemoveItClick(); }},
    };
    for (const auto& c : commands) {
        QPushButton* b = MakeButton(c.name, QString::fromLatin1(c.caption));
        connect(b, &QPushButton::clicked, this, c.click);
        middle->addWidget(b);
        buttons_[c.name] = b;
    }
    middle->addStretch();

    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(QStringLiteral("Available Macros")), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("Macros in Menu")), 0, 2);
    lists->addWidget(options_, 1, 0);
    lists->addLayout(middle, 1, 1);
    lists->addWidget(script_, 1, 2);

    OkCancelButtons ok = MakeOkCancel(this, &TDoBuildMenu::OkButtonClick);
    ok.ok->setObjectName(QStringLiteral("OkButton"));
    ok.cancel->setObjectName(QStringLiteral("CancelButton"));
    buttons_["OkButton"] = ok.ok;
    buttons_["CancelButton"] = ok.cancel;

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(lists, 1);
    layout->addLayout(ok.row);
    Refresh();
    nickname_->setFocus();
}

QPushButton* TDoBuildMenu::Button(const char* name) const {
    const auto it = buttons_.find(name);
    return it == buttons_.end() ? nullptr : it->second;
}

void TDoBuildMenu::Refresh() {
    refreshing_ = true;
    Fill(options_, builder_.Available(), builder_.AvailableSelected());
    Fill(script_, builder_.InMenu(), builder_.MenuSelected());
    refreshing_ = false;
    EnableDisable();
}

void TDoBuildMenu::EnableDisable() {
    const MenuBuilder::Enabled e = builder_.EnableDisable();
    Button("DoUp")->setEnabled(e.up);
    Button("DoDown")->setEnabled(e.down);
    Button("RemoveIt")->setEnabled(e.remove);
    for (const char* name : {"AddButton", "InsertBefore", "InsertAfter"})
        Button(name)->setEnabled(e.add);
}

void TDoBuildMenu::AddALine(MenuBuilder::Mode mode) {
    if (auto refusal = builder_.AddALine(mode)) {
        parts_.prompts.ShowMessage(refusal->text, refusal->caption);
        return;
    }
    Refresh();
}

void TDoBuildMenu::DoUpClick() {
    builder_.Up();
    Refresh();
}

void TDoBuildMenu::DoDownClick() {
    builder_.Down();
    Refresh();
}

void TDoBuildMenu::RemoveItClick() {
    builder_.Remove();
    Refresh();
}

void TDoBuildMenu::ShowIcon() {
    if (iconName_ == kProgramIconName) {
        icon_->setIcon(ProgramIcon());
        return;
    }
    QIcon icon;
    if (iconName_ != kMenuIconName)
        icon = QIcon(FromAnsi(IconFile(iconName_, parts_.iconsDir)));
    if (icon.pixmap(32).isNull()) {
        // A name whose file is gone: the menu icon, and it is stored so.
        iconName_ = kMenuIconName;
        icon = MenuIcon();
    }
    icon_->setIcon(icon);
}

void TDoBuildMenu::MySpeedClick() {
    if (auto name = LoadIconName(parts_.pickIcon, parts_.iconsDir, parts_.prompts)) {
        iconName_ = *name;
        ShowIcon();
    }
}

void TDoBuildMenu::ResetIcon() {
    if (!parts_.prompts.AskYesNo(kResetIconQuestion, "Confirm"))
        return;
    iconName_ = kMenuIconName;
    ShowIcon();
}

MenuChoice TDoBuildMenu::Choice() const {
    MenuChoice c;
    c.nickname = ToAnsi(nickname_->text());
    c.icon = iconName_;
    c.options.tray = tray_->isChecked();
    c.options.mode = firstPart_->isChecked() ? '1' : iconMode_->isChecked() ? '2' : '3';
    c.options.iconSize = iconSize_->currentIndex();
    return c;
}

void TDoBuildMenu::OkButtonClick() {
    trayChanged_ = StoreMenu(rec_, Choice(), builder_.Places(), parts_.isNew);
    accept();
}

bool RunBuildMenuDialog(QWidget* parent, const BuildMenuParts& parts, MacroRecord& rec,
                        bool* trayChanged) {
    TDoBuildMenu dialog(parts, rec, parent);
    const bool stored = dialog.exec() == QDialog::Accepted;
    if (trayChanged)
        *trayChanged = stored && dialog.TrayChanged();
    return stored;
}

} // namespace kv::ui
