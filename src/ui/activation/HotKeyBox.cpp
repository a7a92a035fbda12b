#include "ui/activation/HotKeyBox.h"

#include "ui/activation/QtVirtualKeys.h"

#include <QKeyEvent>

namespace kv::ui {

HotKeyBox::HotKeyBox(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
}

bool HotKeyBox::event(QEvent* e) {
    // A hot key beats the dialog's shortcuts and mnemonics (Alt+O is a hot key here, not the
    // OK button) and the box's own editing keys.
    if (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(e);
        const int code = HotKeyCodeOf(*key);
        if (code >= 0) {
            e->accept();
            if (e->type() == QEvent::KeyPress && !key->isAutoRepeat())
                emit hotKeyPressed(code);
            return true;
        }
    }
    return QLineEdit::event(e);
}

void HotKeyBox::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    emit entered();
}

void HotKeyBox::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    emit left();
}

} // namespace kv::ui
