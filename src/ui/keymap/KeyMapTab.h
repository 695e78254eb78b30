#pragma once
// The key tab, "Hardware && Screen Control Buttons": assigns commands to the
// cursor keys, the program buttons and the screen control buttons, holds the
// program buttons' key codes, and loads and saves key files.
#include <QString>
#include <QWidget>
#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "core/keymap/CommandCatalogue.h"
#include "core/keymap/KeyFileReader.h"
#include "core/keymap/KeyFileWriter.h"
#include "core/keymap/KeyMap.h"
#include "core/keymap/KeyMapHistory.h"
#include "ui/app/Prompter.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace roamplot {

inline constexpr const char* KeyTabCaption = "Hardware && Screen Control Buttons";
inline constexpr const char* KeyMapCloseQuestion =
    "Changes have been made to the button settings which have not been saved. Close the "
    "Settings Manager and cancel the changes?";
inline constexpr const char* KeyMapLoadQuestion =
    "Changes have been made to the button settings which have not been saved. Load a new file?";

class KeyMapTab : public QWidget {
    Q_OBJECT
  public:
    // The catalogue is loaded already; the map and the catalogue outlive the tab.
    KeyMapTab(KeyMap& map, const CommandCatalogue& catalogue, Prompter& prompter,
              QWidget* parent = nullptr);

    // The key code fields are the working copy of the settings.
    void ShowButtonKeyCodes(const ButtonKeyCodeTexts& codes);
    ButtonKeyCodeTexts ButtonKeyCodes() const;

    const std::filesystem::path& KeyFileName() const { return keyFileName_; }
    // The key file commands; "Save" writes to the current file without asking
    // when it is a file of this PC.
    void bLoadClick();
    void bSaveClick();
    void bSaveAsClick();
    // The key tab's own history of assignments and captions.
    const KeyMapHistory& History() const { return history_; }
    void Undo();
    void Redo();
    void EndBurst() { history_.EndBurst(); }

    // Tells KeyFileNameChanged as well.
    void SetKeyFileName(const std::filesystem::path& name);

    // Reads a key file into the map by its extension (or by the given grammar,
    // for a transfer file) and shows the result; returns why the read stopped,
    // empty when it did not.
    QString ReadKeyFile(const std::filesystem::path& path);
    QString ReadKeyFile(const std::filesystem::path& path, KeyFileGrammar grammar);
    // Writes the map and the key codes; returns the file system's message, empty on success.
    QString WriteKeyFile(const std::filesystem::path& path);

    // True when the map has no unsaved edits or the user agrees to lose them.
    bool ConfirmClose();
    bool ConfirmReplaceKeyMap();
    // With a third answer, Save, that saves first and goes on only when the save did.
    bool GoOnPastUnsavedKeys(const QString& question);

    void RebuildKeyLists();

    // The focused rows, -1 for none.
    int HardwareRow() const { return hardwareRow_; }
    int ScreenRow() const { return screenRow_; }

    QTabWidget* InnerTabs;
    QTreeWidget* lHardware;
    QLabel* lHardwareKey;
    QComboBox* cHardwareCommand;
    QTreeWidget* lScreen;
    QLabel* lScreenButton;
    QComboBox* cScreenCommand;
    QLineEdit* eCaption;
    std::array<QLineEdit*, ProgramButtonCount> eButtonKeyCodes{};
    QPushButton* bLoadDefaults;
    QPushButton* bLoad;
    QPushButton* bSave;
    QPushButton* bGet;
    QPushButton* bSend;
    QPushButton* bHelp;

  signals:
    void KeyFileNameChanged(const QString& name);
    // An assignment or caption changed the map, or an undo or redo did.
    void KeyMapEdited();
    // The buttons whose work lies outside the tab.
    void HelpRequested();
    void GetRequested();
    void SendRequested();

  protected:
    // Get and Send come alive once the device transfer listens to them.
    void connectNotify(const QMetaMethod& signal) override;

  private:
    QWidget* MakeHardwarePage();
    QWidget* MakeScreenPage();
    QWidget* MakeConfigurationPage();
    QWidget* MakeCommandColumn();
    void FillChoosers();

    void lHardwareFocus(QTreeWidgetItem* item);
    void cHardwareCommandChange(int index);
    void lScreenFocus(QTreeWidgetItem* item);
    void cScreenCommandChange(int index);
    void eCaptionChange();
    void StoreScreenButton();
    void bLoadDefaultsClick();
    void SaveKeyFileTo(const std::filesystem::path& path);
    // `row` counts the hardware rows first, then the screen rows.
    void Record(const char* step, int row);
    void ShowUndoneStep(std::optional<int> row);

    KeyMap& map_;
    const CommandCatalogue& catalogue_;
    Prompter& prompter_;
    KeyMapHistory history_;
    std::filesystem::path keyFileName_;
    // Where a key file fetched from the handheld is offered to be saved.
    std::filesystem::path lastPcKeyFile_;
    int hardwareRow_ = -1;
    int screenRow_ = -1;
    // Raised while a chooser is set in code, which is not a choice of the user.
    bool fillingChooser_ = false;
    // The caption field is being given the focused button's default caption.
    bool offeringCaption_ = false;
};

} // namespace roamplot
