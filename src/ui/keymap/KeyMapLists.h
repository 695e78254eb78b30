#pragma once
// The two lists of the key tab: the hardware keys and the screen control buttons.
#include <QColor>
#include <QString>

#include "core/keymap/CommandCatalogue.h"
#include "core/keymap/KeyMap.h"

class QTreeWidget;
class QWidget;

namespace roamplot {

inline const QColor HardwareListColour{234, 244, 235};
inline const QColor ScreenListColour{249, 239, 221};
inline const QColor EvenPageRowColour{234, 234, 234}; // rows of pages 2 and 4

QTreeWidget* MakeHardwareList(QWidget* parent);
QTreeWidget* MakeScreenList(QWidget* parent);

// Clears the lists and fills them from the map.
void FillHardwareList(QTreeWidget* list, const KeyMap& map, const CommandCatalogue& catalogue);
void FillScreenList(QTreeWidget* list, const KeyMap& map, const CommandCatalogue& catalogue);

// Shows one row again after its entry changed.
void ShowHardwareRow(QTreeWidget* list, int row, const KeyMap& map,
                     const CommandCatalogue& catalogue);
void ShowScreenRow(QTreeWidget* list, int row, const KeyMap& map,
                   const CommandCatalogue& catalogue);

// "Up" .. "Centre", then "Button #1" .. "Button #10".
QString HardwareChooserLabel(int row);
// "Page 2  Button #5".
QString ScreenChooserLabel(int row);

// Row r of the screen list is page r / 9 + 1, button r % 9 + 1.
inline int ScreenRowPage(int row) {
    return row / ScreenButtonsPerPage + 1;
}
inline int ScreenRowButton(int row) {
    return row % ScreenButtonsPerPage + 1;
}

} // namespace roamplot
