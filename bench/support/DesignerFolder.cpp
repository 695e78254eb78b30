#include "support/DesignerFolder.h"

#include <fstream>
#include <string>

#include "core/app/DesignerSettings.h"
#include "core/model/ParameterCatalogue.h"
#include "core/model/ParameterFileWriter.h"
#include "render/PageThumbnail.h"
#include "render/RenderContext.h"
#include "support/FullLayout.h"
#include "ui/app/MainForm.h"

namespace roamplot::bench {

namespace fs = std::filesystem;

DesignerFolder::DesignerFolder(bool rememberLayout, int deviceRow)
    : Folder(fs::temp_directory_path() /
             ("roamplot-bench-" + std::string(rememberLayout ? "layout-" : "empty-") +
              std::to_string(deviceRow))) {
    fs::create_directories(Folder);
    for (const char* catalogue : {"Parameters.dat", "commands.dat"})
        fs::copy_file(ProgramFolder() / catalogue, Folder / catalogue,
                      fs::copy_options::overwrite_existing);
    if (!rememberLayout) return;
    ParameterCatalogue catalogue;
    catalogue.LoadFile((Folder / "Parameters.dat").string());
    DesignerSettings settings;
    const fs::path layout = Folder / "full.par1";
    WriteParameterFile(FullLayout(), settings.Screen, layout.string(),
                       MakeThumbnailRenderer(MakeRenderContext(catalogue, settings)));
    std::ofstream(Folder / SettingsFileName, std::ios::binary)
        << "[Settings]\r\nDevice Type=" << deviceRow
        << "\r\n[Parameters]\r\nFilename=" << layout.string() << "\r\n";
}

DesignerFolder::~DesignerFolder() {
    std::error_code ignored;
    fs::remove_all(Folder, ignored);
}

} // namespace roamplot::bench
