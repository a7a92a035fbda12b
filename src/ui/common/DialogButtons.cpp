#include "ui/common/DialogButtons.h"

namespace kv::ui {

QPushButton* MakeOkButton(const QString& caption) {
    auto* ok = new QPushButton(caption);
    ok->setDefault(true);
    return ok;
}

OkCancelButtons MakeOkCancelRow(QDialog* dialog, const QString& okCaption) {
    OkCancelButtons b;
    b.ok = MakeOkButton(okCaption);
    b.cancel = new QPushButton(QStringLiteral("&Cancel"));
    QObject::connect(b.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    b.row = new QHBoxLayout;
    b.row->addStretch();
    b.row->addWidget(b.ok);
    b.row->addWidget(b.cancel);
    b.row->addStretch();
    return b;
}

void SaveAndAccept(QDialog& dialog, const std::function<void()>& saveSettings) {
    if (saveSettings)
        saveSettings();
    dialog.accept();
}

} // namespace kv::ui
