#include "ui/device/DeviceCommands.h"

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "core/device/DeviceChoice.h"
#include "core/device/DeviceTransfer.h"
#include "core/device/FetchedFiles.h"
#include "core/io/FileIo.h"
#include "core/io/FileNames.h"
#include "render/PageThumbnail.h"
#include "render/PathText.h"
#include "render/RenderContext.h"
#include "render/TextCodec.h"
#include "ui/app/MainForm.h"
#include "ui/app/WaitCursor.h"
#include "ui/designer/PageDesigner.h"
#include "ui/designer/PageDesignerTab.h"
#include "ui/device/CopyingWindow.h"
#include "ui/device/FileListDialog.h"
#include "ui/keymap/KeyMapTab.h"
#include "ui/preview/AlignPalette.h"
#include "ui/preview/PreviewWindow.h"

namespace roamplot {

namespace {
using Direction = FileListDialog::Direction;
constexpr const char* ParameterLoadQuestion =
    "Changes have been made which have not been saved. Load a new file?";
constexpr const char* KeyGetSucceeded = "Get from PDA Successful";
constexpr const char* KeyGetFailed = "Key2 file not found on the PDA or could not be transferred.";
constexpr int SendMessageMs = 2000;

QStringList ListText(const std::vector<std::string>& names) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(names.size()));
    for (const std::string& name : names) texts << ToQString(name);
    return texts;
}
} // namespace

// From the start of a command to its end, so that a close waits for it.
class DeviceCommands::Running {
  public:
    explicit Running(DeviceCommands& commands) : commands_(commands) { ++commands_.running_; }
    ~Running() {
        if (--commands_.running_ > 0 || !commands_.closeWhenDone_) return;
        commands_.closeWhenDone_ = false;
        QTimer::singleShot(0, &commands_.form_, [form = &commands_.form_] { form->close(); });
    }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

  private:
    DeviceCommands& commands_;
};

// While the link waits or copies it lets events through: nothing may change the
// layout, the key map or the windows meanwhile.
class DeviceCommands::WindowsLocked {
  public:
    explicit WindowsLocked(DeviceCommands& commands) : commands_(commands) {
        commands_.LockWindows(true);
    }
    ~WindowsLocked() { commands_.LockWindows(false); }
    WindowsLocked(const WindowsLocked&) = delete;
    WindowsLocked& operator=(const WindowsLocked&) = delete;

  private:
    DeviceCommands& commands_;
};

// A connection held for one command; it ends with the command, however it ends.
class DeviceCommands::Connection {
  public:
    explicit Connection(DeviceCommands& commands) : link_(commands.Link()) {
        WindowsLocked locked(commands);
        made_ = link_.Connect();
    }
    ~Connection() {
        if (made_) link_.Disconnect();
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    bool Made() const { return made_; }

  private:
    DeviceLink& link_;
    bool made_ = false;
};

DeviceCommands::DeviceCommands(MainForm& form)
    : QObject(&form), form_(form), fileList_(new FileListDialog(form.Prompts(), &form)),
      copying_(new CopyingWindow(&form)) {
    auto guarded = [this](void (DeviceCommands::*handler)()) {
        return [this, handler] { form_.Guarded([&] { (this->*handler)(); }); };
    };
    PageDesignerTab& tab = *form_.PageDesignerPage();
    connect(tab.bSend, &QPushButton::clicked, this,
            guarded(&DeviceCommands::bSendParameterFileClick));
    connect(tab.bGet, &QPushButton::clicked, this,
            guarded(&DeviceCommands::bGetParameterFileClick));
    connect(form_.KeyMapPage(), &KeyMapTab::SendRequested, this,
            guarded(&DeviceCommands::bSendKeyFileClick));
    connect(form_.KeyMapPage(), &KeyMapTab::GetRequested, this,
            guarded(&DeviceCommands::bGetKeyFileClick));
}

DeviceCommands::~DeviceCommands() = default;

std::filesystem::path DeviceCommands::TempFile() const {
    return TempFileIn(PathFromQString(form_.ProgramFolder()));
}

void DeviceCommands::EndConnection() {
    if (link_) link_->DisconnectAll();
}

DeviceLink& DeviceCommands::Link() {
    // The folder setting may have changed since the last transfer.
    const std::filesystem::path mount(form_.CurrentSettings().DeviceMountFolder);
    if (!link_ || (mount != linkMount_ && !link_->Connected())) {
        DeviceLinkHooks hooks = SystemDeviceLinkHooks();
        // A handheld slow to answer keeps the windows painted while it is awaited.
        hooks.WaitForEvent = [wait = hooks.WaitForEvent](rapi::HANDLE event, int milliseconds) {
            const bool came = wait(event, milliseconds);
            if (!came) QCoreApplication::processEvents();
            return came;
        };
        hooks.ProcessEvents = [] { QCoreApplication::processEvents(); };
        hooks.ShowMessage = [this](const std::string& text) {
            form_.Prompts().ShowMessage(ToQString(text));
        };
        link_ = std::make_unique<DeviceLink>(ChooseRemoteApi(mount), hooks);
        linkMount_ = mount;
    }
    return *link_;
}

void DeviceCommands::LockWindows(bool locked) {
    // The main window's own focus is kept too while a closed dialog has left no window active.
    if (locked)
        focusBeforeLock_ =
            QApplication::focusWidget() ? QApplication::focusWidget() : form_.focusWidget();
    form_.Tabs()->setEnabled(!locked);
    if (form_.Preview()) form_.Preview()->setEnabled(!locked);
    if (form_.Palette()) form_.Palette()->setEnabled(!locked);
    // The menus' keys too: a Delete or Ctrl+Z typed meanwhile would change
    // the layout behind the transfer's back. Enabling the bar enables every
    // menu of it, so each menu gets back the state the shown tab gave it.
    for (QMenuBar* bar : form_.findChildren<QMenuBar*>()) {
        if (locked)
            for (QAction* menu : bar->actions()) menusBeforeLock_[menu] = menu->isEnabled();
        bar->setEnabled(!locked);
        if (!locked)
            for (QAction* menu : bar->actions())
                if (auto before = menusBeforeLock_.find(menu); before != menusBeforeLock_.end())
                    menu->setEnabled(before->second);
    }
    if (!locked) menusBeforeLock_.clear();
    if (!locked && focusBeforeLock_) focusBeforeLock_->setFocus();
}

QString DeviceCommands::ChooseDeviceFile(const std::string& deviceFolder) {
    {
        WaitCursor wait;
        fileList_->ShowDeviceFiles(
            ListText(ListDeviceFolder(Link(), deviceFolder, fileList_->Mode)));
    }
    form_.Prompts().RunDialog(*fileList_);
    fileList_->Mode = FileListMode::None;
    return fileList_->ChosenFile();
}

std::optional<std::string> DeviceCommands::DevicePathFor(const QString& name,
                                                         const std::string& deviceFolder) {
    const std::string deviceName = FromQString(name);
    const std::string path = TransferDevicePath(deviceFolder, deviceName);
    const std::string problem = DeviceNameProblem(deviceName, path);
    if (problem.empty()) return path;
    form_.Prompts().ShowMessage(ToQString(problem));
    return std::nullopt;
}

std::optional<DeviceCommands::ChosenFile> DeviceCommands::ChooseOverConnection(
    const Connection& connection, FileListMode mode, FileListDialog::Direction direction,
    const QString& failMessage, const std::string& deviceFolder, const QString& offeredName) {
    fileList_->Prepare(mode, direction);
    if (!offeredName.isEmpty()) fileList_->SetFileName(offeredName);
    if (!connection.Made()) {
        fileList_->Mode = FileListMode::None;
        if (!failMessage.isEmpty()) form_.Prompts().ShowMessage(failMessage);
        return std::nullopt;
    }
    ChosenFile chosen;
    chosen.Name = ChooseDeviceFile(deviceFolder);
    if (chosen.Name.isEmpty()) return std::nullopt;
    const std::optional<std::string> path = DevicePathFor(chosen.Name, deviceFolder);
    if (!path) return std::nullopt;
    chosen.DevicePath = *path;
    return chosen;
}

FetchOutcome DeviceCommands::FetchToTempFile(const std::string& devicePath) {
    WindowsLocked locked(*this);
    return FetchDeviceFile(Link(), devicePath, TempFile());
}

void DeviceCommands::bSendParameterFileClick() {
    Running running(*this);
    const int remembered = form_.Designer()->GetControl();
    const DesignerSettings settings = form_.CurrentSettings();
    {
        Connection connection(*this);
        const std::optional<ChosenFile> chosen = ChooseOverConnection(
            connection, FileListMode::Parameters, Direction::Send, {}, settings.DeviceFolder,
            QStringFromPath(FileNameOf(form_.ParameterFileName())));
        if (!chosen) return;

        SendOutcome outcome;
        {
            WindowsLocked locked(*this);
            const RenderContext context = MakeRenderContext(form_.Catalogue(), settings);
            SymbolCopyHooks hooks;
            hooks.ShowCopying = [this](const std::string& fileName) {
                copying_->ShowCopying(ToQString(fileName));
                QCoreApplication::processEvents();
            };
            hooks.CloseCopying = [this] { copying_->hide(); };
            hooks.ShowMessage = [this](const std::string& text) {
                form_.Prompts().ShowMessage(ToQString(text));
            };
            // The transfer file is no file of the user's: the caption and the
            // remembered name stay as they are.
            outcome = SendParameterFile(Link(), form_.Layout(), form_.Screen(),
                                        MakeThumbnailRenderer(context), TempFile(),
                                        settings.DeviceFolder, FromQString(chosen->Name), hooks);
        }
        if (!outcome.WriteError.empty())
            form_.Prompts().ShowError(ToQString(outcome.WriteError));
        else
            form_.Prompts().ShowTimedMessage(TimedMessageKind::Information, SendMessageMs,
                                             outcome.Sent ? SendSucceeded : SendFailed);
    }
    if (remembered > 0) form_.Designer()->SelectBox(remembered);
}

void DeviceCommands::bGetParameterFileClick() {
    Running running(*this);
    // The layout is replaced: unsaved work is lost only when the user agrees.
    if (!form_.GoOnPastUnsavedLayout(tr(ParameterLoadQuestion))) return;
    const DesignerSettings settings = form_.CurrentSettings();
    Connection connection(*this);
    const std::optional<ChosenFile> chosen = ChooseOverConnection(
        connection, FileListMode::Parameters, Direction::Get, {}, settings.DeviceFolder);
    if (!chosen) return;

    const std::filesystem::path tempFile = TempFile();
    const FetchOutcome fetched = FetchToTempFile(chosen->DevicePath);
    // Only a whole copy that also loads whole may replace the layout.
    std::string problem = fetched.Fetched
                              ? FetchedParameterFileProblem(tempFile, settings, form_.Catalogue())
                              : fetched.Failure;
    if (!problem.empty()) {
        form_.Prompts().ShowMessage(
            ToQString(GetFailedMessage(FromQString(chosen->Name), problem)));
        return;
    }
    // Named after the path on the handheld, so the caption shows the fetched file.
    form_.LoadParameterFileAs(tempFile, PathFromText(chosen->DevicePath));
}

void DeviceCommands::bSendKeyFileClick() {
    Running running(*this);
    const DesignerSettings settings = form_.CurrentSettings();
    Connection connection(*this);
    const std::optional<ChosenFile> chosen = ChooseOverConnection(
        connection, FileListMode::Keys, Direction::Send, SendFailed, settings.DeviceFolder,
        QStringFromPath(FileNameOf(form_.KeyFileName())));
    if (!chosen) return;

    const std::filesystem::path tempFile = TempFile();
    // The key tab's writer knows the transfer file and keeps the current key file's name.
    const QString error = form_.KeyMapPage()->WriteKeyFile(tempFile);
    if (!error.isEmpty()) {
        form_.Prompts().ShowError(error);
        return;
    }
    bool sent = false;
    {
        WindowsLocked locked(*this);
        sent = Link().CopyToDevice(tempFile, chosen->DevicePath);
    }
    if (sent)
        form_.Prompts().ShowTimedMessage(TimedMessageKind::Information, SendMessageMs,
                                         SendSucceeded);
    else
        form_.Prompts().ShowMessage(SendFailed);
}

void DeviceCommands::bGetKeyFileClick() {
    Running running(*this);
    KeyMapTab& keys = *form_.KeyMapPage();
    if (!keys.ConfirmReplaceKeyMap()) return;
    const DesignerSettings settings = form_.CurrentSettings();
    Connection connection(*this);
    const std::optional<ChosenFile> chosen = ChooseOverConnection(
        connection, FileListMode::Keys, Direction::Get, KeyGetFailed, settings.DeviceFolder);
    if (!chosen) return;

    const std::filesystem::path tempFile = TempFile();
    const FetchOutcome fetched = FetchToTempFile(chosen->DevicePath);
    // The file list took only a .key1 or .key2 name: its reader follows the extension.
    const std::string problem =
        fetched.Fetched ? ReadFetchedKeyFile(tempFile, KeyFileGrammarOf(chosen->DevicePath),
                                             form_.Commands(), form_.Keys())
                        : fetched.Failure;
    if (!problem.empty()) {
        form_.Prompts().ShowMessage(
            ToQString(GetFailedMessage(FromQString(chosen->Name), problem)));
        return;
    }
    keys.RebuildKeyLists();
    keys.SetKeyFileName(PathFromText(FileNamePart(chosen->DevicePath)));
    form_.Prompts().ShowMessage(KeyGetSucceeded);
}

} // namespace roamplot
