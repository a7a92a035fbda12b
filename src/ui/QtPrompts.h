#pragma once
// The engine's messages as Qt message boxes, texts converted from Windows-1252.

#include "engine/ports/Prompts.h"

#include <QString>

class QWidget;

namespace kv::ui {

class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    void ShowMessage(std::string_view text, std::string_view caption) override;
    bool AskYesNo(std::string_view text, std::string_view caption) override;

private:
    QWidget* parent_;
};

// Windows-1252 to and from Qt's text.
QString FromAnsi(std::string_view text);
std::string ToAnsi(const QString& text);

} // namespace kv::ui
