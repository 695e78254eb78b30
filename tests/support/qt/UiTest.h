#pragma once
// What the widget tests share beside the started designer: the widgets they
// reach, the user's gestures on them and the turns of the event loop.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>
#include <optional>
#include <string>

#include "plain/Records.h"
#include "plain/TestFiles.h"
#include "qt/DesignerFixture.h"
#include "render/PathText.h"
#include "ui/app/MainMenu.h"
#include "ui/designer/AdjustPanel.h"
#include "ui/designer/BoxAdjuster.h"
#include "ui/keymap/KeyMapTab.h"
#include "ui/preview/AlignPalette.h"
#include "ui/widgets/ColourButton.h"

namespace roamplot::test {

// Text naming paths with the system's separators, as the designer shows them: a file
// dialog on Windows answers with "/", the designer shows "\\".
inline QString Native(const QString& text) {
    return QDir::toNativeSeparators(text);
}
inline QStringList Native(QStringList texts) {
    for (QString& text : texts) text = Native(text);
    return texts;
}

namespace fs = std::filesystem;

inline const char* const SettingsName = "RoamCE_Screen_Designer.ini";
inline const QString MainTitle = "RoamplotCE Screen Designer v2.16  -  ";

// A window's title as the window manager shows it: "[*]" is "*" while the
// window holds unsaved changes and nothing otherwise.
inline QString ShownTitle(const QWidget& window) {
    QString title = window.windowTitle();
    return title.replace("[*]", window.isWindowModified() ? "*" : "");
}
inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
inline bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}
inline std::string Ini(DesignerFixture& d) {
    return d.folder.Read(SettingsName);
}

// The event loop's turn after a command, where its undo step is recorded.
inline void Settle() {
    QCoreApplication::processEvents();
}
inline void Click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}
inline void CtrlClick(DesignerFixture& d, int slot) {
    QTest::mouseClick(d.Control(slot), Qt::LeftButton, Qt::ControlModifier, {2, 2});
}
// Picks an entry of a choice as the user does, with the signal a pick sends.
inline void Pick(QComboBox* choice, int item) {
    choice->setCurrentIndex(item);
    emit choice->activated(item);
}
// Gives the selected box the parameter of that id.
inline void Choose(DesignerFixture& d, int id) {
    Pick(d.Tab().cParameter, d.form->Catalogue().PositionOf(id));
}
// Picks a box in the list of boxes, as the user does.
inline void Select(DesignerFixture& d, int slot) {
    d.Tab().cParameterList->setCurrentRow(slot - 1);
    d.Designer().SelectBox(slot);
}
// A new box given the parameter, selected.
inline int BoxOf(DesignerFixture& d, int id, BoxRect rect = {10, 10, 60, 30}) {
    const int slot = d.AddBox(rect);
    Choose(d, id);
    Select(d, slot);
    Settle();
    return slot;
}
// Shows the window and makes it the active one, so that keys reach it.
inline void Activate(QWidget& window) {
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}
// Gives the preview the keyboard as the user does, with a click on an empty
// corner of its drawing area; returns what has the focus, where keys go.
inline QWidget* ClickIntoPreview(DesignerFixture& d) {
    Activate(*d.Preview().window());
    QWidget* area = d.Preview().DrawArea();
    QTest::mouseClick(area, Qt::LeftButton, {}, {area->width() - 2, area->height() - 2});
    return QApplication::focusWidget();
}
// The settings with the preview floating in a window of its own, where the
// rules of such a window are tested.
inline std::string FloatingPreview(std::string settings = "") {
    const std::size_t section = settings.find("[Settings]");
    if (section == std::string::npos) return "[Settings]\r\nDock Preview=0\r\n" + settings;
    return settings.insert(settings.find('\n', section) + 1, "Dock Preview=0\r\n");
}
// A click on a row of a key list, as the user picks a key.
inline void ClickRow(QTreeWidget* list, int row) {
    QTreeWidgetItem* item = list->topLevelItem(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}
// Gives the first hardware key another command, as a user does on the key tab.
inline void AssignFirstHardwareKey(MainForm& form, int command) {
    KeyMapTab* tab = form.KeyMapPage();
    tab->lHardware->setCurrentItem(tab->lHardware->topLevelItem(0));
    tab->cHardwareCommand->setCurrentIndex(command);
}

} // namespace roamplot::test

using namespace roamplot;
using namespace roamplot::test;
