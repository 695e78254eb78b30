#pragma once
// Starting the designer: the catalogue check, the windows, the splash window.
#include <QString>
#include <filesystem>
#include <memory>

#include "ui/app/MainForm.h"

namespace roamplot {

inline constexpr const char* MissingFilesMessage =
    "Files necessary to run the program are missing, reinstall the Screen Designer";

// Returns the main window ready to show, or nothing when a catalogue file is
// missing (after telling the user; no window was opened). A file to open (the
// one named on the command line) takes the place of the remembered layout.
std::unique_ptr<MainForm> StartDesigner(const QString& programFolder, Prompter& prompter,
                                        const std::filesystem::path& openAtStart = {});

} // namespace roamplot
