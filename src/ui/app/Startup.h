#pragma once
// Starting the designer: the catalogue check, the windows, the splash window.
#include <QString>
#include <memory>

#include "ui/app/MainForm.h"

namespace roamplot {

inline constexpr const char* MissingFilesMessage =
    "Files necessary to run the program are missing, reinstall the Screen Designer";

// Returns the main window ready to show, or nothing when a catalogue file is
// missing (after telling the user; no window was opened).
std::unique_ptr<MainForm> StartDesigner(const QString& programFolder, Prompter& prompter);

} // namespace roamplot
