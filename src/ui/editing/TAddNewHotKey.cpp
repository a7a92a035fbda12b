#include "ui/editing/TAddNewHotKey.h"

#include "ui/QtPrompts.h"
#include "ui/activation/HotKeyBox.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kv::ui {

TAddNewHotKey::TAddNewHotKey(const AddMacroParts& parts, MacroRecord& rec, QWidget* parent)
    : QDialog(parent), parts_(parts), rec_(rec), forced_(WindowScopeForcedTable(parts.block)),
      wait_(parts.secondaryWindow) {
    setWindowTitle(QStringLiteral("Add Macro"));
    setModal(true);

    auto* kinds = new QGroupBox(QStringLiteral("Macro Type"));
    auto* kindRow = new QHBoxLayout(kinds);
    useHotKey_ = new QRadioButton(QStringLiteral("&Hot Keys"));
    useTypewords_ = new QRadioButton(QStringLiteral("T&ypewords"));
    timedMacro_ = new QRadioButton(QStringLiteral("&Timed Macro"));
    usePopup_ = new QRadioButton(QStringLiteral("&Popup Menu"));
    useHotKey_->setObjectName(QStringLiteral("UseHotKey"));
    useTypewords_->setObjectName(QStringLiteral("UseTypewords"));
    timedMacro_->setObjectName(QStringLiteral("TimedMacro"));
    usePopup_->setObjectName(QStringLiteral("UsePopup"));
    for (QRadioButton* r : {useHotKey_, useTypewords_, timedMacro_, usePopup_}) {
        kindRow->addWidget(r);
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                KindChanged();
        });
    }
    // A popup menu is built from the macros by its own dialog; without it, not offered.
    usePopup_->setVisible(static_cast<bool>(parts_.buildMenu));

    hotKeyPanel_ = new QWidget;
    auto* hotKeyLayout = new QVBoxLayout(hotKeyPanel_);
    hotKeyLayout->setContentsMargins(0, 0, 0, 0);
    keyList_ = new QListWidget;
    keyList_->setObjectName(QStringLiteral("KeyList"));
    for (const std::string& entry : HotKeyListEntries(parts_.block))
        keyList_->addItem(FromAnsi(entry));
    keyList_->setMinimumSize(300, 240);
    connect(keyList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != hotKey_)
            SelectHotKey(row);
    });
    hotKeyEntry_ = new HotKeyBox;
    hotKeyEntry_->setObjectName(QStringLiteral("HotKeyEntry"));
    hotKeyEntry_->setPlaceholderText(QStringLiteral("(Press the Hot Key)"));
    connect(hotKeyEntry_, &HotKeyBox::entered, this, [this] { wait_.Set(true); });
    connect(hotKeyEntry_, &HotKeyBox::left, this, [this] { wait_.Set(false); });
    connect(hotKeyEntry_, &HotKeyBox::hotKeyPressed, this, &TAddNewHotKey::SelectHotKey);
    auto* entryLabel = new QLabel(QStringLiteral("Press the hot &key"));
    entryLabel->setBuddy(hotKeyEntry_);
    auto* listLabel = new QLabel(QStringLiteral("or choose it from the &list"));
    listLabel->setBuddy(keyList_);
    hotKeyLayout->addWidget(entryLabel);
    hotKeyLayout->addWidget(hotKeyEntry_);
    hotKeyLayout->addWidget(listLabel);
    hotKeyLayout->addWidget(keyList_);

    typewordPanel_ = new QWidget;
    auto* typewordLayout = new QHBoxLayout(typewordPanel_);
    typewordLayout->setContentsMargins(0, 0, 0, 0);
    typewordName_ = new QLineEdit;
    typewordName_->setObjectName(QStringLiteral("TypewordName"));
    typewordName_->setMaxLength(10);
    auto* typewordLabel = new QLabel(QStringLiteral("Typeword &name"));
    typewordLabel->setBuddy(typewordName_);
    typewordLayout->addWidget(typewordLabel);
    typewordLayout->addWidget(typewordName_);

    enterKey_ = new QPushButton(QStringLiteral("&Enter Directly"));
    enterKey_->setObjectName(QStringLiteral("EnterKeyButton"));
    auto* script = new QPushButton(QStringLiteral("&Scripting Editor"));
    script->setObjectName(QStringLiteral("ScriptButton"));
    auto* capture = new QPushButton(QStringLiteral("&Capture Macro"));
    capture->setObjectName(QStringLiteral("CaptureKeyButton"));
    auto* abort = new QPushButton(QStringLiteral("Cancel"));
    abort->setObjectName(QStringLiteral("AbortButton"));
    script->setVisible(static_cast<bool>(parts_.scriptingEditor));
    capture->setVisible(static_cast<bool>(parts_.capture));
    for (QPushButton* b : {enterKey_, script, capture, abort})
        b->setAutoDefault(false);
    connect(enterKey_, &QPushButton::clicked, this, &TAddNewHotKey::EnterKeyButtonClick);
    connect(script, &QPushButton::clicked, this, &TAddNewHotKey::ScriptButtonClick);
    connect(capture, &QPushButton::clicked, this, &TAddNewHotKey::CaptureKeyButtonClick);
    connect(abort, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {enterKey_, script, capture, abort})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(kinds);
    layout->addWidget(hotKeyPanel_);
    layout->addWidget(typewordPanel_);
    layout->addLayout(buttons);
    useHotKey_->setChecked(true);
    KindChanged();
}

TAddNewHotKey::~TAddNewHotKey() {
    // The box goes after this part of the dialog and loses its focus on the way.
    hotKeyEntry_->disconnect(this);
    wait_.Set(false);
}

void TAddNewHotKey::done(int result) {
    wait_.Set(false);
    QDialog::done(result);
}

void TAddNewHotKey::KindChanged() {
    const bool hotKey = useHotKey_->isChecked() || usePopup_->isChecked();
    hotKeyPanel_->setVisible(hotKey);
    typewordPanel_->setVisible(useTypewords_->isChecked());
    enterKey_->setText(usePopup_->isChecked() ? QStringLiteral("&Build Menu")
                                              : QStringLiteral("&Enter Directly"));
}

void TAddNewHotKey::SelectHotKey(int code) {
    if (code < 0 || code >= kKeyHotKeyCodes)
        return; // a mouse button: not in the list
    hotKey_ = code;
    keyList_->setCurrentRow(code);
    keyList_->scrollToItem(keyList_->item(code));
    hotKeyEntry_->setText(FromAnsi(HotKeyName(code)));
    // `CheckForGlobals`
    forcedNow_ = forced_[static_cast<std::size_t>(code)];
}

AddChoice TAddNewHotKey::Choice() const {
    AddChoice c;
    c.kind = useTypewords_->isChecked() ? AddKind::Typeword
             : timedMacro_->isChecked() ? AddKind::Timed
             : usePopup_->isChecked()   ? AddKind::PopupMenu
                                        : AddKind::HotKey;
    c.hotKey = hotKey_;
    c.typeword = ToAnsi(typewordName_->text());
    return c;
}

bool TAddNewHotKey::Prepare(AddChoice& choice, EditorState& state) {
    choice = Choice();
    if (auto refused = CheckAddChoice(choice, parts_.block)) {
        parts_.prompts.ShowMessage(refused->text, refused->caption);
        return false;
    }
    // `CheckBad`
    if ((choice.kind == AddKind::HotKey || choice.kind == AddKind::PopupMenu) &&
        IsSystemReservedHotKey(choice.hotKey) &&
        !parts_.prompts.AskYesNo(SystemReservedHotKeyQuestion(choice.hotKey), "Warning"))
        return false;
    StartNewRecord(rec_, choice, parts_.now ? parts_.now() : DateTime{});
    state = NewMacroEditor(choice, parts_.block);
    return true;
}

void TAddNewHotKey::Run(const std::function<bool(const EditorState&, MacroRecord&)>& editor) {
    AddChoice choice;
    EditorState state;
    if (!editor || !Prepare(choice, state))
        return;
    // The dialog stays open while its editor runs; it closes with the editor's answer.
    if (editor(state, rec_))
        accept();
}

void TAddNewHotKey::EnterKeyButtonClick() {
    if (!usePopup_->isChecked())
        return Run(parts_.enterDirectly);
    AddChoice choice;
    EditorState state;
    if (parts_.buildMenu && Prepare(choice, state)) {
        rec_.scope = static_cast<std::uint16_t>(Scope::PopupMenu);
        if (parts_.buildMenu(rec_))
            accept();
    }
}

void TAddNewHotKey::ScriptButtonClick() {
    Run(parts_.scriptingEditor);
}

void TAddNewHotKey::CaptureKeyButtonClick() {
    Run(parts_.capture);
}

} // namespace kv::ui
