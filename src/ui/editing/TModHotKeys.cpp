#include "ui/editing/TModHotKeys.h"

#include "engine/editing/DirectEditor.h"
#include "engine/editing/IconChoice.h"
#include "ui/QtPrompts.h"
#include "ui/common/Icons.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kv::ui {
namespace {

// The key buttons show their keys plainly: their mnemonics live in the "&Keys" menu, so
// that the properties keep letters of their own.
QString Plain(std::string_view caption) {
    QString s = QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size()));
    return s.remove(QLatin1Char('&'));
}

QString Menu(std::string_view caption) {
    return QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size()));
}

bool IsFunctionKey(const InsertEntry& e) {
    return e.tag.size() >= 4 && e.tag[1] == 'F' && e.tag[2] >= '0' && e.tag[2] <= '9';
}

} // namespace

TModHotKeys::TModHotKeys(const DirectEditorParts& parts, const EditorState& state,
                         MacroRecord* record, const std::string& text, QWidget* parent)
    : QDialog(parent), parts_(parts), state_(state), rec_(record) {
    setModal(true);
    setObjectName(rec_ ? QStringLiteral("TModHotKeys") : QStringLiteral("TModText"));

    auto* layout = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    if (rec_) {
        props_ = new MacroProperties(parts_, state_, *rec_);
        connect(props_, &MacroProperties::scopeChanged, this, &TModHotKeys::DoCaption);
        layout->addWidget(props_);
    }
    layout->addWidget(BuildKeys());
    if (rec_ && parts_.command)
        layout->addWidget(BuildCommands());

    text_ = new QPlainTextEdit;
    text_->setObjectName(QStringLiteral("NewFormat"));
    text_->setPlainText(FromAnsi(text));
    text_->setMinimumSize(520, 160);
    text_->installEventFilter(this);
    auto* textLabel =
        new QLabel(rec_ ? QStringLiteral("Macro te&xt") : QStringLiteral("Keys&trokes"));
    textLabel->setBuddy(text_);
    layout->addWidget(textLabel);
    layout->addWidget(text_, 1);

    auto* update = new QPushButton(QStringLiteral("&Update"));
    update->setObjectName(QStringLiteral("UpdateButton"));
    update->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"));
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setAutoDefault(false);
    connect(update, &QPushButton::clicked, this, &TModHotKeys::UpdateButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(update);
    row->addWidget(cancel);
    row->addStretch();
    layout->addLayout(row);
    BuildMenus(bar);

    if (rec_) {
        DoCaption();
        props_->NickName()->setFocus();
    } else {
        setWindowTitle(QStringLiteral("Enter Keystrokes"));
        text_->setFocus();
    }
}

QWidget* TModHotKeys::BuildKeys() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    int i = 0;
    for (const InsertEntry& e : DirectEditorKeys()) {
        if (IsFunctionKey(e))
            continue; // the "FKe&ys" menu has them
        auto* b = new QPushButton(Plain(e.caption));
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
        const std::string tag(e.tag);
        connect(b, &QPushButton::clicked, this, [this, tag] { InsertTag(tag); });
        grid->addWidget(b, i / 6, i % 6);
        ++i;
    }
    misc_ = new QListWidget;
    misc_->setObjectName(QStringLiteral("MiscBox"));
    for (const InsertEntry& e : MiscellaneousEntries())
        misc_->addItem(Menu(e.caption));
    misc_->setCurrentRow(0);
    misc_->setMaximumHeight(90);
    auto* miscLabel = new QLabel(QStringLiteral("&Miscellaneous"));
    miscLabel->setBuddy(misc_);
    auto* miscOk = new QPushButton(QStringLiteral("&Insert"));
    miscOk->setObjectName(QStringLiteral("MiscOk"));
    miscOk->setAutoDefault(false);
    auto insertMisc = [this] {
        const int row = misc_->currentRow();
        if (row >= 0 && row < static_cast<int>(MiscellaneousEntries().size()))
            InsertTag(std::string(MiscellaneousEntries()[static_cast<std::size_t>(row)].tag));
    };
    connect(miscOk, &QPushButton::clicked, this, insertMisc);
    connect(misc_, &QListWidget::itemDoubleClicked, this, insertMisc);
    const int rows = (i + 5) / 6;
    grid->addWidget(miscLabel, rows, 0);
    grid->addWidget(misc_, rows, 1, 1, 4);
    grid->addWidget(miscOk, rows, 5);
    return box;
}

QWidget* TModHotKeys::BuildCommands() {
    auto* box = new QGroupBox(QStringLiteral("Commands"));
    auto* grid = new QGridLayout(box);
    int i = 0;
    for (const DirectCommandEntry& e : DirectCommands()) {
        auto* b = new QPushButton(QString::fromLatin1(e.caption));
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
        const DirectCommand command = e.command;
        connect(b, &QPushButton::clicked, this, [this, command] { CommandClick(command); });
        grid->addWidget(b, i / 6, i % 6);
        ++i;
    }
    return box;
}

void TModHotKeys::CommandClick(DirectCommand command) {
    // Nothing goes in when the dialog was cancelled.
    const std::string tag = parts_.command(command);
    if (!tag.empty())
        InsertTag(tag);
}

void TModHotKeys::BuildMenus(QMenuBar* bar) {
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Update"), this, &TModHotKeys::UpdateButtonClick);
    file->addAction(QStringLiteral("E&xit"), this, &QDialog::reject);
    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->addAction(QStringLiteral("Cu&t"), text_, &QPlainTextEdit::cut);
    edit->addAction(QStringLiteral("&Copy"), text_, &QPlainTextEdit::copy);
    edit->addAction(QStringLiteral("&Paste"), text_, &QPlainTextEdit::paste);
    edit->addAction(QStringLiteral("&Delete"), this,
                    [this] { text_->textCursor().removeSelectedText(); });
    if (rec_ && parts_.command) {
        QMenu* actions = bar->addMenu(QStringLiteral("&Actions"));
        for (const DirectCommandEntry& e : DirectCommands()) {
            const DirectCommand command = e.command;
            actions->addAction(QString::fromLatin1(e.menu), this,
                               [this, command] { CommandClick(command); });
        }
    }
    QMenu* keys = bar->addMenu(QStringLiteral("&Keys"));
    QMenu* fkeys = bar->addMenu(QStringLiteral("FKe&ys"));
    for (const InsertEntry& e : DirectEditorKeys()) {
        const std::string tag(e.tag);
        (IsFunctionKey(e) ? fkeys : keys)->addAction(Menu(e.caption), this, [this, tag] {
            InsertTag(tag);
        });
    }
}

QPushButton* TModHotKeys::KeyButton(const QString& caption) const {
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->text() == caption)
            return b;
    return nullptr;
}

void TModHotKeys::DoCaption() {
    setWindowTitle(FromAnsi(EditorCaption("Modify Hot Key", props_->Scope(), rec_->scopeName)));
}

void TModHotKeys::InsertTag(const std::string& tag) {
    const std::string current = ToAnsi(text_->toPlainText());
    if (!CheckSize(current.size(), tag.size())) {
        const EditorMessage m = TextTooLongMessage();
        parts_.prompts.ShowMessage(m.text, m.caption);
        return;
    }
    // The tag goes in at the caret; a selection stays and is not replaced.
    QTextCursor cursor = text_->textCursor();
    cursor.setPosition(cursor.position());
    cursor.insertText(FromAnsi(tag));
    text_->setTextCursor(cursor);
    text_->setFocus();
}

void TModHotKeys::UpdateButtonClick() {
    if (rec_) {
        if (!props_->Check())
            return;
        const UpdatedText updated = UpdateText(ToAnsi(text_->toPlainText()));
        props_->Write();
        if (updated.truncated)
            parts_.prompts.ShowMessage(updated.truncated->text, updated.truncated->caption);
        rec_->text = updated.text;
        result_ = updated.text;
    } else {
        const UpdatedText updated = UpdateTextUncut(ToAnsi(text_->toPlainText()));
        if (updated.truncated)
            parts_.prompts.ShowMessage(updated.truncated->text, updated.truncated->caption);
        result_ = updated.text;
    }
    accept();
}

bool TModHotKeys::eventFilter(QObject* watched, QEvent* e) {
    // Esc in the text closes the window without saving.
    if (watched == text_ && e->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

void TModHotKeys::keyPressEvent(QKeyEvent* e) {
    // Enter in a property box must not close the editor: only "&Update" saves.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(e);
}

} // namespace kv::ui
