#pragma once
// `TDoAppear` ("Appearance"): the macro list's column widths and fonts, and speed buttons
// or lettered buttons. The engine checks the widths and stores the choice.

#include "engine/core/Settings.h"
#include "engine/mainwin/Appearance.h"
#include "engine/ports/Prompts.h"
#include "ui/common/DialogButtons.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QLineEdit;
class QRadioButton;

namespace kv::ui {

class AppearanceForm : public QDialog {
    Q_OBJECT
public:
    // Shows a font dialog preset with a font; nothing when the user cancels it.
    using FontChooser = std::function<std::optional<FontSettings>(const FontSettings& current,
                                                                  const QString& title)>;

    AppearanceForm(Settings& settings, Prompts& prompts, std::function<void()> saveSettings,
                   QWidget* parent = nullptr);

    // Tests replace the system font dialog.
    void SetFontChooser(FontChooser chooser) { chooseFont_ = std::move(chooser); }

    QLineEdit* WidthEdit(int column) const; // column 1..3: `Col1Wid` .. `Col3Wid`
    QRadioButton* SpeedButtons() const { return speedButtons_; }
    QRadioButton* LetteredButtons() const { return letteredButtons_; }
    QPushButton* GridFontButton() const { return gridFont_; }
    QPushButton* GridTitleFontButton() const { return gridTitleFont_; }
    QPushButton* OkButton() const { return buttons_.ok; }
    QPushButton* CancelButton() const { return buttons_.cancel; }

private:
    void ChooseFont(FontSettings& working, const QString& title);
    void OkButtonClick();

    Settings& settings_;
    Prompts& prompts_;
    std::function<void()> saveSettings_;
    FontChooser chooseFont_;
    AppearanceEntries entries_; // the working copy of the fonts lives here

    std::array<QLineEdit*, 3> widths_{};
    QRadioButton* speedButtons_ = nullptr;
    QRadioButton* letteredButtons_ = nullptr;
    QPushButton* gridFont_ = nullptr;
    QPushButton* gridTitleFont_ = nullptr;
    OkCancelButtons buttons_;
};

} // namespace kv::ui
