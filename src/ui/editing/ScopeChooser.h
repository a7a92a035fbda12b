#pragma once
// `TDoSpecWind` ("Set Title" / "Set Program"): the window or program a macro's
// scope names, typed or taken from the list of those running, and whether the macro plays
// only when it is on top or whenever it runs.

#include "engine/ports/Prompts.h"

#include <QDialog>

#include <cstdint>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QRadioButton;

namespace kv::ui {

class TDoSpecWind : public QDialog {
public:
    // `running`: the titles of the open windows, or the running programs' names.
    TDoSpecWind(bool programMode, const std::string& name, bool topMostOnly,
                const std::vector<std::string>& running, Prompts& prompts,
                QWidget* parent = nullptr);

    const std::string& Name() const { return name_; }
    bool TopMostOnly() const { return topMostOnly_; }

    void OkButtonClick();
    QLineEdit* TheTitle() const { return title_; }
    QListWidget* ProgList() const { return list_; }
    QRadioButton* OnTop() const { return onTop_; }
    QRadioButton* Running() const { return running_; }

private:
    bool programMode_;
    Prompts& prompts_;
    std::string name_;
    bool topMostOnly_ = true;
    QLineEdit* title_;
    QListWidget* list_;
    QRadioButton* onTop_;
    QRadioButton* running_;
};

// Runs it; true with name and top-most flag set when a name was chosen.
bool RunSpecWindDialog(QWidget* parent, bool programMode, std::string& name,
                       std::uint8_t& topMostOnly, const std::vector<std::string>& running,
                       Prompts& prompts);

} // namespace kv::ui
