#include "ui/capture/TCaptureDefaults.h"

#include <QVBoxLayout>

namespace kv::ui {

TCaptureDefaults::TCaptureDefaults(const CaptureDialogParts& parts, QWidget* parent)
    : QDialog(parent), settings_(parts.settings) {
    setWindowTitle(QStringLiteral("Capture Defaults"));
    setModal(true);
    options_ = new CaptureOptionsBox(true);
    options_->setObjectName(QStringLiteral("Options"));
    options_->SetChoices(CaptureChoices::From(settings_));
    buttons_ = MakeOkCancel(this, &TCaptureDefaults::OkButtonClick);
    buttons_.ok->setObjectName(QStringLiteral("OkButton"));
    buttons_.cancel->setObjectName(QStringLiteral("CancelButton"));

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(options_);
    layout->addLayout(buttons_.row);
}

void TCaptureDefaults::OkButtonClick() {
    options_->Choices().StoreIn(settings_);
    accept();
}

} // namespace kv::ui
