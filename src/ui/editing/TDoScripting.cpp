#include "ui/editing/TDoScripting.h"

#include "engine/editing/ScriptCommands.h"
#include "engine/editing/ScriptView.h"
#include "ui/QtPrompts.h"
#include "ui/common/DialogButtons.h"
#include "ui/editing/TDoWizard.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kv::ui {
namespace {

QPushButton* MakeButton(const char* name, const QString& caption) {
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

TDoScripting::TDoScripting(const ScriptingParts& parts, const EditorState& state, MacroRecord& rec,
                           QWidget* parent)
    : QDialog(parent), parts_(parts), state_(state), rec_(rec),
      editor_(BuildTheScript(state.existing ? rec.text : std::string())) {
    setModal(true);
    setObjectName(QStringLiteral("TDoScripting"));
    props_ = new MacroProperties(parts_, state_, rec_);
    connect(props_, &MacroProperties::scopeChanged, this, &TDoScripting::DoCaption);

    // The fifty commands, alphabetically; each item keeps its command.
    options_ = new QListWidget;
    options_->setObjectName(QStringLiteral("OptionBox"));
    for (int i = 1; i <= kCommandCount; ++i) {
        auto* item =
            new QListWidgetItem(FromAnsi(std::string(CommandName(static_cast<Command>(i)))));
        item->setData(Qt::UserRole, i);
        options_->addItem(item);
    }
    options_->sortItems();
    auto* optionsLabel = new QLabel(QStringLiteral("Co&mmands"));
    optionsLabel->setBuddy(options_);
    connect(options_, &QListWidget::itemDoubleClicked, this,
            [this] { AddALine(ScriptEditor::InsertMode::AtEnd); });

    script_ = new QListWidget;
    script_->setObjectName(QStringLiteral("Script"));
    script_->setDragDropMode(QAbstractItemView::InternalMove);
    // The current line is the one the buttons work on; Shift and Ctrl highlight more lines
    // for "&Try".
    script_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    script_->setMinimumSize(420, 260);
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    script_->setFont(fixed);
    auto* scriptLabel = new QLabel(QStringLiteral("Macro &Script"));
    scriptLabel->setBuddy(script_);
    connect(script_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (refreshing_)
            return;
        editor_.Select(row);
        EnableDisable();
    });
    connect(script_, &QListWidget::itemDoubleClicked, this, &TDoScripting::DoEditClick);
    // A line dragged elsewhere: the editor moves it, so indents and undo follow.
    connect(script_->model(), &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex&, int start, int, const QModelIndex&, int row) {
                if (refreshing_)
                    return;
                editor_.Move(start, row > start ? row - 1 : row);
                Refresh();
            });

    auto* buttons = new QVBoxLayout;
    const struct {
        const char* name;
        const char* caption;
        std::function<void()> click;
    } commands[] = {
        {"AddButton", "&Add", [this] { AddALine(ScriptEditor::InsertMode::AtEnd); }},
        {"InsertBefore", "Insert &Before", [this] { AddALine(ScriptEditor::InsertMode::Before); }},
        {"InsertAfter", "Insert A&fter", [this] { AddALine(ScriptEditor::InsertMode::After); }},
        {"DoEdit", "&Edit", [this] { DoEditClick(); }},
        {"DoDelete", "&Remove", [this] { DoDeleteClick(); }},
        {"DoCopy", "Dupl&icate", [this] { DoCopyClick(); }},
        {"DoUp", "&Up",
         [this] {
             editor_.Up();
             Refresh();
         }},
        {"DoDown", "Down (Ctrl+Down)",
         [this] {
             editor_.Down();
             Refresh();
         }},
        {"UndoButton", "Undo (Ctrl+Z)",
         [this] {
             editor_.Undo();
             Refresh();
         }},
        {"RedoButton", "Redo (Ctrl+Y)",
         [this] {
             editor_.Redo();
             Refresh();
         }},
        {"WizardButton", "Wi&zard", [this] { WizardClick(); }},
        // Alt+T belongs to "Se&t Schedule" where that button is.
        {"TryButton", state_.kind == EditorKind::Timed ? "Tr&y" : "&Try", [this] { TryClick(); }},
    };
    for (const auto& c : commands) {
        if (std::string_view(c.name) == "TryButton" && !parts_.tryScript)
            continue;
        QPushButton* b = MakeButton(c.name, QString::fromLatin1(c.caption));
        connect(b, &QPushButton::clicked, this, c.click);
        buttons->addWidget(b);
        buttons_[c.name] = b;
    }
    buttons->addStretch();
    // The keys of the list's own commands, while the script has the focus.
    const struct {
        QKeySequence keys;
        const char* button;
    } keys[] = {{QKeySequence::Undo, "UndoButton"},
                {QKeySequence(Qt::CTRL | Qt::Key_Y), "RedoButton"},
                {QKeySequence(Qt::CTRL | Qt::Key_Up), "DoUp"},
                {QKeySequence(Qt::CTRL | Qt::Key_Down), "DoDown"},
                {QKeySequence::Delete, "DoDelete"}};
    for (const auto& k : keys) {
        auto* a = new QAction(script_);
        a->setShortcut(k.keys);
        a->setShortcutContext(Qt::WidgetShortcut);
        QPushButton* b = Button(k.button);
        connect(a, &QAction::triggered, b, &QPushButton::click);
        script_->addAction(a);
    }

    auto* lists = new QGridLayout;
    lists->addWidget(optionsLabel, 0, 0);
    lists->addWidget(options_, 1, 0);
    lists->addWidget(scriptLabel, 0, 1);
    lists->addWidget(script_, 1, 1);
    lists->addLayout(buttons, 1, 2);
    lists->setColumnStretch(1, 1);

    const OkCancelButtons ok = MakeOkCancel(this, &TDoScripting::OkButtonClick);
    ok.ok->setAutoDefault(false);
    ok.ok->setDefault(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(props_);
    layout->addLayout(lists, 1);
    layout->addLayout(ok.row);
    Refresh();
    DoCaption();
    props_->NickName()->setFocus();
}

QPushButton* TDoScripting::Button(const char* name) const {
    const auto it = buttons_.find(name);
    return it == buttons_.end() ? nullptr : it->second;
}

void TDoScripting::DoCaption() {
    setWindowTitle(
        FromAnsi(EditorCaption("Macro Scripting Editor", props_->Scope(), rec_.scopeName)));
}

void TDoScripting::Refresh() {
    refreshing_ = true;
    script_->clear();
    for (const ScriptLine& line : editor_.Lines())
        script_->addItem(FromAnsi(line.text));
    script_->setCurrentRow(editor_.Selected());
    refreshing_ = false;
    EnableDisable();
}

void TDoScripting::EnableDisable() {
    const ScriptEditor::Enabled e = editor_.EnableDisable();
    Button("DoUp")->setEnabled(e.up);
    Button("DoDown")->setEnabled(e.down);
    Button("DoCopy")->setEnabled(e.copy);
    Button("DoEdit")->setEnabled(e.edit);
    Button("DoDelete")->setEnabled(e.remove);
    Button("UndoButton")->setEnabled(editor_.CanUndo());
    Button("RedoButton")->setEnabled(editor_.CanRedo());
}

void TDoScripting::AddALine(ScriptEditor::InsertMode mode) {
    const QListWidgetItem* item = options_->currentItem();
    if (!item || !item->isSelected()) {
        parts_.prompts.ShowMessage("No command selected.  Please select one.", "Error");
        return;
    }
    const auto command = static_cast<Command>(item->data(Qt::UserRole).toInt());
    if (!parts_.lineDialog)
        return;
    if (auto line = parts_.lineDialog(command, nullptr)) {
        editor_.Insert(mode, std::move(*line));
        Refresh();
    }
}

void TDoScripting::DoEditClick() {
    if (editor_.Selected() == ScriptEditor::kNone) {
        parts_.prompts.ShowMessage("No Item Selected.", "Error");
        return;
    }
    const ScriptLine current = editor_.Lines()[static_cast<std::size_t>(editor_.Selected())];
    const std::optional<Command> command = CommandOf(current.text);
    if (!command || !parts_.lineDialog)
        return;
    if (auto line = parts_.lineDialog(*command, &current)) {
        editor_.Replace(std::move(*line));
        Refresh();
    }
}

void TDoScripting::WizardClick() {
    // Each step adds at the end of the script, whatever line was selected.
    TDoWizard wizard(
        parts_.prompts,
        [this](Command command) {
            if (!parts_.lineDialog)
                return false;
            auto line = parts_.lineDialog(command, nullptr);
            if (!line)
                return false;
            editor_.Insert(ScriptEditor::InsertMode::AtEnd, std::move(*line));
            Refresh();
            return true;
        },
        this);
    if (wizardShown)
        wizardShown(wizard);
    else
        wizard.exec();
}

void TDoScripting::DoDeleteClick() {
    if (auto refused = editor_.Delete())
        parts_.prompts.ShowMessage(refused->text, refused->caption);
    Refresh();
}

void TDoScripting::DoCopyClick() {
    if (auto refused = editor_.Duplicate())
        parts_.prompts.ShowMessage(refused->text, refused->caption);
    Refresh();
}

void TDoScripting::TryClick() {
    const std::vector<ScriptLine>& all = editor_.Lines();
    std::vector<ScriptLine> lines;
    QModelIndexList rows = script_->selectionModel()->selectedRows();
    if (rows.size() > 1) {
        std::sort(rows.begin(), rows.end());
        for (const QModelIndex& row : rows)
            lines.push_back(all[static_cast<std::size_t>(row.row())]);
    } else {
        lines = all;
    }
    const std::string text = ScriptToMacroText(lines).text;
    if (text.empty()) {
        parts_.prompts.ShowMessage("There is nothing to try.  Add a line to the script first.",
                                   "Error");
        return;
    }
    // Once at a time: the editor waits while the lines play.
    QPushButton* button = Button("TryButton");
    button->setEnabled(false);
    parts_.tryScript(text, ToAnsi(props_->NickName()->text()));
    button->setEnabled(true);
}

void TDoScripting::OkButtonClick() {
    if (!props_->Check())
        return;
    const ScriptText text = editor_.MacroText();
    props_->Write();
    if (text.truncated)
        parts_.prompts.ShowMessage(text.truncated->text, text.truncated->caption);
    rec_.text = text.text;
    accept();
}

} // namespace kv::ui
