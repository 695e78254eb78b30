#include "ui/keymap/KeyMapTab.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/app/SaveTarget.h"
#include "core/designer/StepNames.h"
#include "core/device/FetchedFiles.h"
#include "core/io/FileIo.h"
#include "core/model/FieldFunctions.h"
#include "render/PathText.h"
#include "render/TextCodec.h"
#include "ui/app/EntryFields.h"
#include "ui/keymap/KeyMapLists.h"
#include "ui/widgets/TypingLimit.h"

namespace roamplot {

namespace {

constexpr int KeyCodeFieldLength = 10;

QPushButton* MakeButton(const QString& text, const QString& hint, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setToolTip(hint);
    return button;
}

QComboBox* MakeChooser(const QString& hint, QWidget* parent) {
    auto* chooser = new QComboBox(parent);
    // Not editable: typed text can only pick a name of the catalogue.
    chooser->setEditable(false);
    chooser->setToolTip(hint);
    chooser->setMaxVisibleItems(20);
    return chooser;
}

} // namespace

KeyMapTab::KeyMapTab(KeyMap& map, const CommandCatalogue& catalogue, Prompter& prompter,
                     QWidget* parent)
    : QWidget(parent), map_(map), catalogue_(catalogue), prompter_(prompter) {
    InnerTabs = new QTabWidget(this);
    InnerTabs->addTab(MakeHardwarePage(), "Hardware Buttons");
    InnerTabs->addTab(MakeScreenPage(), "Screen Control Buttons");
    InnerTabs->addTab(MakeConfigurationPage(), "Configuration");

    auto* row = new QHBoxLayout(this);
    row->addWidget(InnerTabs, 1);
    row->addWidget(MakeCommandColumn());

    FillChoosers();
    RebuildKeyLists();

    connect(lHardware, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { lHardwareFocus(item); });
    connect(cHardwareCommand, &QComboBox::currentIndexChanged, this,
            [this](int index) { cHardwareCommandChange(index); });
    connect(lScreen, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { lScreenFocus(item); });
    connect(cScreenCommand, &QComboBox::currentIndexChanged, this,
            [this](int index) { cScreenCommandChange(index); });
    connect(eCaption, &QLineEdit::textChanged, this, [this] { eCaptionChange(); });
    connect(bLoadDefaults, &QPushButton::clicked, this, [this] { bLoadDefaultsClick(); });
    connect(bLoad, &QPushButton::clicked, this, [this] { bLoadClick(); });
    connect(bSave, &QPushButton::clicked, this, [this] { bSaveClick(); });
    connect(bHelp, &QPushButton::clicked, this, &KeyMapTab::HelpRequested);
    connect(bGet, &QPushButton::clicked, this, &KeyMapTab::GetRequested);
    connect(bSend, &QPushButton::clicked, this, &KeyMapTab::SendRequested);
}

QWidget* KeyMapTab::MakeHardwarePage() {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    lHardware = MakeHardwareList(page);
    lHardwareKey = new QLabel(page);
    cHardwareCommand = MakeChooser("Select the Command for the hardware button", page);
    column->addWidget(lHardware, 1);
    column->addWidget(lHardwareKey);
    column->addWidget(cHardwareCommand);
    return page;
}

QWidget* KeyMapTab::MakeScreenPage() {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    lScreen = MakeScreenList(page);
    lScreenButton = new QLabel(page);
    cScreenCommand = MakeChooser("Select Command for selected screen button", page);
    eCaption = new QLineEdit(page);
    eCaption->setMaxLength(static_cast<int>(MaxCaptionLength));
    LimitFileText(*eCaption, static_cast<int>(MaxCaptionLength));
    eCaption->setToolTip("Enter text to display on the screen button");
    auto* captionLabel = new QLabel("Caption", page);
    captionLabel->setBuddy(eCaption);

    auto* fields = new QGridLayout;
    fields->addWidget(lScreenButton, 0, 0);
    fields->addWidget(cScreenCommand, 1, 0);
    fields->addWidget(captionLabel, 0, 1);
    fields->addWidget(eCaption, 1, 1);
    fields->setColumnStretch(0, 3);
    fields->setColumnStretch(1, 2);
    column->addWidget(lScreen, 1);
    column->addLayout(fields);
    return page;
}

QWidget* KeyMapTab::MakeConfigurationPage() {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    auto* heading = new QLabel("Hardware Button Keys ID", page);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    column->addWidget(heading);

    auto* grid = new QGridLayout;
    for (int n = 0; n < ProgramButtonCount; ++n) {
        QLineEdit* field = new QLineEdit(page);
        field->setMaxLength(KeyCodeFieldLength);
        field->setMaximumWidth(90);
        UseSignedDigitsFilter(field);
        auto* label = new QLabel(QString("Button #%1").arg(n + 1), page);
        label->setBuddy(field);
        int gridRow = n % 5, gridColumn = (n / 5) * 2;
        grid->addWidget(label, gridRow, gridColumn);
        grid->addWidget(field, gridRow, gridColumn + 1);
        eButtonKeyCodes[static_cast<std::size_t>(n)] = field;
    }
    grid->setColumnStretch(4, 1);
    column->addLayout(grid);

    bLoadDefaults =
        MakeButton("Load Defaults", "Put the standard key codes 193 to 202 in the fields", page);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(bLoadDefaults);
    buttonRow->addStretch(1);
    column->addLayout(buttonRow);
    column->addStretch(1);
    return page;
}

QWidget* KeyMapTab::MakeCommandColumn() {
    auto* commands = new QWidget(this);
    auto* column = new QVBoxLayout(commands);
    column->setContentsMargins(0, 0, 0, 0);

    auto* fileGroup = new QGroupBox("File", commands);
    auto* fileColumn = new QVBoxLayout(fileGroup);
    bLoad = MakeButton("Load", "Load hardware and screen control buttons file", fileGroup);
    bSave =
        MakeButton("Save", "Save hardware and screen control button settings to file", fileGroup);
    fileColumn->addWidget(bLoad);
    fileColumn->addWidget(bSave);

    auto* deviceGroup = new QGroupBox("PDA", commands);
    auto* deviceColumn = new QVBoxLayout(deviceGroup);
    bGet =
        MakeButton("Get", "Get hardware and screen control button settings from PDA", deviceGroup);
    bSend =
        MakeButton("Send", "Send hardware and screen control button settings to PDA", deviceGroup);
    bGet->setEnabled(false);
    bSend->setEnabled(false);
    deviceColumn->addWidget(bGet);
    deviceColumn->addWidget(bSend);

    bHelp = MakeButton("Help", "Show the help", commands);

    column->addWidget(fileGroup);
    column->addWidget(deviceGroup);
    column->addStretch(1);
    column->addWidget(bHelp);
    return commands;
}

void KeyMapTab::connectNotify(const QMetaMethod& signal) {
    if (signal == QMetaMethod::fromSignal(&KeyMapTab::GetRequested)) bGet->setEnabled(true);
    if (signal == QMetaMethod::fromSignal(&KeyMapTab::SendRequested)) bSend->setEnabled(true);
}

void KeyMapTab::FillChoosers() {
    fillingChooser_ = true;
    for (QComboBox* chooser : {cHardwareCommand, cScreenCommand}) {
        chooser->clear();
        for (int i = 0; i < catalogue_.Count(); ++i)
            chooser->addItem(ToQString(catalogue_.At(i).Name));
        chooser->setCurrentIndex(catalogue_.Count() > 0 ? 0 : -1);
    }
    fillingChooser_ = false;
    eCaption->setText(ToQString(catalogue_.DefaultCaptionOf(0).substr(0, MaxCaptionLength)));
}

void KeyMapTab::ShowButtonKeyCodes(const ButtonKeyCodeTexts& codes) {
    for (std::size_t n = 0; n < codes.size(); ++n) eButtonKeyCodes[n]->setText(ToQString(codes[n]));
}

ButtonKeyCodeTexts KeyMapTab::ButtonKeyCodes() const {
    ButtonKeyCodeTexts codes;
    for (std::size_t n = 0; n < codes.size(); ++n)
        codes[n] = FromQString(eButtonKeyCodes[n]->text());
    return codes;
}

void KeyMapTab::SetKeyFileName(const std::filesystem::path& name) {
    keyFileName_ = name;
    if (IsPcFilePath(name)) lastPcKeyFile_ = name;
    emit KeyFileNameChanged(QStringFromPath(name));
}

QString KeyMapTab::ReadKeyFile(const std::filesystem::path& path) {
    return ReadKeyFile(path, KeyFileGrammarOf(path));
}

QString KeyMapTab::ReadKeyFile(const std::filesystem::path& path, KeyFileGrammar grammar) {
    KeyFileReadResult result;
    switch (grammar) {
    case KeyFileGrammar::Key1:
        result = ReadKeyFile1(path, catalogue_, map_);
        break;
    case KeyFileGrammar::Key2:
        result = ReadKeyFile2(path, catalogue_, map_);
        break;
    case KeyFileGrammar::None:
        return {};
    }
    // Even a read that stopped early may have changed buttons: the lists must show them.
    RebuildKeyLists();
    history_.Reset(map_);
    if (!result.Error.empty()) return MessageNaming(result.Error, path);
    SetKeyFileName(result.KeyFileName.value_or(keyFileName_));
    return {};
}

QString KeyMapTab::WriteKeyFile(const std::filesystem::path& path) {
    std::string error = roamplot::WriteKeyFile(path, map_, catalogue_, ButtonKeyCodes());
    if (!error.empty()) return MessageNaming(error, path);
    if (auto name = KeyFileNameAfterWrite(path)) SetKeyFileName(*name);
    return {};
}

bool KeyMapTab::ConfirmClose() {
    return GoOnPastUnsavedKeys(KeyMapCloseQuestion);
}

bool KeyMapTab::ConfirmReplaceKeyMap() {
    return GoOnPastUnsavedKeys(KeyMapLoadQuestion);
}

bool KeyMapTab::GoOnPastUnsavedKeys(const QString& question) {
    return !map_.Changed || GoOnPastUnsaved(prompter_, question, [this] {
        bSaveClick();
        return !map_.Changed;
    });
}

void KeyMapTab::RebuildKeyLists() {
    FillHardwareList(lHardware, map_, catalogue_);
    FillScreenList(lScreen, map_, catalogue_);
    hardwareRow_ = -1;
    screenRow_ = -1;
    lHardwareKey->clear();
    lScreenButton->clear();
}

void KeyMapTab::lHardwareFocus(QTreeWidgetItem* item) {
    hardwareRow_ = item ? lHardware->indexOfTopLevelItem(item) : -1;
    if (hardwareRow_ < 0) return;
    fillingChooser_ = true;
    cHardwareCommand->setCurrentIndex(map_.HardwareKeys[static_cast<std::size_t>(hardwareRow_)]);
    fillingChooser_ = false;
    lHardwareKey->setText(HardwareChooserLabel(hardwareRow_));
}

void KeyMapTab::cHardwareCommandChange(int index) {
    if (fillingChooser_ || hardwareRow_ < 0 || !catalogue_.Contains(index)) return;
    map_.AssignHardwareKey(hardwareRow_, index);
    ShowHardwareRow(lHardware, hardwareRow_, map_, catalogue_);
    Record(StepNames::AssignKey, hardwareRow_);
}

void KeyMapTab::lScreenFocus(QTreeWidgetItem* item) {
    screenRow_ = item ? lScreen->indexOfTopLevelItem(item) : -1;
    if (screenRow_ < 0) return;
    const ScreenButton& button =
        *map_.FindScreenButton(ScreenRowPage(screenRow_), ScreenRowButton(screenRow_));
    fillingChooser_ = true;
    cScreenCommand->setCurrentIndex(button.Command);
    fillingChooser_ = false;
    // A button without a caption is offered its command's own; the field's
    // change then stores it, which is no edit of the user's.
    offeringCaption_ = TrimSpaces(button.Caption).empty();
    const std::string& caption =
        offeringCaption_ ? catalogue_.DefaultCaptionOf(button.Command) : button.Caption;
    eCaption->setText(ToQString(caption));
    offeringCaption_ = false;
    lScreenButton->setText(ScreenChooserLabel(screenRow_));
}

void KeyMapTab::cScreenCommandChange(int index) {
    if (fillingChooser_ || !catalogue_.Contains(index)) return;
    eCaption->setText(ToQString(catalogue_.DefaultCaptionOf(index)));
    StoreScreenButton();
}

void KeyMapTab::eCaptionChange() {
    if (!offeringCaption_) return StoreScreenButton();
    map_.OfferDefaultCaption(ScreenRowPage(screenRow_), ScreenRowButton(screenRow_),
                             FromQString(eCaption->text()));
    history_.Absorb(map_);
    ShowScreenRow(lScreen, screenRow_, map_, catalogue_);
}

void KeyMapTab::StoreScreenButton() {
    int command = cScreenCommand->currentIndex();
    if (screenRow_ < 0 || !catalogue_.Contains(command)) return;
    map_.AssignScreenButton(ScreenRowPage(screenRow_), ScreenRowButton(screenRow_), command,
                            FromQString(eCaption->text()));
    ShowScreenRow(lScreen, screenRow_, map_, catalogue_);
    Record(StepNames::ChangeScreenButton, HardwareKeyCount + screenRow_);
}

void KeyMapTab::Record(const char* step, int row) {
    if (history_.Record(map_, step, row)) emit KeyMapEdited();
}

void KeyMapTab::Undo() {
    ShowUndoneStep(history_.Undo(map_));
}

void KeyMapTab::Redo() {
    ShowUndoneStep(history_.Redo(map_));
}

void KeyMapTab::ShowUndoneStep(std::optional<int> row) {
    if (!row) return;
    RebuildKeyLists();
    if (*row < HardwareKeyCount) {
        InnerTabs->setCurrentIndex(0);
        lHardware->setCurrentItem(lHardware->topLevelItem(*row));
    } else {
        InnerTabs->setCurrentIndex(1);
        lScreen->setCurrentItem(lScreen->topLevelItem(*row - HardwareKeyCount));
    }
    emit KeyMapEdited();
}

void KeyMapTab::bLoadDefaultsClick() {
    for (int n = 1; n <= ProgramButtonCount; ++n)
        eButtonKeyCodes[static_cast<std::size_t>(n - 1)]->setText(QString::number(192 + n));
}

void KeyMapTab::bLoadClick() {
    if (!ConfirmReplaceKeyMap()) return;
    FileDialogRequest request;
    request.Title = "Load RoamplotCE Key File";
    // The newer grammar comes first so that the dialog opens on it.
    request.Filter = "Roamplot Key File (*.key2);;Roamplot Key File (*.key1)";
    request.InitialFile = QStringFromPath(keyFileName_);
    QString chosen = prompter_.AskOpenFileName(request);
    if (chosen.isEmpty()) return;
    const std::filesystem::path path = PathFromQString(chosen);
    if (KeyFileGrammarOf(path) == KeyFileGrammar::None) {
        prompter_.ShowMessage("Only key files (.key1 or .key2) can be loaded.");
        return;
    }
    QString error = ReadKeyFile(path);
    if (!error.isEmpty()) prompter_.ShowError(error);
}

void KeyMapTab::bSaveClick() {
    if (SaveAsksForName(keyFileName_))
        bSaveAsClick();
    else
        SaveKeyFileTo(keyFileName_);
}

void KeyMapTab::bSaveAsClick() {
    FileDialogRequest request;
    request.Title = "Save RoamplotCE Key File";
    request.Filter = "Roamplot Key File (*.key2)";
    request.DefaultExtension = "key2";
    request.InitialFile = QStringFromPath(ProposedSaveName(keyFileName_, lastPcKeyFile_));
    QString chosen = prompter_.AskSaveFileName(request);
    if (chosen.isEmpty()) return;
    std::filesystem::path path = PathFromQString(chosen);
    if (!path.has_extension()) path += ".key2";
    SaveKeyFileTo(path);
}

void KeyMapTab::SaveKeyFileTo(const std::filesystem::path& path) {
    QString error = WriteKeyFile(path);
    if (!error.isEmpty()) {
        prompter_.ShowError(error);
        return;
    }
    map_.Changed = false;
    history_.MarkSaved();
    SetKeyFileName(path);
}

} // namespace roamplot
