#include "ui/capture/CaptureDialogs.h"

#include "ui/capture/TCapComplete.h"
#include "ui/capture/TCaptureDefaults.h"
#include "ui/capture/TCaptureKeys.h"

namespace kv::ui {

bool RunCaptureDefaultsDialog(QWidget* parent, const CaptureDialogParts& parts) {
    TCaptureDefaults dialog(parts, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool RunCaptureKeysDialog(QWidget* parent, const CaptureDialogParts& parts,
                          CaptureKeysChoice& choice) {
    TCaptureKeys dialog(parts, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choice = dialog.Choice();
    return true;
}

bool RunCapCompleteDialog(QWidget* parent, const CaptureDialogParts& parts) {
    TCapComplete dialog(parts, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace kv::ui
