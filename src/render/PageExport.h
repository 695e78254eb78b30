#pragma once
// Every page that holds boxes written as a PNG picture, and one contact sheet
// showing them all under their names.
#include <QImage>
#include <QString>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/model/ScreenLayout.h"
#include "render/RenderContext.h"

namespace roamplot {

// "page-01-Main.png": the page's number and name, each character no file
// name may hold (on any system) replaced by "_".
std::filesystem::path PageFileName(int page, const std::string& pageName);

struct SheetEntry {
    QImage Picture;
    QString Caption;
};
// The pictures in rows, each with its caption under it, on white.
QImage ContactSheet(const std::vector<SheetEntry>& entries);

struct PageExportResult {
    int Written = 0; // page pictures written
    bool Cancelled = false;
    std::string Error; // why the file or folder named could not be written
    std::filesystem::path Failed;
    bool Ok() const { return Error.empty(); }
};

// Told after each file with the files done and the total; false stops the export.
using ExportProgress = std::function<bool(int done, int total)>;

// Writes every page that holds boxes, enlarged by a whole zoom, into the
// folder (made when missing), then the contact sheet when a path is given.
PageExportResult ExportPages(const ScreenLayout& layout, const RenderContext& context, int zoom,
                             const std::filesystem::path& folder,
                             const std::filesystem::path& sheet,
                             const ExportProgress& progress = {});

} // namespace roamplot
