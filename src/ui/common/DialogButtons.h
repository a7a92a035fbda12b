#pragma once
// The "&Ok" / "&Cancel" pair at the foot of Keyvane's dialogs, and what "&Ok" does last.

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QString>

#include <functional>

namespace kv::ui {

struct OkCancelButtons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    // The two buttons centred; the form adds it last to its own layout.
    QHBoxLayout* row = nullptr;
};

// "&Ok" (or the given caption) as the default button. Like every button made here it has no
// parent yet: it joins the dialog, and its tab order, where its layout is added.
QPushButton* MakeOkButton(const QString& caption = QStringLiteral("&Ok"));

// The pair with "&Cancel" rejecting `dialog`; "&Ok" is left to the caller to connect.
OkCancelButtons MakeOkCancelRow(QDialog* dialog, const QString& okCaption);

// The pair with "&Ok" calling `onOk` on `form` (a member function or a functor).
template <class Form, class Slot>
OkCancelButtons MakeOkCancel(Form* form, Slot onOk,
                             const QString& okCaption = QStringLiteral("&Ok")) {
    OkCancelButtons b = MakeOkCancelRow(form, okCaption);
    QObject::connect(b.ok, &QPushButton::clicked, form, onOk);
    return b;
}

// The end of an accepted options dialog: the profile is written, then the dialog closes.
void SaveAndAccept(QDialog& dialog, const std::function<void()>& saveSettings);

} // namespace kv::ui
