#pragma once
// The four transfers of the "PDA" groups: the layout and the key map to and
// from the handheld, through the file list and the transfer file beside the
// program. While one runs, the windows' commands are disabled and closing the
// main window waits for its end.
#include <QObject>
#include <QPointer>
#include <QString>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "core/device/DeviceLink.h"
#include "core/device/DeviceTransfer.h"
#include "ui/device/FileListDialog.h"

class QAction;
class QWidget;

namespace roamplot {

class CopyingWindow;
class MainForm;

class DeviceCommands : public QObject {
    Q_OBJECT
  public:
    explicit DeviceCommands(MainForm& form);
    ~DeviceCommands() override;

    // The "PDA" group of the "Page Designer" tab.
    void bSendParameterFileClick();
    void bGetParameterFileClick();
    // The "PDA" group of the key tab.
    void bSendKeyFileClick();
    void bGetKeyFileClick();

    // True from the start of a transfer command to its end.
    bool Busy() const { return running_ > 0; }
    // The main window asked to close during a transfer: it closes after it.
    void CloseWhenDone() { closeWhenDone_ = true; }
    // Ends any connection to the handheld, whatever its nesting (the program's end).
    void EndConnection();

    FileListDialog& FileList() const { return *fileList_; }
    CopyingWindow& Copying() const { return *copying_; }
    std::filesystem::path TempFile() const;

  private:
    class Running;
    class WindowsLocked;
    class Connection;
    struct ChosenFile {
        QString Name;
        std::string DevicePath;
    };

    DeviceLink& Link();
    void LockWindows(bool locked);
    // Shows the file list of the mode's files and gives the confirmed name, empty after Cancel.
    QString ChooseDeviceFile(const std::string& deviceFolder);
    // The device path of the name, or nothing after telling why the handheld cannot take it.
    std::optional<std::string> DevicePathFor(const QString& name, const std::string& deviceFolder);
    // One command's file list over its connection: the chosen file, or nothing
    // after a failed connection (told with failMessage when given), a Cancel or
    // a name the handheld cannot take. A send offers the current file's name.
    std::optional<ChosenFile> ChooseOverConnection(const Connection& connection, FileListMode mode,
                                                   FileListDialog::Direction direction,
                                                   const QString& failMessage,
                                                   const std::string& deviceFolder,
                                                   const QString& offeredName = {});
    // Copies the device file over the transfer file while the windows wait.
    FetchOutcome FetchToTempFile(const std::string& devicePath);

    MainForm& form_;
    FileListDialog* fileList_;
    CopyingWindow* copying_;
    std::unique_ptr<DeviceLink> link_;
    std::filesystem::path linkMount_;
    int running_ = 0;
    bool closeWhenDone_ = false;
    QPointer<QWidget> focusBeforeLock_;
    std::map<QAction*, bool> menusBeforeLock_;
};

} // namespace roamplot
