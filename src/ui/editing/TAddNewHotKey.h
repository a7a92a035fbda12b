#pragma once
// `TAddNewHotKey` ("Add Macro"): how the new macro is activated (a hot key from the list or
// pressed in the box, a Typeword, a schedule, a popup menu on a hot key) and which editor
// writes it. The editor fills the record; the dialog closes with OK when it did.

#include "engine/core/MacroRecord.h"
#include "engine/core/SharedBlock.h"
#include "engine/editing/AddMacro.h"
#include "engine/editing/MacroEditor.h"
#include "engine/ports/Prompts.h"
#include "ui/activation/HotKeyBox.h"

#include <QDialog>

#include <array>
#include <functional>

class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace kv::ui {

struct AddMacroParts {
    const SharedBlock& block;
    Prompts& prompts;
    std::function<DateTime()> now;
    // The editors on the new record; true when they stored the macro. An empty one is not
    // offered (the capture route and the popup menu builder come with their own dialogs).
    std::function<bool(const EditorState&, MacroRecord&)> enterDirectly;
    std::function<bool(const EditorState&, MacroRecord&)> scriptingEditor;
    std::function<bool(const EditorState&, MacroRecord&)> capture;
    std::function<bool(MacroRecord&)> buildMenu;
    // A hot key box waits for a key (on) or stopped waiting.
    std::function<void(bool)> secondaryWindow;
};

class TAddNewHotKey : public QDialog {
public:
    TAddNewHotKey(const AddMacroParts& parts, MacroRecord& rec, QWidget* parent = nullptr);
    ~TAddNewHotKey() override;

    // A hot key reported while the box waits, or a list entry clicked.
    void SelectHotKey(int code);
    // "&Enter Directly" (or "Build Menu"), "&Scripting Editor", "&Capture Macro".
    void EnterKeyButtonClick();
    void ScriptButtonClick();
    void CaptureKeyButtonClick();

    QRadioButton* UseHotKey() const { return useHotKey_; }
    QRadioButton* UseTypewords() const { return useTypewords_; }
    QRadioButton* TimedMacro() const { return timedMacro_; }
    QRadioButton* UsePopup() const { return usePopup_; }
    QListWidget* KeyList() const { return keyList_; }
    HotKeyBox* HotKeyEntry() const { return hotKeyEntry_; }
    QLineEdit* TypewordName() const { return typewordName_; }
    QPushButton* EnterKeyButton() const { return enterKey_; }
    bool WindowScopeForced() const { return forcedNow_; }

    void done(int result) override;

private:
    AddChoice Choice() const;
    void KindChanged();
    // The checks, the reserved-key question, then the record and the editor's state.
    bool Prepare(AddChoice& choice, EditorState& state);
    void Run(const std::function<bool(const EditorState&, MacroRecord&)>& editor);

    AddMacroParts parts_;
    MacroRecord& rec_;
    std::array<bool, kKeyHotKeyCodes> forced_{};
    bool forcedNow_ = false;
    int hotKey_ = -1;
    HotKeyWait wait_;
    QRadioButton* useHotKey_ = nullptr;
    QRadioButton* useTypewords_ = nullptr;
    QRadioButton* timedMacro_ = nullptr;
    QRadioButton* usePopup_ = nullptr;
    QListWidget* keyList_ = nullptr;
    HotKeyBox* hotKeyEntry_ = nullptr;
    QLineEdit* typewordName_ = nullptr;
    QWidget* hotKeyPanel_ = nullptr;
    QWidget* typewordPanel_ = nullptr;
    QPushButton* enterKey_ = nullptr;
};

} // namespace kv::ui
