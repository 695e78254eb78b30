// MainForm is continued in ParameterFileCommands.cpp (its parameter file
// commands), RecoveredWork.cpp (taking in recovery copies) and StartFile.cpp
// (the file named at start).
#include "ui/app/MainForm.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/app/HelpDocument.h"
#include "core/device/FetchedFiles.h"
#include "core/io/FileIo.h"
#include "core/model/FieldFunctions.h"
#include "render/PathText.h"
#include "render/TextCodec.h"
#include "ui/app/ConfigurationTab.h"
#include "ui/app/EntryFields.h"
#include "ui/app/MainMenu.h"
#include "ui/app/StatusLine.h"
#include "ui/designer/BoxAdjuster.h"
#include "ui/designer/PageDesigner.h"
#include "ui/designer/PageDesignerTab.h"
#include "ui/device/DeviceCommands.h"
#include "ui/keymap/KeyMapTab.h"
#include "ui/preview/AlignPalette.h"
#include "ui/preview/PreviewWindow.h"
#include "ui/widgets/BodySplitter.h"
#include "ui/widgets/FittedContent.h"
#include "ui/widgets/ScreenPlacement.h"
#include "ui/widgets/TypingLimit.h"

namespace roamplot {

namespace {
constexpr int CommaNoteMs = 4000;
// Beside a docked preview the controls can be made this small; they scroll the rest.
constexpr QSize LeastControlsSize{300, 200};
} // namespace

MainForm::MainForm(const QString& programFolder, Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      programFolder_(programFolder), prompter_(prompter),
      settingsFile_(PathFromQString(programFolder) / SettingsFileName) {
    PanelLoadingScope loading(panelLoading_);
    setWindowTitle(ProgramTitle);
    // The key tab fills its choosers from the command catalogue as it is made.
    const std::string commandProblems =
        commands_.LoadCommandCatalogue(PathFromQString(programFolder_));
    BuildBody();
    ReadCataloguesAndSettings(commandProblems);
    ReadRememberedKeys();
    RestorePlace();
    ConnectControls();
}

// The three tabs beside the column of the docked preview, over the status line.
void MainForm::BuildBody() {
    tabs_ = new QTabWidget(this);
    pageDesigner_ = new PageDesignerTab(tabs_);
    keyMapTab_ = new KeyMapTab(keyMap_, commands_, prompter_, tabs_);
    configuration_ = new ConfigurationTab(tabs_);
    tabs_->addTab(pageDesigner_, tr("Page Designer"));
    tabs_->addTab(keyMapTab_, KeyTabCaption);
    tabs_->addTab(configuration_, tr("Configuration"));
    body_ = new BodySplitter([this] { ShareBody(); }, this);
    content_ = new FittedContent(tabs_, body_);
    body_->addWidget(content_);
    previewColumn_ = new QWidget(body_);
    previewColumn_->setObjectName("PreviewDock");
    auto* previewLayout = new QVBoxLayout(previewColumn_);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    // The preview and its palette sit at the top, a scroll bar right under the page.
    previewLayout->addStretch(1);
    body_->addWidget(previewColumn_);
    previewColumn_->hide();
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->addWidget(body_, 1);
    status_ = new StatusLine(this);
    column->addWidget(status_);
    new EnterMovesFocus(this);
    // Every field whose text goes into a file tells of a comma it refused here.
    for (auto* rules : findChildren<FieldTextRules*>())
        connect(rules, &FieldTextRules::CommaRefused, status_,
                [this] { status_->showMessage(tr(FieldTextRules::CommaNote), CommaNoteMs); });
    AddParameterFileButtons();
    pageDesigner_->SetReadingTabOrder();
}

// What they cannot read is told once the window shows.
void MainForm::ReadCataloguesAndSettings(const std::string& commandProblems) {
    std::string catalogueProblems =
        catalogue_.LoadFile(PathFromQString(programFolder_) / "Parameters.dat");
    if (!catalogueProblems.empty()) AddStartupProblem(ToQString(catalogueProblems));
    if (!commandProblems.empty()) AddStartupProblem(ToQString(commandProblems));

    std::vector<std::string> settingsNotices;
    heldSettings_ = ReadDesignerSettings(settingsFile_, &settingsNotices);
    for (const std::string& notice : settingsNotices) AddStartupProblem(ToQString(notice));
    configuration_->ShowSettings(heldSettings_);
    keyMapTab_->ShowButtonKeyCodes(heldSettings_.ButtonKeyCodes);
}

// The key tab tells its file's name from the start: a remembered file that
// has gone leaves the caption naming none.
void MainForm::ReadRememberedKeys() {
    connect(keyMapTab_, &KeyMapTab::KeyFileNameChanged, this,
            [this] { SetKeyFileName(keyMapTab_->KeyFileName()); });
    connect(keyMapTab_, &KeyMapTab::KeyMapEdited, this, &MainForm::UpdateCaption);
    ReadRememberedKeyFile();
    UpdateCaption();
}

void MainForm::RestorePlace() {
    QRect screen = QGuiApplication::primaryScreen()->geometry();
    WindowPosition place = RestoreWindowPosition(settingsFile_, MainFormSection, DefaultWindowLeft,
                                                 DefaultWindowTop, screen.width(), screen.height());
    move(place.Left, place.Top);
}

void MainForm::ConnectControls() {
    connect(keyMapTab_, &KeyMapTab::HelpRequested, this, &MainForm::ShowHelp);
    connect(configuration_, &ConfigurationTab::DeviceRowChosen, this,
            [this](int row) { Guarded([&] { cDeviceScreenClick(row); }); });
    connect(configuration_, &ConfigurationTab::RefreshClicked, this,
            [this] { Guarded([&] { bRefreshClick(); }); });
    connect(configuration_, &ConfigurationTab::LockWindowsChanged, this,
            [this] { PlacePreview(); });
    connect(configuration_, &ConfigurationTab::BrowseDeviceMountClicked, this, [this] {
        const QString folder = prompter_.AskFolder(tr("Handheld storage folder on this PC"),
                                                   configuration_->eDeviceMountFolder->text());
        if (!folder.isEmpty()) configuration_->eDeviceMountFolder->setText(folder);
    });
    connect(pageDesigner_->bHelp, &QPushButton::clicked, this, &MainForm::ShowHelp);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        UpdateCaption();
        if (designer_) designer_->TabChanged(index);
    });
}

MainForm::~MainForm() = default;

void MainForm::CreatePreview() {
    // Tool windows of this one: the window manager keeps them above it.
    preview_ = std::make_unique<PreviewWindow>(settingsFile_, this);
    screen_ = heldSettings_.Screen;
    configuration_->SelectDeviceRow(screen_.Row);
    ApplyDeviceType();
    preview_->ApplyDeviceScreen(screen_.Size());
    preview_->SetZoom(heldSettings_.PreviewZoom);
    connect(preview_.get(), &PreviewWindow::PointerMoved, this, [this](QPoint device) {
        pointer_ = DevicePoint{device.x(), device.y()};
        status_->ShowPointer(pointer_);
    });
    connect(preview_.get(), &PreviewWindow::PointerLeft, this, [this] {
        pointer_.reset();
        status_->ShowPointer(pointer_);
    });
    designer_ = new PageDesigner(*this, *pageDesigner_, *preview_);
    alignPalette_ = std::make_unique<AlignPalette>(settingsFile_, this);
    adjuster_ = new BoxAdjuster(*this, *designer_, *pageDesigner_->Adjust, *alignPalette_);
    device_ = new DeviceCommands(*this);
    menu_ = new MainMenu(*this, *static_cast<QVBoxLayout*>(layout()));
    designer_->ShowLoadedLayout();
    SetPreviewDocked(heldSettings_.DockPreview);
    // A first start puts the preview beside the main window, not over it.
    if (!PreviewDocked() && settingsFile_.ReadString(DeviceSection, "Left", "").empty()) {
        const WindowRect area = AvailableAreaAt(pos());
        const WindowRect main = FrameOf(*this, pos());
        const WindowRect preview = FrameOf(*preview_, preview_->pos());
        const FirstStartPlaces places =
            PlaceAtFirstStart(main, preview.Width, preview.Height, area);
        move(places.Main.Left, places.Main.Top);
        preview_->move(places.Preview.Left, places.Preview.Top);
    }
    alignPalette_->RestorePosition(pos());
    PlacePreview();
}

void MainForm::FitIntoArea(const WindowRect& area) {
    if (!PreviewDocked()) {
        content_->FitWindowInto(area);
        return MoveInsideArea(*this, pos(), area);
    }
    const QSize room = ClientRoomIn(*this, area);
    const QSize wanted = DockedSizeWanted();
    const ScreenSize size =
        SizeInArea(heldSettings_.MainWindowSize, {wanted.width(), wanted.height()},
                   {LeastControlsSize.width(), LeastControlsSize.height()},
                   {area.Left, area.Top, room.width(), room.height()});
    resize(size.Width, size.Height);
    MoveInsideArea(*this, pos(), area);
}

bool MainForm::PreviewDocked() const {
    return preview_ && preview_->Docked();
}

void MainForm::SetPreviewDocked(bool docked) {
    if (!preview_) return;
    const bool shown = isVisible();
    const bool paletteShown = alignPalette_->isVisible();
    if (docked) {
        auto* column = static_cast<QVBoxLayout*>(previewColumn_->layout());
        preview_->Dock(previewColumn_);
        column->insertWidget(0, preview_.get());
        alignPalette_->Dock(previewColumn_);
        column->insertWidget(1, alignPalette_.get(), 0, Qt::AlignLeft);
        preview_->show();
        previewColumn_->show();
        content_->FollowWindow(LeastControlsSize);
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        if (PreviewDocked()) heldSettings_.MainWindowSize = {width(), height()};
        previewColumn_->hide();
        preview_->Float(this);
        alignPalette_->Float(preview_.get());
        // The window keeps the size its contents need: the user cannot resize it.
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
    setWindowFlag(Qt::WindowMaximizeButtonHint, docked);
    alignPalette_->setVisible(paletteShown);
    if (menu_) menu_->Action("aDockPreview")->setChecked(docked);
    // Docked, there is no window to lock beside this one.
    configuration_->cLockWindows->setEnabled(!docked);
    FitIntoArea(AvailableAreaAt(pos()));
    if (shown) {
        show();
        preview_->show();
    }
    PlacePreview();
}

void MainForm::ShareBody() {
    if (!PreviewDocked()) return;
    const int width = body_->width() - body_->handleWidth();
    const DockedShare share =
        ShareDockedWidth(width, content_->sizeHint().width(), LeastControlsSize.width(),
                         previewColumn_->sizeHint().width());
    body_->setSizes({share.Controls, share.Preview});
}

void MainForm::SetPreviewZoom(int zoom) {
    heldSettings_.PreviewZoom = zoom;
    UpdateStatus();
}

void MainForm::UpdateStatus() {
    StatusFacts facts;
    facts.Pointer = pointer_;
    if (designer_)
        if (int slot = designer_->GetControl(); slot > 0)
            facts.SelectedBox = designer_->Editor().BoxRectOf(slot);
    facts.Zoom = preview_ ? preview_->Zoom() : heldSettings_.PreviewZoom;
    facts.FileName = PathToText(FileNameOf(heldSettings_.ParameterFileName));
    facts.Unsaved = layout_.Modified;
    status_->Show(facts);
}

void MainForm::SetParameterFileName(const std::filesystem::path& name) {
    heldSettings_.ParameterFileName = name;
    UpdateCaption();
}

void MainForm::SetKeyFileName(const std::filesystem::path& name) {
    heldSettings_.KeyFileName = name;
    UpdateCaption();
}

void MainForm::UpdateCaption() {
    const std::filesystem::path& shown = tabs_->currentIndex() == KeyTabIndex
                                             ? heldSettings_.KeyFileName
                                             : heldSettings_.ParameterFileName;
    setWindowTitle(QString(ProgramTitle) + "  -  " + QStringFromPath(FileNameOf(shown)) + "[*]");
    setWindowModified(tabs_->currentIndex() == KeyTabIndex ? keyMap_.Changed : layout_.Modified);
    UpdateStatus();
}

DesignerSettings MainForm::CurrentSettings() const {
    DesignerSettings settings = heldSettings_;
    configuration_->CollectSettings(settings);
    settings.ButtonKeyCodes = keyMapTab_->ButtonKeyCodes();
    settings.Screen = screen_;
    settings.DockPreview = preview_ ? PreviewDocked() : heldSettings_.DockPreview;
    if (PreviewDocked()) settings.MainWindowSize = {width(), height()};
    return settings;
}

void MainForm::ApplyDeviceType() {
    PanelLoadingScope loading(panelLoading_);
    configuration_->EnableCustomOptions(false);
    if (preview_) {
        if (screen_.Row == CustomDeviceRow) {
            configuration_->EnableCustomOptions(true);
            configuration_->ShowScreenSize(screen_.CustomWidth, screen_.CustomHeight);
            editor_.SetDeviceTypeCode(screen_.DeviceTypeCode());
        } else if (DeviceScreen::IsValidRow(screen_.Row)) {
            ScreenSize size = screen_.Size();
            configuration_->ShowScreenSize(size.Width, size.Height);
            editor_.SetDeviceTypeCode(screen_.DeviceTypeCode());
        }
    }
}

void MainForm::cDeviceScreenClick(int row) {
    const ScreenSize before = screen_.Size();
    screen_.Row = row;
    ShowDeviceScreen();
    if (designer_ && screen_.Size() != before) designer_->TellBoxesOutsideScreen();
}

void MainForm::SwitchDeviceScreen(const DeviceScreen& screen) {
    screen_ = screen;
    configuration_->SelectDeviceRow(screen_.Row);
    ShowDeviceScreen();
}

void MainForm::ShowDeviceScreen() {
    ApplyDeviceType();
    ShowPreviewOfScreen();
}

void MainForm::ShowPreviewOfScreen() {
    if (preview_) preview_->ApplyDeviceScreen(screen_.Size());
    // An edit that switches the screen draws its page once, when it ends.
    if (designer_ && !editor_.Grouping()) designer_->RefreshPage();
    PlacePreview();
    GrowForPreview();
}

QSize MainForm::DockedSizeWanted() {
    // Sizes are those of the style and fonts the controls are shown with.
    ensurePolished();
    // The body's size as the layout last asked it was that of another arrangement.
    body_->updateGeometry();
    layout()->activate();
    // The splitter leaves its handle out of the size it asks for.
    return sizeHint() + QSize(body_->handleWidth(), 0);
}

void MainForm::GrowForPreview() {
    if (!PreviewDocked()) return;
    const WindowRect area = AvailableAreaAt(pos());
    resize(size().expandedTo(DockedSizeWanted().boundedTo(ClientRoomIn(*this, area))));
    MoveInsideArea(*this, pos(), area);
    ShareBody();
}

void MainForm::bRefreshClick() {
    // The width lands in memory even when the height then proves not to be a number.
    const int oldWidth = screen_.CustomWidth;
    screen_.CustomWidth = StrToInt(FromQString(configuration_->ScreenWidthText()));
    const int height = StrToInt(FromQString(configuration_->ScreenHeightText()));
    // A size the preview cannot show is refused before anything is stored.
    if (!IsUsableCustomSize(screen_.CustomWidth, height)) {
        screen_.CustomWidth = oldWidth;
        prompter_.ShowMessage(tr(UnusableCustomSizeMessage));
        return;
    }
    const ScreenSize before{oldWidth, screen_.CustomHeight};
    screen_.CustomHeight = height;
    std::string error = WriteCustomSize(settingsFile_, screen_.CustomWidth, screen_.CustomHeight);
    if (!error.empty()) prompter_.ShowError(MessageNaming(error, settingsFile_.Path()));
    ShowPreviewOfScreen();
    if (designer_ && screen_.Size() != before) designer_->TellBoxesOutsideScreen();
}

void MainForm::PlacePreview() {
    if (!preview_ || PreviewDocked() || !configuration_->cLockWindows->isChecked()) return;
    QRect frame = frameGeometry();
    WindowPlace place = PlacePreviewBeside(screen_, frame.left(), frame.top(), frame.height(),
                                           preview_->frameGeometry().width());
    MoveInsideArea(*preview_, {place.Left, place.Top});
}

void MainForm::ShowHelp() {
#ifdef Q_OS_WIN
    constexpr bool compiledHelpViewer = true;
#else
    constexpr bool compiledHelpViewer = false;
#endif
    const QString guide =
        QStringFromPath(HelpDocumentPath(PathFromQString(programFolder_), compiledHelpViewer));
    if (!prompter_.OpenHelp(guide))
        prompter_.ShowMessage(
            tr("No program on this computer could open the guide. It is the file \"%1\".")
                .arg(guide));
}

void MainForm::closeEvent(QCloseEvent* event) {
    // A transfer lets events through between its blocks: the window closes once it has ended.
    if (device_ && device_->Busy()) {
        device_->CloseWhenDone();
        event->ignore();
        return;
    }
    if (!GoOnPastUnsavedLayout(tr(CloseQuestion))) {
        event->ignore();
        return;
    }
    if (!keyMapTab_->ConfirmClose()) {
        event->ignore();
        return;
    }
    WriteSettingsAtClose();
    if (device_) device_->EndConnection();
    event->accept();
}

// A key file that stops with an error keeps what it assigned; start-up goes on.
// A name a key get left is a bare name on the handheld, not one of this PC (a
// relative name would be looked up in whatever folder the program started in):
// the caption then names no file.
void MainForm::ReadRememberedKeyFile() {
    const std::filesystem::path remembered = heldSettings_.KeyFileName;
    const bool opens = IsPcFilePath(remembered) && FileExists(remembered);
    // A file of this PC that has gone still tells where a fetched one is saved.
    keyMapTab_->SetKeyFileName(remembered);
    if (!opens) {
        keyMapTab_->SetKeyFileName({});
        return;
    }
    QString error = keyMapTab_->ReadKeyFile(remembered);
    if (!error.isEmpty()) AddStartupProblem(error);
}

void MainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Shown, the controls ask for the size of their shown style: fit that once.
    if (!fittedShown_ && PreviewDocked()) {
        fittedShown_ = true;
        FitIntoArea(AvailableAreaAt(pos()));
    }
}

void MainForm::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    PlacePreview();
}

void MainForm::WriteSettingsAtClose() {
    DesignerSettings settings = CurrentSettings();
    if (screen_.Row == CustomDeviceRow) {
        // The fields as typed, when they hold numbers; a close never fails on them.
        int width = TryStrToInt(FromQString(configuration_->ScreenWidthText()))
                        .value_or(screen_.CustomWidth);
        int height = TryStrToInt(FromQString(configuration_->ScreenHeightText()))
                         .value_or(screen_.CustomHeight);
        if (IsUsableCustomSize(width, height)) {
            settings.Screen.CustomWidth = width;
            settings.Screen.CustomHeight = height;
        }
    }
    // The windows' places go into the same one write.
    ChangeWindowPosition(settingsFile_, MainFormWriteSection, {x(), y()});
    if (preview_) preview_->RememberPosition();
    if (alignPalette_) alignPalette_->RememberPosition();
    std::string error = WriteDesignerSettingsAtClose(settingsFile_, settings);
    if (!error.empty()) prompter_.ShowError(MessageNaming(error, settingsFile_.Path()));
}

} // namespace roamplot
