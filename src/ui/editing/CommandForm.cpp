#include "ui/editing/CommandForm.h"

#include "engine/editing/DateTimeDialog.h"
#include "engine/editing/DelayDialogs.h"
#include "engine/editing/FileDialogs.h"
#include "engine/editing/MouseKeyDialogs.h"
#include "engine/editing/RemarkWebDialogs.h"
#include "engine/editing/WindowDialogs.h"
#include "engine/macrotext/DateTimeFormats.h"
#include "ui/QtPrompts.h"
#include "ui/common/DialogButtons.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace kv::ui {

CommandForm::CommandForm(const QString& caption, Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts), layout_(new QVBoxLayout(this)) {
    setWindowTitle(caption);
    setModal(true);
}

QButtonGroup* CommandForm::Radios(std::initializer_list<Choice> choices, int checked) {
    auto* group = new QButtonGroup(this);
    for (const Choice& c : choices) {
        auto* r = new QRadioButton(QString::fromLatin1(c.caption));
        r->setObjectName(QString::fromLatin1(c.name));
        group->addButton(r, c.value);
        layout_->addWidget(r);
        r->setChecked(c.value == checked);
    }
    return group;
}

QLineEdit* CommandForm::Edit(const char* name, const QString& label, int maxLength,
                             const QString& text) {
    auto* edit = new QLineEdit(text);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxLength);
    auto* l = new QLabel(label);
    l->setBuddy(edit);
    layout_->addWidget(l);
    layout_->addWidget(edit);
    return edit;
}

QCheckBox* CommandForm::Check(const char* name, const QString& caption, bool on) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(on);
    layout_->addWidget(box);
    return box;
}

void CommandForm::Add(QWidget* widget) {
    layout_->addWidget(widget);
}

void CommandForm::Browse(QLineEdit* field, const QString& filter, const QString& title) {
    auto* b = new QPushButton(QStringLiteral("&Browse"));
    b->setAutoDefault(false);
    layout_->addWidget(b, 0, Qt::AlignLeft);
    connect(b, &QPushButton::clicked, this, [this, field, filter, title] {
        const QString path = QFileDialog::getOpenFileName(this, title, field->text(), filter);
        if (!path.isEmpty())
            field->setText(path);
    });
}

std::string CommandForm::Text(const char* name) const {
    const auto* edit = findChild<QLineEdit*>(QString::fromLatin1(name));
    return edit ? ToAnsi(edit->text()) : std::string();
}

int CommandForm::Value(const QButtonGroup* group) {
    return group->checkedId();
}

void CommandForm::OkButtonClick() {
    if (!ok_)
        return;
    CommandOutcome outcome = ok_(false);
    if (const auto* refusal = std::get_if<DialogRefusal>(&outcome)) {
        const QString focus = QString::fromLatin1(refusal->focus.data(),
                                                  static_cast<qsizetype>(refusal->focus.size()));
        if (!refusal->question) {
            prompts_.ShowMessage(refusal->message.text, refusal->message.caption);
        } else if (!prompts_.AskYesNo(refusal->message.text, refusal->message.caption)) {
            outcome = ok_(true); // No: the dialog takes what it has
        }
        if (std::holds_alternative<DialogRefusal>(outcome)) {
            if (auto* w = findChild<QWidget*>(focus))
                w->setFocus();
            return;
        }
    }
    result_ = std::get<CommandResult>(outcome);
    accept();
}

void CommandForm::SetOk(std::function<CommandOutcome(bool answeredNo)> ok) {
    ok_ = std::move(ok);
    const OkCancelButtons buttons = MakeOkCancel(this, &CommandForm::OkButtonClick);
    layout_->addLayout(buttons.row);
}

const std::vector<DirectCommandEntry>& DirectCommands() {
    static const std::vector<DirectCommandEntry> entries = {
        {DirectCommand::Date, "DATE", "&DATE"},
        {DirectCommand::Time, "TIME", "&TIME"},
        {DirectCommand::Symbols, "SYMBOLS", "S&YMBOLS"},
        {DirectCommand::Delay, "DELAY", "D&ELAY"},
        {DirectCommand::Pause, "PAUSE", "&PAUSE"},
        {DirectCommand::Repeat, "REPEAT", "&REPEAT"},
        {DirectCommand::Speed, "SPEED", "&SPEED"},
        {DirectCommand::Activate, "ACTIVATE", "&ACTIVATE"},
        {DirectCommand::Sound, "SOUND", "S&OUND"},
        {DirectCommand::SwapFile, "SWAP FILE", "S&WAP FILE"},
        {DirectCommand::LoadText, "LOAD TEXT", "&LOAD TEXT"},
        {DirectCommand::SizePos, "SIZE / POS", "SI&ZE / POS"},
        {DirectCommand::System, "SYSTEM", "SYSTE&M"},
        {DirectCommand::Mouse, "MOUSE", "MO&USE"},
        {DirectCommand::Clipboard, "CLIPBOARD", "&CLIPBOARD"},
        {DirectCommand::Remark, "REMARK", "REMAR&K"},
        {DirectCommand::KeyUpDown, "KEY UP / DOWN", "KEY UP / DOW&N"},
        {DirectCommand::WebSite, "WEB SITE", "WE&B SITE"},
        {DirectCommand::Ftp, "INTERNET FTP", "INTERNET &FTP"},
        {DirectCommand::FileCommands, "FILE COMMANDS", "F&ILE COMMANDS"},
    };
    return entries;
}

namespace {

void SetText(CommandForm* f, const char* name, const std::string& text) {
    if (auto* e = f->findChild<QLineEdit*>(QString::fromLatin1(name)))
        e->setText(FromAnsi(text));
}

void SetRadio(QButtonGroup* group, int value) {
    if (QAbstractButton* b = group->button(value))
        b->setChecked(true);
}

// A result that is only text to insert (a symbol, an Alt keypad tag).
CommandResult TagOnly(std::string tag) {
    CommandResult r;
    r.tag = std::move(tag);
    return r;
}

template <class E>
E As(const QButtonGroup* g) {
    return static_cast<E>(CommandForm::Value(g));
}

template <class E>
int Id(E e) {
    return static_cast<int>(e);
}

} // namespace

std::optional<CommandResult> RunCommandDialog(DirectCommand command,
                                              const CommandDialogContext& context, QWidget* parent,
                                              const std::function<void(CommandForm&)>& drive) {
    return RunCommandDialog(command, nullptr, Command::Text, context, parent, drive);
}

std::optional<CommandResult> RunCommandDialog(DirectCommand command, const LineRecord* record,
                                              Command lineCommand,
                                              const CommandDialogContext& context, QWidget* parent,
                                              const std::function<void(CommandForm&)>& drive) {
    Prompts& prompts = context.prompts;
    const PathChecks& paths = context.paths;
    using Ok = std::function<CommandOutcome(bool)>;
    std::unique_ptr<CommandForm> form;
    Ok ok;
    auto make = [&](const char* caption) {
        form = std::make_unique<CommandForm>(QString::fromLatin1(caption), prompts, parent);
        return form.get();
    };
    switch (command) {
    case DirectCommand::Date:
    case DirectCommand::Time: {
        const bool date = command == DirectCommand::Date;
        CommandForm* f = make(date ? "Select Date Format" : "Select Time Format");
        auto* list = new QListWidget;
        list->setObjectName(QStringLiteral("TheFormat"));
        Settings& settings = context.settings;
        const bool suppress = date ? settings.suppressZerosInDate : settings.suppressZerosInTime;
        const std::size_t count = date ? kDateFormatNames.size() : kTimeFormatNames.size();
        for (std::size_t i = 0; i < count; ++i) {
            const std::string example = date ? FormatDate(i, !suppress, context.now)
                                             : FormatTime(i, !suppress, context.now);
            const std::string_view name = date ? kDateFormatNames[i] : kTimeFormatNames[i];
            list->addItem(FromAnsi(std::string(name)) + QStringLiteral("    ") + FromAnsi(example));
        }
        list->setCurrentRow(std::clamp(date ? settings.lastDateFormat : settings.lastTimeFormat, 0,
                                       static_cast<int>(count) - 1));
        list->setMinimumHeight(260);
        f->Add(list);
        QCheckBox* zeros =
            f->Check("Suppress", QStringLiteral("Do not show &leading zeros"), suppress);
        QButtonGroup* sign = nullptr;
        if (date) {
            f->Edit("Days", QStringLiteral("&Days"), 3, QStringLiteral("0"));
            sign = f->Radios({{"Future", "&future", 1}, {"Past", "&past", 0}}, 1);
        }
        if (record) {
            const auto r = TDateOrTimeFields::From(RecordAs<TDateTimeRec>(lineCommand, *record));
            list->setCurrentRow(r.formatIndex);
            zeros->setChecked(r.suppress);
            if (date) {
                SetText(f, "Days", r.days);
                SetRadio(sign, r.future ? 1 : 0);
            }
        }
        ok = [f, list, zeros, sign, date, &settings](bool) {
            TDateOrTimeFields fields;
            fields.isDate = date;
            fields.formatIndex = list->currentRow();
            fields.suppress = zeros->isChecked();
            fields.days = date ? f->Text("Days") : std::string();
            fields.future = !sign || CommandForm::Value(sign) == 1;
            CommandOutcome outcome = OkButtonClick(fields);
            if (std::holds_alternative<CommandResult>(outcome)) {
                // Offered first the next time.
                (date ? settings.lastDateFormat : settings.lastTimeFormat) = fields.formatIndex;
                (date ? settings.suppressZerosInDate : settings.suppressZerosInTime) =
                    fields.suppress;
            }
            return outcome;
        };
        break;
    }
    case DirectCommand::Symbols: {
        CommandForm* f = make("Insert Symbol");
        auto* grid = new QTableWidget(kSymbolRows, kSymbolColumns);
        grid->setObjectName(QStringLiteral("SymbolGrid"));
        grid->horizontalHeader()->hide();
        grid->verticalHeader()->hide();
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->setSelectionMode(QAbstractItemView::SingleSelection);
        for (int r = 0; r < kSymbolRows; ++r)
            for (int c = 0; c < kSymbolColumns; ++c) {
                auto* cell = new QTableWidgetItem(FromAnsi(std::string(1, SymbolAt(r, c))));
                cell->setTextAlignment(Qt::AlignCenter);
                grid->setItem(r, c, cell);
            }
        grid->resizeColumnsToContents();
        grid->setCurrentCell(0, 0);
        grid->setMinimumSize(300, 360);
        f->Add(grid);
        // "&Alt Keypad Sequence": the keypad digits of a character, as its own tag.
        auto* keypad = new QPushButton(QStringLiteral("&Alt Keypad Sequence"));
        keypad->setObjectName(QStringLiteral("AltKeypad"));
        keypad->setAutoDefault(false);
        f->Add(keypad);
        auto typed = std::make_shared<std::optional<std::string>>();
        QObject::connect(keypad, &QPushButton::clicked, f, [f, typed, &prompts] {
            CommandForm digits(QStringLiteral("Alt Keypad Sequence"), prompts, f);
            digits.Edit("Seconds", QStringLiteral("&Keypad Numbers"), 5);
            std::string tag;
            digits.SetOk([&digits, &tag](bool) -> CommandOutcome {
                auto outcome = AltKeypadOk(digits.Text("Seconds"));
                if (auto* refusal = std::get_if<DialogRefusal>(&outcome))
                    return *refusal;
                tag = std::get<std::string>(outcome);
                return TagOnly(tag);
            });
            digits.exec();
            if (!tag.empty()) {
                *typed = tag;
                f->OkButtonClick();
            }
        });
        QObject::connect(grid, &QTableWidget::cellDoubleClicked, f, [f] { f->OkButtonClick(); });
        ok = [grid, typed](bool) -> CommandOutcome {
            if (*typed)
                return TagOnly(**typed);
            return TagOnly(std::string(1, SymbolAt(grid->currentRow(), grid->currentColumn())));
        };
        break;
    }
    case DirectCommand::Delay: {
        CommandForm* f = make("Set Delay");
        f->Edit("Seconds", QStringLiteral("&Seconds To Delay"), 5);
        QButtonGroup* unit =
            f->Radios({{"DelSecs", "Delay in Seconds", Id(DelayUnit::Seconds)},
                       {"DelMilli", "Delay in Milliseconds", Id(DelayUnit::Milliseconds)}},
                      Id(DelayUnit::Seconds));
        if (record) {
            const auto r = TDoDelay2Fields::From(RecordAs<TDelayRec>(lineCommand, *record));
            SetText(f, "Seconds", r.seconds);
            SetRadio(unit, Id(r.unit));
        }
        ok = [f, unit](bool) {
            return OkButtonClick(TDoDelay2Fields{f->Text("Seconds"), As<DelayUnit>(unit)});
        };
        break;
    }
    case DirectCommand::Pause: {
        CommandForm* f = make("Pause Window");
        QButtonGroup* kind = f->Radios({{"BasicPause", "&Basic Pause", Id(PauseKind::Basic)},
                                        {"ComplexPause", "Complex &Pause", Id(PauseKind::Complex)}},
                                       Id(PauseKind::Basic));
        f->Edit("TopCoord", QStringLiteral("&Top"), 3);
        f->Edit("LeftCoord", QStringLiteral("&Left"), 3);
        f->Edit("PauseMessage", QStringLiteral("&Message"), 180);
        if (record) {
            const auto r = TDoPausePosFields::From(RecordAs<TPauseRec>(lineCommand, *record));
            SetRadio(kind, Id(r.kind));
            SetText(f, "TopCoord", r.topCoord);
            SetText(f, "LeftCoord", r.leftCoord);
            SetText(f, "PauseMessage", r.pauseMessage);
        }
        ok = [f, kind](bool) {
            return OkButtonClick(TDoPausePosFields{As<PauseKind>(kind), f->Text("TopCoord"),
                                                   f->Text("LeftCoord"), f->Text("PauseMessage")});
        };
        break;
    }
    case DirectCommand::Repeat: {
        CommandForm* f = make("Repeat Options");
        QButtonGroup* kind =
            f->Radios({{"StartRepeat", "&Start Repeat", Id(RepeatKind::Start)},
                       {"PromptRepeat", "Start Repeat with &Prompt", Id(RepeatKind::Prompt)},
                       {"EndRepeat", "&End Repeat", Id(RepeatKind::End)},
                       {"RepeatCounter", "&Incremental Counter", Id(RepeatKind::Counter)}},
                      Id(RepeatKind::Start));
        f->Edit("Count", QStringLiteral("Repeat &Count / Counter Width"), 4);
        if (record) {
            const auto r = TDoRepeatFields::From(RecordAs<TRepeatRec>(lineCommand, *record));
            SetRadio(kind, Id(r.kind));
            SetText(f, "Count", r.count);
        }
        ok = [f, kind](bool) {
            return OkButtonClick(TDoRepeatFields{As<RepeatKind>(kind), f->Text("Count")});
        };
        break;
    }
    case DirectCommand::Speed: {
        CommandForm* f = make("Speed");
        QButtonGroup* kind =
            f->Radios({{"KeyboardSpeed", "&Keyboard Speed", Id(SpeedKind::Keystroke)},
                       {"MouseSpeed", "&Mouse Speed", Id(SpeedKind::Mouse)},
                       {"MacroSpeed", "M&acro Speed", Id(SpeedKind::Playback)}},
                      Id(SpeedKind::Keystroke));
        f->Edit("Count", QStringLiteral("&Delay in Milliseconds / Playback Factor"), 4);
        if (record) {
            const auto r = TDoSpeedFields::From(RecordAs<TSpeedRec>(lineCommand, *record));
            SetRadio(kind, Id(r.kind));
            SetText(f, "Count", r.count);
        }
        ok = [f, kind](bool) {
            return OkButtonClick(TDoSpeedFields{As<SpeedKind>(kind), f->Text("Count")});
        };
        break;
    }
    case DirectCommand::Activate: {
        CommandForm* f = make("Activate/Launch Program");
        QButtonGroup* kind =
            f->Radios({{"ActiveOnly", "&Activate Window Only", Id(LaunchKind::Activate)},
                       {"LaunchOnly", "&Launch Program Only", Id(LaunchKind::Launch)},
                       {"LaunchAct", "La&unch Program and Activate Window",
                        Id(LaunchKind::LaunchAndActivate)},
                       {"ActiveLaunch",
                        "Activate &Window if Running Otherwise Launch Program and Activate Window",
                        Id(LaunchKind::ActivateOrLaunch)}},
                      Id(LaunchKind::Activate));
        f->Edit("WinTitle", QStringLiteral("Window &Title"), 100);
        QLineEdit* path = f->Edit("ProgPath", QStringLiteral("P&rogram"));
        f->Browse(path, QStringLiteral("Programs (*)"), QStringLiteral("Program"));
        f->Edit("Params", QStringLiteral("Para&meters"));
        f->Edit("DelaySecs", QStringLiteral("&Seconds to wait"), 2, QStringLiteral("0"));
        if (record) {
            const auto r = TDoActiveFields::From(RecordAs<TLaunchRec>(lineCommand, *record));
            SetRadio(kind, Id(r.kind));
            SetText(f, "WinTitle", r.winTitle);
            SetText(f, "ProgPath", r.progPath);
            SetText(f, "Params", r.params);
            SetText(f, "DelaySecs", r.delaySecs);
        }
        ok = [f, kind, &paths](bool) {
            return OkButtonClick(TDoActiveFields{As<LaunchKind>(kind), f->Text("WinTitle"),
                                                 f->Text("ProgPath"), f->Text("Params"),
                                                 f->Text("DelaySecs")},
                                 paths);
        };
        break;
    }
    case DirectCommand::Sound: {
        CommandForm* f = make("Set Sound");
        QButtonGroup* kind = f->Radios({{"Beep", "&Beep", Id(SoundKind::Beep)},
                                        {"WaveFile", "&Wave File", Id(SoundKind::WaveFile)}},
                                       Id(SoundKind::Beep));
        QLineEdit* path = f->Edit("ProgPath", QStringLiteral("Wave &file"));
        f->Browse(path, QStringLiteral("Wave Files (*.wav *.WAV)"),
                  QStringLiteral("Select Wave File"));
        QCheckBox* wait =
            f->Check("WaitFor", QStringLiteral("Wait for wave file to &finish"), true);
        if (record) {
            const auto r = TDoSoundFields::From(RecordAs<TSoundRec>(lineCommand, *record));
            SetRadio(kind, Id(r.kind));
            SetText(f, "ProgPath", r.progPath);
            wait->setChecked(r.waitFor);
        }
        ok = [f, kind, wait, &paths](bool) {
            return OkButtonClick(
                TDoSoundFields{As<SoundKind>(kind), f->Text("ProgPath"), wait->isChecked()}, paths);
        };
        break;
    }
    case DirectCommand::SwapFile: {
        CommandForm* f = make("Load A New Macro File");
        QLineEdit* path = f->Edit("ProgPath", QStringLiteral("&Macro file"));
        f->Browse(path, QStringLiteral("Keyvane (*.kvn *.KVN)"), QStringLiteral("Keyvane Files"));
        if (record)
            SetText(f, "ProgPath", RecordAs<TStringRec>(lineCommand, *record).text);
        ok = [f, &paths](bool) { return OkButtonClick(TDoSwapFields{f->Text("ProgPath")}, paths); };
        break;
    }
    case DirectCommand::LoadText: {
        CommandForm* f = make("Load Text from a Text File");
        QLineEdit* path = f->Edit("ProgPath", QStringLiteral("&Text file"));
        f->Browse(path, QStringLiteral("Text Files (*.txt *.TXT);;Any Files (*)"),
                  QStringLiteral("Text Files"));
        if (record)
            SetText(f, "ProgPath", RecordAs<TStringRec>(lineCommand, *record).text);
        ok = [f, &paths](bool answeredNo) {
            return OkButtonClick(TDoTextInsertFields{f->Text("ProgPath"), answeredNo}, paths);
        };
        break;
    }
    case DirectCommand::SizePos: {
        CommandForm* f = make("Size or Position a Window");
        QButtonGroup* which = f->Radios(
            {{"CurrentWin", "Current &Window", 1}, {"SpecificWin", "Speci&fic Window", 0}}, 1);
        f->Edit("WinTitle", QStringLiteral("Window &Title"), 100);
        QButtonGroup* kind =
            f->Radios({{"ResizeWin", "&Resize Window", Id(WinPlaceKind::Resize)},
                       {"PositionWin", "&Position Window", Id(WinPlaceKind::Reposition)}},
                      Id(WinPlaceKind::Resize));
        f->Edit("TheWidth", QStringLiteral("Width / Top"), 4);
        f->Edit("TheHeight", QStringLiteral("Height / Left"), 4);
        if (record) {
            const auto r = TDoSizeItFields::From(RecordAs<TWinPlaceRec>(lineCommand, *record));
            SetRadio(which, r.currentWin ? 1 : 0);
            SetText(f, "WinTitle", r.winTitle);
            SetRadio(kind, Id(r.kind));
            SetText(f, "TheWidth", r.theWidth);
            SetText(f, "TheHeight", r.theHeight);
        }
        ok = [f, which, kind](bool) {
            return OkButtonClick(TDoSizeItFields{CommandForm::Value(which) == 1,
                                                 f->Text("WinTitle"), As<WinPlaceKind>(kind),
                                                 f->Text("TheWidth"), f->Text("TheHeight")});
        };
        break;
    }
    case DirectCommand::System: {
        CommandForm* f = make("System Commands");
        QButtonGroup* kind =
            f->Radios({{"DoMaximize", "Ma&ximize", Id(WinCommand::Maximize)},
                       {"DoMinimize", "Mi&nimize", Id(WinCommand::Minimize)},
                       {"DoRestore", "&Restore", Id(WinCommand::Restore)},
                       {"DoClose", "&Close", Id(WinCommand::Close)},
                       {"DoHide", "&Hide", Id(WinCommand::Hide)},
                       {"DoShow", "&Show Window (unhide)", Id(WinCommand::Show)},
                       {"DoShutDown", "Shut Down &Program", Id(WinCommand::ShutDown)}},
                      Id(WinCommand::Maximize));
        QButtonGroup* which = f->Radios(
            {{"CurrentWin", "Current &Window", 1}, {"SpecificWin", "Speci&fic Window", 0}}, 1);
        f->Edit("WinTitle", QStringLiteral("Window &Title"), 100);
        if (record) {
            const auto r = TDoSystemCommandFields::From(RecordAs<TWinCmdRec>(lineCommand, *record));
            SetRadio(kind, Id(r.command));
            SetRadio(which, r.currentWin ? 1 : 0);
            SetText(f, "WinTitle", r.winTitle);
        }
        ok = [f, kind, which](bool) {
            return OkButtonClick(TDoSystemCommandFields{
                As<WinCommand>(kind), CommandForm::Value(which) == 1, f->Text("WinTitle")});
        };
        break;
    }
    case DirectCommand::Mouse: {
        CommandForm* f = make("Mouse Commands");
        QButtonGroup* action =
            f->Radios({{"MouseMove", "Mouse &Move", Id(MouseCode::Move)},
                       {"LeftClick", "&Left Click", Id(MouseCode::LeftClick)},
                       {"LeftDblClick", "Left &Double Click", Id(MouseCode::LeftDoubleClick)},
                       {"LeftDown", "Left Down", Id(MouseCode::LeftDown)},
                       {"LeftUp", "Left Up", Id(MouseCode::LeftUp)},
                       {"RightClick", "&Right Click", Id(MouseCode::RightClick)},
                       {"RightDblClick", "Right Double Click", Id(MouseCode::RightDoubleClick)},
                       {"RightDown", "Right Down", Id(MouseCode::RightDown)},
                       {"RightUp", "Right Up", Id(MouseCode::RightUp)},
                       {"MiddleClick", "Middle &Click", Id(MouseCode::MiddleClick)},
                       {"MiddleDblClick", "Middle Double Click", Id(MouseCode::MiddleDoubleClick)},
                       {"MiddleDown", "Middle Down", Id(MouseCode::MiddleDown)},
                       {"MiddleUp", "Middle Up", Id(MouseCode::MiddleUp)},
                       {"WheelForward", "Wheel &Forward", Id(MouseCode::WheelForward)},
                       {"WheelBackward", "Wheel &Backward", Id(MouseCode::WheelBackward)}},
                      Id(MouseCode::Move));
        QButtonGroup* relative = f->Radios(
            {{"ToScreen", "Relative To &Screen", 0}, {"ToWindows", "Relative To Wi&ndow", 1}}, 0);
        f->Edit("XPos", QStringLiteral("&X"), 5);
        f->Edit("YPos", QStringLiteral("&Y"), 5);
        f->Edit("NumClicks", QStringLiteral("&Wheel clicks"), 3);
        if (record) {
            const auto r = TDoMouseFields::From(RecordAs<TMouseRec>(lineCommand, *record));
            SetRadio(action, Id(r.action));
            SetRadio(relative, r.toWindows ? 1 : 0);
            SetText(f, "XPos", r.xPos);
            SetText(f, "YPos", r.yPos);
            SetText(f, "NumClicks", r.numClicks);
        }
        ok = [f, action, relative](bool) {
            return OkButtonClick(TDoMouseFields{As<MouseCode>(action),
                                                CommandForm::Value(relative) == 1, f->Text("XPos"),
                                                f->Text("YPos"), f->Text("NumClicks")});
        };
        break;
    }
    case DirectCommand::Clipboard: {
        CommandForm* f = make("Clipboard");
        QButtonGroup* kind = f->Radios(
            {{"StartClip", "&Start Copy To Clipboard", Id(ClipKind::StartCopy)},
             {"EndClip", "&End Copy To Clipboard", Id(ClipKind::EndCopy)},
             {"CopyFile", "C&opy Text File To Clipboard", Id(ClipKind::FileCopy)},
             {"CopyCommand", "&Issue Copy To Clipboard Command (CTRL+C)", Id(ClipKind::Copy)},
             {"PasteCommand", "Issue &Paste From Clipboard Command (CTRL+V)", Id(ClipKind::Paste)}},
            Id(ClipKind::StartCopy));
        QLineEdit* path = f->Edit("ProgPath", QStringLiteral("&Text file"));
        f->Browse(path, QStringLiteral("Text Files (*.txt *.TXT)"), QStringLiteral("Text Files"));
        if (record) {
            const auto r = TDoClipboardFields::From(RecordAs<TClipRec>(lineCommand, *record));
            SetRadio(kind, Id(r.kind));
            SetText(f, "ProgPath", r.progPath);
        }
        ok = [f, kind, &paths](bool) {
            return OkButtonClick(TDoClipboardFields{As<ClipKind>(kind), f->Text("ProgPath")},
                                 paths);
        };
        break;
    }
    case DirectCommand::Remark: {
        CommandForm* f = make("Remark");
        f->Edit("Comments", QStringLiteral("&Comments"), 240);
        if (record)
            SetText(f, "Comments", RecordAs<TStringRec>(lineCommand, *record).text);
        ok = [f](bool) { return OkButtonClick(TDoRemarkFields{f->Text("Comments")}); };
        break;
    }
    case DirectCommand::KeyUpDown: {
        CommandForm* f = make("Keys Up Or Down");
        QButtonGroup* code =
            f->Radios({{"CtrlDown", "&Control Key Down", Id(ModKeyCode::ControlDown)},
                       {"CtrlUp", "Control Key &Up", Id(ModKeyCode::ControlUp)},
                       {"AltDown", "&Alt Key Down", Id(ModKeyCode::AltDown)},
                       {"AltUp", "A&lt Key Up", Id(ModKeyCode::AltUp)},
                       {"ShiftDown", "&Shift Key Down", Id(ModKeyCode::ShiftDown)},
                       {"ShiftUp", "S&hift Key Up", Id(ModKeyCode::ShiftUp)},
                       {"WinDown", "&Win Key Down", Id(ModKeyCode::WinDown)},
                       {"WinUp", "W&in Key Up", Id(ModKeyCode::WinUp)}},
                      Id(ModKeyCode::ControlDown));
        if (record)
            SetRadio(code, Id(RecordAs<TModKeyRec>(lineCommand, *record).code));
        ok = [code](bool) { return OkButtonClick(TDoKeyUpDownFields{As<ModKeyCode>(code)}); };
        break;
    }
    case DirectCommand::WebSite:
    case DirectCommand::Ftp: {
        const bool ftp = command == DirectCommand::Ftp;
        CommandForm* f = make(ftp ? "Internet FTP" : "Internet Web Site");
        f->Edit("ProgPath", ftp ? QStringLiteral("&FTP URL") : QStringLiteral("&Web Site URL"), 255,
                FromAnsi(TDoWebStuffFields::New(ftp).progPath));
        if (record)
            SetText(f, "ProgPath", RecordAs<TStringRec>(lineCommand, *record).text);
        ok = [f, ftp](bool) { return OkButtonClick(TDoWebStuffFields{ftp, f->Text("ProgPath")}); };
        break;
    }
    case DirectCommand::FileCommands: {
        CommandForm* f = make("File Manipulation");
        QButtonGroup* kind =
            f->Radios({{"ChangeDir", "Change &Directory/Folder", Id(FileCmdKind::ChangeDirectory)},
                       {"CopyFile", "&Copy File", Id(FileCmdKind::Copy)},
                       {"RenameFile", "&Rename File", Id(FileCmdKind::Rename)},
                       {"DeleteFile", "D&elete File", Id(FileCmdKind::Delete)}},
                      Id(FileCmdKind::ChangeDirectory));
        QLineEdit* path = f->Edit("ProgPath", QStringLiteral("&Path"));
        f->Browse(path, QStringLiteral("All Files (*)"), QStringLiteral("All Files"));
        f->Edit("NewName", QStringLiteral("&New Name"));
        if (record) {
            const auto r = TDoDOSFilesFields::From(RecordAs<TFileCmdRec>(lineCommand, *record));
            SetRadio(kind, Id(r.kind));
            SetText(f, "ProgPath", r.progPath);
            SetText(f, "NewName", r.newName);
        }
        ok = [f, kind, &paths](bool) {
            return OkButtonClick(
                TDoDOSFilesFields{As<FileCmdKind>(kind), f->Text("ProgPath"), f->Text("NewName")},
                paths);
        };
        break;
    }
    }
    if (!form)
        return std::nullopt;
    form->SetOk(std::move(ok));
    if (drive)
        drive(*form);
    else
        form->exec();
    return form->Result();
}

} // namespace kv::ui

namespace kv::ui {

std::optional<DirectCommand> DialogOf(Command c) {
    switch (c) {
    case Command::Text:
        return std::nullopt;
    case Command::Date:
        return DirectCommand::Date;
    case Command::Time:
        return DirectCommand::Time;
    case Command::Delay:
        return DirectCommand::Delay;
    case Command::Pause:
        return DirectCommand::Pause;
    case Command::RepeatStart:
    case Command::RepeatEnd:
    case Command::RepeatCounter:
    case Command::RepeatPromptStart:
        return DirectCommand::Repeat;
    case Command::KeystrokeSpeed:
    case Command::MouseSpeed:
    case Command::MacroPlaybackSpeed:
        return DirectCommand::Speed;
    case Command::ActivateWindow:
    case Command::LaunchProgram:
    case Command::ActivateOrLaunch:
    case Command::LaunchAndActivate:
        return DirectCommand::Activate;
    case Command::SoundBeep:
    case Command::SoundWaveFile:
        return DirectCommand::Sound;
    case Command::LoadNewMacroFile:
        return DirectCommand::SwapFile;
    case Command::LoadTextFile:
        return DirectCommand::LoadText;
    case Command::ResizeWindow:
    case Command::RepositionWindow:
        return DirectCommand::SizePos;
    case Command::MaximizeWindow:
    case Command::MinimizeWindow:
    case Command::RestoreWindow:
    case Command::CloseWindow:
    case Command::HideWindow:
    case Command::ShowWindow:
    case Command::ShutDownProgram:
        return DirectCommand::System;
    case Command::MouseMove:
    case Command::LeftMouseButton:
    case Command::RightMouseButton:
    case Command::MiddleMouseButton:
    case Command::MouseWheel:
        return DirectCommand::Mouse;
    case Command::Remark:
        return DirectCommand::Remark;
    case Command::ClipboardCopy:
    case Command::ClipboardPaste:
    case Command::ClipboardStartCopy:
    case Command::ClipboardEndCopy:
    case Command::ClipboardFileCopy:
        return DirectCommand::Clipboard;
    case Command::ControlKey:
    case Command::AltKey:
    case Command::ShiftKey:
    case Command::WinKey:
        return DirectCommand::KeyUpDown;
    case Command::WebSite:
        return DirectCommand::WebSite;
    case Command::WebFtp:
        return DirectCommand::Ftp;
    case Command::ChangeDirectory:
    case Command::DeleteFile:
    case Command::CopyFile:
    case Command::RenameFile:
        return DirectCommand::FileCommands;
    }
    return std::nullopt;
}

std::optional<CommandResult> RunLineDialog(Command command, const LineRecord* existing,
                                           const CommandDialogContext& context, QWidget* parent,
                                           const std::function<void(CommandForm&)>& drive) {
    const std::optional<DirectCommand> dialog = DialogOf(command);
    if (!dialog)
        return std::nullopt;
    // A new line opens with the command's own choice made (a right click, a paste).
    const LineRecord record = existing ? *existing : DefaultRecord(command);
    return RunCommandDialog(*dialog, &record, command, context, parent, drive);
}

} // namespace kv::ui
