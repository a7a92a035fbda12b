#include "ui/mainwin/AppearanceForm.h"

#include "ui/QtPrompts.h"
#include "ui/common/DialogButtons.h"
#include "ui/common/Fonts.h"

#include <QFontDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kv::ui {
namespace {

std::optional<FontSettings> SystemFontDialog(QWidget* parent, const FontSettings& current,
                                             const QString& title) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, ToQFont(current), parent, title);
    if (!ok)
        return std::nullopt;
    // The font dialog has no colour; the font keeps the one it had.
    return FromQFont(font, FontColor(current));
}

} // namespace

AppearanceForm::AppearanceForm(Settings& settings, Prompts& prompts,
                               std::function<void()> saveSettings, QWidget* parent)
    : QDialog(parent), settings_(settings), prompts_(prompts),
      saveSettings_(std::move(saveSettings)), entries_(AppearanceShown(settings)) {
    setWindowTitle(QStringLiteral("Appearance"));
    setModal(true);
    chooseFont_ = [this](const FontSettings& current, const QString& title) {
        return SystemFontDialog(this, current, title);
    };

    auto* columns = new QGroupBox(QStringLiteral("Column Widths"));
    auto* form = new QFormLayout(columns);
    const char* names[3] = {"Column &1:", "Column &2:", "Column &3:"};
    const char* objectNames[3] = {"Col1Wid", "Col2Wid", "Col3Wid"};
    for (std::size_t i = 0; i < widths_.size(); ++i) {
        widths_[i] = new QLineEdit(FromAnsi(entries_.widths[i]));
        widths_[i]->setMaxLength(static_cast<int>(kColumnWidthDigits));
        widths_[i]->setObjectName(QString::fromLatin1(objectNames[i]));
        form->addRow(QString::fromLatin1(names[i]), widths_[i]);
    }

    auto* style = new QGroupBox(QStringLiteral("Buttons"));
    speedButtons_ = new QRadioButton(QStringLiteral("&Speed Buttons"));
    letteredButtons_ = new QRadioButton(QStringLiteral("&Lettered Buttons"));
    (entries_.useSpeed ? speedButtons_ : letteredButtons_)->setChecked(true);
    auto* styleLayout = new QVBoxLayout(style);
    styleLayout->addWidget(speedButtons_);
    styleLayout->addWidget(letteredButtons_);

    gridFont_ = new QPushButton(QStringLiteral("&Grid Font"));
    gridTitleFont_ = new QPushButton(QStringLiteral("Grid &Title Font"));
    connect(gridFont_, &QPushButton::clicked, this,
            [this] { ChooseFont(entries_.gridFont, QStringLiteral("Grid Font")); });
    connect(gridTitleFont_, &QPushButton::clicked, this,
            [this] { ChooseFont(entries_.gridTitleFont, QStringLiteral("Grid Title Font")); });
    auto* fonts = new QHBoxLayout;
    fonts->addWidget(gridFont_);
    fonts->addWidget(gridTitleFont_);

    buttons_ = MakeOkCancel(this, &AppearanceForm::OkButtonClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(columns);
    layout->addWidget(style);
    layout->addLayout(fonts);
    layout->addLayout(buttons_.row);
    widths_[0]->setFocus();
}

QLineEdit* AppearanceForm::WidthEdit(int column) const {
    return column >= 1 && column <= 3 ? widths_[static_cast<std::size_t>(column - 1)] : nullptr;
}

void AppearanceForm::ChooseFont(FontSettings& working, const QString& title) {
    if (!chooseFont_)
        return;
    if (const auto chosen = chooseFont_(working, title)) {
        working = *chosen;
        // The profile is written at once, as every confirmed options choice is; the
        // settings' fonts themselves change only with "&Ok".
        if (saveSettings_)
            saveSettings_();
    }
}

void AppearanceForm::OkButtonClick() {
    for (std::size_t i = 0; i < widths_.size(); ++i)
        entries_.widths[i] = ToAnsi(widths_[i]->text());
    entries_.useSpeed = speedButtons_->isChecked();
    if (const auto bad = AppearanceOk(entries_, settings_, prompts_)) {
        QLineEdit* edit = widths_[static_cast<std::size_t>(*bad)];
        edit->setFocus();
        edit->selectAll();
        return;
    }
    SaveAndAccept(*this, saveSettings_);
}

} // namespace kv::ui
