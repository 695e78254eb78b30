#pragma once
// The main window: owns the layout, the catalogues and the settings for the
// life of the process, and works as one with the preview window.
#include <QStringList>
#include <QWidget>
#include <memory>
#include <optional>

#include "core/app/DesignerSettings.h"
#include "core/app/DeviceScreen.h"
#include "core/app/SettingsFile.h"
#include "core/app/WindowArea.h"
#include "core/designer/LayoutEditor.h"
#include "core/designer/StatusTexts.h"
#include "core/keymap/CommandCatalogue.h"
#include "core/keymap/KeyMap.h"
#include "core/model/ParameterCatalogue.h"
#include "core/model/ScreenLayout.h"
#include "ui/app/Prompter.h"
#include "ui/designer/PanelLoading.h"

class QTabWidget;

namespace roamplot {

class AlignPalette;
class BodySplitter;
class BoxAdjuster;
class ConfigurationTab;
class DeviceCommands;
class FittedContent;
class KeyMapTab;
class MainMenu;
class PageDesigner;
class PageDesignerTab;
class PreviewWindow;
class StatusLine;

inline constexpr const char* ProgramTitle = "RoamplotCE Screen Designer v2.16";
inline constexpr const char* SettingsFileName = "RoamCE_Screen_Designer.ini";
inline constexpr const char* CloseQuestion =
    "Changes have been made which have not been saved. Close the Settings Manager and cancel "
    "the changes?";

class MainForm : public QWidget {
    Q_OBJECT
  public:
    enum TabIndex { PageDesignerTabIndex = 0, KeyTabIndex = 1, ConfigurationTabIndex = 2 };

    // Reads the catalogue and the settings of the program folder into the controls.
    MainForm(const QString& programFolder, Prompter& prompter, QWidget* parent = nullptr);
    ~MainForm() override;

    // Creates the preview window, sized for the stored device screen.
    void CreatePreview();
    // Keeps the whole window inside the area, its content scrolling where the
    // area is too small to show it whole. With the preview docked the window
    // takes the size it kept (or the size it needs), cut to the area.
    void FitIntoArea(const WindowRect& area);
    // The preview beside the controls, in this window, or in a window of its own.
    void SetPreviewDocked(bool docked);
    bool PreviewDocked() const;

    // Read-only: the layout changes through the editor's named edits.
    const ScreenLayout& Layout() const { return layout_; }
    LayoutEditor& Editor() { return editor_; }
    const ParameterCatalogue& Catalogue() const { return catalogue_; }
    const SettingsFile& Settings() const { return settingsFile_; }
    Prompter& Prompts() { return prompter_; }
    const QString& ProgramFolder() const { return programFolder_; }
    PreviewWindow* Preview() const { return preview_.get(); }
    const DeviceScreen& Screen() const { return screen_; }
    ConfigurationTab* Configuration() const { return configuration_; }
    PageDesignerTab* PageDesignerPage() const { return pageDesigner_; }
    // The logic of the "Page Designer" tab; exists once the preview does.
    PageDesigner* Designer() const { return designer_; }
    BoxAdjuster* Adjuster() const { return adjuster_; }
    AlignPalette* Palette() const { return alignPalette_.get(); }
    void SetPreviewZoom(int zoom);
    KeyMapTab* KeyMapPage() const { return keyMapTab_; }
    KeyMap& Keys() { return keyMap_; }
    const CommandCatalogue& Commands() const { return commands_; }
    QTabWidget* Tabs() const { return tabs_; }

    // While raised, no property handler reacts: filling controls is not an edit.
    bool PanelLoading() const { return panelLoading_; }
    // Raised for the life of the scope returned, then as it was before.
    [[nodiscard]] PanelLoadingScope FillingPanel() { return PanelLoadingScope(panelLoading_); }

    const std::filesystem::path& ParameterFileName() const {
        return heldSettings_.ParameterFileName;
    }
    const std::filesystem::path& KeyFileName() const { return heldSettings_.KeyFileName; }
    void SetParameterFileName(const std::filesystem::path& name);
    void SetKeyFileName(const std::filesystem::path& name);
    void UpdateCaption();
    // Shows the pointer, the selected box, the zoom and the file state.
    void UpdateStatus();
    StatusLine* Status() const { return status_; }

    // Problems found while starting (for example in the catalogues), told once.
    void AddStartupProblem(const QString& text) { startupProblems_ << text; }
    const QStringList& StartupProblems() const { return startupProblems_; }

    // The settings as the controls hold them now.
    DesignerSettings CurrentSettings() const;

    void ApplyDeviceType();
    // Shows the layout on another device screen, as its option on the
    // "Configuration" tab would, without the message about boxes outside.
    void SwitchDeviceScreen(const DeviceScreen& screen);
    void PlacePreview();
    void ShowHelp();

    // The parameter file commands of the "File" group (Ctrl+S, Ctrl+O). "Save"
    // writes to the current file without asking when it is a file of this PC.
    void SaveParameterFile1Click();
    void SaveParameterFileAsClick();
    void OpenParameterFile1Click();
    // The last parameter files of this PC, newest first; one that has gone is
    // dropped from the list with a message.
    const RecentFileList& RecentFiles() const { return heldSettings_.RecentFiles; }
    void OpenRecentFile(const std::filesystem::path& file);
    void ClearRecentFiles();
    // Start-up: reloads the remembered parameter file when it exists.
    void LoadRememberedParameterFile();
    // A file named on the command line, opened as "Load" opens it: a layout in
    // place of the remembered one, a key file on the key tab.
    void OpenAtStart(const std::filesystem::path& file);
    // The recovery copy of a designer that did not close normally, taken in as
    // unsaved changes of the file named, which "Save" then writes.
    void TakeRecoveredLayout(const std::filesystem::path& copy, const std::filesystem::path& name);
    void TakeRecoveredKeys(const std::filesystem::path& copy, const std::filesystem::path& name);
    // Reads a parameter file into the layout and reports what went wrong; when
    // it loads whole it becomes the current file under the name given.
    bool LoadParameterFileAs(const std::filesystem::path& file, const std::filesystem::path& name);
    // The transfers to and from the handheld; exist once the preview does.
    DeviceCommands* Device() const { return device_; }
    // The menu bar; exists once the preview does.
    MainMenu* Menu() const { return menu_; }

    // True when the layout has no unsaved changes, or the user answers the
    // question with OK, or with Save and the save succeeds.
    bool GoOnPastUnsavedLayout(const QString& question);

    // Runs a command behind the general error handler.
    template <class Command> void Guarded(Command&& command);

  signals:
    void RecentFilesChanged();

  public slots:
    void cDeviceScreenClick(int row);
    void bRefreshClick();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // What the constructor sets up, in this order.
    void BuildBody();
    void ReadCataloguesAndSettings(const std::string& commandProblems);
    void ReadRememberedKeys();
    void RestorePlace();
    void ConnectControls();

    // The controls, the preview and its place for the screen now chosen.
    void ShowDeviceScreen();
    void WriteSettingsAtClose();
    void WriteLayoutTo(const std::filesystem::path& file);
    void RememberRecentFile(const std::filesystem::path& file);
    bool ConfirmReplaceLayout();
    void ReadRememberedKeyFile();
    // Gives the preview its whole width first; the controls scroll what is left out.
    void ShareBody();
    // The preview of the screen chosen, with its place beside or in this window.
    void ShowPreviewOfScreen();
    // Docked, a larger screen grows the window as far as the area allows.
    void GrowForPreview();
    // Docked, the size the window asks for: the controls and the preview whole.
    QSize DockedSizeWanted();

    struct ParameterFileOutcome {
        bool Loaded = false; // the whole file was read: it becomes the current file
        QString Error;       // for the error handler's report
        QString Message;     // for a plain message
    };
    void AddParameterFileButtons();
    ParameterFileOutcome ReadParameterFile(const std::filesystem::path& file);

    QString programFolder_;
    Prompter& prompter_;
    SettingsFile settingsFile_;
    ScreenLayout layout_;
    LayoutEditor editor_{layout_};
    ParameterCatalogue catalogue_;
    CommandCatalogue commands_;
    KeyMap keyMap_;
    DesignerSettings heldSettings_; // the settings no control of this window holds
    DeviceScreen screen_;
    QStringList startupProblems_;

    FittedContent* content_;
    BodySplitter* body_;     // the controls, and beside them the docked preview
    QWidget* previewColumn_; // the docked preview and under it the docked palette
    QTabWidget* tabs_;
    PageDesignerTab* pageDesigner_;
    ConfigurationTab* configuration_;
    KeyMapTab* keyMapTab_;
    std::unique_ptr<PreviewWindow> preview_;
    PageDesigner* designer_ = nullptr;
    std::unique_ptr<AlignPalette> alignPalette_;
    BoxAdjuster* adjuster_ = nullptr;
    DeviceCommands* device_ = nullptr;
    MainMenu* menu_ = nullptr;
    StatusLine* status_ = nullptr;
    std::optional<DevicePoint> pointer_;
    bool fittedShown_ = false;
    bool panelLoading_ = false;
};

} // namespace roamplot

#include "ui/app/CommandGuard.h"

template <class Command> void roamplot::MainForm::Guarded(Command&& command) {
    RunGuarded(prompter_, std::forward<Command>(command));
}
