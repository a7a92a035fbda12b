#include "ui/QtPrompts.h"

#include "engine/core/Ansi.h"

#include <QMessageBox>

namespace kv::ui {

QString FromAnsi(std::string_view text) {
    return QString::fromStdString(AnsiToUtf8(text));
}

std::string ToAnsi(const QString& text) {
    return Utf8ToAnsi(text.toStdString());
}

void QtPrompts::ShowMessage(std::string_view text, std::string_view caption) {
    QMessageBox box(caption == "Error" || caption == "System Error" ? QMessageBox::Critical
                    : caption == "Warning"                          ? QMessageBox::Warning
                                                                    : QMessageBox::Information,
                    FromAnsi(caption), FromAnsi(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool QtPrompts::AskYesNo(std::string_view text, std::string_view caption) {
    return QMessageBox::question(parent_, FromAnsi(caption), FromAnsi(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace kv::ui
