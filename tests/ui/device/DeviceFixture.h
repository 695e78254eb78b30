#pragma once
// A started designer whose handheld is a folder device over a temporary
// folder, named in the settings file as the designer reads it, and a
// scripted user for the file list.
#include <QLineEdit>
#include <QListWidget>

#include "qt/UiTest.h"
#include "ui/device/DeviceCommands.h"
#include "ui/device/FileListDialog.h"

namespace roamplot::test {

// What the file list showed when the scripted user met it.
struct FileListSeen {
    QStringList Names;
    QString ConfirmCaption;
    QString FileName;
    FileListMode Mode = FileListMode::None;
};

class DeviceTransferTest : public ::testing::Test {
  protected:
    // The handheld folder (RoamplotCE Folder) exists below the mount with its Symbols.
    void Start(const std::string& deviceFolder = "\\Roamplot 2", bool deviceFolders = true) {
        if (deviceFolders)
            fs::create_directories(fs::path(mount.Path()) / "Roamplot 2" / "Symbols");
        designer =
            std::make_unique<DesignerFixture>("[Settings]\r\nDevice Mount Folder=" + mount.Path() +
                                              "\r\nRoamplotCE Folder=" + deviceFolder + "\r\n");
    }
    MainForm& Form() { return *designer->form; }
    ScriptedPrompter& Prompter() { return designer->prompter; }
    DeviceCommands& Device() { return *Form().Device(); }
    std::string OnDevice(const std::string& name) { return mount.File("Roamplot 2/" + name); }
    void PutOnDevice(const std::string& name, const std::string& bytes) {
        mount.Write("Roamplot 2/" + name, bytes);
    }

    void Record(const FileListDialog& list) {
        FileListSeen shown{{}, list.bConfirm->text(), list.eFileName->text(), list.Mode};
        for (int row = 0; row < list.lFiles->count(); ++row)
            shown.Names << list.lFiles->item(row)->text();
        seen.push_back(shown);
    }

    // The next file list as a user meets it: a click into the name field, the
    // name there selected and typed over, a click on the confirming button.
    // A refused name leaves the list open; it is then closed by its title bar.
    void TypeAnswer(const QString& typed) {
        Prompter().DialogAnswers.push_back([this, typed](QDialog& dialog) {
            auto& list = dynamic_cast<FileListDialog&>(dialog);
            Record(list);
            Activate(list);
            QTest::mouseClick(list.eFileName, Qt::LeftButton);
            ASSERT_EQ(QApplication::focusWidget(), list.eFileName);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(QApplication::focusWidget(), typed);
            QTest::mouseClick(list.bConfirm, Qt::LeftButton);
        });
    }

    // The next file list: records what it shows, types a name over the field
    // when one is given, then clicks the confirming button.
    void Answer(std::optional<QString> typed = std::nullopt) {
        Prompter().DialogAnswers.push_back([this, typed](QDialog& dialog) {
            auto& list = dynamic_cast<FileListDialog&>(dialog);
            Record(list);
            if (typed) {
                list.eFileName->clear();
                QTest::keyClicks(list.eFileName, *typed);
            }
            list.bConfirm->click();
        });
    }

    void SendLayout() { Click(designer->Tab().bSend); }
    void GetLayout() { Click(designer->Tab().bGet); }
    void SendKeys() { Form().KeyMapPage()->bSend->click(); }
    void GetKeys() { Form().KeyMapPage()->bGet->click(); }

    TempFolder mount;
    std::unique_ptr<DesignerFixture> designer;
    std::vector<FileListSeen> seen;
};

} // namespace roamplot::test
